// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QGuiApplication>

#include "ui/access/reader_notes.h"

namespace ui {

void prepareApplication() {
    // Menus and dialogs follow the desktop's scale exactly; the field picks its own whole
    // number of screen pixels per picture pixel (ScreenScale), so tiles stay even.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QGuiApplication::setApplicationName(QStringLiteral("fieldclear"));
    // No application display name: Qt would add it to every window title on screen. The desktop
    // file name lets the desktop match the windows to the menu entry and its icon instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.fieldclear.Fieldclear"));
    dropUnsentEventNotes();
}

}  // namespace ui
