// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "game/neighbours.h"

#include <utility>

namespace game {

void Form1::Box_MouseDown(int k, Button button) {
    if (askingName_) {
        return;
    }
    if (s_.playing) {
        view_.showFace(kFaceSurprised);
    }
    // A question mark looks pressed under the button that will act on it; the middle
    // button leaves it alone, so its release has nothing to restore.
    if (button != Button::Middle && k >= 1 && k <= squareCount() &&
        s_.boxmark[k] == Mark::Question) {
        view_.showBox(k, tile(Tile::QuestionPressed));
        pressedQuestion_ = k;
    }
}

void Form1::Box_MouseUp(int k, Button button) {
    if (askingName_) {
        return;
    }
    const int pressed = std::exchange(pressedQuestion_, 0);
    if (pressed == 0) {
        release(k, button);
    } else {
        const bool removed = s_.boxremoved[pressed];
        const Mark mark = s_.boxmark[pressed];
        release(k, button);
        // A release that changed nothing must not leave the square looking pressed.
        if (s_.boxremoved[pressed] == removed && s_.boxmark[pressed] == mark) {
            view_.showBox(pressed, questionPicture(pressed));
        }
    }
    if (std::exchange(recordDue_, false)) {
        scorecheck();
    }
}

// The record check of a win, with the won field and face on show. Its name prompt is modal,
// but an assistive tool's action can still reach the window: nothing may start a new game or
// touch the field until the prompt is answered.
void Form1::scorecheck() {
    askingName_ = true;
    view_.scorecheck();
    askingName_ = false;
}

// What a question-marked square shows when no button is held on it: the mark while covered;
// once uncovered, its count, or the mine that lost the game.
PictureId Form1::questionPicture(int k) const {
    if (!s_.boxremoved[k]) {
        return tile(Tile::Question);
    }
    return s_.boxmine[k] ? tile(Tile::Exploded) : openPicture(m_.gfxset, s_.boxcount[k]);
}

void Form1::release(int k, Button button) {
    if (!m_.minesplaced) {
        mineset(k);
        minecheck();
        m_.minesplaced = true;
    }
    if (!s_.won) {
        view_.showFace(kFaceNormal);
    }
    if (!s_.playing || k < 1 || k > squareCount()) {
        return;
    }
    if (button == Button::Left && !clockRunning_) {
        startClock();
    }
    if (s_.boxremoved[k]) {
        if (button == Button::Middle) {
            chord(k);
        }
        return;
    }
    if (button == Button::Left && s_.boxmark[k] != Mark::Flag) {
        uncover(k);
    } else if (button == Button::Right) {
        cycleMark(k);
    }
}

// What a left release does to a covered square that carries no flag.
void Form1::uncover(int k) {
    if (s_.boxmine[k]) {
        lose(k);
        setRemoved(k);
        return;
    }
    if (s_.boxcount[k] == 0) {
        removebox(k);
    } else {
        view_.showBox(k, openPicture(m_.gfxset, s_.boxcount[k]));
        setRemoved(k);
    }
    wincheck();
}

void Form1::lose(int k) {
    s_.playing = false;
    for (int j = 1; j <= squareCount(); ++j) {
        if (s_.boxmark[j] == Mark::Flag && !s_.boxmine[j]) {
            view_.showBox(j, tile(Tile::WrongFlag));
        } else if (s_.boxmark[j] == Mark::None && s_.boxmine[j]) {
            view_.showBox(j, tile(Tile::Mine));
        }
    }
    view_.showBox(k, tile(Tile::Exploded));
    view_.showFace(kFaceLost);
    stopClock();
}

void Form1::cycleMark(int k) {
    Mark& mark = s_.boxmark[k];
    switch (mark) {
        case Mark::None:
            mark = Mark::Flag;
            view_.showBox(k, tile(Tile::Flag));
            --s_.minesleft;
            break;
        case Mark::Flag:
            mark = marks_ ? Mark::Question : Mark::None;
            view_.showBox(k, tile(marks_ ? Tile::Question : Tile::Covered));
            ++s_.minesleft;
            break;
        case Mark::Question:
            mark = Mark::None;
            view_.showBox(k, tile(Tile::Covered));
            return;  // the counter did not change
    }
    showCounter(squareCount() + 1, s_.minesleft);
}

// The middle button on a numbered square whose flags account for all its mines opens every
// other covered neighbour, as left releases on each would.
void Form1::chord(int k) {
    if (s_.boxcount[k] == 0) {
        return;
    }
    int flags = 0;
    forEachNeighbour(k, m_.across, m_.down, [&](int m) {
        flags += (!s_.boxremoved[m] && s_.boxmark[m] == Mark::Flag) ? 1 : 0;
    });
    if (flags != s_.boxcount[k]) {
        return;
    }
    forEachNeighbour(k, m_.across, m_.down, [&](int m) {
        if (s_.playing && !s_.boxremoved[m] && s_.boxmark[m] != Mark::Flag) {
            uncover(m);
        }
    });
}

}  // namespace game
