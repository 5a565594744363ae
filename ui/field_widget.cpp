// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace ui {

namespace {

std::optional<game::Button> buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return game::Button::Left;
        case Qt::RightButton:
            return game::Button::Right;
        case Qt::MiddleButton:
            return game::Button::Middle;
        default:
            return std::nullopt;
    }
}

}  // namespace

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is covered by some element
}

void FieldWidget::build(int across, int down, int tile) {
    layout_ = layoutField(across, down, tile);
    grabbed_ = -1;
    setFixedSize(layout_.clientSize);
    update();
}

void FieldWidget::setPicture(int element, game::PictureId picture) {
    Q_ASSERT(element >= 0 && element < static_cast<int>(layout_.elements.size()));
    Element& e = layout_.elements[static_cast<std::size_t>(element)];
    if (e.picture != picture) {
        e.picture = picture;
        // One growing rectangle instead of a region of hundreds: an opening repaints as one
        // area, without clipping every tile against a ragged region.
        if (!pending_.contains(e.rect)) {
            pending_ |= e.rect;
            update(pending_);
        }
    }
}

void FieldWidget::showBox(int k, game::PictureId picture) {
    setPicture(layout_.firstBox + k - 1, picture);
}

void FieldWidget::showFace(game::PictureId picture) {
    setPicture(layout_.face, picture);
}

game::PictureId FieldWidget::boxPicture(int k) const {
    return layout_.elements[static_cast<std::size_t>(layout_.firstBox + k - 1)].picture;
}

game::PictureId FieldWidget::facePicture() const {
    return layout_.elements[static_cast<std::size_t>(layout_.face)].picture;
}

void FieldWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const int scale = std::max(1, qRound(devicePixelRatioF()));
    const QRect dirty = event->rect();
    pending_ = {};
    for (const Element& e : layout_.elements) {
        if (!e.rect.intersects(dirty)) {
            continue;
        }
        const QPixmap& picture = pictures_.pixmap(e.picture, scale);
        if (e.stretched && picture.deviceIndependentSize().toSize() != e.rect.size()) {
            painter.drawPixmap(e.rect, picture);
        } else {
            painter.drawPixmap(e.rect.topLeft(), picture);
        }
    }
}

void FieldWidget::mousePressEvent(QMouseEvent* event) {
    if (grabbed_ < 0) {
        grabbed_ = elementAt(layout_, event->position().toPoint());
    }
    deliver(grabbed_, event->button(), true);
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int element = grabbed_;
    if (event->buttons() == Qt::NoButton) {
        grabbed_ = -1;
    }
    deliver(element, event->button(), false);
}

void FieldWidget::deliver(int element, Qt::MouseButton button, bool press) {
    const auto code = buttonCode(button);
    if (element < 0 || !code) {
        return;
    }
    const Element& e = layout_.elements[static_cast<std::size_t>(element)];
    switch (e.kind) {
        case ElementKind::Box:
            press ? Q_EMIT boxPressed(e.index, *code) : Q_EMIT boxReleased(e.index, *code);
            break;
        case ElementKind::Face:
            press ? Q_EMIT facePressed() : Q_EMIT faceReleased();
            break;
        case ElementKind::Frame:
            break;  // the border takes no part in the game
    }
}

}  // namespace ui
