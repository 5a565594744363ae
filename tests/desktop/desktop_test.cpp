// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

#include "records/best_times_dialog.h"
#include "records/custom_field_dialog.h"
#include "support/modal_answer.h"
#include "support/scripted_random.h"
#include "ui/main_window.h"
#include "x_server.h"

namespace {

using testing_support::ModalAnswer;

// Keysyms of the keys these tests press.
constexpr std::uint32_t kTab = 0xff09;
constexpr std::uint32_t kReturn = 0xff0d;
constexpr std::uint32_t kEscape = 0xff1b;
constexpr std::uint32_t kF2 = 0xffbf;
constexpr std::uint32_t kLetterZ = 0x007a;

x_server::Window xid(const QWidget* w) {
    return static_cast<x_server::Window>(w->winId());
}

class Desktop : public ::testing::Test {
protected:
    explicit Desktop(const char* line = "\"  7 45123AlexandrAnn     Zo\xe9     \"\r\n")
        : path(dir.filePath(QStringLiteral("minebs.txt"))) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) {
            f.write(line);
        }
        f.close();
        window.emplace(settings, random, path);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&*window));
    }

    QAction* item(const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    QPoint onScreen(int element) const {
        const auto& l = window->field()->fieldLayout();
        return window->field()->mapToGlobal(
            l.elements[static_cast<std::size_t>(element)].rect.center());
    }
    QPoint square(int k) const { return onScreen(window->field()->fieldLayout().firstBox + k - 1); }
    QPoint face() const { return onScreen(window->field()->fieldLayout().face); }
    // Mines on the first ten squares of a Beginner field: a click on the last square wins.
    void winInOneSecond() {
        random.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 64);
        QTest::mouseClick(window->field(), Qt::LeftButton, {},
                          window->field()->mapFromGlobal(square(64)));
    }

    // Input the window system delivers in order: once a later key has reached `widget`, every
    // click sent before it has been dealt with, or held back.
    static void sentinel(QWidget* dialog, std::uint32_t keysym, const std::function<bool()>& done) {
        // The window system may hand the focus round after a click on a blocked window; the
        // key must come once it is back where the dialog holds it.
        x_server::sync();
        QTest::qWait(100);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
        x_server::key(keysym);
        EXPECT_TRUE(QTest::qWaitFor(done)) << dialog->objectName().toStdString();
    }
    void expectTheWindowIsBackAndActive() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &*window; }));
        EXPECT_TRUE(QTest::qWaitFor([&] { return x_server::activeWindow() == xid(&*window); }));
    }

    QTemporaryDir dir;
    QString path;
    game::Module1 settings;
    testing_support::ScriptedRandom random;
    std::optional<ui::MainWindow> window;
};

TEST_F(Desktop, TheGameItselfIsTitledFieldclearAndMatchesItsDesktopEntry) {
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(FIELDCLEAR_PROGRAM), {});
    ASSERT_TRUE(game.waitForStarted());
    x_server::Window found = 0;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (x_server::Window w : x_server::clients()) {
                found = x_server::pid(w) == game.processId() ? w : found;
            }
            return found != 0;
        },
        10000));
    EXPECT_EQ(x_server::title(found), QStringLiteral("Fieldclear"));
    // The desktop entry's StartupWMClass.
    EXPECT_EQ(x_server::windowClass(found), QByteArray("fieldclear fieldclear"));
    // And its file's name, by which the desktop finds the entry and its icon for the windows.
    EXPECT_EQ(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"),
              QFileInfo(QStringLiteral(FIELDCLEAR_DESKTOP_ENTRY)).fileName());
    game.kill();
    game.waitForFinished();
}

TEST_F(Desktop, EveryDialogIsTitledExactlyAsTheGameTitlesIt) {
    EXPECT_EQ(x_server::title(xid(&*window)), QStringLiteral("Fieldclear"));

    item("mnuCustom")->trigger();
    auto* custom = window->findChild<records::Form3*>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(custom));
    EXPECT_EQ(x_server::title(xid(custom)), QStringLiteral("Custom Field"));
    custom->reject();

    item("mnuBest")->trigger();
    auto* best = window->findChild<records::Form2*>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(best));
    EXPECT_EQ(x_server::title(xid(best)),
              QStringLiteral("\"  7 45123AlexandrAnn     Zo\u00e9     \""));
    QString question;
    ModalAnswer reset("resetQuestion", [&](QWidget* w) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        question = x_server::title(xid(w));
        static_cast<QMessageBox*>(w)->button(QMessageBox::Cancel)->click();
    });
    best->findChild<QPushButton*>(QStringLiteral("Reset"))->click();
    EXPECT_EQ(question, QStringLiteral("Reset?"));
    best->accept();

    QString prompt;
    ModalAnswer name("recordPrompt", [&](QWidget* w) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        prompt = x_server::title(xid(w));
        static_cast<QDialog*>(w)->accept();
    });
    winInOneSecond();
    EXPECT_EQ(prompt, QStringLiteral("Congratulations"));

    // The next record cannot be saved: a folder stands where the file should be.
    QString failed;
    ModalAnswer told("saveFailed", [&](QWidget* w) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        failed = x_server::title(xid(w));
        static_cast<QDialog*>(w)->accept();
    });
    QFile::remove(path);
    QDir().mkpath(path);
    window->form().mnuNew_Click();
    winInOneSecond();
    EXPECT_EQ(failed, QStringLiteral("Best Times"));
}

TEST_F(Desktop, BothDialogsHoldBackClicksFromTheXServerAndGiveTheWindowBackActive) {
    item("mnuBest")->trigger();
    auto* best = window->findChild<records::Form2*>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(best));
    x_server::click(square(11));
    auto* ok = best->findChild<QPushButton*>(QStringLiteral("OK"));
    sentinel(best, kTab, [&] { return best->focusWidget() == ok; });
    EXPECT_FALSE(settings.minesplaced);
    x_server::key(kReturn);  // OK, which has the focus now
    EXPECT_TRUE(QTest::qWaitFor([&] { return !best->isVisible(); }));
    expectTheWindowIsBackAndActive();

    item("mnuCustom")->trigger();
    auto* custom = window->findChild<records::Form3*>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(custom));
    x_server::click(square(11));
    x_server::click(face());
    auto* across = custom->findChild<QLineEdit*>(QStringLiteral("Acr"));
    sentinel(custom, kTab, [&] { return custom->focusWidget() == across; });
    EXPECT_FALSE(settings.minesplaced);
    x_server::key(kEscape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !custom->isVisible(); }));
    expectTheWindowIsBackAndActive();

    random.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 64);
    x_server::click(square(11));
    EXPECT_TRUE(QTest::qWaitFor([&] { return settings.minesplaced; }));
}

TEST_F(Desktop, NeitherAKeyNorAClickStartsANewGameWhileTheRecordPromptIsOpen) {
    ModalAnswer name("recordPrompt", [&](QWidget* w) {
        auto* prompt = static_cast<QInputDialog*>(w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(prompt));
        x_server::key(kF2);
        x_server::click(face());
        sentinel(prompt, kLetterZ, [&] {
            return prompt->textValue().endsWith(QLatin1Char('Z')) ||
                   prompt->textValue().endsWith(QLatin1Char('z'));
        });
        EXPECT_TRUE(window->form().state().won);
        prompt->accept();
    });
    random.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 64);
    x_server::click(square(64));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return name.count == 1 && !window->form().state().playing; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_TRUE(window->form().state().won);
    EXPECT_EQ(window->field()->boxPicture(64), game::openPicture(0, 0));
    expectTheWindowIsBackAndActive();
}

}  // namespace
