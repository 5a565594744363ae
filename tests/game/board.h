// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_TESTS_GAME_BOARD_H
#define FIELDCLEAR_TESTS_GAME_BOARD_H

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "game/form1.h"
#include "support/scripted_random.h"

namespace testing_board {

using game::Button;
using game::PictureId;

// Remembers what the rules last asked the window to show.
class RecordingView final : public game::Form1View {
public:
    void buildField(int across, int down, int tile) override;
    // An element outside the field built last would be drawn over another one, or out of range.
    void showBox(int k, PictureId picture) override;
    void showFace(PictureId picture) override { face = picture; }
    void startClock() override { clockRunning = true; }
    void stopClock() override { clockRunning = false; }
    void checkLevel(game::Level level) override { checkedLevel = level; }
    void checkMarks(bool checked) override { marks = checked; }
    void scoreload() override { ++scoreloads; }
    void scorecheck() override {
        ++scorechecks;
        if (duringScorecheck) {
            duringScorecheck();
        }
    }

    std::map<int, PictureId> boxes;
    PictureId face = 0;
    bool clockRunning = false;
    game::Level checkedLevel{};
    bool marks = false;
    int builds = 0;
    int builtAcross = 0;
    int builtDown = 0;
    int builtTile = 0;
    int scoreloads = 0;
    int scorechecks = 0;
    std::function<void()> duringScorecheck;  // what happens while the name prompt is open
};

using testing_support::ScriptedRandom;

// A game in a recording window. Fields are written as rows of text, '*' for a mine.
struct Game {
    Game();

    // Starts a custom field laid out as `rows` and scripts the draws that put its mines
    // there; the mines arrive at the first release, on a square that holds none.
    void load(const std::vector<std::string_view>& rows);
    // Starts an empty custom field of this size, as the custom field dialog would.
    void custom(int across, int down, int mines);
    // Scripts the draws that put mines on these squares, in order.
    void scriptMines(const std::vector<int>& squares);

    void press(int k, Button b = Button::Left) { form.Box_MouseDown(k, b); }
    void release(int k, Button b = Button::Left) { form.Box_MouseUp(k, b); }
    void click(int k, Button b = Button::Left);
    int square(int col, int row) const;  // from 0, like the board rows

    // The field as it looks: '#' covered, 'F' flag, '?' question mark, 'p' pressed question
    // mark, '.' open, '1'..'8' counts, '*' mine, 'X' exploded mine, 'x' crossed-out flag.
    std::string shown() const;
    // The three pictures of the mine counter or the clock, as text such as "-05" or "001".
    std::string mineCounter() const;
    std::string clock() const;

    const game::Form1State& state() const { return form.state(); }

    game::Module1 settings;
    RecordingView view;
    ScriptedRandom random;
    game::Form1 form;

private:
    std::string counterText(int firstDigit) const;
};

}  // namespace testing_board

#endif
