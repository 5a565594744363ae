// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/counter.h"

#include <cstdlib>

namespace game {

std::array<PictureId, 3> counterPictures(int value) {
    const int size = std::abs(value);
    const PictureId hundreds = value < 0 ? kDigitMinus : digitPicture(size / 100 % 10);
    return {hundreds, digitPicture(size / 10 % 10), digitPicture(size % 10)};
}

}  // namespace game
