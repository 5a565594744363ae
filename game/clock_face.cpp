// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "game/counter.h"
#include "game/form1.h"

namespace game {

void Form1::showCounter(int firstDigit, int value) {
    const auto pictures = counterPictures(value);
    for (int i = 0; i < kCounterDigits; ++i) {
        view_.showBox(firstDigit + i, pictures[static_cast<std::size_t>(i)]);
    }
}

void Form1::startClock() {
    clockRunning_ = true;
    view_.startClock();
    s_.seconds = 1;
    view_.showBox(squareCount() + 2 * kCounterDigits, digitPicture(1));
}

void Form1::stopClock() {
    clockRunning_ = false;
    view_.stopClock();
}

void Form1::Second_Timer() {
    if (!clockRunning_) {
        return;  // a tick that was already queued when the clock stopped
    }
    // The clock holds at its limit and keeps ticking until the game ends.
    s_.seconds = std::min(s_.seconds + 1, kClockLimit);
    showCounter(squareCount() + 1 + kCounterDigits, s_.seconds);
}

void Form1::Smile_MouseDown() {
    if (askingName_) {
        return;
    }
    view_.showFace(kFaceHeld);
    m_.minesplaced = false;
    s_.won = false;
}

void Form1::Smile_MouseUp() {
    if (askingName_) {
        return;
    }
    view_.showFace(kFaceNormal);
    s_.playing = true;
    reopen();
}

}  // namespace game
