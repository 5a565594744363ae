// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_FIELD_FIT_H
#define FIELDCLEAR_UI_FIELD_FIT_H

#include <QSize>

#include "ui/screen_scale.h"

namespace ui {

// How a field is shown so that its window fits the screen: the square size and the scale.
struct FieldFit {
    int tile;
    ScreenScale scale;
};

// A field of across x down squares of `tile` pixels, on a screen of this ratio, in `room`
// logical pixels. Where it fits as it is, it stays exactly so. Otherwise it takes the largest
// whole factor that fits, down to 1; below that, large squares are shown at the small size.
FieldFit fitField(int across, int down, int tile, qreal ratio, QSize room);

}  // namespace ui

#endif
