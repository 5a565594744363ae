// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/language.h"

int main(int argc, char* argv[]) {
    // The window tests need no display, and a screen larger than any window of the game.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" FIELDCLEAR_TEST_SCREEN);
    }
    // Nor do they touch the player's own best times.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    ui::useLanguage(QLocale(QLocale::English));  // the texts as the tests expect them
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
