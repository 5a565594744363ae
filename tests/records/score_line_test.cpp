// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "records/core/cp1252.h"
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

TEST(NameEncoding, KeepsOneBytePerCharacterAndTheFileOneLine) {
    EXPECT_EQ(encodeName(U"Ann"), "Ann");
    EXPECT_EQ(encodeName(U"a\tb\nc\rd"), "a b c d");
    EXPECT_EQ(encodeName(U"\u2028\u0085\u007f\u009f"), "    ");
    EXPECT_EQ(encodeName(U"Zo\u00e9\u00a0\u00ff"), "Zo\xe9\xa0\xff");
    EXPECT_EQ(encodeName(U"\u20ac\u2122\u0178"), "\x80\x99\x9f");
    EXPECT_EQ(encodeName(U"\u4e2d\U0001F600x"), "??x");
}

TEST(NameEncoding, ShowsTheBytesOfTheFileAsTheCharactersTheyStoreFor) {
    const std::u32string typed = U"\u00c5sa \u20ac\u0153\u2014";
    EXPECT_EQ(decodeCp1252(encodeName(typed)), typed);
    // Bytes the code page leaves unassigned still show as one character each.
    EXPECT_EQ(decodeCp1252("\x81\x8d"), U"\u0081\u008d");
    // Both edges of the table of 0x80..0x9F, and the Latin-1 bytes on either side of it.
    EXPECT_EQ(decodeCp1252("\x7f\x80\x9f\xa0\xff"), U"\u007f\u20ac\u0178\u00a0\u00ff");
}

}  // namespace
