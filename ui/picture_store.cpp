// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_store.h"

#include <QFile>

namespace ui {

QString PictureStore::path(game::PictureId id) {
    return QStringLiteral(":/pictures/%1.xpm").arg(id);
}

QString PictureStore::iconPath(int size) {
    return QStringLiteral(":/pictures/icon101_%1.xpm").arg(size);
}

bool PictureStore::exists(game::PictureId id) {
    return QFile::exists(path(id));
}

const QPixmap& PictureStore::pixmap(game::PictureId id, int scale) {
    const quint32 key =
        (static_cast<quint32>(static_cast<quint16>(id)) << 8) | static_cast<quint32>(scale & 0xFF);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        QPixmap picture(path(id), "XPM");
        if (!picture.isNull() && scale > 1) {
            picture = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
            picture.setDevicePixelRatio(scale);
        }
        it = cache_.insert(key, picture);
    }
    return it.value();
}

}  // namespace ui
