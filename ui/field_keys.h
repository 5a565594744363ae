// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_FIELD_KEYS_H
#define FIELDCLEAR_UI_FIELD_KEYS_H

#include <optional>

#include "game/form1_view.h"

class QKeyEvent;
class QPainter;
class QRect;

namespace ui {

// The keyboard's cursor over the squares, the face it can move to with Tab, and the key held
// down on one of them. It only decides what a key means: the field turns an acting key into
// the very press and release a mouse button would give, so every rule holds unchanged.
class FieldKeys {
public:
    static constexpr int kFace = 0;  // in place of a square: the face has the keys

    struct Press {
        bool handled = false;                // the key belongs to the field
        bool moved = false;                  // the cursor changed place or came into view
        std::optional<game::Button> button;  // to press on at() now
        bool counters = false;               // the key that asks for the counters
    };
    struct Release {
        int at;  // a square, or kFace
        game::Button button;
    };

    // A new field: the cursor keeps its place within the field's size and is hidden from the
    // squares, so a fresh field looks as it always has. A key still held there has nothing
    // left to act on.
    void resize(int across, int down);
    void hide() { shown_ = false; }

    Press press(const QKeyEvent& event);
    // The release that ends the held key, if this is its key.
    std::optional<Release> release(const QKeyEvent& event);
    // Ends the held key without its key coming up (the field lost the keyboard).
    std::optional<Release> letGo();

    bool shown() const { return shown_; }
    bool onFace() const { return onFace_; }
    // The square under the cursor, or kFace.
    int at() const { return onFace_ ? kFace : square(); }
    int square() const { return row_ * across_ + column_ + 1; }

private:
    bool move(int key);

    int across_ = 1;
    int down_ = 1;
    int row_ = 0;
    int column_ = 0;
    bool onFace_ = false;
    bool shown_ = false;
    int heldKey_ = 0;  // 0 for none
    Release held_{0, game::Button::Left};
};

// Draws the cursor's outline just inside a square or the face, given in device pixels.
void paintCursor(QPainter& painter, const QRect& square);

}  // namespace ui

#endif
