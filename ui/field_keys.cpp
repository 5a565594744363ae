// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_keys.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace ui {

namespace {

// Two rings, dark outside and bright inside, so the outline shows on every picture.
constexpr QRgb kOuterRing = 0xFF000000;
constexpr QRgb kInnerRing = 0xFFFFFF00;
// Each ring is a sixteenth of the square wide: one picture pixel of a small tile.
constexpr int kRingsAcross = 16;

// The key that reads the mine counter and the clock to a screen reader.
constexpr int kCountersKey = Qt::Key_C;

std::optional<game::Button> buttonFor(int key, bool onFace) {
    switch (key) {
        case Qt::Key_Space:
            return game::Button::Left;
        case Qt::Key_F:
            return onFace ? std::nullopt : std::optional(game::Button::Right);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The face is a button: Enter presses it as Space does.
            return onFace ? game::Button::Left : game::Button::Middle;
        default:
            return std::nullopt;
    }
}

// Keys with these held are shortcuts, never the field's.
bool isShortcut(const QKeyEvent& event) {
    return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

void ring(QPainter& painter, const QRect& r, int w, QRgb colour) {
    const QColor c = QColor::fromRgb(colour);
    painter.fillRect(r.x(), r.y(), r.width(), w, c);
    painter.fillRect(r.x(), r.bottom() + 1 - w, r.width(), w, c);
    painter.fillRect(r.x(), r.y() + w, w, r.height() - 2 * w, c);
    painter.fillRect(r.right() + 1 - w, r.y() + w, w, r.height() - 2 * w, c);
}

}  // namespace

void FieldKeys::resize(int across, int down) {
    across_ = across;
    down_ = down;
    row_ = std::min(row_, down - 1);
    column_ = std::min(column_, across - 1);
    shown_ = shown_ && onFace_;  // the face that started the game keeps the keys
    heldKey_ = 0;
}

bool FieldKeys::move(int key) {
    // Only two places take the keys: Tab and Shift+Tab both go to the other one.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        onFace_ = !onFace_;
        return true;
    }
    if (onFace_) {
        return false;
    }
    switch (key) {
        case Qt::Key_Left:
            column_ = std::max(column_ - 1, 0);
            return true;
        case Qt::Key_Right:
            column_ = std::min(column_ + 1, across_ - 1);
            return true;
        case Qt::Key_Up:
            row_ = std::max(row_ - 1, 0);
            return true;
        case Qt::Key_Down:
            row_ = std::min(row_ + 1, down_ - 1);
            return true;
        case Qt::Key_Home:
            column_ = 0;
            return true;
        case Qt::Key_End:
            column_ = across_ - 1;
            return true;
        case Qt::Key_PageUp:
            row_ = 0;
            return true;
        case Qt::Key_PageDown:
            row_ = down_ - 1;
            return true;
        default:
            return false;
    }
}

FieldKeys::Press FieldKeys::press(const QKeyEvent& event) {
    if (isShortcut(event)) {
        return {};
    }
    const bool wasShown = shown_;
    const int before = at();
    if (move(event.key())) {
        shown_ = true;
        return {true, !wasShown || at() != before, std::nullopt};
    }
    if (event.key() == kCountersKey) {
        return {true, false, std::nullopt, !event.isAutoRepeat()};
    }
    const auto button = buttonFor(event.key(), onFace_);
    if (!button) {
        return {};
    }
    // A held key repeats: only its first press acts, and one key at a time, as one hand on
    // one button would.
    if (event.isAutoRepeat() || heldKey_ != 0) {
        return {true, false, std::nullopt};
    }
    shown_ = true;
    heldKey_ = event.key();
    held_ = {at(), *button};
    return {true, !wasShown, button};
}

std::optional<FieldKeys::Release> FieldKeys::release(const QKeyEvent& event) {
    if (event.isAutoRepeat() || heldKey_ == 0 || event.key() != heldKey_) {
        return std::nullopt;
    }
    return letGo();
}

std::optional<FieldKeys::Release> FieldKeys::letGo() {
    if (std::exchange(heldKey_, 0) == 0) {
        return std::nullopt;
    }
    return held_;
}

void paintCursor(QPainter& painter, const QRect& square) {
    const int unit = square.width() / kRingsAcross;
    ring(painter, square, unit, kOuterRing);
    ring(painter, square.adjusted(unit, unit, -unit, -unit), unit, kInnerRing);
}

}  // namespace ui
