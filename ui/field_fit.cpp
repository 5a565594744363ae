// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_fit.h"

#include <algorithm>

#include "game/pictures.h"
#include "ui/layout.h"

namespace ui {

FieldFit fitField(int across, int down, int tile, qreal ratio, QSize room) {
    const QSize content = clientSizeOf(across, down, tile);
    for (int factor = ScreenScale(ratio).factor(); factor >= 1; --factor) {
        const ScreenScale scale(ratio, factor);
        const QSize size = scale.logicalSize(content);
        if (size.width() <= room.width() && size.height() <= room.height()) {
            return {tile, scale};
        }
    }
    // The large set's pictures, halved, as they are shown after a change of set mid-game.
    return {std::min(tile, game::tileSize(0)), ScreenScale(ratio, 1)};
}

}  // namespace ui
