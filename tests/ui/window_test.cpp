// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace {

// Beginner mines around square 10, which no opening can reach, and two more:
//   * * * 2 . . . .
//   * 8 * 3 . . . .
//   * * * 2 . . . .
//   2 3 2 1 . . . .   (and mines at 56 and 64 below)
const std::vector<int> kMines = {1, 2, 3, 9, 11, 17, 18, 19, 56, 64};

class Window : public ::testing::Test {
protected:
    Window() : window(settings, random) { window.show(); }

    ui::FieldWidget* field() { return window.field(); }
    QAction* item(const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    QRect squareRect(int k) {
        const auto& l = field()->fieldLayout();
        return l.elements[static_cast<std::size_t>(l.firstBox + k - 1)].rect;
    }
    QPoint centreOf(int k) { return squareRect(k).center(); }
    QPoint faceCentre() {
        const auto& l = field()->fieldLayout();
        return l.elements[static_cast<std::size_t>(l.face)].rect.center();
    }
    void click(int k, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(field(), b, {}, centreOf(k));
    }
    QTimer* clock() { return window.findChild<QTimer*>(); }

    game::Module1 settings;
    testing_support::ScriptedRandom random;
    ui::MainWindow window;
};

TEST_F(Window, IsTitledAndSizedForBeginner) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Fieldclear"));
    EXPECT_EQ(field()->size(), QSize(152, 195));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_GE(window.height(), 195 + window.menuBar()->height());
}

// The offscreen platform gives windows a frame, so a centring that leaves it out is seen here.
TEST_F(Window, IsCentredWithItsFrameWhenShownAndAfterEveryRebuild) {
    const auto offCentre = [this] {
        const QPoint d =
            window.frameGeometry().center() - window.screen()->availableGeometry().center();
        return qMax(qAbs(d.x()), qAbs(d.y()));
    };
    ASSERT_NE(window.frameGeometry(), window.geometry());
    EXPECT_LE(offCentre(), 1);
    item("mnuHard")->trigger();
    EXPECT_LE(offCentre(), 1);
    item("mnuBeginner")->trigger();
    EXPECT_LE(offCentre(), 1);
}

TEST_F(Window, GameMenuHoldsItsItemsInOrder) {
    const QMenu* menu = window.findChild<QMenu*>(QStringLiteral("mnuGame"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Game"));
    QStringList captions;
    for (const QAction* a : menu->actions()) {
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(
        captions.join(QLatin1Char('|')),
        QStringLiteral("New Game|-|Beginner|Intermediate|Expert|Custom...|-|Marks (?)|Color|-|"
                       "Best Times...|-|Exit"));
    EXPECT_EQ(item("mnuNew")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(item("mnuBeginner")->isChecked());
    EXPECT_FALSE(item("mnuIntermediate")->isChecked());
    EXPECT_FALSE(item("mnuMarks")->isChecked());
    EXPECT_FALSE(item("mnuColor")->isEnabled());
}

TEST_F(Window, GraphicsMenuOffersTheSetsWhosePicturesExistAndNeverChecksOne) {
    const QMenu* menu = window.findChild<QMenu*>(QStringLiteral("mnuGraphics"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Graphics"));
    const QStringList expected = {"Windows 98",
                                  "Windows 2000",
                                  "Black and White",
                                  "Color Blocks (Windows 2000)",
                                  "Shades of Grey",
                                  "Landscape",
                                  "Dice",
                                  "Larger Windows 98"};
    ASSERT_EQ(menu->actions().size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QAction* a = menu->actions()[i];
        EXPECT_EQ(a->text(), expected[i]);
        EXPECT_FALSE(a->isChecked());
        EXPECT_EQ(a->isEnabled(),
                  ui::PictureStore::exists(static_cast<game::PictureId>(1000 * i + 400)));
    }
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
}

TEST_F(Window, ExitEndsTheProgramAtOnce) {
    random.scriptMines(kMines, 64);
    click(36);  // in the middle of a game: no question is asked
    QTimer::singleShot(0, &window, [this] { item("mnuExit")->trigger(); });
    QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(1); });  // it hung
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(Window, LevelItemsRebuildTheFieldAndMoveTheCheckMark) {
    item("mnuHard")->trigger();
    EXPECT_EQ(field()->size(), QSize(504, 323));
    EXPECT_TRUE(item("mnuHard")->isChecked());
    EXPECT_FALSE(item("mnuBeginner")->isChecked());
    EXPECT_EQ(field()->boxPicture(30 * 16 + 2), game::digitPicture(9));
    item("mnuHard")->trigger();  // choosing it again keeps it checked
    EXPECT_TRUE(item("mnuHard")->isChecked());
    item("mnuIntermediate")->trigger();
    EXPECT_EQ(field()->size(), QSize(280, 323));
    item("mnuBeginner")->trigger();
    EXPECT_EQ(field()->size(), QSize(152, 195));
}

TEST_F(Window, MarksItemTogglesAndANewGameClearsIt) {
    item("mnuMarks")->trigger();
    EXPECT_TRUE(item("mnuMarks")->isChecked());
    EXPECT_TRUE(window.form().marksChecked());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_FALSE(item("mnuMarks")->isChecked());
    EXPECT_FALSE(window.form().marksChecked());
}

TEST_F(Window, ALeftClickPlacesTheMinesOpensTheAreaAndStartsTheClock) {
    random.scriptMines(kMines, 64);
    QTest::mousePress(field(), Qt::LeftButton, {}, centreOf(36));
    EXPECT_EQ(field()->facePicture(), game::kFaceSurprised);
    QTest::mouseRelease(field(), Qt::LeftButton, {}, centreOf(36));
    EXPECT_EQ(field()->facePicture(), game::kFaceNormal);
    EXPECT_TRUE(settings.minesplaced);
    EXPECT_EQ(field()->boxPicture(36), 300);
    EXPECT_EQ(field()->boxPicture(28), 301);
    EXPECT_EQ(field()->boxPicture(10), 400);
    EXPECT_TRUE(clock()->isActive());
    EXPECT_EQ(clock()->interval(), 1000);
    EXPECT_EQ(field()->boxPicture(70), game::digitPicture(1));
    window.form().Second_Timer();
    EXPECT_EQ(field()->boxPicture(70), game::digitPicture(2));
}

TEST_F(Window, TheReleaseGoesToTheSquareThatTookThePress) {
    random.scriptMines(kMines, 64);
    QTest::mousePress(field(), Qt::RightButton, {}, centreOf(40));
    QTest::mouseRelease(field(), Qt::RightButton, {}, centreOf(50));
    EXPECT_EQ(field()->boxPicture(40), 401);
    EXPECT_EQ(field()->boxPicture(50), 400);
    EXPECT_EQ(field()->boxPicture(65), game::digitPicture(0));
    EXPECT_EQ(field()->boxPicture(67), game::digitPicture(9));
    // Dragging off the field entirely still delivers the release.
    QTest::mousePress(field(), Qt::RightButton, {}, centreOf(41));
    QTest::mouseRelease(field(), Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_EQ(field()->boxPicture(41), 401);
}

TEST_F(Window, AMineEndsTheGameAndTheFaceStartsANewOne) {
    random.scriptMines(kMines, 64);
    click(36);
    click(1);
    EXPECT_EQ(field()->boxPicture(1), 403);
    EXPECT_EQ(field()->boxPicture(2), 402);
    EXPECT_EQ(field()->facePicture(), game::kFaceLost);
    EXPECT_FALSE(clock()->isActive());

    QTest::mousePress(field(), Qt::LeftButton, {}, faceCentre());
    EXPECT_EQ(field()->facePicture(), game::kFaceHeld);
    QTest::mouseRelease(field(), Qt::LeftButton, {}, faceCentre());
    EXPECT_EQ(field()->facePicture(), game::kFaceNormal);
    EXPECT_EQ(field()->boxPicture(1), 400);
    EXPECT_EQ(field()->boxPicture(70), game::digitPicture(0));
    EXPECT_FALSE(settings.minesplaced);
    EXPECT_EQ(random.reseeds, 2);
}

TEST_F(Window, TheMiddleButtonChordsThroughTheWidget) {
    random.scriptMines(kMines, 64);
    click(12);  // a 3: mines 3, 11 and 19
    click(12, Qt::MiddleButton);
    EXPECT_EQ(field()->boxPicture(4), 400);
    for (int k : {3, 11, 19}) {
        click(k, Qt::RightButton);
    }
    click(12, Qt::MiddleButton);
    EXPECT_EQ(field()->boxPicture(4), 302);
    EXPECT_EQ(field()->boxPicture(40), 300);  // square 5 was empty and spread
    EXPECT_EQ(field()->facePicture(), game::kFaceNormal);
}

TEST_F(Window, PaintsEachElementsPicture) {
    random.scriptMines(kMines, 64);
    click(36);
    const QImage shot = field()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(152, 195));
    ui::PictureStore store;
    const auto expectPicture = [&](QPoint at, game::PictureId id) {
        const QImage picture = store.pixmap(id, 1).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shot.copy(QRect(at, picture.size())), picture) << id;
    };
    expectPicture({12, 55}, 400);
    expectPicture({60, 119}, 300);
    expectPicture({0, 0}, game::kHeaderLeft);
    expectPicture({18, 17}, game::digitPicture(0));
    expectPicture({31, 17}, game::digitPicture(1));
    expectPicture({121, 17}, game::digitPicture(1));
    expectPicture({63, 15}, game::kFaceNormal);
    expectPicture({140, 183}, game::kBottomRight);
}

// Run at several QT_SCALE_FACTORs (see tests/CMakeLists.txt): every square covers the same
// whole number of screen pixels, the one nearest the desktop's scale, with no colour the
// pictures lack, and a click lands on the square drawn under it.
TEST_F(Window, SquaresCoverEqualWholeScreenPixelsAtAnyScale) {
    const std::pair<qreal, int> kPixelsPerPixel[] = {{1.0, 1},  {1.25, 1}, {1.3, 1}, {1.5, 2},
                                                     {1.75, 2}, {2.0, 2},  {2.5, 3}, {3.0, 3}};
    const qreal ratio = field()->devicePixelRatioF();
    int k = 0;
    for (const auto& [r, pixels] : kPixelsPerPixel) {
        k = qAbs(r - ratio) < 0.01 ? pixels : k;
    }
    ASSERT_NE(k, 0) << "no expectation for the ratio " << ratio;

    const QImage shot = field()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage covered = ui::PictureStore::image(400).convertToFormat(QImage::Format_RGB32);
    const QImage square =
        covered.scaled(covered.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const QPoint at(k * (12 + 16 * c), k * (55 + 16 * r));
            ASSERT_EQ(shot.copy(QRect(at, square.size())), square) << c << "," << r;
        }
    }
    QSet<QRgb> colours;
    for (const ui::Element& e : field()->fieldLayout().elements) {
        const QImage picture =
            ui::PictureStore::image(e.picture).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                colours.insert(picture.pixel(x, y));
            }
        }
    }
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            ASSERT_TRUE(colours.contains(shot.pixel(x, y))) << x << "," << y;
        }
    }

    random.scriptMines(kMines, 64);
    const QPointF centre(k * (12 + 16 * 3 + 8), k * (55 + 16 * 4 + 8));  // square 36
    QTest::mouseClick(field(), Qt::LeftButton, {}, (centre / ratio).toPoint());
    EXPECT_EQ(field()->boxPicture(36), 300);
}

// A picture of the other size keeps its look: the large set halved still shows the small
// set's dotted grid, and the small set in large squares is doubled pixel for pixel.
TEST_F(Window, ATileSetChosenMidGameFillsTheSquaresAsBuiltAndSizesTheNextField) {
    if (!ui::PictureStore::exists(7400)) {
        GTEST_SKIP() << "the large tile set is not drawn yet";
    }
    const auto shownIn = [this](int k) {
        return field()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(squareRect(k));
    };
    const auto picture = [](game::PictureId id, int scale) {
        const QImage image = ui::PictureStore::image(id).convertToFormat(QImage::Format_RGB32);
        return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    };

    random.scriptMines(kMines, 64);
    item("mnuGFX7")->trigger();
    click(36);
    EXPECT_EQ(field()->size(), QSize(152, 195));
    EXPECT_EQ(field()->boxPicture(36), 7300);
    EXPECT_EQ(field()->boxPicture(10), 400);  // on show before the change
    EXPECT_EQ(shownIn(36), picture(300, 1));

    item("mnuHard")->trigger();
    EXPECT_EQ(field()->size(), QSize(984, 579));
    item("mnuBeginner")->trigger();
    EXPECT_EQ(field()->size(), QSize(280, 323));
    random.scriptMines(kMines, 64);
    item("mnuGFX0")->trigger();
    click(36);
    EXPECT_EQ(field()->boxPicture(36), 300);
    EXPECT_EQ(shownIn(36), picture(300, 2));
    EXPECT_EQ(shownIn(10), picture(7400, 1));
}

}  // namespace
