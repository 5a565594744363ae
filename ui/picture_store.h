// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_PICTURE_STORE_H
#define FIELDCLEAR_UI_PICTURE_STORE_H

#include <QHash>
#include <QImage>
#include <QPixmap>

#include "game/pictures.h"

namespace ui {

// The game's pictures by id. Each is scaled once per whole device pixel ratio, without
// smoothing, so pixel art stays sharp, and kept.
class PictureStore {
public:
    // The picture at `scale` device pixels per pixel; a null pixmap if there is no such id.
    const QPixmap& pixmap(game::PictureId id, int scale);

    // The picture as drawn, one pixel per pixel; a null image if there is no such id.
    static QImage image(game::PictureId id);
    static bool exists(game::PictureId id);
    static QImage icon(int size);

private:
    QHash<quint32, QPixmap> cache_;
};

}  // namespace ui

#endif
