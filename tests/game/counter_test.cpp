// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/counter.h"

namespace {

using game::counterPictures;
using game::kDigitMinus;

std::array<game::PictureId, 3> digits(int h, int t, int u) {
    return {game::digitPicture(h), game::digitPicture(t), game::digitPicture(u)};
}

TEST(CounterPictures, PositiveValuesShowThreeDigitsWithLeadingZeros) {
    EXPECT_EQ(counterPictures(0), digits(0, 0, 0));
    EXPECT_EQ(counterPictures(10), digits(0, 1, 0));
    EXPECT_EQ(counterPictures(99), digits(0, 9, 9));
    EXPECT_EQ(counterPictures(667), digits(6, 6, 7));
    EXPECT_EQ(counterPictures(999), digits(9, 9, 9));
}

TEST(CounterPictures, NegativeValuesShowMinusAndTheLastTwoDigits) {
    using A = std::array<game::PictureId, 3>;
    EXPECT_EQ(counterPictures(-1), (A{kDigitMinus, 200, 201}));
    EXPECT_EQ(counterPictures(-5), (A{kDigitMinus, 200, 205}));
    EXPECT_EQ(counterPictures(-12), (A{kDigitMinus, 201, 202}));
    EXPECT_EQ(counterPictures(-123), (A{kDigitMinus, 202, 203}));
}

}  // namespace
