// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QTest>

#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace {

// Beginner mines around square 10, which no opening can reach, and two more:
//   * * * 2 . . . .
//   * 8 * 3 . . . .
//   * * * 2 . . . .
//   2 3 2 1 . . . .   (and mines at 56 and 64 below)
const std::vector<int> kMines = {1, 2, 3, 9, 11, 17, 18, 19, 56, 64};

class Keys : public ::testing::Test {
protected:
    explicit Keys(bool custom = false) : settings(startAt(custom)), window(settings, random) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The custom 8 x 8 field with 10 mines: a win there asks for no name.
    static game::Module1 startAt(bool custom) {
        game::Module1 m;
        m.customlevel = custom;
        m.across = m.down = 8;
        m.totalmines = 10;
        return m;
    }

    ui::FieldWidget* field() { return window.field(); }
    void keys(std::initializer_list<Qt::Key> list) {
        for (Qt::Key k : list) {
            QTest::keyClick(field(), k);
        }
    }
    // What the screen shows of the field, as its updates left it.
    QImage shot() {
        QCoreApplication::processEvents();
        const QPoint at = field()->mapTo(&window, QPoint());
        return window.screen()
            ->grabWindow(window.winId(), at.x(), at.y(), field()->width(), field()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QRect squareRect(int k) {
        const auto& l = field()->fieldLayout();
        return l.elements[static_cast<std::size_t>(l.firstBox + k - 1)].rect;
    }
    void mouseClick(int k, Qt::MouseButton b) {
        QTest::mouseClick(field(), b, {}, squareRect(k).center());
    }
    static void send(QWidget* w, QEvent::Type type, Qt::Key key, bool autoRepeat) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(w, &event);
    }

    game::Module1 settings;
    testing_support::ScriptedRandom random;
    ui::MainWindow window;
};

class KeysOnCustom : public Keys {
protected:
    KeysOnCustom() : Keys(true) {}
};

// The field has the keyboard from the start; its cursor starts at the top left and every key
// stops at the field's edges, on a field wider than it is high so that rows and columns differ.
TEST_F(Keys, ArrowsHomeEndAndPagesMoveTheCursorWithinTheField) {
    window.findChild<QAction*>(QStringLiteral("mnuHard"))->trigger();
    EXPECT_TRUE(field()->hasFocus());
    const auto at = [this](std::initializer_list<Qt::Key> list) {
        keys(list);
        return field()->cursorSquare();
    };
    EXPECT_EQ(at({Qt::Key_Left, Qt::Key_Up}), 1);
    EXPECT_EQ(at({Qt::Key_Right, Qt::Key_Down}), 32);
    EXPECT_EQ(at({Qt::Key_End}), 60);
    EXPECT_EQ(at({Qt::Key_Right}), 60);
    EXPECT_EQ(at({Qt::Key_PageDown}), 480);
    EXPECT_EQ(at({Qt::Key_Down}), 480);
    EXPECT_EQ(at({Qt::Key_Home}), 451);
    EXPECT_EQ(at({Qt::Key_PageUp}), 1);
}

// Space, held, is the left button held: the face is surprised and nothing happens until it
// comes up, however long the keyboard repeats it.
TEST_F(Keys, AGameIsLostByKeysAloneWithTheFaceSurprisedWhileAKeyIsHeld) {
    random.scriptMines(kMines, 64);
    keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
    QTest::keyPress(field(), Qt::Key_Space);
    EXPECT_EQ(field()->facePicture(), game::kFaceSurprised);
    send(field(), QEvent::KeyRelease, Qt::Key_Space, true);
    send(field(), QEvent::KeyPress, Qt::Key_Space, true);
    EXPECT_FALSE(settings.minesplaced);
    QTest::keyRelease(field(), Qt::Key_Space);
    EXPECT_EQ(field()->facePicture(), game::kFaceNormal);
    EXPECT_EQ(field()->boxPicture(4), 302);
    EXPECT_TRUE(window.form().clockRunning());

    keys({Qt::Key_Left, Qt::Key_Space});
    EXPECT_EQ(field()->boxPicture(3), 403);
    EXPECT_EQ(field()->boxPicture(1), 402);
    EXPECT_EQ(field()->facePicture(), game::kFaceLost);
}

// F flags as the right button does, Return chords as the middle one does.
TEST_F(KeysOnCustom, AGameIsWonByKeysAlone) {
    random.scriptMines(kMines, 64);
    keys({Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
    keys({Qt::Key_Space});                                     // square 4, a 2
    keys({Qt::Key_Left, Qt::Key_F, Qt::Key_Down, Qt::Key_F});  // flags on 3 and 11
    EXPECT_EQ(field()->boxPicture(3), 401);
    EXPECT_EQ(field()->boxPicture(11), 401);
    EXPECT_EQ(field()->boxPicture(67), game::digitPicture(8));
    keys({Qt::Key_Up, Qt::Key_Right, Qt::Key_Return});  // chord on 4
    EXPECT_EQ(field()->boxPicture(5), 300);
    EXPECT_EQ(field()->boxPicture(36), 300);
    EXPECT_FALSE(window.form().state().won);
    keys({Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Space});  // square 10, the last
    EXPECT_EQ(field()->boxPicture(10), 308);
    EXPECT_TRUE(window.form().state().won);
    EXPECT_EQ(field()->facePicture(), game::kFaceWon);
}

// A player who never touches the keys sees the field exactly as before: the outline appears
// with the first key, inside the cursor's square only, and goes with a mouse press and with
// every new game, while the cursor keeps its place for the next key.
TEST_F(Keys, TheOutlineShowsFromAKeyUntilAMousePressOrANewGame) {
    const QImage plain = shot();
    keys({Qt::Key_F2});
    EXPECT_EQ(shot(), plain);
    EXPECT_EQ(random.reseeds, 2);  // F2 still starts a new game from the field

    keys({Qt::Key_Right});
    const QImage outlined = shot();
    const QRect square = squareRect(2);
    EXPECT_EQ(outlined.pixel(square.topLeft()), 0xFF000000u);
    EXPECT_EQ(outlined.pixel(square.topLeft() + QPoint(1, 1)), 0xFFFFFF00u);
    EXPECT_EQ(outlined.pixel(square.bottomRight()), 0xFF000000u);
    QImage elsewhere = outlined;
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x) {
            elsewhere.setPixel(x, y, plain.pixel(x, y));
        }
    }
    EXPECT_EQ(elsewhere, plain);

    random.scriptMines(kMines, 64);
    mouseClick(50, Qt::RightButton);
    mouseClick(50, Qt::RightButton);
    EXPECT_EQ(shot(), plain);

    keys({Qt::Key_Down});
    keys({Qt::Key_F2});
    EXPECT_EQ(shot(), plain);
    random.scriptMines(kMines, 64);
    keys({Qt::Key_Space});
    EXPECT_EQ(field()->boxPicture(10), 308);
    mouseClick(10, Qt::LeftButton);
    EXPECT_NE(shot().pixel(squareRect(10).topLeft()), 0xFF000000u);
    keys({Qt::Key_Space});  // changes nothing but the outline
    EXPECT_EQ(shot().pixel(squareRect(10).topLeft()), 0xFF000000u);
}

// Tab and Shift+Tab take the keys to the face and back; there Space and Enter are a click, F
// and the arrows do nothing, and the outline rings the face instead of a square.
TEST_F(Keys, TabTakesTheKeysToTheFaceWhereSpaceAndEnterStartANewGame) {
    const QImage plain = shot();
    keys({Qt::Key_Right, Qt::Key_Tab});
    EXPECT_TRUE(field()->faceHasKeys());
    const QRect face = field()->fieldLayout().elements[field()->fieldLayout().face].rect;
    const QImage ringed = shot();
    EXPECT_EQ(ringed.pixel(face.topLeft()), 0xFF000000u);
    EXPECT_EQ(ringed.pixel(face.topLeft() + QPoint(1, 1)), 0xFFFFFF00u);
    EXPECT_EQ(ringed.copy(squareRect(2)), plain.copy(squareRect(2)));

    QTest::keyPress(field(), Qt::Key_Space);
    EXPECT_EQ(field()->facePicture(), game::kFaceHeld);
    QTest::keyRelease(field(), Qt::Key_Space);
    EXPECT_EQ(random.reseeds, 2);
    keys({Qt::Key_Return, Qt::Key_F, Qt::Key_Down, Qt::Key_Left});
    EXPECT_EQ(random.reseeds, 3);
    EXPECT_EQ(field()->cursorSquare(), 2);
    EXPECT_EQ(field()->boxPicture(2), game::tilePicture(0, game::Tile::Covered));
    EXPECT_TRUE(field()->faceHasKeys());
    EXPECT_EQ(shot(), ringed);  // through both new games

    QTest::keyClick(field(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(field()->faceHasKeys());
    // With Ctrl or Alt, Tab is a shortcut: it goes on past the field.
    for (Qt::KeyboardModifier m : {Qt::ControlModifier, Qt::AltModifier}) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, m);
        QApplication::sendEvent(field(), &tab);
        EXPECT_FALSE(tab.isAccepted());
        EXPECT_FALSE(field()->faceHasKeys());
    }
    random.scriptMines({1, 3, 9, 11, 17, 18, 19, 56, 60, 64}, 64);  // none under the cursor
    keys({Qt::Key_F});
    EXPECT_EQ(field()->boxPicture(2), 401);
    EXPECT_EQ(shot().pixel(face.topLeft()), plain.pixel(face.topLeft()));
}

TEST_F(KeysOnCustom, TheCursorKeepsItsPlaceWithinASmallerField) {
    settings.across = 30;  // the largest field, then Expert: as wide, less high
    settings.down = 24;
    keys({Qt::Key_F2, Qt::Key_End, Qt::Key_PageDown});
    EXPECT_EQ(field()->cursorSquare(), 720);
    window.findChild<QAction*>(QStringLiteral("mnuHard"))->trigger();
    EXPECT_EQ(field()->cursorSquare(), 480);
    window.findChild<QAction*>(QStringLiteral("mnuBeginner"))->trigger();
    random.scriptMines(kMines, 64);
    random.scriptMines({60}, 64);  // in place of 64, where the first release is
    keys({Qt::Key_F});
    EXPECT_EQ(field()->boxPicture(64), 401);
}

// A held key ends at its own release, on the square it went down on, whatever other keys do
// meanwhile, or when the field loses the keyboard; a new game leaves it nothing to end.
TEST_F(Keys, AHeldKeyEndsOnItsSquareAtItsReleaseOrAFocusLossAndNotAfterANewGame) {
    random.scriptMines(kMines, 64);
    keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
    QTest::keyPress(field(), Qt::Key_Space);
    keys({Qt::Key_Right, Qt::Key_F});
    EXPECT_FALSE(settings.minesplaced);
    QTest::keyRelease(field(), Qt::Key_Space);
    EXPECT_EQ(field()->boxPicture(4), 302);
    EXPECT_EQ(field()->boxPicture(5), 400);

    QTest::keyPress(field(), Qt::Key_F);  // on square 5
    field()->clearFocus();
    EXPECT_EQ(field()->boxPicture(5), 401);
    field()->setFocus();

    QTest::keyPress(field(), Qt::Key_F);
    keys({Qt::Key_F2});
    random.scriptMines(kMines, 64);
    QTest::keyRelease(field(), Qt::Key_F);
    EXPECT_FALSE(settings.minesplaced);
}

}  // namespace
