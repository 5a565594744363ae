// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "game/module1.h"
#include "game/random_source.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    // Menus and dialogs follow the desktop's scale exactly; the field picks its own whole
    // number of screen pixels per picture pixel (ui::ScreenScale), so tiles stay even.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication::setApplicationName(QStringLiteral("fieldclear"));  // names the data folder
    QApplication app(argc, argv);
    // No application display name: Qt would add it to every window title on screen. The desktop
    // file name lets the desktop match the windows to the menu entry and its icon instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.fieldclear.Fieldclear"));
    game::Module1 settings;
    game::ClockSeededRandom random;
    ui::MainWindow window(settings, random);
    window.show();
    return QApplication::exec();
}
