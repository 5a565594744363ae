// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_GAME_FORM1_VIEW_H
#define FIELDCLEAR_GAME_FORM1_VIEW_H

#include "game/pictures.h"

namespace game {

enum class Level : int { Beginner = 1, Intermediate = 2, Expert = 3, Custom = 4 };

// Mouse buttons by their codes; the middle button plays the chord.
enum class Button : int { Left = 1, Right = 2, Middle = 4 };

// What the rules ask of the main window. The rules never draw: they name pictures by id and
// the window shows them. The window implements this with Qt; the tests with a recorder.
class Form1View {
public:
    virtual ~Form1View() = default;

    // Lay out a new, empty field of across x down squares of tile x tile pixels, with its
    // border, counters and face, and size the window to it.
    virtual void buildField(int across, int down, int tile) = 0;

    // Box element k: squares 1..n, then the mine counter's digits n+1..n+3 and the clock's
    // n+4..n+6.
    virtual void showBox(int k, PictureId picture) = 0;
    virtual void showFace(PictureId picture) = 0;

    virtual void startClock() = 0;
    virtual void stopClock() = 0;

    // Menu check marks: the chosen level's item, and "Marks (?)".
    virtual void checkLevel(Level level) = 0;
    virtual void checkMarks(bool checked) = 0;

    // The best-times line is read at every start; a win may set a record.
    virtual void scoreload() = 0;
    virtual void scorecheck() = 0;
};

}  // namespace game

#endif
