// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_store.h"

#include "ui/picture_table.h"

#include "panel_table.inc"  // generated from resources/pictures/600_*.xpm at configure time

namespace ui {

namespace {

enum class Fit : quint64 { Scaled, Square };

quint64 keyOf(game::PictureId id, Fit fit, int size) {
    return (static_cast<quint64>(static_cast<quint16>(id)) << 40) |
           (static_cast<quint64>(fit) << 32) | static_cast<quint32>(size);
}

QImage enlarged(const QImage& picture, int scale) {
    if (picture.isNull() || scale == 1) {
        return picture;
    }
    return picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Half the size, one pixel kept of every two. Taking the first of each pair in even pairs and
// the second in odd ones (0, 3, 4, 7, ...) keeps the outermost rows and columns, where the
// bevels and the grid lie, and turns a one-pixel checker, such as the large set's dotted grid,
// into a one-pixel checker: always taking the same one would make it a solid line or nothing.
QImage halved(const QImage& picture) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage half(source.size() / 2, QImage::Format_ARGB32);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            half.setPixel(x, y, source.pixel(2 * x + (x & 1), 2 * y + (y & 1)));
        }
    }
    return half;
}

QImage filling(const QImage& picture, int side) {
    const int size = picture.width();
    if (side % size == 0) {
        return enlarged(picture, side / size);
    }
    if (size % 2 == 0 && side % (size / 2) == 0) {
        return enlarged(halved(picture), side / (size / 2));
    }
    // Not reached with 16- and 32-pixel tiles and whole scale factors.
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

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

QImage PictureStore::bestTimesPanel(const QString& language) {
    for (const QString& code : {language, language.section(u'_', 0, 0)}) {
        for (const generated::PanelEntry& panel : generated::kPanels) {
            if (code == QStringView(panel.language)) {
                return QImage(panel.xpm);
            }
        }
    }
    return image(game::kBestTimesPanel);
}

const QPixmap& PictureStore::pixmap(game::PictureId id, int scale) {
    const quint64 key = keyOf(id, Fit::Scaled, scale);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        it = cache_.insert(key, QPixmap::fromImage(enlarged(image(id), scale)));
    }
    return it.value();
}

const QPixmap& PictureStore::square(game::PictureId id, int side) {
    const quint64 key = keyOf(id, Fit::Square, side);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        const QImage picture = image(id);
        it = cache_.insert(key,
                           QPixmap::fromImage(picture.isNull() ? picture : filling(picture, side)));
    }
    return it.value();
}

}  // namespace ui
