// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "records/core/code_page.h"
#include "records/core/score_line.h"

namespace {

using namespace records;

// The body of a file between its quotes, with '.' for each blank, as the file is written.
std::string file(std::string body) {
    for (char& c : body) {
        c = c == '.' ? ' ' : c;
    }
    return '"' + body + "\"\r\n";
}

std::string line(const std::string& fileText) {
    return firstLine(fileText);
}

TEST(ScoreLine, TheDefaultLineHoldsMrNobodyIn999ForEveryLevel) {
    EXPECT_EQ(defaultFile(), file("999999999MrNobodyMrNobodyMrNobody"));
    EXPECT_EQ(defaultFile().size(), 37u);
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(timeText(kDefaultScores, level), "999");
        EXPECT_EQ(nameText(kDefaultScores, level), "MrNobody");
    }
}

TEST(ScoreLine, RecordsReplaceOnlyTheirLevelsFields) {
    std::string scores(kDefaultScores);
    std::string f = recordFile(scores, 2, 45, "Ann");
    EXPECT_EQ(f, file("999.45999MrNobodyAnn.....MrNobody"));
    EXPECT_EQ(f.size(), 37u);

    f = recordFile(line(f), 1, 7, "Alexandria");
    EXPECT_EQ(f, file("..7.45999AlexandrAnn.....MrNobody"));

    f = recordFile(line(f), 3, 123, "");
    EXPECT_EQ(f, file("..7.45123AlexandrAnn............."));
    EXPECT_EQ(timeText(line(f), 1), "  7");
    EXPECT_EQ(nameText(line(f), 3), "        ");
}

TEST(ScoreLine, ALineCutShortGivesShortFieldsAndRebuildsFromWhatIsThere) {
    EXPECT_EQ(recordFile("\"12", 1, 5, "Bo"), file("..5Bo......"));
    EXPECT_EQ(recordFile("\"12", 3, 5, "Bo"), file("12..5Bo......"));
    EXPECT_EQ(recordFile("", 2, 5, "Bo"), file("..5Bo......"));
    EXPECT_EQ(timeText("\"12", 1), "12");
    EXPECT_EQ(timeText("\"12", 2), "");
    EXPECT_EQ(nameText("\"999999999MrNo", 1), "MrNo");
    EXPECT_EQ(nameText("\"999999999MrNobodyMrNobodyM", 3), "M");  // the last field's first byte
    EXPECT_EQ(nameText("", 3), "");
}

TEST(ScoreLine, ANameIsStoredAsTypedQuotesAndAll) {
    const std::string f = recordFile(kDefaultScores, 1, 10, "\"a,b\"");
    EXPECT_EQ(nameText(line(f), 1), "\"a,b\"   ");
    EXPECT_EQ(line(f).size(), 35u);
}

TEST(ScoreLine, TheFirstLineEndsAtTheFirstCarriageReturn) {
    EXPECT_EQ(firstLine("\"abc\"\r\nsecond\r\n"), "\"abc\"");
    EXPECT_EQ(firstLine("no line end"), "no line end");
    EXPECT_EQ(firstLine("\r"), "");
    EXPECT_EQ(firstLine("a\nb\rc"), "a\nb");  // a line feed alone does not end it
    EXPECT_EQ(firstLine(std::string("a\0b\r", 4)), std::string("a\0b", 3));
}

TEST(RecordTest, OnlyAStrictlyFasterTimeOnAFixedLevelIsARecord) {
    const std::string scores = line(file(".45999.12MrNobodyMrNobodyMrNobody"));
    EXPECT_TRUE(isRecord(scores, 1, 44));
    EXPECT_FALSE(isRecord(scores, 1, 45));
    EXPECT_TRUE(isRecord(scores, 2, 998));
    EXPECT_FALSE(isRecord(scores, 2, 999));
    EXPECT_TRUE(isRecord(scores, 3, 11));
    EXPECT_FALSE(isRecord(scores, 4, 1));  // a custom field keeps no record
    EXPECT_FALSE(isRecord(scores, 0, 1));
}

TEST(RecordTest, ATimeWithoutANumberCannotBeBeaten) {
    EXPECT_FALSE(isRecord("\"abc", 1, 0));
    EXPECT_FALSE(isRecord("", 1, 0));
    EXPECT_TRUE(isRecord("\"1E9", 1, 998));  // whatever the reader makes of it counts
}

using enum CodePage;

TEST(NameEncoding, KeepsOneBytePerCharacterAndTheFileOneLine) {
    EXPECT_EQ(encodeName(U"Ann", Windows1252), "Ann");
    EXPECT_EQ(encodeName(U"a\tb\nc\rd", Windows1251), "a b c d");
    EXPECT_EQ(encodeName(U"\u2028\u0085\u007f\u009f", Windows1250), "    ");
    EXPECT_EQ(encodeName(U"Zo\u00e9\u00a0\u00ff", Windows1252), "Zo\xe9\xa0\xff");
    EXPECT_EQ(encodeName(U"\u20ac\u2122\u0178", Windows1252), "\x80\x99\x9f");
}

// A name of each language and the letters each code page is known by, back as typed and cut to
// eight by the file; and what a code page lacks, without its accents or as '?'.
TEST(NameEncoding, ANameInThePlayersCodePageComesBackAndAnotherLosesItsAccents) {
    const std::tuple<CodePage, bool, std::u32string_view, std::string_view> kNames[] = {
        {Windows1252, true, U"Jürgen François Åsa", "J\xfcrgen Fran\xe7ois \xc5sa"},
        {Windows1252, true, U"Íñigo Niccolò João Zoë", "\xcd\xf1igo Niccol\xf2 Jo\xe3o Zo\xeb"},
        {Windows1250, true, U"Michał Jiří ĄŁŘĐ", "Micha\xb3 Ji\xf8\xed \xa5\xa3\xd8\xd0"},
        {Windows1251, true, U"Иван Олеся", "\xc8\xe2\xe0\xed \xce\xeb\xe5\xf1\xff"},
        {Windows1251, true, U"ЁІіЄєЇїҐґАя", "\xa8\xb2\xb3\xaa\xba\xaf\xbf\xa5\xb4\xc0\xff"},
        {Windows1254, true, U"Ömer Şık ĞİŞğış", "\xd6mer \xde\xfdk \xd0\xdd\xde\xf0\xfd\xfe"},
        {Windows1252, false, U"Michał Łoś İlkay Nguyễn", "Michal Los Ilkay Nguyen"},
        {Windows1252, false, U"Ömer Şık Иван", "\xd6mer Sik ????"},
        {Windows1250, false, U"Åsa Søren Núñez Đuro", "Asa Soren N\xfanez \xd0uro"},
        {Windows1251, false, U"Jürgen Đorđe Ħ ß Æ", "Jurgen Dorde H ? ?"},
        {Windows1254, false, U"Michał Œ \u4e2d\U0001F600", "Michal \x8c ??"},
    };
    for (const auto& [page, exact, typed, bytes] : kNames) {
        EXPECT_EQ(encodeName(typed, page), bytes);
        if (exact) {
            EXPECT_EQ(decodeName(bytes, page), typed);
            const std::string f = recordFile(kDefaultScores, 2, 10, std::string(bytes));
            EXPECT_EQ(decodeName(nameText(line(f), 2), page), typed.substr(0, 8));
        }
    }
}

// Every byte shows as one character and is written back as it was, but for the control
// characters: below 0x20, 0x7F and the bytes the code page leaves unassigned.
TEST(NameEncoding, EveryByteOfTheFileComesBackButTheControls) {
    const std::pair<CodePage, std::string_view> kUnassigned[] = {
        {Windows1250, "\x81\x83\x88\x90\x98"},
        {Windows1251, "\x98"},
        {Windows1252, "\x81\x8d\x8f\x90\x9d"},
        {Windows1254, "\x81\x8d\x8e\x8f\x90\x9d\x9e"}};
    for (const auto& [page, unassigned] : kUnassigned) {
        std::string all;
        std::string written;
        for (int b = 0; b < 256; ++b) {
            all += static_cast<char>(b);
            const bool control =
                b < 0x20 || b == 0x7F || unassigned.find(all.back()) != std::string_view::npos;
            written += control ? ' ' : all.back();
        }
        EXPECT_EQ(encodeName(decodeName(all, page), page), written);
    }
    EXPECT_EQ(decodeName("\x81\x98", Windows1250), U"\u0081\u0098");
    // A file written before the code pages reads in English as it always has: Latin-1 above 0x9F.
    EXPECT_EQ(decodeName("\x7f\x80\x9f\xa0\xd0\xdd\xfe\xff", Windows1252), U"\x7f€Ÿ\u00a0ÐÝþÿ");
}

}  // namespace
