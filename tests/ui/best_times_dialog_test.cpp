// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <QtMath>

#include "records/best_times_dialog.h"
#include "records/core/score_line.h"
#include "support/modal_answer.h"
#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace {

using testing_support::ModalAnswer;

const QByteArray kRecords = "\"  7 45123AlexandrAnn     Zo\xe9     \"\r\n";

// The file as the window finds it at its start.
QString withFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("minebs.txt"));
    QFile f(path);
    if (!bytes.isNull() && f.open(QIODevice::WriteOnly)) {
        f.write(bytes);
    }
    return path;
}

class BestTimesWindow : public ::testing::Test {
protected:
    explicit BestTimesWindow(const QByteArray& file = kRecords)
        : path(withFile(dir, file)), window(settings, random, path) {
        window.show();
    }

    QAction* item(const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    records::Form2* openBest() {
        item("mnuBest")->trigger();
        return window.findChild<records::Form2*>();
    }
    template <typename T>
    static T* child(QWidget* dialog, const char* name) {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    static QString label(QWidget* dialog, int i) {
        return child<QLabel>(dialog, qPrintable(QStringLiteral("Best%1").arg(i)))->text();
    }
    QByteArray onDisk() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    // A click that comes through the window system, as a player's does: a window blocked by
    // a modal dialog never gets it.
    void clickThroughTheWindow(int k) {
        const auto& l = window.field()->fieldLayout();
        const QPoint at = l.elements[static_cast<std::size_t>(l.firstBox + k - 1)].rect.center();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          window.field()->mapTo(&window, at));
    }
    // Mines on the first squares of the field: one click on the last square opens every other
    // square and wins in one second.
    void winInOneSecond(int mines, int squares) {
        std::vector<int> first;
        for (int k = 1; k <= mines; ++k) {
            first.push_back(k);
        }
        random.scriptMines(first, squares);
        const auto& l = window.field()->fieldLayout();
        const auto last = static_cast<std::size_t>(l.firstBox + squares - 1);
        QTest::mouseClick(window.field(), Qt::LeftButton, {}, l.elements[last].rect.center());
        ASSERT_TRUE(window.form().state().won);
        ASSERT_EQ(window.form().state().seconds, 1);
    }
    void winBeginnerInOneSecond() { winInOneSecond(10, 64); }

    QTemporaryDir dir;
    QString path;
    game::Module1 settings;
    testing_support::ScriptedRandom random;
    ui::MainWindow window;
};

TEST_F(BestTimesWindow, DialogShowsTheRecordsInPlaceTitledWithTheLineItFirstRead) {
    records::Form2* d = openBest();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->size(), QSize(322, 151));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("\"  7 45123AlexandrAnn     Zo\u00e9     \""));
    EXPECT_EQ(child<QWidget>(d, "Fram")->geometry(), QRect(8, 8, 303, 100));
    const QStringList texts = {"  7 seconds", " 45 seconds", "123 seconds",
                               "Alexandr",    "Ann     ",    "Zo\u00e9     "};
    const QList<QPoint> places = {{112, 32}, {112, 56}, {112, 80}, {216, 32}, {216, 56}, {216, 80}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(label(d, i), texts[i]);
        EXPECT_EQ(child<QLabel>(d, qPrintable(QStringLiteral("Best%1").arg(i)))->pos(), places[i]);
    }
    auto* reset = child<QPushButton>(d, "Reset");
    auto* ok = child<QPushButton>(d, "OK");
    EXPECT_EQ(reset->text(), QStringLiteral("&Reset Scores"));
    EXPECT_EQ(reset->geometry(), QRect(144, 120, 81, 25));
    EXPECT_EQ(ok->geometry(), QRect(232, 120, 81, 25));
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    EXPECT_EQ(d->focusWidget(), reset);
    QTest::keyClick(d, Qt::Key_Tab);
    EXPECT_EQ(d->focusWidget(), ok);
    QTest::keyClick(d, Qt::Key_Return);  // now presses OK
    EXPECT_FALSE(d->isVisible());
}

TEST_F(BestTimesWindow, ResetAsksFirstAndOnlyOkResetsLabelsLineAndEvenAnUnreadableFileNotTitle) {
    records::Form2* d = openBest();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    const QString title = d->windowTitle();
    bool okIsDefault = false;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    ModalAnswer question("resetQuestion", [&](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Reset?"));
        EXPECT_EQ(box->text(), QStringLiteral("Are you sure?"));
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        okIsDefault = box->defaultButton() == box->button(QMessageBox::Ok);
        box->button(answer)->click();
    });
    // Enter at once presses the button with the focus, Reset Scores.
    QTest::keyClick(d, Qt::Key_Return);
    EXPECT_EQ(question.count, 1);
    EXPECT_TRUE(okIsDefault);
    EXPECT_EQ(label(d, 0), QStringLiteral("  7 seconds"));
    EXPECT_EQ(onDisk(), kRecords);

    // The player asked for it: a file that cannot be read goes too.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    ModalAnswer failed("saveFailed", [](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
    answer = QMessageBox::Ok;
    child<QPushButton>(d, "Reset")->click();
    EXPECT_EQ(question.count, 2);
    ASSERT_EQ(failed.count, 0);  // else reading the FIFO back would wait for ever
    EXPECT_TRUE(d->isVisible());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(label(d, i), QStringLiteral("999 seconds"));
        EXPECT_EQ(label(d, i + 3), QStringLiteral("MrNobody"));
    }
    EXPECT_EQ(onDisk(), QByteArray::fromStdString(records::defaultFile()));
    EXPECT_EQ(settings.scores, records::kDefaultScores);
    child<QPushButton>(d, "OK")->click();
    EXPECT_FALSE(d->isVisible());
    // Saved by another copy, and read at the next game: the labels show it at the next opening.
    withFile(dir, "\"999999 42MrNobodyMrNobodyCy      \"\r\n");
    window.form().mnuNew_Click();
    EXPECT_EQ(openBest()->windowTitle(), title);
    EXPECT_EQ(label(d, 2), QStringLiteral(" 42 seconds"));
    EXPECT_EQ(label(d, 5), QStringLiteral("Cy      "));
}

TEST_F(BestTimesWindow, TheMainWindowTakesNoInputUntilTheDialogIsClosedWhicheverWay) {
    const std::vector<std::function<void(records::Form2*)>> ways = {
        [](records::Form2* d) { child<QPushButton>(d, "OK")->click(); },
        [](records::Form2* d) { QTest::keyClick(d, Qt::Key_Escape); },
        [](records::Form2* d) { d->close(); },
    };
    for (const auto& close : ways) {
        window.form().mnuNew_Click();
        records::Form2* d = openBest();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        clickThroughTheWindow(11);
        EXPECT_FALSE(settings.minesplaced);
        close(d);
        EXPECT_FALSE(d->isVisible());
        random.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 64);
        clickThroughTheWindow(11);
        EXPECT_TRUE(settings.minesplaced);
    }
}

// On every screen there is, in turn, and back to the first: the dialog takes the scale of the
// screen it opens on at each opening, not only at its first.
TEST_F(BestTimesWindow, PanelIsSharpAtAnyScale) {
    const std::pair<qreal, int> kPixelsPerPixel[] = {{1.0, 1},  {1.25, 1}, {1.3, 1}, {1.5, 2},
                                                     {1.75, 2}, {2.0, 2},  {2.5, 3}, {3.0, 3}};
    QList<QScreen*> screens = QGuiApplication::screens();
    screens << screens.front();
    for (QScreen* screen : screens) {
        window.windowHandle()->setScreen(screen);
        window.move(screen->geometry().topLeft() + QPoint(40, 40));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.screen() == screen; }));
        if (!QTest::qWaitFor([&] {
                return qAbs(window.devicePixelRatioF() - screen->devicePixelRatio()) < 0.01;
            })) {
            // Qt 6.8's offscreen platform keeps every window at the ratio 1, whatever its
            // screen's; Qt 6.4's, and the desktop platforms, give it the screen's.
            GTEST_SKIP() << "this platform gives a window no ratio of its screen";
        }
        records::Form2* d = openBest();
        const qreal ratio = window.devicePixelRatioF();
        int k = 0;
        for (const auto& [r, pixels] : kPixelsPerPixel) {
            k = qAbs(r - ratio) < 0.01 ? pixels : k;
        }
        ASSERT_NE(k, 0) << "no expectation for the ratio " << ratio;
        const QImage panel =
            ui::PictureStore::image(game::kBestTimesPanel)
                .convertToFormat(QImage::Format_RGB32)
                .scaled(QSize(303, 100) * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        auto* fram = child<QWidget>(d, "Fram");
        // Every screen pixel of the panel, in whole logical pixels.
        EXPECT_EQ(fram->size(), QSize(qCeil(303 * k / ratio), qCeil(100 * k / ratio))) << ratio;
        const QImage shot = fram->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shot.copy(QRect(QPoint(0, 0), panel.size())), panel) << ratio;
        // The panel at its place in a dialog of the same unit: 8 of its pixels from the left,
        // the buttons 12 below it.
        const qreal unit = k / ratio;
        EXPECT_EQ(fram->pos(), QPoint(qRound(8 * unit), qRound(8 * unit))) << ratio;
        EXPECT_EQ(child<QPushButton>(d, "Reset")->y(), qRound(120 * unit)) << ratio;
        EXPECT_EQ(d->width(), qRound(322 * unit)) << ratio;
        d->accept();
    }
}

class RecordCheck : public BestTimesWindow {
protected:
    RecordCheck() : BestTimesWindow(QByteArray()) {}
};

TEST_F(RecordCheck, AFasterWinAsksForTheNameOnceAndSavesItInOneBytePerCharacter) {
    ModalAnswer prompt("recordPrompt", [](QWidget* w) {
        auto* input = static_cast<QInputDialog*>(w);
        EXPECT_EQ(input->windowTitle(), QStringLiteral("Congratulations"));
        EXPECT_EQ(input->labelText(), QStringLiteral("You have the fastest time for this level. "
                                                     "Please type your name:"));
        EXPECT_EQ(input->textValue(), QStringLiteral("MrNobody"));
        // The accent typed as a combining mark still fits the code page; the ligature and
        // the fraction stay as they were typed, one its '?', the other its own byte.
        input->setTextValue(QStringLiteral("Zoe\u0308\t\ufb01\u00bd\u4e2d and more"));
        input->accept();
    });
    winBeginnerInOneSecond();
    EXPECT_EQ(prompt.count, 1);
    EXPECT_EQ(onDisk(), QByteArray("\"  1999999Zo\xeb ?\xbd? MrNobodyMrNobody\"\r\n"));
    EXPECT_EQ(settings.scores, "\"  1999999Zo\xeb ?\xbd? MrNobodyMrNobody\"");
    records::Form2* d = openBest();
    EXPECT_EQ(label(d, 0), QStringLiteral("  1 seconds"));
    EXPECT_EQ(label(d, 3), QStringLiteral("Zo\u00eb ?\u00bd? "));
}

TEST_F(RecordCheck, ARussianNameIsSavedInTheRussianCodePageAndShownBackInTheDialogAndItsTitle) {
    const auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::Russian));
    ModalAnswer prompt("recordPrompt", [](QWidget* w) {
        static_cast<QInputDialog*>(w)->setTextValue(QStringLiteral("Иван"));
        static_cast<QDialog*>(w)->accept();
    });
    winBeginnerInOneSecond();
    EXPECT_EQ(onDisk(), QByteArray("\"  1999999\xc8\xe2\xe0\xed    MrNobodyMrNobody\"\r\n"));
    records::Form2* d = openBest();
    EXPECT_EQ(label(d, 3), QStringLiteral("Иван    "));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("\"  1999999Иван    MrNobodyMrNobody\""));
}

TEST_F(RecordCheck, ACancelledExpertRecordStillSavesItsTimeWithABlankName) {
    ModalAnswer prompt("recordPrompt", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    item("mnuHard")->trigger();
    winInOneSecond(99, 480);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompt.count == 1; }));
    EXPECT_EQ(onDisk(), QByteArray("\"999999  1MrNobodyMrNobody        \"\r\n"));
}

TEST_F(RecordCheck, NoPromptForAnEqualTimeOrACustomField) {
    withFile(dir, "\"  1999999AnnaAnnaMrNobodyMrNobody\"\r\n");
    window.form().mnuNew_Click();
    ModalAnswer prompt("recordPrompt", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    winBeginnerInOneSecond();

    settings.across = settings.down = 8;
    settings.totalmines = 10;
    settings.beginnerlevel = false;
    settings.customlevel = true;
    window.form().mnuNew_Click();
    winBeginnerInOneSecond();
    EXPECT_EQ(prompt.count, 0);
    EXPECT_EQ(onDisk(), QByteArray("\"  1999999AnnaAnnaMrNobodyMrNobody\"\r\n"));
}

TEST_F(RecordCheck, ARecordAnotherCopySavedMeanwhileIsTheOneToBeat) {
    ASSERT_EQ(settings.scores, records::kDefaultScores);
    // Saved by another copy after this game began: this win no longer beats it.
    withFile(dir, "\"  1 50999Ann     Bob     MrNobody\"\r\n");
    ModalAnswer prompt("recordPrompt", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    winBeginnerInOneSecond();
    EXPECT_EQ(prompt.count, 0);
    EXPECT_EQ(settings.scores, "\"  1 50999Ann     Bob     MrNobody\"");
}

TEST_F(RecordCheck, ARecordAnotherCopySavesWhileThePromptIsOpenIsKept) {
    ModalAnswer prompt("recordPrompt", [this](QWidget* w) {
        withFile(dir, "\"  1 50999Ann     Bob     MrNobody\"\r\n");
        static_cast<QDialog*>(w)->accept();
    });
    winBeginnerInOneSecond();
    EXPECT_EQ(prompt.count, 1);
    EXPECT_EQ(onDisk(), QByteArray("\"  1 50999Ann     Bob     MrNobody\"\r\n"));
    EXPECT_EQ(settings.scores, "\"  1 50999Ann     Bob     MrNobody\"");
}

TEST_F(RecordCheck, AFileThatCannotBeReadIsToldAtTheRecordWithoutAPromptAndTheGameGoesOn) {
    QDir().mkpath(path);  // a directory where the file should be
    ModalAnswer prompt("recordPrompt", [](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
    QString told;
    ModalAnswer failure("saveFailed", [&](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        EXPECT_EQ(box->parentWidget(), &window);
        told = box->text() + box->informativeText();
        box->accept();
    });
    winBeginnerInOneSecond();
    EXPECT_EQ(prompt.count, 0);
    EXPECT_EQ(failure.count, 1);
    EXPECT_TRUE(told.contains(path)) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("cannot be read"))) << told.toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(settings.scores, records::kDefaultScores);
    window.form().mnuNew_Click();
    EXPECT_TRUE(window.form().state().playing);
}

}  // namespace
