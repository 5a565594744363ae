// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_GAME_COUNTER_H
#define FIELDCLEAR_GAME_COUNTER_H

#include <array>

#include "game/pictures.h"

namespace game {

// The three digit pictures (hundreds, tens, units) that show a counter value. A negative
// value (more flags than mines) shows the minus sign and the last two digits of its size.
std::array<PictureId, 3> counterPictures(int value);

}  // namespace game

#endif
