// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "support/modal_answer.h"
#include "support/pseudo_language.h"
#include "support/scripted_random.h"
#include "ui/access/announcement_listeners.h"
#include "ui/access/words.h"
#include "ui/main_window.h"

namespace {

// Mines around square 10, which no opening can reach, and two more:
//   * * * 2 . . . .
//   * 8 * 3 . . . .
//   * * * 2 . . . .
//   2 3 2 1 . . . .   (and mines at 56 and 64 below)
const std::vector<int> kMines = {1, 2, 3, 9, 11, 17, 18, 19, 56, 64};

// One event as a tool would have read it when it came.
struct Heard {
    QAccessible::Event type = QAccessible::InvalidEvent;
    QAccessible::Id id = 0;  // the object's identity: a reader speaks a focus that changes it
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
    QVariant value;  // for a value change, or what an announcement says
};

std::vector<Heard>& heard() {
    static std::vector<Heard> events;
    return events;
}

// Whether the listener reads descriptions, as a reader speaking them does.
bool& readsDescriptions() {
    static bool reads = true;
    return reads;
}

void listen(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    if (iface == nullptr) {
        return;
    }
    Heard h;
    h.type = event->type();
    h.id = QAccessible::uniqueId(iface);
    h.role = iface->role();
    h.name = iface->text(QAccessible::Name);
    if (readsDescriptions()) {
        h.description = iface->text(QAccessible::Description);
    }
    if (event->type() == QAccessible::ValueChanged) {
        h.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        h.value = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
    }
#endif
    heard().push_back(h);
}

// Switches Qt's accessibility on as a screen reader's arrival would, for as long as it lives,
// with every event going to `listen` instead of a platform bridge.
class ReaderPresent {
public:
    ReaderPresent() {
        QAccessible::installUpdateHandler(listen);
        platform()->setActive(true);
    }
    ~ReaderPresent() {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        heard().clear();
        readsDescriptions() = true;
    }
    ReaderPresent(const ReaderPresent&) = delete;
    ReaderPresent& operator=(const ReaderPresent&) = delete;

private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
};

class Accessible : public ::testing::Test {
protected:
    Accessible() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        window.field()->setFocus();
        QCoreApplication::processEvents();
        heard().clear();
    }

    QAccessibleInterface* fieldIface() {
        return QAccessible::queryAccessibleInterface(window.field());
    }
    QAccessibleInterface* part(int i) { return fieldIface()->child(i); }
    QAccessibleInterface* cellAt(int row, int column) {
        return part(3)->child(row * window.field()->fieldLayout().across + column);
    }
    QString cellName(int row, int column) { return cellAt(row, column)->text(QAccessible::Name); }
    QPoint centreOf(int k) {
        const auto& l = window.field()->fieldLayout();
        return l.elements[static_cast<std::size_t>(l.firstBox + k - 1)].rect.center();
    }
    void click(int k, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(window.field(), b, {}, centreOf(k));
        QCoreApplication::processEvents();
    }
    void key(Qt::Key k) {
        QTest::keyClick(window.field(), k);
        QCoreApplication::processEvents();
    }
    // The events of one type heard since the last look, and forget them all.
    std::vector<Heard> take(QAccessible::Event type) {
        std::vector<Heard> of;
        for (const Heard& h : heard()) {
            if (h.type == type) {
                of.push_back(h);
            }
        }
        return of;
    }

    // What a reader hears after a key: the focus on an object it has not met, so that it
    // speaks even a square whose name did not change; the news is its description. The
    // object it was on, should it ask, is focused no more.
    struct Told {
        QString name;
        QString description;
        bool fresh = false;
    };
    Told hear(Qt::Key k) {
        const QAccessible::Id before = QAccessible::uniqueId(fieldIface()->focusChild());
        heard().clear();
        key(k);
        const auto focus = take(QAccessible::Focus);
        if (focus.empty()) {
            return {};
        }
        const QAccessibleInterface* old = QAccessible::accessibleInterface(before);
        return {focus.back().name, focus.back().description,
                focus.back().id != before && (old == nullptr || !old->state().focused)};
    }
    void keys(std::initializer_list<Qt::Key> list) {
        for (Qt::Key k : list) {
            key(k);
        }
    }

    // The custom 8 x 8 field with 10 mines, where a win asks for no name.
    static game::Module1 custom() {
        game::Module1 m;
        m.customlevel = true;
        m.across = m.down = 8;
        m.totalmines = 10;
        return m;
    }

    ReaderPresent reader;
    game::Module1 settings = custom();
    testing_support::ScriptedRandom random;
    ui::MainWindow window{settings, random};
};

TEST_F(Accessible, TheFieldIsCountersAFaceButtonAndATableOfItsSquares) {
    QAccessibleInterface* field = fieldIface();
    ASSERT_EQ(field->childCount(), 4);
    EXPECT_EQ(part(0)->role(), QAccessible::StaticText);
    EXPECT_EQ(part(0)->text(QAccessible::Name), QStringLiteral("Mines left: 10"));
    EXPECT_EQ(part(1)->role(), QAccessible::PushButton);
    EXPECT_EQ(part(1)->text(QAccessible::Name), QStringLiteral("New game"));
    EXPECT_EQ(part(2)->text(QAccessible::Name), QStringLiteral("Time: 0 seconds"));
    EXPECT_EQ(part(3)->role(), QAccessible::Grouping);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(part(i)->parent(), field);
        EXPECT_EQ(field->indexOfChild(part(i)), i);
    }
    EXPECT_EQ(part(3)->childCount(), 64);
    QAccessibleInterface* cell = cellAt(2, 3);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->tableCellInterface(), nullptr);  // or a reader reads its whole row
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("covered, row 3, column 4"));
    EXPECT_EQ(cell->parent(), part(3));
    EXPECT_EQ(part(3)->indexOfChild(cell), 2 * 8 + 3);
    EXPECT_EQ(part(3)->child(2 * 8 + 3), cell);
    EXPECT_EQ(cell->rect(), QRect(window.field()->mapToGlobal(QPoint(60, 87)), QSize(16, 16)));
    EXPECT_EQ(field->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    random.scriptMines(kMines, 64);
    for (int k = 54; k <= 64; ++k) {
        click(k, Qt::RightButton);  // one flag more than there are mines
    }
    EXPECT_EQ(part(0)->text(QAccessible::Name), QStringLiteral("Mines left: -1"));
    heard().clear();

    // Rows and columns differ in number: the last square is the last row's last column.
    window.findChild<QAction*>(QStringLiteral("mnuHard"))->trigger();
    EXPECT_EQ(part(3)->childCount(), 480);
    EXPECT_EQ(part(3)->text(QAccessible::Description), QStringLiteral("16 rows by 30 columns"));
    cell = cellAt(15, 29);
    EXPECT_TRUE(cell->isValid());
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("covered, row 16, column 30"));
    EXPECT_EQ(part(3)->indexOfChild(cell), 479);
    EXPECT_EQ(part(3)->child(479), cell);
    EXPECT_EQ(cell->rect(), QRect(window.field()->mapToGlobal(QPoint(476, 295)), QSize(16, 16)));
    EXPECT_EQ(field->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    EXPECT_EQ(part(0)->text(QAccessible::Name), QStringLiteral("Mines left: 99"));
}

TEST_F(Accessible, CellsReadWhatTheyShowThroughAGameToItsLoss) {
    random.scriptMines(kMines, 64);
    click(36);
    EXPECT_EQ(cellName(4, 3), QStringLiteral("empty, row 5, column 4"));
    EXPECT_EQ(cellName(1, 3), QStringLiteral("3, row 2, column 4"));
    EXPECT_EQ(cellName(3, 3), QStringLiteral("1, row 4, column 4"));
    EXPECT_EQ(cellName(1, 1), QStringLiteral("covered, row 2, column 2"));
    EXPECT_EQ(part(2)->text(QAccessible::Name), QStringLiteral("Time: 1 second"));
    window.form().Second_Timer();
    EXPECT_EQ(part(2)->text(QAccessible::Name), QStringLiteral("Time: 2 seconds"));

    window.findChild<QAction*>(QStringLiteral("mnuMarks"))->trigger();
    click(64, Qt::RightButton);
    EXPECT_EQ(cellName(7, 7), QStringLiteral("flagged, row 8, column 8"));
    click(64, Qt::RightButton);
    EXPECT_EQ(cellName(7, 7), QStringLiteral("question mark, row 8, column 8"));
    click(11, Qt::RightButton);  // a mine
    click(10, Qt::RightButton);  // not one
    EXPECT_EQ(part(0)->text(QAccessible::Name), QStringLiteral("Mines left: 8"));

    click(1);
    EXPECT_EQ(cellName(0, 0), QStringLiteral("exploded mine, row 1, column 1"));
    EXPECT_EQ(cellName(0, 1), QStringLiteral("mine, row 1, column 2"));
    EXPECT_EQ(cellName(1, 2), QStringLiteral("flagged, row 2, column 3"));
    EXPECT_EQ(cellName(1, 1), QStringLiteral("wrong flag, row 2, column 2"));
    EXPECT_EQ(cellName(1, 3), QStringLiteral("3, row 2, column 4"));
    EXPECT_EQ(part(1)->text(QAccessible::Description), QStringLiteral("Game lost"));
}

// The keyboard's cursor is the focus, and each change is told once it is whole: one burst for an
// opening, and a counter's new value, never the half-written one between two of its digits.
TEST_F(Accessible, FocusFollowsTheCursorAndAnOpeningAndAFlagAreToldOnce) {
    random.scriptMines(kMines, 64);
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right,
                      Qt::Key_Right, Qt::Key_Right}) {
        key(k);
    }
    const auto focus = take(QAccessible::Focus);
    ASSERT_EQ(focus.size(), 7u);
    EXPECT_EQ(focus.back().role, QAccessible::Cell);
    EXPECT_EQ(focus.back().name, QStringLiteral("covered, row 5, column 4"));
    EXPECT_EQ(fieldIface()->focusChild(), cellAt(4, 3));
    // Coming back to the field, the reader lands on the cursor's square, not on the field.
    window.field()->clearFocus();
    window.field()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(take(QAccessible::Focus).back().name, QStringLiteral("covered, row 5, column 4"));
    EXPECT_TRUE(cellAt(4, 3)->state().focused);
    EXPECT_FALSE(cellAt(4, 2)->state().focused);
    EXPECT_FALSE(part(1)->state().focused);

    heard().clear();
    key(Qt::Key_Space);
    // The squares the reader had read change their names, but the one under the keys, which
    // comes with a new identity.
    const auto names = take(QAccessible::NameChanged);
    const auto told = [&names](const char* name) {
        return std::any_of(names.begin(), names.end(),
                           [name](const Heard& h) { return h.name == QLatin1String(name); });
    };
    EXPECT_TRUE(told("empty, row 5, column 3"));
    EXPECT_FALSE(told("empty, row 5, column 4"));
    const auto values = take(QAccessible::ValueChanged);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, QStringLiteral("Time: 1 second"));

    heard().clear();
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_F}) {
        key(k);
    }
    EXPECT_TRUE(take(QAccessible::NameChanged).empty());
    const auto counter = take(QAccessible::ValueChanged);
    ASSERT_EQ(counter.size(), 1u);  // 10 to 9 passes through 0 digit by digit
    EXPECT_EQ(counter[0].value, QVariant(9));
    EXPECT_EQ(counter[0].name, QStringLiteral("Mines left: 9"));

    cellName(7, 7);  // the last square, read
    heard().clear();
    click(64, Qt::RightButton);
    ASSERT_EQ(take(QAccessible::NameChanged).size(), 1u);
    EXPECT_EQ(take(QAccessible::NameChanged)[0].name, QStringLiteral("flagged, row 8, column 8"));
}

// The face tells how a game ended, and its press action starts the next one.
TEST_F(Accessible, TheLossAndTheWinAreToldAndTheFaceButtonStartsANewGame) {
    random.scriptMines(kMines, 64);
    click(36);
    heard().clear();
    click(1);
    // Told by the face; the squares say only what they show.
    auto ends = take(QAccessible::DescriptionChanged);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].role, QAccessible::PushButton);
    EXPECT_EQ(ends[0].description, QStringLiteral("Game lost"));
    EXPECT_EQ(cellAt(0, 0)->text(QAccessible::Description), QString());

    heard().clear();
    QAccessibleActionInterface* face = part(1)->actionInterface();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    face->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(random.reseeds, 2);
    // A reader that read the mine has it covered again.
    const auto names = take(QAccessible::NameChanged);
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), [](const Heard& h) {
        return h.name == QStringLiteral("covered, row 1, column 1");
    }));
    ends = take(QAccessible::DescriptionChanged);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].description, QString());

    random.scriptMines(kMines, 64);
    click(36);
    heard().clear();
    click(10);
    ends = take(QAccessible::DescriptionChanged);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].description, QStringLiteral("Game won"));
}

// Space, F, Enter and C, each told as the news of the square it acted on, through a win.
TEST_F(Accessible, EachKeyIsToldAsANewFocusWhoseDescriptionIsWhatItDid) {
    random.scriptMines(kMines, 64);
    keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
    Told t = hear(Qt::Key_Space);  // square 4, a 2: nothing more opens
    EXPECT_TRUE(t.fresh);
    EXPECT_EQ(t.name, QStringLiteral("2, row 1, column 4"));
    EXPECT_EQ(t.description, QString());

    key(Qt::Key_Left);
    t = hear(Qt::Key_F);
    EXPECT_TRUE(t.fresh);
    EXPECT_EQ(t.name, QStringLiteral("flagged, row 1, column 3"));
    EXPECT_EQ(t.description, QStringLiteral("Mines left: 9"));
    t = hear(Qt::Key_Return);  // a chord on a covered square does nothing, and says so
    EXPECT_TRUE(t.fresh);
    EXPECT_EQ(t.name, QStringLiteral("flagged, row 1, column 3"));
    EXPECT_EQ(t.description, QStringLiteral("Nothing opened"));
    key(Qt::Key_Down);
    EXPECT_EQ(hear(Qt::Key_F).description, QStringLiteral("Mines left: 8"));

    keys({Qt::Key_Up, Qt::Key_Right});
    t = hear(Qt::Key_Return);  // the chord on 4 opens every square but 10 and the mines
    EXPECT_EQ(t.name, QStringLiteral("2, row 1, column 4"));
    EXPECT_EQ(t.description, QStringLiteral("52 squares opened"));
    EXPECT_EQ(ui::openedNews(game::Button::Middle, 1), QStringLiteral("1 square opened"));
    t = hear(Qt::Key_C);
    EXPECT_TRUE(t.fresh);
    EXPECT_EQ(t.description, QStringLiteral("Mines left: 8. Time: 1 second"));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QString(), true);
    heard().clear();
    QApplication::sendEvent(window.field(), &held);
    EXPECT_TRUE(take(QAccessible::Focus).empty());  // a held C asks once
    // A move tells the square moved to, and none of the last key's news.
    t = hear(Qt::Key_Down);
    EXPECT_EQ(t.name, QStringLiteral("3, row 2, column 4"));
    EXPECT_EQ(t.description, QString());

    keys({Qt::Key_Left});
    t = hear(Qt::Key_Left);
    EXPECT_EQ(t.name, QStringLiteral("covered, row 2, column 2"));
    t = hear(Qt::Key_Space);
    EXPECT_EQ(t.name, QStringLiteral("8, row 2, column 2"));
    EXPECT_EQ(t.description, QStringLiteral("Game won in 1 second"));
}

TEST_F(Accessible, TheLossIsToldAtOnceWithTheSquareThatWentOff) {
    random.scriptMines(kMines, 64);
    keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right,
          Qt::Key_Right});
    Told t = hear(Qt::Key_Space);
    EXPECT_EQ(t.name, QStringLiteral("empty, row 5, column 4"));
    EXPECT_EQ(t.description, QStringLiteral("53 squares opened"));
    keys({Qt::Key_PageDown, Qt::Key_End});
    t = hear(Qt::Key_Space);
    EXPECT_EQ(t.name, QStringLiteral("exploded mine, row 8, column 8"));
    EXPECT_EQ(t.description, QStringLiteral("Game lost"));

    // A chord with a wrong flag: the mine that goes off is not under the cursor.
    key(Qt::Key_F2);
    random.scriptMines(kMines, 64);
    keys({Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space,
          Qt::Key_Right, Qt::Key_F, Qt::Key_Left, Qt::Key_Left, Qt::Key_F, Qt::Key_Right});
    t = hear(Qt::Key_Return);
    EXPECT_EQ(t.name, QStringLiteral("2, row 1, column 4"));
    EXPECT_EQ(t.description, QStringLiteral("Game lost, exploded mine at row 2, column 3"));
}

// F2 from the squares or from the face, a level chosen from the menu with the field focused or
// not: each new game is told once, where the keys are, with its level and size.
TEST_F(Accessible, ANewGameIsToldWithItsLevelAndSizeWhereverTheKeysAre) {
    Told t = hear(Qt::Key_F2);
    EXPECT_TRUE(t.fresh);
    EXPECT_EQ(t.name, QStringLiteral("covered, row 1, column 1"));
    EXPECT_EQ(t.description, QStringLiteral("New game, Custom, 8 by 8, 10 mines"));
    // Home moves nothing from the first column, but the cursor comes into view: it is told.
    EXPECT_EQ(hear(Qt::Key_Home).name, QStringLiteral("covered, row 1, column 1"));

    heard().clear();
    window.findChild<QAction*>(QStringLiteral("mnuBeginner"))->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(take(QAccessible::Focus).at(0).description,
              QStringLiteral("New game, Beginner, 8 by 8, 10 mines"));
    // Told already: back from elsewhere, the square alone.
    window.field()->clearFocus();
    window.field()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(take(QAccessible::Focus).back().description, QString());

    // Chosen while the keyboard is elsewhere (a menu, a dialog): told when it comes back.
    window.field()->clearFocus();
    heard().clear();
    window.findChild<QAction*>(QStringLiteral("mnuHard"))->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(take(QAccessible::Focus).empty());
    window.field()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(take(QAccessible::Focus).back().description,
              QStringLiteral("New game, Expert, 30 by 16, 99 mines"));

    t = hear(Qt::Key_Tab);
    EXPECT_EQ(t.name, QStringLiteral("New game"));
    EXPECT_TRUE(part(1)->state().focused);
    EXPECT_EQ(fieldIface()->focusChild(), part(1));
    EXPECT_FALSE(cellAt(0, 0)->state().focused);
    EXPECT_EQ(part(3)->focusChild(), nullptr);
    t = hear(Qt::Key_F2);
    EXPECT_TRUE(t.fresh);
    EXPECT_EQ(t.name, QStringLiteral("New game"));
    EXPECT_EQ(t.description, QStringLiteral("New game, Expert, 30 by 16, 99 mines"));
}

// Only a reader that asks the accessibility bus for announcements by name is sent them.
TEST(AnnouncementListeners, AreReadersThatAskForThemByName) {
    for (const char* event :
         {"object:announcement", "Object:Announcement:", "object:announcement:"})
        EXPECT_TRUE(ui::AnnouncementListeners::isAnnouncement(QLatin1String(event))) << event;
    for (const char* event : {"object:", "Object", "", "object:announcements", "window:activate"})
        EXPECT_FALSE(ui::AnnouncementListeners::isAnnouncement(QLatin1String(event))) << event;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// A reader that takes announcements hears a key's news as one, with the square it is about,
// and its focus stays put; the square's new name waits until the keys leave it, which the
// reader would otherwise speak as well.
TEST_F(Accessible, AReaderThatTakesAnnouncementsHearsEachKeyAsOne) {
    ui::accessibleAnnouncementsTaken(*window.field(), true);
    random.scriptMines(kMines, 64);
    keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right,
          Qt::Key_Right});
    heard().clear();
    key(Qt::Key_Space);
    const auto told = take(QAccessible::Announcement);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].value.toString(),
              QStringLiteral("empty, row 5, column 4. 53 squares opened"));
    EXPECT_TRUE(take(QAccessible::Focus).empty());
    EXPECT_EQ(fieldIface()->focusChild()->text(QAccessible::Description), QString());
    const auto changedHere = [](const Heard& h) {
        return h.type == QAccessible::NameChanged &&
               h.name == QStringLiteral("empty, row 5, column 4");
    };
    EXPECT_EQ(std::count_if(heard().begin(), heard().end(), changedHere), 0);

    heard().clear();
    key(Qt::Key_Right);
    const auto focus = std::find_if(heard().begin(), heard().end(),
                                    [](const Heard& h) { return h.type == QAccessible::Focus; });
    ASSERT_NE(focus, heard().end());
    EXPECT_EQ(focus->name, QStringLiteral("empty, row 5, column 5"));
    EXPECT_EQ(std::count_if(focus, heard().end(), changedHere), 1);
}
#endif

// A player with the mouse hears nothing new: a click moves no focus, and the last key's news
// goes out of date with it.
TEST_F(Accessible, AClickIsNotToldAndOutdatesTheLastKeysNews) {
    random.scriptMines(kMines, 64);
    click(36);
    ASSERT_EQ(hear(Qt::Key_F).description, QStringLiteral("Mines left: 9"));
    heard().clear();
    click(64, Qt::RightButton);
    EXPECT_TRUE(take(QAccessible::Focus).empty());
    EXPECT_EQ(fieldIface()->focusChild()->text(QAccessible::Description), QString());
}

// The prompt for a record takes the keyboard, and the reader's voice with it: it waits until
// the reader has read the win.
class AccessibleRecord : public ::testing::Test {
protected:
    AccessibleRecord() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        window.field()->setFocus();
        QCoreApplication::processEvents();
    }
    // Mines on the first ten squares: Space on the last one wins Beginner in one second.
    void winByKeys() {
        random.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 64);
        for (Qt::Key k : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Space}) {
            QTest::keyClick(window.field(), k);
        }
        QCoreApplication::processEvents();
        ASSERT_TRUE(window.form().state().won);
    }

    ReaderPresent reader;
    QTemporaryDir dir;
    game::Module1 settings;
    testing_support::ScriptedRandom random;
    ui::MainWindow window{settings, random, dir.filePath(QStringLiteral("minebs.txt"))};
};

// A reader that takes its time: it reads the win a moment after it is told, and the prompt
// comes only after that.
TEST_F(AccessibleRecord, ThePromptWaitsUntilTheReaderHasReadTheWin) {
    readsDescriptions() = false;
    const auto news = [this] {
        return QAccessible::queryAccessibleInterface(window.field())
            ->focusChild()
            ->text(QAccessible::Description);
    };
    QString read;
    QElapsedTimer sinceRead;
    QTimer::singleShot(200, [&] {
        sinceRead.start();
        read = news();
    });
    // The keyboard comes back as the winning key goes up: a look at the news before the focus
    // brings it is no reading of it.
    window.field()->clearFocus();
    QTimer::singleShot(0, news);
    window.field()->setFocus();
    QString readBeforePrompt;
    qint64 spokenFor = 0;
    testing_support::ModalAnswer prompt("recordPrompt", [&](QWidget* w) {
        readBeforePrompt = read;
        spokenFor = sinceRead.isValid() ? sinceRead.elapsed() : 0;
        static_cast<QDialog*>(w)->reject();
    });
    winByKeys();
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompt.count == 1; }, 5000));
    EXPECT_EQ(readBeforePrompt, QStringLiteral("54 squares opened. Game won in 1 second"));
    EXPECT_GE(spokenFor, 1400);  // and had the time to speak it
}

// A win that sets no record opens nothing, so nothing waits for the reader: F2 right after it
// starts the next game.
TEST_F(AccessibleRecord, AWinWithoutARecordHoldsUpNoKey) {
    QFile file(dir.filePath(QStringLiteral("minebs.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"  1999999Ann     MrNobodyMrNobody\"\r\n");
    file.close();
    window.form().mnuNew_Click();
    readsDescriptions() = false;
    random.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 64);
    QTest::keyClick(window.field(), Qt::Key_PageDown);
    QTest::keyClick(window.field(), Qt::Key_End);
    QTest::keyPress(window.field(), Qt::Key_Space);
    // Due the moment the release that wins has done its work.
    QTimer::singleShot(0, [&] { window.form().mnuNew_Click(); });
    QTest::keyRelease(window.field(), Qt::Key_Space);
    ASSERT_TRUE(window.form().state().won);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.form().state().won);  // the next game began
    EXPECT_TRUE(window.form().state().playing);
}

TEST_F(AccessibleRecord, ThePromptComesAllTheSameWhenNoReaderReadsTheWin) {
    readsDescriptions() = false;
    testing_support::ModalAnswer prompt("recordPrompt",
                                        [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    winByKeys();
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompt.count == 1; }, 5000));
}

// A reader that has gone leaves no news to wait for: the prompt comes at once.
TEST_F(AccessibleRecord, ThePromptWaitsForNoReaderThatLeft) {
    QTest::keyClick(window.field(), Qt::Key_C);  // the last news it had
    QAccessible::setActive(false);
    bool waited = false;  // the event loop turned before the prompt came
    QTimer::singleShot(0, [&] { waited = QApplication::activeModalWidget() == nullptr; });
    testing_support::ModalAnswer prompt("recordPrompt",
                                        [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    winByKeys();
    EXPECT_EQ(prompt.count, 1);
    EXPECT_FALSE(waited);
}

// Every name and description a reader meets through two games by keys to their losses, the
// field's parts and every square after the second, all in the pseudo-language.
class AccessibleInPseudoLanguage : protected testing_support::PseudoLanguage, public Accessible {};

TEST_F(AccessibleInPseudoLanguage, NothingIsReadOrToldInEnglish) {
    window.findChild<QAction*>(QStringLiteral("mnuMarks"))->trigger();
    random.scriptMines(kMines, 64);
    keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right,
          Qt::Key_Right, Qt::Key_Space, Qt::Key_C, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Space,
          Qt::Key_F2});
    random.scriptMines(kMines, 64);
    keys({Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space,
          Qt::Key_Right, Qt::Key_F, Qt::Key_Left, Qt::Key_Left, Qt::Key_F, Qt::Key_Down, Qt::Key_F,
          Qt::Key_F, Qt::Key_Up, Qt::Key_Right, Qt::Key_Return});
    ASSERT_FALSE(window.form().state().playing);
    QStringList words;
    for (const Heard& h : heard()) {
        words << h.name << h.description;
    }
    for (int i = 0; i < fieldIface()->childCount(); ++i) {
        words << part(i)->text(QAccessible::Name) << part(i)->text(QAccessible::Description);
    }
    words << fieldIface()->text(QAccessible::Name);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            words << cellName(row, column);
        }
    }
    for (const QString& w : words) {
        EXPECT_EQ(english(w), QString()) << w.toStdString();
    }
}

}  // namespace
