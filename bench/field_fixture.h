// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_BENCH_FIELD_FIXTURE_H
#define FIELDCLEAR_BENCH_FIELD_FIXTURE_H

#include <vector>

#include "game/limits.h"
#include "game/module1.h"

namespace bench {

// The largest field with the fewest mines, all packed into its bottom-right corner: a release
// on square 1 then opens the largest area a game can open, 710 squares.
inline constexpr int kAcross = game::kMaxAcross;
inline constexpr int kDown = game::kMaxDown;
inline constexpr int kSquares = game::kMaxSquares;

inline std::vector<int> cornerMines() {
    std::vector<int> mines;
    for (int row = kDown - 2; row < kDown; ++row) {
        for (int col = kAcross - 5; col < kAcross; ++col) {
            mines.push_back(row * kAcross + col + 1);
        }
    }
    return mines;
}

inline void chooseLargestField(game::Module1& m) {
    m.beginnerlevel = m.intermediatelevel = m.hardlevel = false;
    m.customlevel = true;
    m.across = kAcross;
    m.down = kDown;
    m.totalmines = static_cast<int>(cornerMines().size());
}

}  // namespace bench

#endif
