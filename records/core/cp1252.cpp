// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/cp1252.h"

#include <array>

namespace records {

namespace {

// Bytes 0x80..0x9F. The five bytes the code page leaves unassigned stand for the control
// character of the same number, as Windows itself reads them.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

char encode(char32_t c) {
    if (isControl(c)) {
        return ' ';
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(c));
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

std::string encodeName(std::u32string_view name) {
    std::string bytes;
    bytes.reserve(name.size());
    for (char32_t c : name) {
        bytes += encode(c);
    }
    return bytes;
}

std::u32string decodeCp1252(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text += (u >= 0x80 && u <= 0x9F) ? kHighControls[u - 0x80] : static_cast<char32_t>(u);
    }
    return text;
}

}  // namespace records
