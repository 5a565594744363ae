// SPDX-License-Identifier: GPL-3.0-or-later
// Run on the tests' own large screen and, by ctest, on small ones: offscreen, and on an X server
// with a window manager, whose frame counts too.
#include <gtest/gtest.h>

#include <QAction>
#include <QScreen>
#include <QTest>
#include <array>

#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace {

// A window too large for its screen takes the largest whole factor that fits, then the large
// set's squares at the small size; one that fits stays exactly as laid out.
TEST(ScreenFit, TheWindowTakesTheLargestSizeThatFitsItsScreen) {
    game::Module1 settings;
    testing_support::ScriptedRandom random;
    ui::MainWindow window(settings, random);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The window manager's frame comes a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window.frameGeometry() != window.geometry(); }));

    // The field's size for Expert, then 30 x 24, in the small set, then in the large one.
    struct Screen {
        QSize size;  // in logical pixels
        std::array<QSize, 4> fields;
    };
    const Screen kScreens[] = {
        {{1280, 1024}, {{{504, 323}, {504, 451}, {984, 579}, {984, 835}}}},
        {{1366, 768}, {{{504, 323}, {504, 451}, {984, 579}, {504, 451}}}},
        {{1024, 600}, {{{504, 323}, {504, 451}, {504, 323}, {504, 451}}}},
        // 1920 x 1080 at a scale of 1.5: two screen pixels per picture pixel where that fits.
        {{1280, 720}, {{{672, 431}, {672, 602}, {656, 386}, {656, 557}}}},
    };
    const QSize here = window.screen()->size();
    const Screen* screen = nullptr;
    for (const Screen& s : kScreens) {
        if (s.size == here || (screen == nullptr && here.width() >= s.size.width() &&
                               here.height() >= s.size.height())) {
            screen = &s;
        }
    }
    ASSERT_NE(screen, nullptr) << "no expectation for a screen of " << here.width() << " x "
                               << here.height();

    std::size_t i = 0;
    for (const char* set : {"mnuGFX0", "mnuGFX7"}) {
        window.findChild<QAction*>(QString::fromLatin1(set))->trigger();
        for (const bool custom : {false, true}) {
            if (custom) {
                window.form().mnuCustom_Click();
                window.form().applyCustomField(30, 24, 99);
            } else {
                window.findChild<QAction*>(QStringLiteral("mnuHard"))->trigger();
            }
            EXPECT_EQ(window.field()->size(), screen->fields[i]) << set << " " << custom;
            EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()))
                << set << " " << custom;
            ++i;
        }
    }
}

}  // namespace
