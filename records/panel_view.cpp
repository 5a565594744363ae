// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/panel_view.h"

#include <QPainter>
#include <QtMath>

namespace records {

PanelView::PanelView(const QImage& picture, int factor, QWidget* parent)
    : QWidget(parent),
      picture_(
          picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation)) {
    const qreal k = factor / devicePixelRatioF();
    resize(qCeil(picture_.width() / factor * k), qCeil(picture_.height() / factor * k));
}

void PanelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QTransform device = painter.deviceTransform();
    painter.setWorldTransform(QTransform::fromTranslate(qRound(device.dx()), qRound(device.dy())) *
                              device.inverted());
    painter.drawImage(0, 0, picture_);
}

}  // namespace records
