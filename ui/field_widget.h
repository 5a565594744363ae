// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_FIELD_WIDGET_H
#define FIELDCLEAR_UI_FIELD_WIDGET_H

#include <QWidget>
#include <functional>

#include "game/form1_view.h"
#include "ui/access/hooks.h"
#include "ui/field_keys.h"
#include "ui/layout.h"
#include "ui/picture_store.h"
#include "ui/screen_scale.h"

namespace ui {

// Everything below the menu bar: border, counters, face and squares, painted by this one
// widget from its table of picture elements. A release goes to the element that took the
// press, wherever the pointer is by then. Keys play too, on the square under the keyboard's
// cursor, through the same presses and releases.
class FieldWidget final : public QWidget {
    Q_OBJECT

public:
    explicit FieldWidget(QWidget* parent = nullptr);

    // A new game's field, of a level the player chose, with squares of `tile` pixels where the
    // window fits its screen that way.
    void build(int across, int down, int tile, game::Level level);
    // The room the field may take on its screen, in logical pixels: the screen's free area less
    // the rest of the window.
    void setRoom(std::function<QSize()> room) { room_ = std::move(room); }
    // Takes the size that fits the screen as it is now.
    void fitToScreen();
    void showBox(int k, game::PictureId picture);
    void showFace(game::PictureId picture);

    const FieldLayout& fieldLayout() const { return layout_; }
    game::Level level() const { return level_; }
    game::PictureId boxPicture(int k) const;
    game::PictureId facePicture() const;
    // The square under the keyboard's cursor, drawn or not.
    int cursorSquare() const { return keys_.square(); }
    // Whether the keys act on the face instead of the squares.
    bool faceHasKeys() const { return keys_.onFace(); }
    // Returns at once, or, while a screen reader listens, once it has had time to speak what
    // the last key did: what comes next (a record's prompt) would cut it short. Events go on
    // meanwhile, the reader's questions among them.
    void waitForNewsRead();
    // Where picture pixels of the field lie on the screen.
    QRect screenRect(const QRect& content) const;

Q_SIGNALS:
    void boxPressed(int k, game::Button button);
    void boxReleased(int k, game::Button button);
    void facePressed();
    void faceReleased();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int boxElement(int k) const;
    bool setPicture(int element, game::PictureId picture);
    QRect squareRect(int k) const;
    QRect cursorRect() const;
    void hideCursor();
    void releaseKey(const FieldKeys::Release& r);
    void deliver(int element, Qt::MouseButton button, bool press);

    FieldLayout layout_;
    int tile_ = 0;  // the square size asked for, which layout_ has wherever it fits
    std::function<QSize()> room_;
    PictureStore pictures_;
    ScreenScale scale_{1.0};  // the one the widget's size was made for
    QRect pending_;           // the area changed since the last paint
    int grabbed_ = -1;        // the element that took the first press of the buttons now held
    FieldKeys keys_;
    game::Level level_ = game::Level::Beginner;
    AccessibilityListening listening_;
};

}  // namespace ui

#endif
