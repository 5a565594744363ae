// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "game/module1.h"
#include "game/random_source.h"
#include "ui/application.h"
#include "ui/language.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    ui::prepareApplication();
    QApplication app(argc, argv);
    ui::useLanguage();
    game::Module1 settings;
    game::ClockSeededRandom random;
    ui::MainWindow window(settings, random);
    window.show();
    return QApplication::exec();
}
