// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "game/neighbours.h"

namespace game {

void Form1::setRemoved(int k) {
    if (!s_.boxremoved[k]) {
        s_.boxremoved[k] = true;
        --covered_;
    }
}

// Uncovers square k and, when it has no mined neighbour, spreads on depth first. The deepest
// chain is one call pair per square, 720 at most, well within the stack.
void Form1::removebox(int k) {
    if (s_.boxremoved[k]) {
        return;
    }
    view_.showBox(k, openPicture(m_.gfxset, s_.boxcount[k]));
    setRemoved(k);
    if (!s_.boxmine[k]) {
        check(k);
    }
    wincheck();
}

void Form1::check(int k) {
    forEachNeighbour(k, m_.across, m_.down, [this](int m) {
        if (s_.boxcount[m] == 0 && !s_.boxremoved[m]) {
            removebox(m);
        }
        if (s_.boxcount[m] != 0 && !s_.boxremoved[m]) {
            setRemoved(m);
            view_.showBox(m, openPicture(m_.gfxset, s_.boxcount[m]));
        }
    });
}

void Form1::wincheck() {
    // The test runs after every square of an opening; only the first complete count wins, so
    // the record prompt can come at most once.
    if (covered_ != m_.totalmines || s_.won) {
        return;
    }
    s_.won = true;
    s_.playing = false;
    stopClock();
    view_.showFace(kFaceWon);
    recordDue_ = true;  // asked once the release has done all its work
}

}  // namespace game
