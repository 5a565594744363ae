// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "board.h"

namespace {

using game::Button;
using testing_board::Game;

int mineCount(const Game& g) {
    const auto& mines = g.state().boxmine;
    return static_cast<int>(
        std::count(mines.begin() + 1, mines.begin() + 1 + g.form.squareCount(), true));
}

TEST(MinePlacement, WaitsForTheFirstReleaseAndSparesItsSquare) {
    Game g;
    // The first draw lands on the released square and the third on a mined one: both are
    // drawn again.
    g.scriptMines({20, 5, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    g.press(20);
    EXPECT_FALSE(g.settings.minesplaced);
    EXPECT_EQ(mineCount(g), 0);
    g.release(20, Button::Right);
    EXPECT_TRUE(g.settings.minesplaced);
    EXPECT_TRUE(g.random.script.empty());
    EXPECT_EQ(mineCount(g), 10);
    EXPECT_FALSE(g.state().boxmine[20]);
    for (int k = 5; k <= 14; ++k) {
        EXPECT_TRUE(g.state().boxmine[static_cast<std::size_t>(k)]) << k;
    }
}

TEST(MinePlacement, HappensOnceAGame) {
    Game g;
    g.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    g.click(64, Button::Right);
    g.click(63, Button::Right);  // would run the empty script dry if it drew again
    EXPECT_EQ(mineCount(g), 10);
}

TEST(MinePlacement, AReleaseOnACounterDigitSparesNoSquare) {
    Game g;
    g.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    g.click(65);  // the mine counter's hundreds digit
    EXPECT_TRUE(g.state().boxmine[1]);
    EXPECT_EQ(mineCount(g), 10);
    EXPECT_FALSE(g.view.clockRunning);
    EXPECT_EQ(g.shown().find_first_not_of("#\n"), std::string::npos);
}

TEST(MinePlacement, StartsFromACleanFieldSoASecondPlacementNeverAddsMines) {
    Game g;
    g.scriptMines({55, 56, 57, 58, 59, 60, 61, 62, 63, 64});
    g.click(20, Button::Right);
    // A face press whose release never came leaves the game going with its mines unplaced.
    g.form.Smile_MouseDown();
    g.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    g.click(20, Button::Right);
    EXPECT_EQ(mineCount(g), 10);
    EXPECT_TRUE(g.state().boxmine[1]);
    EXPECT_FALSE(g.state().boxmine[64]);  // the last square is cleared too
}

TEST(MinePlacement, EndsOnTheDensestFieldWhateverTheDraws) {
    Game g;
    g.custom(30, 24, 667);
    // A source stuck on the released square would be rejected for ever: past a bounded number
    // of redraws the mines go to the free squares, still sparing the first.
    g.random.script.assign(7000, 0.0);
    g.click(1, Button::Right);
    EXPECT_EQ(mineCount(g), 667);
    EXPECT_FALSE(g.state().boxmine[1]);
    EXPECT_TRUE(g.state().boxmine[2]);
    EXPECT_TRUE(g.state().boxmine[668]);

    // Draws that land on free squares need no redraw at all.
    g.form.mnuNew_Click();
    g.random.script.clear();
    for (int k = 667; k >= 1; --k) {
        g.random.script.push_back((k + 53 - 0.5) / 720);
    }
    g.click(1, Button::Right);
    EXPECT_EQ(mineCount(g), 667);
    EXPECT_TRUE(g.random.script.empty());
    EXPECT_FALSE(g.state().boxmine[53]);

    // Stuck on the last square, each fallback takes the last square still free, so a wrong
    // count of free squares shows at once (on a field smaller than the largest, so that an
    // overshoot stays in the tables).
    g.custom(30, 23, 638);
    g.random.script.assign(7000, 1 - 1e-9);
    g.click(690, Button::Right);
    EXPECT_EQ(mineCount(g), 638);
    EXPECT_FALSE(g.state().boxmine[690]);
    EXPECT_TRUE(g.state().boxmine[689]);
    EXPECT_TRUE(g.state().boxmine[52]);
    EXPECT_FALSE(g.state().boxmine[51]);
}

TEST(NeighbourCounts, CountByColumnAndRowWithoutWrapping) {
    Game g;
    g.load({
        "*..*",
        "....",
        "*...",
        "...*",
    });
    g.click(6, Button::Right);
    const auto& count = g.state().boxcount;
    EXPECT_EQ(count[2], 1);   // beside the corner mine
    EXPECT_EQ(count[4], 0);   // a mined square has its own count too
    EXPECT_EQ(count[5], 2);   // left edge: the mines above and below, not the row above's end
    EXPECT_EQ(count[8], 1);   // right edge: not the next row's first square
    EXPECT_EQ(count[13], 1);  // bottom-left corner
    EXPECT_EQ(count[12], 1);  // right edge beside the corner mine
    EXPECT_EQ(count[16], 0);
}

TEST(NeighbourCounts, ReachEightAroundAnInnerSquare) {
    Game g;
    g.load({
        "***.",
        "*.*.",
        "***.",
        "....",
    });
    g.click(16, Button::Right);
    EXPECT_EQ(g.state().boxcount[6], 8);
    EXPECT_EQ(g.state().boxcount[1], 2);  // a corner has three neighbours
    EXPECT_EQ(g.state().boxcount[4], 2);
}

TEST(Seeding, TwoGamesStartedAtOnceGetDifferentLayouts) {
    // A real source, re-seeded for each game within the same second.
    game::Module1 settings;
    game::ClockSeededRandom random;
    testing_board::RecordingView view;
    game::Form1 form(settings, view, random);
    form.mnuHard_Click();
    form.Box_MouseUp(1, Button::Right);
    const auto first = form.state().boxmine;
    form.mnuNew_Click();
    form.Box_MouseUp(1, Button::Right);
    EXPECT_NE(form.state().boxmine, first);

    EXPECT_NE(game::ClockSeededRandom::freshSeed(), game::ClockSeededRandom::freshSeed());
}

TEST(Seeding, FractionsStayBelowOne) {
    game::ClockSeededRandom random;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

}  // namespace
