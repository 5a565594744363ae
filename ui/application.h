// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_APPLICATION_H
#define FIELDCLEAR_UI_APPLICATION_H

namespace ui {

// How the game presents itself to the desktop, set before the QApplication is made: its name
// (which also names the data folder), its desktop entry, the scaling of its windows, and what
// Qt may write about a screen reader that says nothing about the game.
void prepareApplication();

}  // namespace ui

#endif
