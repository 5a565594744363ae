// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_store.h"

#include "ui/picture_table.h"

namespace ui {

QImage PictureStore::image(game::PictureId id) {
    const char* const* xpm = pictureXpm(id);
    return xpm == nullptr ? QImage() : QImage(xpm);
}

bool PictureStore::exists(game::PictureId id) {
    return pictureXpm(id) != nullptr;
}

QImage PictureStore::icon(int size) {
    return QImage(iconXpm(size));
}

const QPixmap& PictureStore::pixmap(game::PictureId id, int scale) {
    const quint32 key =
        (static_cast<quint32>(static_cast<quint16>(id)) << 8) | static_cast<quint32>(scale & 0xFF);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        QImage picture = image(id);
        if (!picture.isNull() && scale > 1) {
            picture = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
            picture.setDevicePixelRatio(scale);
        }
        it = cache_.insert(key, QPixmap::fromImage(std::move(picture)));
    }
    return it.value();
}

}  // namespace ui
