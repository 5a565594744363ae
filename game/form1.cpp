// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include <algorithm>

namespace game {

namespace {

struct Preset {
    int across;
    int down;
    int mines;
};

constexpr Preset kBeginner{8, 8, 10};
constexpr Preset kIntermediate{16, 16, 40};
constexpr Preset kExpert{30, 16, 99};

constexpr int kMinSide = 8;
constexpr int kMinMines = 10;

}  // namespace

Form1::Form1(Module1& settings, Form1View& view, RandomSource& random)
    : m_(settings), view_(view), random_(random) {}

void Form1::Form_Load() {
    // A new game resets the window in place; it must look as a freshly opened one would, and
    // nothing pending from the old game (a question mark held pressed, a record not yet
    // checked) may reach the new one.
    pressedQuestion_ = 0;
    recordDue_ = false;
    marks_ = false;
    view_.checkMarks(false);
    stopClock();
    m_.minesplaced = false;

    random_.reseed();
    s_.seconds = 0;
    s_.playing = true;
    s_.won = false;
    setlevel();
    setvars();
    imageload();
    view_.scoreload();
}

void Form1::reopen() {
    Form_Load();
}

void Form1::setlevel() {
    if (!m_.beginnerlevel && !m_.intermediatelevel && !m_.hardlevel && !m_.customlevel) {
        m_.beginnerlevel = true;
    }
    const auto apply = [this](Level level, const Preset* preset) {
        if (preset != nullptr) {
            m_.across = preset->across;
            m_.down = preset->down;
            m_.totalmines = preset->mines;
        }
        view_.checkLevel(level);
        s_.levelnum = level;
    };
    if (m_.beginnerlevel) {
        apply(Level::Beginner, &kBeginner);
    }
    if (m_.intermediatelevel) {
        apply(Level::Intermediate, &kIntermediate);
    }
    if (m_.hardlevel) {
        apply(Level::Expert, &kExpert);
    }
    if (m_.customlevel) {
        apply(Level::Custom, nullptr);  // the custom size stays as it was entered
    }
}

void Form1::setvars() {
    s_.minesleft = m_.totalmines;
}

void Form1::imageload() {
    const int n = squareCount();
    view_.buildField(m_.across, m_.down, tileSize(m_.gfxset));
    view_.showFace(kFaceNormal);
    const PictureId covered = tile(Tile::Covered);
    for (int k = 1; k <= n; ++k) {
        view_.showBox(k, covered);
        s_.boxmine[k] = false;
        s_.boxremoved[k] = false;
        s_.boxmark[k] = Mark::None;
        s_.boxcount[k] = 0;
    }
    covered_ = n;
    showCounter(n + 1, s_.minesleft);
    showCounter(n + 1 + kCounterDigits, 0);
}

// The start sequence itself stops the clock and clears the game: the level and tile set stay.
void Form1::mnuNew_Click() {
    if (!askingName_) {
        reopen();
    }
}

namespace {

void chooseLevel(Module1& m, Level level) {
    m.beginnerlevel = level == Level::Beginner;
    m.intermediatelevel = level == Level::Intermediate;
    m.hardlevel = level == Level::Expert;
    m.customlevel = level == Level::Custom;
    m.minesplaced = false;
}

}  // namespace

void Form1::newLevel(Level level) {
    if (!askingName_) {
        chooseLevel(m_, level);
        reopen();
    }
}

void Form1::mnuBeginner_Click() {
    newLevel(Level::Beginner);
}

void Form1::mnuIntermediate_Click() {
    newLevel(Level::Intermediate);
}

void Form1::mnuHard_Click() {
    newLevel(Level::Expert);
}

void Form1::mnuCustom_Click() {
    if (askingName_) {
        return;
    }
    beforeCustom_ = {m_.beginnerlevel, m_.intermediatelevel, m_.hardlevel, m_.customlevel,
                     m_.minesplaced};
    chooseLevel(m_, Level::Custom);
    view_.checkLevel(Level::Custom);
}

void Form1::applyCustomField(int across, int down, int totalmines) {
    if (askingName_) {
        return;
    }
    m_.minesplaced = false;
    m_.across = std::clamp(across, kMinSide, kMaxAcross);
    m_.down = std::clamp(down, kMinSide, kMaxDown);
    // The mines leave at least one row and one column's worth of squares free.
    m_.totalmines = std::clamp(totalmines, kMinMines, (m_.across - 1) * (m_.down - 1));
    reopen();
}

void Form1::cancelCustomField() {
    if (askingName_) {
        return;
    }
    m_.beginnerlevel = beforeCustom_.beginnerlevel;
    m_.intermediatelevel = beforeCustom_.intermediatelevel;
    m_.hardlevel = beforeCustom_.hardlevel;
    m_.customlevel = beforeCustom_.customlevel;
    m_.minesplaced = beforeCustom_.minesplaced;
    view_.checkLevel(s_.levelnum);
}

void Form1::mnuMarks_Click() {
    marks_ = !marks_;
    view_.checkMarks(marks_);
}

void Form1::mnuGFX_Click(int index) {
    if (index >= 0 && index < kTileSets) {
        m_.gfxset = static_cast<std::int16_t>(index);
    }
}

}  // namespace game
