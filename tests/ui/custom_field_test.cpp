// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "records/custom_field_dialog.h"
#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace {

class CustomField : public ::testing::Test {
protected:
    CustomField() { window.show(); }

    QAction* item(const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    records::Form3* openCustom() {
        item("mnuCustom")->trigger();
        auto* d = window.findChild<records::Form3*>();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d));
        return d;
    }
    template <typename T = QLineEdit>
    static T* child(QWidget* d, const char* name) {
        return d->findChild<T*>(QString::fromLatin1(name));
    }
    void enter(QWidget* d, const QString& width, const QString& height, const QString& mines) {
        child(d, "Acr")->setText(width);
        child(d, "Dwn")->setText(height);
        child(d, "TM")->setText(mines);
        child<QPushButton>(d, "OK")->click();
    }
    QPoint squareCentre(int k) {
        const auto& l = window.field()->fieldLayout();
        return l.elements[static_cast<std::size_t>(l.firstBox + k - 1)].rect.center();
    }
    void click(int k) { QTest::mouseClick(window.field(), Qt::LeftButton, {}, squareCentre(k)); }
    QStringList checkedLevels() {
        QStringList names;
        for (const char* n : {"mnuBeginner", "mnuIntermediate", "mnuHard", "mnuCustom"}) {
            if (item(n)->isChecked()) {
                names << QString::fromLatin1(n);
            }
        }
        return names;
    }
    const game::Module1& m() const { return settings; }

    game::Module1 settings;
    testing_support::ScriptedRandom random;
    ui::MainWindow window{settings, random};
};

TEST_F(CustomField, OpensOnceWithTheFieldInForceAndItsControlsInPlace) {
    item("mnuHard")->trigger();
    records::Form3* d = openCustom();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Custom Field"));
    EXPECT_EQ(d->size(), QSize(225, 110));
    EXPECT_EQ(child(d, "Dwn")->text(), QStringLiteral("16"));
    EXPECT_EQ(child(d, "Acr")->text(), QStringLiteral("30"));
    EXPECT_EQ(child(d, "TM")->text(), QStringLiteral("99"));
    EXPECT_EQ(child(d, "Dwn")->geometry(), QRect(72, 16, 57, 19));
    EXPECT_EQ(child(d, "Acr")->geometry(), QRect(72, 48, 57, 19));
    EXPECT_EQ(child(d, "TM")->geometry(), QRect(72, 80, 57, 19));
    EXPECT_EQ(child<QPushButton>(d, "OK")->geometry(), QRect(142, 16, 73, 20));
    EXPECT_EQ(child<QPushButton>(d, "Cancel")->geometry(), QRect(142, 40, 73, 20));
    EXPECT_EQ(child<QLabel>(d, "HLabel")->text(), QStringLiteral("&Height:"));
    EXPECT_EQ(child<QLabel>(d, "HLabel")->pos(), QPoint(8, 16));
    EXPECT_EQ(child<QLabel>(d, "WLabel")->geometry(), QRect(8, 48, 49, 17));
    EXPECT_EQ(child<QLabel>(d, "Label1")->text(), QStringLiteral("&Mines:"));
    // The captions lead to OK, so each box names itself to a screen reader.
    EXPECT_EQ(child(d, "Dwn")->accessibleName() + child(d, "Acr")->accessibleName() +
                  child(d, "TM")->accessibleName(),
              QStringLiteral("HeightWidthMines"));

    // Focus on OK, then the tab order runs width, height, mines, Cancel.
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order << d->focusWidget()->objectName();
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order.join(QLatin1Char(' ')), QStringLiteral("OK Acr Dwn TM Cancel"));
    // The captions come last in the tab order: their access keys all lead to OK, and press
    // nothing.
    auto* ok = child<QPushButton>(d, "OK");
    for (Qt::Key key : {Qt::Key_H, Qt::Key_W, Qt::Key_M}) {
        child(d, "TM")->setFocus();
        QTest::keyClick(d->focusWidget(), key, Qt::AltModifier);
        EXPECT_EQ(d->focusWidget(), ok) << key;
        EXPECT_FALSE(ok->isDown()) << key;
        QTest::qWait(200);  // longer than a button's animated click
        EXPECT_TRUE(d->isVisible()) << key;
    }
    // A reader finds OK by its own name, and no caption reads as a label of it: their access
    // keys only move the focus there.
    QAccessibleInterface* okRead = QAccessible::queryAccessibleInterface(ok);
    EXPECT_EQ(okRead->text(QAccessible::Name), QStringLiteral("OK"));
    EXPECT_TRUE(okRead->relations(QAccessible::Label).isEmpty());
    for (const char* caption : {"HLabel", "WLabel", "Label1"}) {
        const QString name = QAccessible::queryAccessibleInterface(child<QLabel>(d, caption))
                                 ->text(QAccessible::Name);
        EXPECT_FALSE(name.contains(u'&')) << name.toStdString();
    }

    // Later openings keep the texts as typed, even over a fixed level chosen in between.
    enter(d, QStringLiteral("100"), QStringLiteral("3"), QStringLiteral("1000"));
    EXPECT_EQ(m().across, 30);
    item("mnuBeginner")->trigger();
    d = openCustom();
    EXPECT_EQ(child(d, "Acr")->text(), QStringLiteral("100"));
}

TEST_F(CustomField, EnterAtFirstStartsAGameOnTheFieldShown) {
    records::Form3* d = openCustom();
    QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(window.form().state().levelnum, game::Level::Custom);
    EXPECT_EQ(checkedLevels(), QStringList{QStringLiteral("mnuCustom")});
    EXPECT_EQ(window.field()->size(), QSize(152, 195));
    EXPECT_EQ(m().totalmines, 10);
}

TEST_F(CustomField, OkReadsTheBoxesLenientlyRoundsAndLimits) {
    enter(openCustom(), QStringLiteral("12abc"), QStringLiteral("1 6"), QStringLiteral("15.5"));
    EXPECT_EQ(window.field()->size(), QSize(12 * 16 + 24, 16 * 16 + 67));
    EXPECT_EQ(m().totalmines, 16);

    const QString odd[] = {QStringLiteral("1E400"),
                           QStringLiteral("&HFFFFFFFF"),
                           QStringLiteral("-5"),
                           QStringLiteral("9999999999999"),
                           QStringLiteral("   "),
                           QStringLiteral("-1E400"),
                           QString(1 << 20, QLatin1Char('9')),
                           QStringLiteral("\u4e2d\t\n")};
    for (const QString& w : odd) {
        for (const QString& mines : odd) {
            enter(openCustom(), w, odd[2], mines);
            EXPECT_TRUE(m().across >= 8 && m().across <= 30) << m().across;
            EXPECT_EQ(m().down, 8);
            EXPECT_TRUE(m().totalmines >= 10 && m().totalmines <= (m().across - 1) * 7)
                << m().totalmines;
        }
    }
}

TEST_F(CustomField, CancelEscapeAndTheFrameGiveTheGameUnderneathBackUntouched) {
    item("mnuIntermediate")->trigger();
    random.scriptMines(
        {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
         21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40},
        256);
    click(41);  // a number beside the mines: the game goes on
    ASSERT_TRUE(m().minesplaced);
    const auto mines = window.form().state().boxmine;
    const auto opened = window.form().state().boxremoved;
    const std::vector<std::function<void(QDialog*)>> ways = {
        [](QDialog* d) { child<QPushButton>(d, "Cancel")->click(); },
        [](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); },
        [](QDialog* d) { d->close(); },
    };
    for (const auto& leave : ways) {
        records::Form3* d = openCustom();
        EXPECT_EQ(checkedLevels(), QStringList{QStringLiteral("mnuCustom")});
        EXPECT_TRUE(m().customlevel);
        child(d, "Acr")->selectAll();
        QTest::keyClicks(child(d, "Acr"), QStringLiteral("20"));
        // A player's click reaches the window through the window system, which holds it back.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          window.field()->mapTo(&window, squareCentre(42)));
        EXPECT_FALSE(window.form().state().boxremoved[42]);
        leave(d);
        EXPECT_FALSE(d->isVisible());
        // The text is kept for the next opening, but not every step that led to it: the
        // dialog lives as long as the window, and a box's undo steps would pile up.
        EXPECT_EQ(child(d, "Acr")->text(), QStringLiteral("20"));
        EXPECT_FALSE(child(d, "Acr")->isUndoAvailable());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(checkedLevels(), QStringList{QStringLiteral("mnuIntermediate")});
        EXPECT_TRUE(m().intermediatelevel && !m().customlevel && m().minesplaced);
        EXPECT_EQ(m().across, 16);
        EXPECT_EQ(window.form().state().boxremoved, opened);
    }
    // The game goes on with its own mines: the next release lays none.
    click(42);
    EXPECT_TRUE(window.form().state().boxremoved[42]);
    EXPECT_EQ(window.form().state().boxmine, mines);
    EXPECT_TRUE(window.form().state().playing);
}

TEST_F(CustomField, TheLargestFieldPlaysToAWin) {
    enter(openCustom(), QStringLiteral("30"), QStringLiteral("24"), QStringLiteral("700"));
    EXPECT_EQ(m().totalmines, 667);
    EXPECT_EQ(window.field()->size(), QSize(30 * 16 + 24, 24 * 16 + 67));
    std::vector<int> mines;
    for (int k = 54; k <= 720; ++k) {
        mines.push_back(k);
    }
    random.scriptMines(mines, 720);
    click(1);  // opens the top row as far as the mines let it, and the row below
    for (int k = 24; k <= 30; ++k) {
        click(k);
    }
    EXPECT_TRUE(window.form().state().won);
    EXPECT_EQ(window.field()->facePicture(), game::kFaceWon);
    EXPECT_EQ(window.field()->boxPicture(723), game::digitPicture(7));  // mines left: 667
    EXPECT_EQ(window.field()->boxPicture(726), game::digitPicture(1));  // one second
}

}  // namespace
