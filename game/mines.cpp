// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "game/neighbours.h"

namespace game {

void Form1::mineset(int first) {
    const int n = squareCount();
    for (int placed = 0; placed < m_.totalmines;) {
        const int candidate = static_cast<int>(n * random_.next()) + 1;
        // A rejected draw (the first square, or a square already mined) is drawn again.
        if (candidate != first && !s_.boxmine[candidate]) {
            s_.boxmine[candidate] = true;
            ++placed;
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
