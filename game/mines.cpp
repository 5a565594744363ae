// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "game/neighbours.h"

#include <algorithm>

namespace game {

namespace {

// Past this many rejected draws the rest of the mines are taken from the free squares
// directly, so a dense field or a poor random source still ends in time.
constexpr int kRedrawsPerSquare = 8;

}  // namespace

void Form1::mineset(int first) {
    const int n = squareCount();
    // Mines are laid on a clean field, so a second placement can never add to the first.
    std::fill(s_.boxmine.begin(), s_.boxmine.begin() + n + 1, false);
    const bool spareFirst = first >= 1 && first <= n;
    const int mines = std::min(m_.totalmines, spareFirst ? n - 1 : n);
    const auto pick = [](double r, int count) {
        return std::clamp(static_cast<int>(count * r), 0, count - 1);
    };
    int redraws = 0;
    for (int placed = 0; placed < mines; ++placed) {
        int candidate = 0;
        for (;;) {
            const double r = random_.next();
            candidate = pick(r, n) + 1;
            // A rejected draw (the first square, or a square already mined) is drawn again.
            if (candidate != first && !s_.boxmine[candidate]) {
                break;
            }
            if (++redraws > kRedrawsPerSquare * n) {
                // The same draw picks among the squares still free instead.
                candidate = freeSquare(pick(r, n - placed - (spareFirst ? 1 : 0)), first);
                break;
            }
        }
        s_.boxmine[candidate] = true;
    }
}

// The square after `skip` free squares, counting from square 1; the first square is not free.
int Form1::freeSquare(int skip, int first) const {
    for (int k = 1;; ++k) {
        if (k != first && !s_.boxmine[k] && skip-- == 0) {
            return k;
        }
    }
}

void Form1::minecheck() {
    const int n = squareCount();
    for (int k = 1; k <= n; ++k) {
        int count = 0;
        forEachNeighbour(k, m_.across, m_.down, [&](int m) { count += s_.boxmine[m] ? 1 : 0; });
        s_.boxcount[k] = static_cast<std::int8_t>(count);
    }
}

}  // namespace game
