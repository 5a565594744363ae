// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "records/core/number_reader.h"

namespace {

using records::readNumber;
using records::readWholeNumber;

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(NumberReader, IgnoresBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(readNumber("1 6"), 16);
    EXPECT_EQ(readNumber(" \t4\n5 "), 45);
    EXPECT_EQ(readNumber("  7"), 7);
    EXPECT_EQ(readNumber("- 2 . 5"), -2.5);
    // A carriage return is not among them: it ends the number like any other character.
    EXPECT_EQ(readNumber("3\r4"), 3);
}

TEST(NumberReader, TakesTheLongestStartThatFormsANumber) {
    EXPECT_EQ(readNumber("12abc"), 12);
    EXPECT_EQ(readNumber("+7"), 7);
    EXPECT_EQ(readNumber("-3.25x"), -3.25);
    EXPECT_EQ(readNumber(".5"), 0.5);
    EXPECT_EQ(readNumber("5."), 5);
    EXPECT_EQ(readNumber("1.5e2"), 150);
    EXPECT_EQ(readNumber("2D3"), 2000);
    EXPECT_EQ(readNumber("4E-1"), 0.4);
    EXPECT_EQ(readNumber("25E+1"), 250);
    // An exponent without digits is not part of the number.
    EXPECT_EQ(readNumber("1E"), 1);
    EXPECT_EQ(readNumber("9e+x"), 9);
    EXPECT_EQ(readNumber("1.2.3"), 1.2);
    EXPECT_EQ(readNumber("1-2"), 1);
}

TEST(NumberReader, ReadsZeroWhenTheTextDoesNotStartWithANumber) {
    for (const char* text : {"", "   ", "abc", "-", "+", ".", "-.", "E5", "x12", "&", "&X1"}) {
        EXPECT_EQ(readNumber(text), 0) << '"' << text << '"';
    }
}

TEST(NumberReader, ReadsHexadecimalAndOctalWholeNumbers) {
    EXPECT_EQ(readNumber("&HFF"), 255);
    EXPECT_EQ(readNumber("&hff"), 255);
    EXPECT_EQ(readNumber("&H1 0"), 16);
    EXPECT_EQ(readNumber("&O17"), 15);
    EXPECT_EQ(readNumber("&o78"), 7);
    EXPECT_EQ(readNumber("&HFFFFFFFF"), 4294967295.0);
    EXPECT_EQ(readNumber("&H"), 0);
    EXPECT_EQ(readNumber("&O9"), 0);
    EXPECT_EQ(readNumber("&H1.5"), 1);
    // Past 2^53 the value is rounded once, from all its 64 bits, as the compiler rounds it.
    EXPECT_EQ(readNumber("&H200000000000018"), static_cast<double>(0x200000000000018ULL));
    EXPECT_EQ(readNumber("&O10000000000000000030"), static_cast<double>(010000000000000000030ULL));
    EXPECT_EQ(readNumber("&HFFFFFFFFFFFFFFFF"), static_cast<double>(0xFFFFFFFFFFFFFFFFULL));
}

TEST(NumberReader, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(readNumber("1E400"), kLargest);
    EXPECT_EQ(readNumber("-1D400"), -kLargest);
    EXPECT_EQ(readNumber("1E99999999999999999999999"), kLargest);
    EXPECT_EQ(readNumber("1E-400"), 0);
    EXPECT_EQ(readNumber("0.0000000001E-999"), 0);
    EXPECT_EQ(readNumber("-1E-400"), 0);
    EXPECT_EQ(readNumber("0.001E311"), 1e308);
    EXPECT_EQ(readNumber(std::string(400, '9')), kLargest);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(readNumber("&H" + std::string(300, 'F')), kLargest);
    EXPECT_EQ(readNumber("&O" + std::string(400, '7')), kLargest);
}

TEST(WholeNumberReader, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(readWholeNumber("2.5"), 3);
    EXPECT_EQ(readWholeNumber("2.49"), 2);
    EXPECT_EQ(readWholeNumber("-2.5"), -3);
    EXPECT_EQ(readWholeNumber("15.5abc"), 16);
    EXPECT_EQ(readWholeNumber("0.4"), 0);
}

TEST(WholeNumberReader, SaturatesToTheRangeOfInt) {
    EXPECT_EQ(readWholeNumber("9999999999999"), kIntMax);
    EXPECT_EQ(readWholeNumber("-9999999999999"), kIntMin);
    EXPECT_EQ(readWholeNumber("1E400"), kIntMax);
    EXPECT_EQ(readWholeNumber("-1E400"), kIntMin);
    EXPECT_EQ(readWholeNumber("&HFFFFFFFF"), kIntMax);
    EXPECT_EQ(readWholeNumber("2147483647.4"), kIntMax);
}

}  // namespace
