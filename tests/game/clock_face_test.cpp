// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "board.h"

namespace {

using game::Button;
using testing_board::Game;

void loadWideField(Game& g) {
    g.load({
        "*.......",
        "........",
        "........",
        ".......*",
    });
}

TEST(Clock, StartsAtOneOnTheFirstLeftReleaseAndCountsEachTick) {
    Game g;
    loadWideField(g);
    g.click(8, Button::Right);
    g.click(9, Button::Right);
    EXPECT_EQ(g.clock(), "000");
    EXPECT_FALSE(g.view.clockRunning);
    g.click(9);  // on a flag: the clock starts all the same
    EXPECT_TRUE(g.view.clockRunning);
    EXPECT_EQ(g.clock(), "001");
    g.form.Second_Timer();
    EXPECT_EQ(g.clock(), "002");
    for (int i = 0; i < 8; ++i) {
        g.form.Second_Timer();
    }
    EXPECT_EQ(g.clock(), "010");
    EXPECT_EQ(g.state().seconds, 10);
}

TEST(Clock, HoldsAt999AndTheGameGoesOn) {
    Game g;
    loadWideField(g);
    g.click(2, Button::Right);
    g.click(2);
    for (int i = 0; i < 1200; ++i) {
        g.form.Second_Timer();
    }
    EXPECT_EQ(g.clock(), "999");
    EXPECT_EQ(g.state().seconds, 999);
    EXPECT_TRUE(g.view.clockRunning);
    g.click(2, Button::Right);
    g.click(16);
    EXPECT_TRUE(g.state().won);
    EXPECT_EQ(g.clock(), "999");
}

TEST(Clock, StopsAtALossAndKeepsItsValue) {
    Game g;
    loadWideField(g);
    g.click(2);
    g.form.Second_Timer();
    g.click(1);
    EXPECT_FALSE(g.view.clockRunning);
    EXPECT_FALSE(g.form.clockRunning());
    g.form.Second_Timer();  // a tick already on its way changes nothing
    EXPECT_EQ(g.clock(), "002");
    EXPECT_EQ(g.state().seconds, 2);
}

TEST(Face, PressShowsItHeldAndReleaseStartsANewGameAtOnce) {
    Game g;
    loadWideField(g);
    g.form.mnuGFX_Click(3);
    g.click(2);
    g.click(3, Button::Right);
    g.form.Second_Timer();
    g.form.Smile_MouseDown();
    EXPECT_EQ(g.view.face, game::kFaceHeld);
    EXPECT_FALSE(g.settings.minesplaced);
    g.form.Smile_MouseUp();
    EXPECT_EQ(g.view.face, game::kFaceNormal);
    EXPECT_EQ(g.view.builds, 3);
    EXPECT_EQ(g.state().levelnum, game::Level::Custom);
    EXPECT_EQ(g.view.builtAcross, 8);
    EXPECT_EQ(g.view.boxes[3], 3400);
    EXPECT_EQ(g.clock(), "000");
    EXPECT_EQ(g.mineCounter(), "002");
    EXPECT_FALSE(g.view.clockRunning);
    EXPECT_TRUE(g.state().playing);
}

TEST(Face, StaysWonThroughAnyClickOnTheField) {
    Game g;
    loadWideField(g);
    g.click(16);
    ASSERT_TRUE(g.state().won);
    g.press(1);
    EXPECT_EQ(g.view.face, game::kFaceWon);
    g.release(1);
    g.click(32, Button::Right);
    g.click(33);  // a counter digit
    EXPECT_EQ(g.view.face, game::kFaceWon);
    EXPECT_EQ(g.view.boxes[1], 400);
}

TEST(Face, AfterAWinPressingItStartsUnwon) {
    Game g;
    loadWideField(g);
    g.click(16);
    g.form.Smile_MouseDown();
    EXPECT_FALSE(g.state().won);
    g.form.Smile_MouseUp();
    EXPECT_FALSE(g.state().won);
    EXPECT_EQ(g.view.face, game::kFaceNormal);
}

}  // namespace
