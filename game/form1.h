// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_GAME_FORM1_H
#define FIELDCLEAR_GAME_FORM1_H

#include <array>
#include <cstdint>

#include "game/form1_view.h"
#include "game/limits.h"
#include "game/module1.h"
#include "game/random_source.h"

namespace game {

enum class Mark : std::int8_t { None = 0, Flag = 1, Question = 2 };

// The state that belongs to one game in the main window; it starts afresh at every new game.
struct Form1State {
    std::array<bool, kTableSize> boxmine{};
    std::array<bool, kTableSize> boxremoved{};
    std::array<Mark, kTableSize> boxmark{};
    std::array<std::int8_t, kTableSize> boxcount{};
    bool playing = true;
    bool won = false;
    int minesleft = 0;
    int seconds = 0;
    Level levelnum = Level::Beginner;
};

// The rules of the game, driven by the main window's events. It owns the game's state, reads
// and writes the game-wide settings, and tells the window what to show through Form1View.
class Form1 {
public:
    Form1(Module1& settings, Form1View& view, RandomSource& random);

    // The start sequence: runs when the window opens and again for every new game.
    void Form_Load();

    // Game menu
    void mnuNew_Click();
    void mnuBeginner_Click();
    void mnuIntermediate_Click();
    void mnuHard_Click();
    void mnuMarks_Click();
    // "Custom...": selects the custom level while its dialog is open. The dialog's OK applies
    // the numbers entered, limited to a field the game can hold, and starts a game on it;
    // leaving the dialog any other way puts the level back as it was, game untouched.
    void mnuCustom_Click();
    void applyCustomField(int across, int down, int totalmines);
    void cancelCustomField();
    // Graphics menu: the tile set for pictures put up from now on and for the next field.
    void mnuGFX_Click(int index);

    // Mouse on element k of the Box family (squares, then counter digits), and on the face.
    // While the record check of a win asks for a name, these and every new game are ignored.
    void Box_MouseDown(int k, Button button);
    void Box_MouseUp(int k, Button button);
    void Smile_MouseDown();
    void Smile_MouseUp();

    // One tick of the one-second clock.
    void Second_Timer();

    const Form1State& state() const { return s_; }
    const Module1& settings() const { return m_; }
    int squareCount() const { return m_.across * m_.down; }
    bool clockRunning() const { return clockRunning_; }
    bool marksChecked() const { return marks_; }

private:
    void reopen();
    void newLevel(Level level);
    void setlevel();
    void setvars();
    void imageload();

    void mineset(int first);
    int freeSquare(int skip, int first) const;
    void release(int k, Button button);
    PictureId questionPicture(int k) const;
    void minecheck();

    void removebox(int k);
    void check(int k);
    void wincheck();
    void scorecheck();

    void uncover(int k);
    void lose(int k);
    void cycleMark(int k);
    void chord(int k);
    void startClock();
    void stopClock();
    void showCounter(int firstDigit, int value);
    void setRemoved(int k);
    PictureId tile(Tile role) const { return tilePicture(m_.gfxset, role); }

    Module1& m_;
    Form1View& view_;
    RandomSource& random_;
    Form1State s_;
    bool clockRunning_ = false;
    bool marks_ = false;
    int covered_ = 0;          // squares with boxremoved false, kept so the win test need not count
    int pressedQuestion_ = 0;  // the question mark shown pressed, 0 for none
    bool recordDue_ = false;   // won by the release under way: its record check comes last
    bool askingName_ = false;  // the record check is under way, with its name prompt

    // The level as it was when the custom field dialog opened, to go back to on cancel.
    struct LevelChoice {
        bool beginnerlevel, intermediatelevel, hardlevel, customlevel, minesplaced;
    };
    LevelChoice beforeCustom_{};
};

}  // namespace game

#endif
