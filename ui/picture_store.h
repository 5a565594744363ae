// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_PICTURE_STORE_H
#define FIELDCLEAR_UI_PICTURE_STORE_H

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "game/pictures.h"

namespace ui {

// The game's pictures by id, in device pixels. Each is scaled once per size, without
// smoothing, so pixel art stays sharp, and kept.
class PictureStore {
public:
    // The picture with each pixel made `scale` by `scale` device pixels; a null pixmap if
    // there is no such id.
    const QPixmap& pixmap(game::PictureId id, int scale);
    // A square picture filling a square of `side` device pixels, whatever its own size: a
    // 16-pixel tile in a 32-pixel square is doubled pixel for pixel, a 32-pixel tile in a
    // 16-pixel square is halved so that it keeps its lines.
    const QPixmap& square(game::PictureId id, int side);

    // The picture as drawn, one pixel per pixel; a null image if there is no such id.
    static QImage image(game::PictureId id);
    static bool exists(game::PictureId id);
    static QImage icon(int size);
    // The best-times panel with its heading and level captions in a language ("de",
    // "pt_BR"): the panel of that exact code, else of its language without the country,
    // else the English one, picture 600.
    static QImage bestTimesPanel(const QString& language);

private:
    QHash<quint64, QPixmap> cache_;
};

}  // namespace ui

#endif
