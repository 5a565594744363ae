// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_DIALOG_LOOK_H
#define FIELDCLEAR_RECORDS_DIALOG_LOOK_H

#include <QPalette>

class QDialog;

namespace records {

// Every role of every colour group in the game's light grey, whatever the desktop's theme: the
// palette of every window the game opens besides its own.
QPalette dialogPalette();

// The look both dialogs share: a fixed client area, the light grey of the game's pictures
// and a small font, so the controls fit the places they were drawn for; `unit` scales the font
// with a dialog laid out smaller or larger than its design.
void applyDialogLook(QDialog& dialog, int width, int height, qreal unit = 1.0);

}  // namespace records

#endif
