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
    QApplication::setApplicationDisplayName(QStringLiteral("Fieldclear"));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.fieldclear.Fieldclear"));
    game::Module1 settings;
    game::ClockSeededRandom random;
    ui::MainWindow window(settings, random);
    window.show();
    return QApplication::exec();
}
