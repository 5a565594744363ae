// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_PICTURE_STORE_H
#define FIELDCLEAR_UI_PICTURE_STORE_H

#include <QHash>
#include <QPixmap>
#include <QString>

#include "game/pictures.h"

namespace ui {

// The game's pictures, built into the program as XPM text and loaded by id. Each is scaled
// once per whole device pixel ratio, without smoothing, so pixel art stays sharp.
class PictureStore {
public:
    // The picture at `scale` device pixels per pixel; a null pixmap if there is no such id.
    const QPixmap& pixmap(game::PictureId id, int scale);

    static bool exists(game::PictureId id);
    static QString path(game::PictureId id);
    static QString iconPath(int size);

private:
    QHash<quint32, QPixmap> cache_;
};

}  // namespace ui

#endif
