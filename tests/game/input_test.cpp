// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <numeric>

#include "board.h"

namespace {

using game::Button;
using game::Mark;
using testing_board::Game;

// A 4 x 3 field with mines at squares 4 and 9; its counts:
//   . . 1 *
//   1 1 1 1
//   * 1 . .
void loadSmallField(Game& g) {
    g.load({
        "...*",
        "....",
        "*...",
    });
}

TEST(Press, SurprisesTheFaceAndReleaseRestoresIt) {
    Game g;
    loadSmallField(g);
    g.press(6);
    EXPECT_EQ(g.view.face, game::kFaceSurprised);
    EXPECT_EQ(g.view.boxes[6], 400);  // a covered square shows no pressed look
    g.release(6);
    EXPECT_EQ(g.view.face, game::kFaceNormal);
}

TEST(Press, OnAQuestionMarkShowsItPressedForLeftAndRightButNotMiddle) {
    Game g;
    loadSmallField(g);
    g.form.mnuMarks_Click();
    // The last square, where a bound one short would leave it unpressed.
    g.click(12, Button::Right);
    g.click(12, Button::Right);
    ASSERT_EQ(g.view.boxes[12], 405);
    g.press(12, Button::Middle);
    EXPECT_EQ(g.view.boxes[12], 405);
    g.release(12, Button::Middle);
    EXPECT_EQ(g.view.boxes[12], 405);
    g.press(12, Button::Right);
    EXPECT_EQ(g.view.boxes[12], 406);
    g.release(12, Button::Right);
    EXPECT_EQ(g.view.boxes[12], 400);
    EXPECT_EQ(g.state().boxmark[12], Mark::None);
}

// A button held on a question mark while a new game starts: the new field owes it nothing,
// neither where that square still is nor on a smaller field where it is gone.
TEST(Press, OnAQuestionMarkHeldIntoANewGameLeavesNothingOfItInTheNewField) {
    Game g;
    g.form.mnuHard_Click();
    const auto layMines = [&g] {
        std::vector<int> first(static_cast<std::size_t>(g.settings.totalmines));
        std::iota(first.begin(), first.end(), 1);
        g.scriptMines(first);
    };
    for (int held : {470, 27}) {
        layMines();
        g.form.mnuMarks_Click();
        g.click(held, Button::Right);
        g.click(held, Button::Right);
        g.press(held);
        held == 470 ? g.form.mnuBeginner_Click() : g.form.mnuNew_Click();
        layMines();
        g.click(64, Button::Right);
        EXPECT_EQ(g.view.boxes[27], 400) << held;
        g.form.mnuNew_Click();
    }
}

TEST(FirstRelease, WithTheRightButtonFlagsAndLeavesTheClockStopped) {
    Game g;
    loadSmallField(g);
    g.click(6, Button::Right);
    EXPECT_TRUE(g.settings.minesplaced);
    EXPECT_EQ(g.view.boxes[6], 401);
    EXPECT_EQ(g.mineCounter(), "001");
    EXPECT_EQ(g.clock(), "000");
    EXPECT_FALSE(g.view.clockRunning);
}

TEST(LeftRelease, OnAFlagOnlyStartsTheClock) {
    Game g;
    loadSmallField(g);
    g.click(6, Button::Right);
    g.click(6);
    EXPECT_TRUE(g.view.clockRunning);
    EXPECT_EQ(g.clock(), "001");
    EXPECT_EQ(g.view.boxes[6], 401);
    EXPECT_FALSE(g.state().boxremoved[6]);
}

TEST(LeftRelease, OnAQuestionMarkUncoversItAndKeepsTheMark) {
    Game g;
    loadSmallField(g);
    g.form.mnuMarks_Click();
    g.click(6, Button::Right);
    g.click(6, Button::Right);
    g.click(6);
    EXPECT_EQ(g.view.boxes[6], 301);
    EXPECT_EQ(g.state().boxmark[6], Mark::Question);
    // The mark is still there, so a press shows it pressed over the open square, and the
    // release, which changes nothing, puts the count back.
    g.press(6);
    EXPECT_EQ(g.view.boxes[6], 406);
    g.release(6, Button::Right);
    EXPECT_EQ(g.view.boxes[6], 301);
}

TEST(Press, OnAQuestionMarkAfterALossIsUndoneByTheRelease) {
    Game g;
    loadSmallField(g);
    g.form.mnuMarks_Click();
    for (int k : {12, 4, 9}) {
        g.click(k, Button::Right);
        g.click(k, Button::Right);
    }
    g.click(4);  // a question-marked mine
    ASSERT_FALSE(g.state().playing);
    for (int k : {4, 9, 12}) {
        g.click(k);
    }
    EXPECT_EQ(g.shown(), "###X\n####\n?##?\n");
}

TEST(MarkCycle, FollowsTheMarksOption) {
    Game g;
    loadSmallField(g);
    g.click(6, Button::Right);
    EXPECT_EQ(g.shown(), "####\n#F##\n####\n");
    g.click(6, Button::Right);  // option off: straight back to covered
    EXPECT_EQ(g.view.boxes[6], 400);
    EXPECT_EQ(g.mineCounter(), "002");

    g.form.mnuMarks_Click();
    g.click(6, Button::Right);
    g.click(6, Button::Right);
    EXPECT_EQ(g.view.boxes[6], 405);
    EXPECT_EQ(g.mineCounter(), "002");
    g.form.mnuMarks_Click();
    g.click(6, Button::Right);  // a question mark set earlier still goes back to covered
    EXPECT_EQ(g.view.boxes[6], 400);
    EXPECT_EQ(g.state().boxmark[6], Mark::None);
    EXPECT_EQ(g.mineCounter(), "002");
}

TEST(MarkCycle, MoreFlagsThanMinesShowTheMinusSign) {
    Game g;
    g.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (int k = 21; k <= 31; ++k) {
        g.click(k, Button::Right);
    }
    EXPECT_EQ(g.state().minesleft, -1);
    EXPECT_EQ(g.mineCounter(), "-01");
    g.click(32, Button::Right);
    EXPECT_EQ(g.mineCounter(), "-02");
    g.click(32, Button::Right);
    g.click(31, Button::Right);
    EXPECT_EQ(g.mineCounter(), "000");
    g.click(30, Button::Right);
    EXPECT_EQ(g.mineCounter(), "001");
}

TEST(Loss, ShowsEveryMineTheWrongFlagsAndTheExplodedMine) {
    Game g;
    g.load({
        "*..*",
        "....",
        "*..*",
    });
    g.click(6);
    g.click(1, Button::Right);  // a right flag
    g.click(2, Button::Right);  // a wrong flag
    g.form.mnuMarks_Click();
    g.click(9, Button::Right);
    g.click(9, Button::Right);  // a question mark on a mine
    g.click(12);
    EXPECT_EQ(g.shown(),
              "Fx#*\n"
              "#2##\n"
              "?##X\n");
    EXPECT_FALSE(g.state().playing);
    EXPECT_FALSE(g.state().won);
    EXPECT_EQ(g.view.face, game::kFaceLost);
    EXPECT_FALSE(g.view.clockRunning);
    EXPECT_EQ(g.view.scorechecks, 0);
}

TEST(Loss, OnTheLastMoveIsNeverAWin) {
    Game g;
    g.load({"*.*."});
    g.click(2);
    // One safe square is left; uncovering a mine now leaves only mines' worth covered.
    g.click(3);
    EXPECT_FALSE(g.state().won);
    EXPECT_EQ(g.view.face, game::kFaceLost);
    EXPECT_EQ(g.view.scorechecks, 0);
}

TEST(Loss, LeavesTheFieldDeaf) {
    Game g;
    loadSmallField(g);
    g.click(1);
    g.click(4);
    const std::string field = g.shown();
    g.press(6);
    EXPECT_EQ(g.view.face, game::kFaceLost);
    g.release(6);
    EXPECT_EQ(g.view.face, game::kFaceNormal);
    g.click(7, Button::Right);
    g.click(8, Button::Middle);
    EXPECT_EQ(g.shown(), field);
}

TEST(Loss, ShowsTheCrossOnAFlagThatTheSpreadingOpened) {
    Game g;
    g.load({
        "....*.",
        "....**",
    });
    g.click(1, Button::Right);
    g.click(7);
    EXPECT_EQ(g.shown(), "...2##\n...2##\n");
    EXPECT_EQ(g.state().boxmark[1], Mark::Flag);
    g.click(5);
    EXPECT_EQ(g.shown(), "x..2X#\n...2**\n");
}

TEST(Release, OnAnOpenSquareChangesNothing) {
    Game g;
    loadSmallField(g);
    g.click(2);
    const std::string field = g.shown();
    g.click(2);
    g.click(2, Button::Right);
    EXPECT_EQ(g.shown(), field);
    EXPECT_EQ(g.mineCounter(), "002");
}

TEST(Release, OnTheCounterDigitsOfTheLargestFieldTouchesNoSquare) {
    Game g;
    g.custom(30, 24, 667);
    std::vector<int> mines;
    for (int k = 54; k <= 720; ++k) {
        mines.push_back(k);
    }
    g.scriptMines(mines);
    for (int k = 721; k <= 726; ++k) {
        g.click(k, Button::Right);
        g.click(k);
    }
    EXPECT_EQ(g.state().boxremoved[720], false);
    EXPECT_EQ(g.state().boxmark[720], Mark::None);
    EXPECT_FALSE(g.state().boxremoved[0]);
    EXPECT_EQ(g.mineCounter(), "667");
    EXPECT_EQ(g.clock(), "000");
    EXPECT_EQ(g.view.face, game::kFaceNormal);
}

// The middle button on a number whose flags are all placed opens its other neighbours.
TEST(Chord, OpensTheOtherNeighboursOfASatisfiedNumber) {
    Game g;
    loadSmallField(g);
    g.click(10);
    g.click(9, Button::Right);
    g.press(10, Button::Middle);
    EXPECT_EQ(g.view.face, game::kFaceSurprised);
    g.release(10, Button::Middle);
    EXPECT_EQ(g.view.face, game::kFaceNormal);
    EXPECT_EQ(g.shown(),
              "####\n"
              "1111\n"
              "F1..\n");
    EXPECT_FALSE(g.state().won);

    g.click(4, Button::Right);
    g.click(7, Button::Middle);
    EXPECT_EQ(g.shown(),
              "..1F\n"
              "1111\n"
              "F1..\n");
    EXPECT_TRUE(g.state().won);
    EXPECT_EQ(g.view.face, game::kFaceWon);
    EXPECT_EQ(g.view.scorechecks, 1);
}

TEST(Chord, DoesNothingOnAnUnsatisfiedNumberOrACoveredSquare) {
    Game g;
    loadSmallField(g);
    g.click(10);
    g.click(10, Button::Middle);
    g.click(6, Button::Middle);
    g.click(5, Button::Right);
    g.click(5, Button::Middle);
    EXPECT_EQ(g.shown(),
              "####\n"
              "F###\n"
              "#1##\n");
    EXPECT_TRUE(g.state().playing);
}

TEST(Chord, WithAWrongFlagLosesOnTheMineItUncovers) {
    Game g;
    loadSmallField(g);
    g.click(10);
    g.click(11, Button::Right);
    g.click(10, Button::Middle);
    // Neighbours open column by column: 5, then the mine at 9 ends the game.
    EXPECT_EQ(g.shown(),
              "###*\n"
              "1###\n"
              "X1x#\n");
    EXPECT_FALSE(g.state().playing);
    EXPECT_EQ(g.view.face, game::kFaceLost);
}

}  // namespace
