// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "board.h"

namespace {

using game::Button;
using game::Mark;
using testing_board::Game;

TEST(Opening, SpreadsThroughEmptySquaresToTheirNumberedBorder) {
    Game g;
    g.load({
        ".....",
        ".....",
        "111..",
        "#*1..",
        "#*1..",
    });
    g.click(1);
    EXPECT_EQ(g.shown(),
              ".....\n"
              ".....\n"
              "111..\n"
              "##2..\n"
              "##2..\n");
    EXPECT_TRUE(g.state().playing);
}

TEST(Opening, NeverWrapsFromOneRowEndToTheNextRowStart) {
    Game g;
    g.load({
        "..*..",
        "..*..",
        "..*..",
    });
    g.click(5);
    // Square 5 ends the top row: square 6, empty too, starts the next row and is no neighbour.
    EXPECT_EQ(g.shown(),
              "###2.\n"
              "###3.\n"
              "###2.\n");
}

TEST(Opening, ANumberedSquareOpensNothingFurther) {
    Game g;
    g.load({
        "*1..",
        "11..",
        "....",
    });
    g.click(2);
    EXPECT_EQ(g.shown(),
              "#1##\n"
              "####\n"
              "####\n");
}

TEST(Opening, UncoversMarkedSquaresAndKeepsTheirMarks) {
    Game g;
    g.load({
        "....",
        "....",
        "...*",
    });
    g.click(1, Button::Right);
    g.click(2, Button::Right);
    g.form.mnuMarks_Click();
    g.click(2, Button::Right);  // flag to question mark
    ASSERT_EQ(g.mineCounter(), "000");
    g.click(5);
    EXPECT_EQ(g.shown(),
              "....\n"
              "..11\n"
              "..1#\n");
    EXPECT_EQ(g.state().boxmark[1], Mark::Flag);
    EXPECT_EQ(g.state().boxmark[2], Mark::Question);
    EXPECT_EQ(g.mineCounter(), "000");
}

TEST(Opening, ThatClearsTheFieldWinsOnceWithTheClockAtOne) {
    Game g;
    g.load({
        "....",
        "....",
        "...*",
    });
    g.click(1);
    EXPECT_TRUE(g.state().won);
    EXPECT_FALSE(g.state().playing);
    EXPECT_EQ(g.view.face, game::kFaceWon);
    EXPECT_FALSE(g.view.clockRunning);
    EXPECT_EQ(g.clock(), "001");
    EXPECT_EQ(g.view.scorechecks, 1);  // the record prompt comes at most once
    EXPECT_EQ(g.shown(),
              "....\n"
              "..11\n"
              "..1#\n");
    // Playing on over the won field, its counters and clock asks for no record again.
    for (const Button b : {Button::Left, Button::Right, Button::Middle}) {
        for (const int k : {1, 12, 13, 18}) {
            g.click(k, b);
        }
    }
    EXPECT_EQ(g.view.scorechecks, 1);
}

TEST(Opening, ThatWinsIsWholeWhenTheRecordIsAskedForAndNothingStartsANewGameMeanwhile) {
    Game g;
    g.load({
        "....",
        "....",
        "...*",
    });
    g.click(1, Button::Middle);  // lays the mines, opens nothing
    g.form.mnuMarks_Click();
    g.click(12, Button::Right);
    g.click(12, Button::Right);  // a question mark, which a press would show pressed
    std::string atPrompt;
    const int builds = g.view.builds;
    g.view.duringScorecheck = [&] {
        atPrompt = g.shown();
        // What an assistive tool's action could still ask of the window under the prompt.
        g.form.Smile_MouseDown();
        g.form.Smile_MouseUp();
        g.form.mnuNew_Click();
        g.form.mnuHard_Click();
        g.form.mnuCustom_Click();
        g.form.applyCustomField(9, 9, 10);
        g.form.cancelCustomField();
        g.press(12, Button::Right);
        g.release(12, Button::Right);
    };
    g.click(1);
    EXPECT_EQ(g.view.scorechecks, 1);
    EXPECT_EQ(atPrompt,
              "....\n"
              "..11\n"
              "..1?\n");
    EXPECT_EQ(g.view.builds, builds);
    EXPECT_TRUE(g.settings.minesplaced);  // no level was chosen meanwhile
    EXPECT_TRUE(g.state().won);
    EXPECT_EQ(g.view.face, game::kFaceWon);
    EXPECT_EQ(g.shown(), atPrompt);
}

TEST(Opening, ReachesEverySquareOfTheLargestField) {
    Game g;
    g.custom(30, 24, 1);
    g.scriptMines({720});
    g.click(1);
    EXPECT_TRUE(g.state().won);
    EXPECT_EQ(g.state().boxcount[719], 1);
    EXPECT_FALSE(g.state().boxremoved[720]);
}

TEST(Win, NeedsNoFlagsAndCountsMarkedMinesAsCovered) {
    Game g;
    g.load({
        "*..",
        "...",
        "..*",
    });
    g.click(4);
    g.click(1, Button::Right);
    g.form.mnuMarks_Click();
    g.click(9, Button::Right);
    g.click(9, Button::Right);  // a question mark on the other mine
    for (int k : {2, 5, 6, 8, 7}) {
        g.click(k);
        EXPECT_FALSE(g.state().won) << k;
    }
    g.click(3);
    EXPECT_TRUE(g.state().won);
    EXPECT_EQ(g.state().boxmark[9], Mark::Question);
    EXPECT_EQ(g.mineCounter(), "001");
}

}  // namespace
