// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "board.h"

namespace {

using game::Button;
using game::Level;
using testing_board::Game;

std::string coveredField(int across, int down) {
    std::string text;
    for (int r = 0; r < down; ++r) {
        text += std::string(static_cast<std::size_t>(across), '#') + '\n';
    }
    return text;
}

int levelFlags(const game::Module1& m) {
    return int{m.beginnerlevel} + int{m.intermediatelevel} + int{m.hardlevel} + int{m.customlevel};
}

TEST(FirstStart, IsAnUntouchedBeginnerField) {
    Game g;
    EXPECT_TRUE(g.settings.beginnerlevel);
    EXPECT_EQ(levelFlags(g.settings), 1);
    EXPECT_EQ(g.settings.across, 8);
    EXPECT_EQ(g.settings.down, 8);
    EXPECT_EQ(g.settings.totalmines, 10);
    EXPECT_EQ(g.view.checkedLevel, Level::Beginner);
    EXPECT_EQ(g.state().levelnum, Level::Beginner);
    EXPECT_EQ(g.view.builtTile, 16);
    EXPECT_EQ(g.shown(), coveredField(8, 8));
    EXPECT_EQ(g.mineCounter(), "010");
    EXPECT_EQ(g.clock(), "000");
    EXPECT_EQ(g.view.face, game::kFaceNormal);
    EXPECT_TRUE(g.state().playing);
    EXPECT_FALSE(g.state().won);
    EXPECT_FALSE(g.settings.minesplaced);
    EXPECT_FALSE(g.view.clockRunning);
    EXPECT_FALSE(g.view.marks);
    EXPECT_EQ(g.view.scoreloads, 1);
    EXPECT_EQ(g.random.reseeds, 1);
}

struct LevelCase {
    const char* name;
    void (game::Form1::*item)();
    Level level;
    int across;
    int down;
    int mines;
    const char* counter;
};

class LevelItem : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelItem, AbandonsTheGameForAFreshFieldOfThatLevel) {
    const LevelCase& c = GetParam();
    Game g;
    g.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    g.click(64);
    ASSERT_TRUE(g.settings.minesplaced);
    g.form.Second_Timer();

    (g.form.*c.item)();
    EXPECT_EQ(levelFlags(g.settings), 1);
    EXPECT_EQ(g.state().levelnum, c.level);
    EXPECT_EQ(g.view.checkedLevel, c.level);
    EXPECT_EQ(g.view.builtAcross, c.across);
    EXPECT_EQ(g.view.builtDown, c.down);
    EXPECT_EQ(g.settings.totalmines, c.mines);
    EXPECT_EQ(g.shown(), coveredField(c.across, c.down));
    EXPECT_EQ(g.mineCounter(), c.counter);
    EXPECT_EQ(g.clock(), "000");
    EXPECT_FALSE(g.view.clockRunning);
    EXPECT_FALSE(g.settings.minesplaced);
    EXPECT_EQ(g.state().seconds, 0);
    EXPECT_EQ(g.random.reseeds, 2);

    // The next release places a fresh set of mines on the new field.
    const int n = c.across * c.down;
    std::vector<int> mines;
    for (int i = 0; i < c.mines; ++i) {
        mines.push_back(n - i);
    }
    g.scriptMines(mines);
    g.click(1, Button::Right);
    EXPECT_TRUE(g.random.script.empty());
    EXPECT_TRUE(g.state().boxmine[static_cast<std::size_t>(n)]);
    EXPECT_FALSE(g.state().boxmine[2]);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelItem,
                         ::testing::Values(LevelCase{"Beginner", &game::Form1::mnuBeginner_Click,
                                                     Level::Beginner, 8, 8, 10, "010"},
                                           LevelCase{"Intermediate",
                                                     &game::Form1::mnuIntermediate_Click,
                                                     Level::Intermediate, 16, 16, 40, "040"},
                                           LevelCase{"Expert", &game::Form1::mnuHard_Click,
                                                     Level::Expert, 30, 16, 99, "099"}),
                         [](const ::testing::TestParamInfo<LevelCase>& p) { return p.param.name; });

TEST(NewGame, KeepsTheLevelAndTheTileSetAndClearsTheMarksOption) {
    Game g;
    g.form.mnuHard_Click();
    g.form.mnuGFX_Click(6);
    g.form.mnuMarks_Click();
    EXPECT_TRUE(g.view.marks);
    g.form.mnuNew_Click();
    EXPECT_EQ(g.state().levelnum, Level::Expert);
    EXPECT_EQ(g.settings.gfxset, 6);
    EXPECT_EQ(g.view.boxes[1], 6400);
    EXPECT_FALSE(g.view.marks);
    EXPECT_FALSE(g.form.marksChecked());
}

TEST(NewGame, AfterAWinStartsUnwon) {
    Game g;
    g.load({"*..", "...", "..."});
    g.click(9);
    ASSERT_TRUE(g.state().won);
    g.form.mnuNew_Click();
    EXPECT_FALSE(g.state().won);
    EXPECT_TRUE(g.state().playing);
    EXPECT_EQ(g.view.face, game::kFaceNormal);
    // The custom size stays for every new game until a fixed level is chosen.
    EXPECT_EQ(g.state().levelnum, Level::Custom);
    EXPECT_EQ(g.view.builtAcross, 3);
}

TEST(CustomField, OkLimitsTheNumbersInTheirOrderAndEveryNewGameRepeatsThem) {
    struct Case {
        int across, down, mines;
        int wantAcross, wantDown, wantMines;
    };
    const Case cases[] = {
        {100, 3, 1000, 30, 8, 203},
        {0, 0, 0, 8, 8, 10},
        {9, 9, 5, 9, 9, 10},
        {30, 24, 700, 30, 24, 667},
        {-5, -5, -5, 8, 8, 10},
        {12, 16, 40, 12, 16, 40},
        {2147483647, -2147483647 - 1, 2147483647, 30, 8, 203},
    };
    for (const Case& c : cases) {
        Game g;
        g.form.mnuCustom_Click();
        g.form.applyCustomField(c.across, c.down, c.mines);
        const std::string entered = std::to_string(c.across) + " x " + std::to_string(c.down);
        EXPECT_EQ(g.view.builtAcross, c.wantAcross) << entered;
        EXPECT_EQ(g.view.builtDown, c.wantDown) << entered;
        EXPECT_EQ(g.settings.totalmines, c.wantMines) << entered;
        EXPECT_EQ(g.view.checkedLevel, Level::Custom);
        g.form.mnuNew_Click();
        EXPECT_EQ(g.view.builtAcross, c.wantAcross) << entered;
        EXPECT_EQ(g.state().minesleft, c.wantMines) << entered;
    }
}

TEST(CustomField, LeavingTheDialogWithoutOkPutsTheGameBackAsItWas) {
    Game g;
    g.form.mnuHard_Click();
    g.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    g.settings.totalmines = 10;  // ten mines are enough to see them stay
    g.click(480, Button::Right);
    const std::string field = g.shown();
    const auto mines = g.state().boxmine;

    g.form.mnuCustom_Click();
    EXPECT_TRUE(g.settings.customlevel);
    EXPECT_FALSE(g.settings.hardlevel);
    EXPECT_FALSE(g.settings.minesplaced);
    EXPECT_EQ(g.view.checkedLevel, Level::Custom);

    g.form.cancelCustomField();
    EXPECT_EQ(levelFlags(g.settings), 1);
    EXPECT_TRUE(g.settings.hardlevel);
    EXPECT_TRUE(g.settings.minesplaced);
    EXPECT_EQ(g.view.checkedLevel, Level::Expert);
    // The game goes on: a release lays no second set of mines (the script is empty).
    g.click(100, Button::Right);
    EXPECT_EQ(g.state().boxmine, mines);
    EXPECT_EQ(g.view.builds, 2);
    EXPECT_NE(g.shown(), field);
    g.form.mnuNew_Click();
    EXPECT_EQ(g.view.builtAcross, 30);
}

TEST(MarksItem, TogglesItsOwnCheckMark) {
    Game g;
    g.form.mnuMarks_Click();
    EXPECT_TRUE(g.view.marks);
    g.form.mnuMarks_Click();
    EXPECT_FALSE(g.view.marks);
}

TEST(TileSetItem, ChangesOnlyWhatIsPutUpFromNowOn) {
    Game g;
    g.load({"*...", "....", "....", "...*"});
    g.click(4, Button::Right);
    g.form.mnuGFX_Click(7);
    EXPECT_EQ(g.view.builds, 2);  // no rebuild
    EXPECT_EQ(g.view.boxes[4], 401);
    EXPECT_EQ(g.view.boxes[5], 400);
    g.click(13, Button::Right);
    EXPECT_EQ(g.view.boxes[13], 7401);
    g.form.mnuNew_Click();
    EXPECT_EQ(g.view.builtTile, 32);
    EXPECT_EQ(g.view.boxes[1], 7400);
}

}  // namespace
