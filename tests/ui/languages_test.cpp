// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "records/best_times_dialog.h"
#include "records/custom_field_dialog.h"
#include "records/record_keeper.h"
#include "support/modal_answer.h"
#include "support/pseudo_language.h"
#include "support/scripted_random.h"
#include "ui/access/words.h"
#include "ui/language.h"
#include "ui/main_window.h"

namespace {

using testing_support::ModalAnswer;
using testing_support::PseudoLanguage;

// Back to English whatever a test chose, for the tests after it.
struct English {
    ~English() { ui::useLanguage(QLocale(QLocale::English)); }
};

// Each caption and button of a dialog, with its text.
QList<std::pair<QWidget*, QString>> textsOf(QWidget* dialog) {
    QList<std::pair<QWidget*, QString>> texts;
    for (QLabel* l : dialog->findChildren<QLabel*>()) {
        texts.append({l, l->text()});
    }
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        texts.append({b, b->text()});
    }
    return texts;
}

// The texts of a dialog that run past their control, or a caption's into whatever stands right
// of it on its row or out of the dialog, for the dialog as it stands.
QStringList misfits(QWidget* dialog) {
    QStringList out;
    for (const auto& [w, text] : textsOf(dialog)) {
        const bool button = qobject_cast<QPushButton*>(w) != nullptr;
        // A button's text leaves room for its bevel, two pixels each side.
        const int need =
            w->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) + (button ? 4 : 0);
        int room = button ? w->width() : std::min(w->width(), dialog->width() - w->x());
        const QRect row(0, w->y(), dialog->width(), w->height());
        for (const QWidget* other : dialog->findChildren<QWidget*>()) {
            if (!button && other->x() > w->x() && other->geometry().intersects(row)) {
                room = std::min(room, other->x() - w->x());
            }
        }
        if (need > room) {
            out << QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(need).arg(room);
        }
    }
    return out;
}

// The texts whose access key one before them has taken, and how many keys there are.
std::pair<QStringList, int> accessKeys(const QStringList& texts) {
    QStringList keys;
    QStringList twice;
    for (const QString& t : texts) {
        const QString key = QKeySequence::mnemonic(t).toString().toLower();
        if (!key.isEmpty()) {
            if (keys.contains(key)) {
                twice << t;
            }
            keys << key;
        }
    }
    return {twice, static_cast<int>(keys.size())};
}

// Each menu's title and items.
QList<QStringList> menuTexts(const QMainWindow& window) {
    QList<QStringList> menus;
    for (QAction* menu : window.menuBar()->actions()) {
        menus.append({menu->text()});
        for (QAction* a : menu->menu()->actions()) {
            menus.back() << a->text();
        }
    }
    return menus;
}

QStringList textsOnly(QWidget* dialog) {
    QStringList texts;
    for (const auto& t : textsOf(dialog)) {
        texts << t.second;
    }
    return texts;
}

class Languages : public ::testing::Test {
protected:
    QAction* item(ui::MainWindow& w, const char* name) {
        return w.findChild<QAction*>(QString::fromLatin1(name));
    }

    English english;
    QTemporaryDir dir;
    game::Module1 settings;
    testing_support::ScriptedRandom random;
};

TEST_F(Languages, TheFirstOfTheDesktopsLanguagesThatTheGameSpeaksIsSpokenWithQtsOwnTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_AT", "de"}, {"pt", "pt_BR"}, {"pt_PT", "pt_BR"}, {"uk_UA", "uk"},
        {"C", "en"},     {"en_GB", "en"}, {"ja_JP", "en"},
    };
    for (const auto& [locale, chosen] : cases) {
        EXPECT_EQ(ui::useLanguage(QLocale(QString::fromLatin1(locale))), QLatin1String(chosen))
            << locale;
    }
    for (const QString& code : ui::gameLanguages()) {
        ASSERT_EQ(ui::useLanguage(QLocale(code)), code);
        EXPECT_NE(QCoreApplication::translate("ui::MainWindow", "New Game"), "New Game")
            << code.toStdString();
        // Qt's buttons in message boxes
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel")
            << code.toStdString();
        EXPECT_EQ(QLocale().name().left(2), code.left(2));
    }
}

// Every caption and button of both dialogs at every scale they are drawn at, in every language;
// and no two items of a menu or a dialog share an access key, which each dialog keeps.
TEST_F(Languages, EveryTextFitsItsControlAndNoAccessKeyIsTakenTwice) {
    const QStringList codes = ui::gameLanguages() << QStringLiteral("en");
    for (const QString& code : codes) {
        ui::useLanguage(QLocale(code));
        ui::MainWindow window(settings, random, dir.filePath(QStringLiteral("minebs.txt")));
        window.show();
        for (const QStringList& menu : menuTexts(window)) {
            EXPECT_EQ(accessKeys(menu).first, QStringList()) << code.toStdString();
        }
        item(window, "mnuBest")->trigger();
        auto* best = window.findChild<records::Form2*>();
        for (const auto& [factor, ratio] :
             {std::pair{1, 1.0}, {1, 1.25}, {2, 1.5}, {2, 1.75}, {2, 2.0}, {3, 2.5}, {3, 3.0}}) {
            best->setScale(factor, ratio);
            best->open();  // which lays its labels out anew in the font of the scale
            EXPECT_EQ(misfits(best).join(u'\n').toStdString(), "")
                << code.toStdString() << " at " << ratio;
        }
        EXPECT_EQ(accessKeys(textsOnly(best)), std::make_pair(QStringList(), 1))
            << code.toStdString();
        best->accept();
        item(window, "mnuCustom")->trigger();
        auto* custom = window.findChild<records::Form3*>();
        EXPECT_EQ(misfits(custom).join(u'\n').toStdString(), "") << code.toStdString();
        // A title bar of the dialog's width also holds the frame's icon and buttons.
        EXPECT_LE(custom->fontMetrics().horizontalAdvance(custom->windowTitle()),
                  custom->width() * 2 / 5)
            << code.toStdString();
        EXPECT_EQ(accessKeys(textsOnly(custom)), std::make_pair(QStringList(), 3))
            << code.toStdString();
        custom->reject();
    }
}

// The window, both dialogs, the reset question, the record prompt, a failed save's message and
// the screen reader's news, with every game text in the pseudo-language.
TEST_F(Languages, InThePseudoLanguageNoTextIsLeftInEnglish) {
    PseudoLanguage pseudo;
    QFile blocked(dir.filePath(QStringLiteral("blocked")));  // a file where the folder should be
    ASSERT_TRUE(blocked.open(QIODevice::WriteOnly));
    const QString path = dir.filePath(QStringLiteral("blocked/minebs.txt"));
    ui::MainWindow window(settings, random, path);
    window.show();
    QStringList texts;
    for (const QStringList& menu : menuTexts(window)) {
        texts << menu;
    }
    item(window, "mnuBest")->trigger();
    auto* best = window.findChild<records::Form2*>();
    texts << textsOnly(best);
    const auto read = [&texts](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        texts << box->windowTitle() << box->text() << box->informativeText();
        box->done(QMessageBox::Ok);
    };
    ModalAnswer question(QStringLiteral("resetQuestion"), read);
    ModalAnswer failed(QStringLiteral("saveFailed"), read);
    best->findChild<QPushButton*>(QStringLiteral("Reset"))->click();
    EXPECT_EQ(question.count + failed.count, 2);
    best->accept();

    item(window, "mnuCustom")->trigger();
    auto* custom = window.findChild<records::Form3*>();
    texts << custom->windowTitle() << textsOnly(custom);
    for (QLineEdit* box : custom->findChildren<QLineEdit*>()) {
        texts << box->accessibleName();
    }
    custom->reject();

    ModalAnswer prompt(QStringLiteral("recordPrompt"), [&texts](QWidget* w) {
        auto* p = static_cast<QInputDialog*>(w);
        texts << p->windowTitle() << p->labelText();
        p->reject();
    });
    records::askRecordName(&window);

    for (const game::Level level : {game::Level::Beginner, game::Level::Intermediate,
                                    game::Level::Expert, game::Level::Custom}) {
        texts << ui::newGameNews(level, 8, 8, 10);
    }
    texts << ui::openedNews(game::Button::Middle, 0) << ui::openedNews(game::Button::Middle, 1)
          << ui::openedNews(game::Button::Left, 5) << ui::minesLeftNews(3) << ui::timeNews(1)
          << ui::lostNews(1, 2, false) << ui::wonNews(9);
    for (QString t : texts) {
        t.remove(QDir::toNativeSeparators(dir.path())).remove(QStringLiteral("blocked/minebs.txt"));
        t.remove(QStringLiteral("blocked")).remove(QStringLiteral("MrNobody"));  // names
        EXPECT_EQ(PseudoLanguage::english(t), QString()) << t.toStdString();
    }
}

}  // namespace
