// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_ACCESS_READER_NOTES_H
#define FIELDCLEAR_UI_ACCESS_READER_NOTES_H

namespace ui {

// Qt writes a warning for every event a screen reader subscribes to that it has no means to
// send, such as Orca 48's window:destroy, each time the reader subscribes: nothing about the
// game, and nothing a player can act on. Drops those warnings, and only those. Call once.
void dropUnsentEventNotes();

}  // namespace ui

#endif
