// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_LAYOUT_H
#define FIELDCLEAR_UI_LAYOUT_H

#include <QRect>
#include <QSize>
#include <vector>

#include "game/pictures.h"

namespace ui {

// Which handler a press on an element reaches.
enum class ElementKind { Frame, Face, Box };

// One picture element of the main window. A stretched element scales its picture to its
// rectangle; any other shows the picture at its own size from the rectangle's top left.
struct Element {
    QRect rect;
    game::PictureId picture = 0;
    bool stretched = false;
    ElementKind kind = ElementKind::Frame;
    int index = 0;  // Box number for ElementKind::Box
};

// Every element of a field, back to front: border, counter panels, face, squares 1..n in
// order, then the six counter digits. Positions in pixels of the window's client area.
struct FieldLayout {
    std::vector<Element> elements;
    QSize clientSize;
    int across = 0;    // squares in a row
    int down = 0;      // squares in a column
    int tile = 0;      // side of a square
    int firstBox = 0;  // position of Box 1 in elements
    int face = 0;      // position of the face in elements
};

FieldLayout layoutField(int across, int down, int tile);
// The client size of that layout, without laying it out.
QSize clientSizeOf(int across, int down, int tile);

// The topmost element under point p, or -1 when the point lies outside every element.
int elementAt(const FieldLayout& layout, QPoint p);

}  // namespace ui

#endif
