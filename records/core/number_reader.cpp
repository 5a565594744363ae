// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/number_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace records {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

bool ignored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c, int base) {
    int v = base;  // not a digit
    if (isDigit(c)) {
        v = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        v = c - 'A' + 10;
    }
    return v < base ? v : -1;
}

// Digits after &H or &O. They are gathered in 64 bits and turned into a double once, so the
// value is exact, or rounded only once, as far as 64 bits reach; past that the double goes on,
// saturating instead of wrapping.
double readRadix(std::string_view s, int base) {
    std::uint64_t whole = 0;
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i], base);
        if (d < 0 || whole > (std::numeric_limits<std::uint64_t>::max() - d) / base) {
            break;
        }
        whole = whole * base + d;
    }
    auto value = static_cast<double>(whole);
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i], base);
        if (d < 0) {
            break;
        }
        value = std::min(value * base + d, kLargest);
    }
    return value;
}

// The longest start of s of the form [sign] digits [. digits] [E|D [sign] digits], in the
// spelling std::from_chars takes (no plus sign, E for the exponent).
std::string decimalPrefix(std::string_view s) {
    std::string out;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            out += '-';
        }
        ++i;
    }
    bool digits = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        out += s[i];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        out += '.';
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            out += s[i];
            digits = true;
        }
    }
    if (!digits) {
        return {};
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent += s[j];
            ++j;
        }
        const std::size_t first = j;
        for (; j < s.size() && isDigit(s[j]); ++j) {
            exponent += s[j];
        }
        if (j > first) {
            out += exponent;
        }
    }
    return out;
}

// The power of ten of the first significant digit of a number in decimalPrefix's spelling,
// saturated: all that matters is its sign when the value is out of range.
long long decimalExponent(std::string_view number) {
    const auto e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        const bool negative = number.size() > e + 1 && number[e + 1] == '-';
        for (char c : number.substr(e + 1)) {
            if (isDigit(c)) {
                exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
            }
        }
        exponent = negative ? -exponent : exponent;
    }
    long long integerDigits = 0;
    long long position = 0;  // of the first significant digit among all the digits
    bool seenPoint = false;
    bool found = false;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            integerDigits += seenPoint ? 0 : 1;
            if (!found && c != '0') {
                found = true;
            }
            position += found ? 0 : 1;
        }
    }
    return exponent + integerDigits - position - 1;
}

}  // namespace

double readNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!ignored(c)) {
            s += c;
        }
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') {
            return readRadix(std::string_view(s).substr(2), 16);
        }
        if (s[1] == 'O' || s[1] == 'o') {
            return readRadix(std::string_view(s).substr(2), 8);
        }
    }
    const std::string number = decimalPrefix(s);
    if (number.empty()) {
        return 0;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone then: tell too large from too small.
        if (decimalExponent(number) < 0) {
            return 0.0;
        }
        return number[0] == '-' ? -kLargest : kLargest;
    }
    return value;
}

int readWholeNumber(std::string_view text) {
    const double v = std::round(readNumber(text));
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

}  // namespace records
