// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/panel_view.h"

#include <QPainter>
#include <QtMath>

namespace records {

PanelView::PanelView(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

void PanelView::setScale(int factor, qreal ratio) {
    scaled_ =
        picture_.scaled(picture_.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    resize(qCeil(scaled_.width() / ratio), qCeil(scaled_.height() / ratio));
    update();
}

void PanelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QTransform device = painter.deviceTransform();
    painter.setWorldTransform(QTransform::fromTranslate(qRound(device.dx()), qRound(device.dy())) *
                              device.inverted());
    painter.drawImage(0, 0, scaled_);
}

}  // namespace records
