// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_widget.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QtMath>
#include <algorithm>
#include <memory>
#include <optional>

#include "game/limits.h"
#include "ui/field_fit.h"

namespace ui {

namespace {

// Where a fractional ratio leaves the widget a sliver larger than the field, the sliver
// continues the window's dark outer edge.
constexpr QRgb kOuterEdge = 0xFF808080;

// Longer than a screen reader takes to read and speak what a key did (see access/field_news.cpp).
constexpr int kLongestNewsWaitMs = 5000;

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
    setFocusPolicy(Qt::StrongFocus);        // for the keys that play
    installFieldAccessibility();
}

void FieldWidget::build(int across, int down, int tile, game::Level level) {
    tile_ = tile;
    layout_ = layoutField(across, down, tile);
    level_ = level;
    grabbed_ = -1;
    keys_.resize(across, down);
    fitToScreen();
    if (listening_.active()) {
        accessibleFieldBuilt(*this);
    }
}

void FieldWidget::fitToScreen() {
    const qreal ratio = devicePixelRatioF();
    const FieldFit fit = room_ ? fitField(layout_.across, layout_.down, tile_, ratio, room_())
                               : FieldFit{tile_, ScreenScale(ratio)};
    if (fit.tile != layout_.tile) {
        // The same elements in the same order, each keeping what it shows.
        FieldLayout resized = layoutField(layout_.across, layout_.down, fit.tile);
        for (std::size_t i = 0; i < resized.elements.size(); ++i) {
            resized.elements[i].picture = layout_.elements[i].picture;
        }
        layout_ = std::move(resized);
    }
    scale_ = fit.scale;
    setFixedSize(scale_.logicalSize(layout_.clientSize));
    update();
}

// The element of Box k, or -1 for a number this field does not have.
int FieldWidget::boxElement(int k) const {
    const int boxes = layout_.across * layout_.down + 2 * game::kCounterDigits;
    return k >= 1 && k <= boxes ? layout_.firstBox + k - 1 : -1;
}

// An element the field does not have is never drawn, in a release build as in a debug one.
bool FieldWidget::setPicture(int element, game::PictureId picture) {
    if (element < 0 || element >= static_cast<int>(layout_.elements.size())) {
        return false;
    }
    Element& e = layout_.elements[static_cast<std::size_t>(element)];
    if (e.picture != picture) {
        e.picture = picture;
        // One growing rectangle instead of a region of hundreds: an opening repaints as one
        // area, without clipping every tile against a ragged region.
        if (!pending_.contains(e.rect)) {
            pending_ |= e.rect;
            update(scale_.toLogical(pending_));
        }
        return true;
    }
    return false;
}

void FieldWidget::showBox(int k, game::PictureId picture) {
    if (setPicture(boxElement(k), picture) && listening_.active()) {
        accessibleBoxShown(*this, k);
    }
}

void FieldWidget::showFace(game::PictureId picture) {
    if (setPicture(layout_.face, picture) && listening_.active()) {
        accessibleBoxShown(*this, 0);
    }
}

QRect FieldWidget::squareRect(int k) const {
    return layout_.elements[static_cast<std::size_t>(layout_.firstBox + k - 1)].rect;
}

void FieldWidget::waitForNewsRead() {
    if (!listening_.active()) {
        return;
    }
    QEventLoop wait;
    auto done = std::make_shared<bool>(false);
    accessibleAfterNewsRead(*this, [done, w = QPointer<QEventLoop>(&wait)] {
        *done = true;
        if (w) {
            w->quit();
        }
    });
    if (!*done) {
        // Should the reader's side go away meanwhile, nothing else would end the wait.
        QTimer::singleShot(kLongestNewsWaitMs, &wait, &QEventLoop::quit);
        wait.exec();
    }
}

// The square or the face the keys act on.
QRect FieldWidget::cursorRect() const {
    return keys_.onFace() ? layout_.elements[static_cast<std::size_t>(layout_.face)].rect
                          : squareRect(keys_.square());
}

QRect FieldWidget::screenRect(const QRect& content) const {
    const QRect logical = scale_.toLogical(content);
    return QRect(mapToGlobal(logical.topLeft()), logical.size());
}

game::PictureId FieldWidget::boxPicture(int k) const {
    const int element = boxElement(k);
    return element < 0 ? 0 : layout_.elements[static_cast<std::size_t>(element)].picture;
}

game::PictureId FieldWidget::facePicture() const {
    return layout_.elements[static_cast<std::size_t>(layout_.face)].picture;
}

void FieldWidget::paintEvent(QPaintEvent* event) {
    if (!qFuzzyCompare(devicePixelRatioF(), scale_.ratio())) {
        // Moved to a screen of another ratio: take the size that fits it, then paint again.
        QMetaObject::invokeMethod(this, &FieldWidget::fitToScreen, Qt::QueuedConnection);
    }
    QPainter painter(this);
    // Paint in device pixels from a whole device pixel, so that at a fractional ratio too every
    // picture pixel covers the same whole number of screen pixels.
    const QTransform device = painter.deviceTransform();
    painter.setWorldTransform(QTransform::fromTranslate(qRound(device.dx()), qRound(device.dy())) *
                              device.inverted());
    const int f = scale_.factor();
    const QRect dirty = scale_.toContent(event->rect());
    pending_ = {};
    for (const Element& e : layout_.elements) {
        if (!e.rect.intersects(dirty)) {
            continue;
        }
        const QRect target(e.rect.topLeft() * f, e.rect.size() * f);
        if (e.kind == ElementKind::Box && e.stretched) {
            painter.drawPixmap(target.topLeft(), pictures_.square(e.picture, target.width()));
        } else if (e.stretched) {
            painter.drawPixmap(target, pictures_.pixmap(e.picture, f));
        } else {
            painter.drawPixmap(target.topLeft(), pictures_.pixmap(e.picture, f));
        }
    }
    if (keys_.shown() && cursorRect().intersects(dirty)) {
        const QRect r = cursorRect();
        paintCursor(painter, QRect(r.topLeft() * f, r.size() * f));
    }
    if (!scale_.exact()) {
        const QSize field = layout_.clientSize * f;
        const QSize widget = (QSizeF(size()) * scale_.ratio()).toSize() + QSize(2, 2);
        painter.fillRect(field.width(), 0, widget.width() - field.width(), widget.height(),
                         QColor::fromRgb(kOuterEdge));
        painter.fillRect(0, field.height(), widget.width(), widget.height() - field.height(),
                         QColor::fromRgb(kOuterEdge));
    }
}

void FieldWidget::mousePressEvent(QMouseEvent* event) {
    hideCursor();
    if (grabbed_ < 0) {
        grabbed_ = elementAt(layout_, scale_.contentAt(event->position()));
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

void FieldWidget::hideCursor() {
    if (keys_.shown()) {
        keys_.hide();
        update(scale_.toLogical(cursorRect()));
    }
}

// Tab and Shift+Tab move the keys between the squares and the face, within this widget. With
// Ctrl or Alt they are shortcuts, which the keys leave alone and pass on.
bool FieldWidget::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void FieldWidget::keyPressEvent(QKeyEvent* event) {
    const QRect before = keys_.shown() ? cursorRect() : QRect();
    const FieldKeys::Press press = keys_.press(*event);
    if (!press.handled) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (press.moved) {
        update(scale_.toLogical(before));
        update(scale_.toLogical(cursorRect()));
        if (listening_.active()) {
            accessibleCursorMoved(*this);
        }
    }
    if (press.counters && listening_.active()) {
        accessibleCountersAsked(*this);
    }
    if (press.button) {
        if (keys_.onFace()) {
            Q_EMIT facePressed();
        } else {
            Q_EMIT boxPressed(keys_.square(), *press.button);
        }
    }
}

void FieldWidget::keyReleaseEvent(QKeyEvent* event) {
    if (const auto r = keys_.release(*event)) {
        releaseKey(*r);
    } else {
        QWidget::keyReleaseEvent(event);
    }
}

// A key's release, told to a screen reader once it has done all it does.
void FieldWidget::releaseKey(const FieldKeys::Release& r) {
    if (r.at == FieldKeys::kFace) {
        Q_EMIT faceReleased();
        return;
    }
    if (listening_.active()) {
        accessibleActionStarted(*this, r.button);
    }
    Q_EMIT boxReleased(r.at, r.button);
    if (listening_.active()) {
        accessibleActionFinished(*this);
    }
}

void FieldWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (listening_.active()) {
        accessibleFocusIn(*this);
    }
}

// A key held while the keyboard goes elsewhere never comes up here: end it as the mouse's
// release would end a drag off the window, on the square that took it.
void FieldWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (listening_.active()) {
        accessibleFocusOut(*this);
    }
    if (const auto r = keys_.letGo()) {
        r->at == FieldKeys::kFace ? Q_EMIT faceReleased() : Q_EMIT boxReleased(r->at, r->button);
    }
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
