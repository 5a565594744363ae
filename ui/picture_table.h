// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_PICTURE_TABLE_H
#define FIELDCLEAR_UI_PICTURE_TABLE_H

#include "game/pictures.h"

namespace ui {

// The pictures are XPM text compiled into the program (XPM is C by design): read straight
// from memory they decode in microseconds, without the image-reader set-up that loading the
// first file costs at start.

// The XPM of a picture id, or nullptr when the program has no such picture.
const char* const* pictureXpm(game::PictureId id);

// The window icon's XPM at 16 or 32 pixels.
const char* const* iconXpm(int size);

}  // namespace ui

#endif
