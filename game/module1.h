// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_GAME_MODULE1_H
#define FIELDCLEAR_GAME_MODULE1_H

#include <cstdint>
#include <string>

namespace game {

// Game-wide settings: they outlive every rebuild of the main window and last for the run.
// Nothing here is ever saved; every run starts at Beginner with the first tile set.
struct Module1 {
    int across = 0;
    int down = 0;
    int totalmines = 0;
    bool beginnerlevel = false;
    bool intermediatelevel = false;
    bool hardlevel = false;
    bool customlevel = false;
    std::int16_t gfxset = 0;
    bool minesplaced = false;
    std::string scores;  // the best-times line as last read, quotes included
};

}  // namespace game

#endif
