// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "ui/application.h"
#include "ui/language.h"

// The tests of what only a real window system shows: run on an X server with a window manager
// (tests/desktop/with_x_server), as the game itself runs.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fputs(
            "desktop_tests: no X server (DISPLAY is not set); run it through "
            "tests/desktop/with_x_server\n",
            stderr);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    ui::prepareApplication();
    QApplication app(argc, argv);
    ui::useLanguage(QLocale(QLocale::English));  // the texts as the tests expect them
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
