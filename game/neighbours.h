// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_GAME_NEIGHBOURS_H
#define FIELDCLEAR_GAME_NEIGHBOURS_H

namespace game {

// Calls visit(m) for each neighbour m of square k on a field `across` columns wide and `down`
// rows high, column by column from the left and top to bottom within a column. Neighbours are
// decided by column and row, so rows never wrap.
template <typename Visit>
void forEachNeighbour(int k, int across, int down, Visit&& visit) {
    const int col = (k - 1) % across;
    const int row = (k - 1) / across;
    for (int i = col - 1; i <= col + 1; ++i) {
        if (i < 0 || i >= across) {
            continue;
        }
        for (int j = row - 1; j <= row + 1; ++j) {
            if (j < 0 || j >= down || (i == col && j == row)) {
                continue;
            }
            visit(j * across + i + 1);
        }
    }
}

}  // namespace game

#endif
