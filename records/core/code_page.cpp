// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/core/code_page.h"

#include <algorithm>
#include <string_view>

namespace records {

namespace {

// Bytes 0x80..0xFF of each code page, one row of its chart per line. A byte the code page
// leaves unassigned stands for the control character of the same number, as Windows itself
// reads it, so every byte still shows as one character.
constexpr std::u32string_view kWindows1250 =
    U"€\u0081‚\u0083„…†‡\u0088‰Š‹ŚŤŽŹ"
    U"\u0090‘’“”•–—\u0098™š›śťžź"
    U"\u00a0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00ad®Ż"
    U"°±˛ł´µ¶·¸ąş»Ľ˝ľż"
    U"ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎ"
    U"ĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢß"
    U"ŕáâăäĺćçčéęëěíîď"
    U"đńňóôőö÷řůúűüýţ˙";

constexpr std::u32string_view kWindows1251 =
    U"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏ"
    U"ђ‘’“”•–—\u0098™љ›њќћџ"
    U"\u00a0ЎўЈ¤Ґ¦§Ё©Є«¬\u00ad®Ї"
    U"°±Ііґµ¶·ё№є»јЅѕї"
    U"АБВГДЕЖЗИЙКЛМНОП"
    U"РСТУФХЦЧШЩЪЫЬЭЮЯ"
    U"абвгдежзийклмноп"
    U"рстуфхцчшщъыьэюя";

constexpr std::u32string_view kWindows1252 =
    U"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008dŽ\u008f"
    U"\u0090‘’“”•–—˜™š›œ\u009džŸ"
    U"\u00a0¡¢£¤¥¦§¨©ª«¬\u00ad®¯"
    U"°±²³´µ¶·¸¹º»¼½¾¿"
    U"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏ"
    U"ÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß"
    U"àáâãäåæçèéêëìíîï"
    U"ðñòóôõö÷øùúûüýþÿ";

constexpr std::u32string_view kWindows1254 =
    U"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008d\u008e\u008f"
    U"\u0090‘’“”•–—˜™š›œ\u009d\u009eŸ"
    U"\u00a0¡¢£¤¥¦§¨©ª«¬\u00ad®¯"
    U"°±²³´µ¶·¸¹º»¼½¾¿"
    U"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏ"
    U"ĞÑÒÓÔÕÖ×ØÙÚÛÜİŞß"
    U"àáâãäåæçèéêëìíîï"
    U"ğñòóôõö÷øùúûüışÿ";

constexpr std::size_t kHighHalf = 128;
static_assert(kWindows1250.size() == kHighHalf && kWindows1251.size() == kHighHalf &&
              kWindows1252.size() == kHighHalf && kWindows1254.size() == kHighHalf);

// The plain letter of each Latin letter: what its canonical decomposition leaves without the
// combining marks, and for Ð, Đ, Ħ, ı, Ŀ, Ł, Ø and Ŧ, which have none, the letter they are
// written on. '?' where there is no plain letter.
constexpr char32_t kLatinFirst = 0x00C0;
constexpr std::string_view kLatinPlain =
    "AAAAAA?CEEEEIIIIDNOOOOO?OUUUUY??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y"  // U+00C0
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKk?LlLlLlL"  // U+0100
    "lLlNnNnNn???OoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZz?"  // U+0140
    "????????????????????????????????Oo?????????????Uu???????????????"  // U+0180
    "?????????????AaIiOoUuUuUuUuUu?AaAa????GgKkOoOo??j???Gg??NnAa??Oo"  // U+01C0
    "AaAaEeEeIiIiOoOoRrRrUuUuSsTt??Hh??????AaEeOoOoOoOoYy????????????"  // U+0200
    "????????????????";                                                 // U+0240
constexpr char32_t kLatinAdditionalFirst = 0x1E00;
constexpr std::string_view kLatinAdditionalPlain =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"   // U+1E00
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"   // U+1E40
    "WwWwWwWwWwXxXxYyZzZzZzhtwy??????AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"   // U+1E80
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy??????";  // U+1EC0

std::u32string_view highHalf(CodePage page) {
    switch (page) {
        case CodePage::Windows1250:
            return kWindows1250;
        case CodePage::Windows1251:
            return kWindows1251;
        case CodePage::Windows1254:
            return kWindows1254;
        case CodePage::Windows1252:
            break;
    }
    return kWindows1252;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

char plainLetter(char32_t c) {
    if (c >= kLatinFirst && c - kLatinFirst < kLatinPlain.size()) {
        return kLatinPlain[c - kLatinFirst];
    }
    if (c >= kLatinAdditionalFirst && c - kLatinAdditionalFirst < kLatinAdditionalPlain.size()) {
        return kLatinAdditionalPlain[c - kLatinAdditionalFirst];
    }
    return '?';
}

char encode(char32_t c, std::u32string_view high) {
    if (isControl(c)) {
        return ' ';
    }
    if (c < 0x80) {
        return static_cast<char>(c);
    }
    const auto at = std::find(high.begin(), high.end(), c);
    if (at != high.end()) {
        return static_cast<char>(0x80 + (at - high.begin()));
    }
    return plainLetter(c);  // ASCII, which every code page holds
}

}  // namespace

std::string encodeName(std::u32string_view name, CodePage page) {
    const std::u32string_view high = highHalf(page);
    std::string bytes;
    bytes.reserve(name.size());
    for (char32_t c : name) {
        bytes += encode(c, high);
    }
    return bytes;
}

std::u32string decodeName(std::string_view bytes, CodePage page) {
    const std::u32string_view high = highHalf(page);
    std::u32string text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text += u < 0x80 ? static_cast<char32_t>(u) : high[u - 0x80];
    }
    return text;
}

}  // namespace records
