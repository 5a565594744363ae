// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QTest>
#include <algorithm>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "support/scripted_random.h"
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
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
    QVariant value;  // for a value change
    QRect range;     // columns by rows, for a table change
    QAccessibleTableModelChangeEvent::ModelChangeType change{};
};

std::vector<Heard>& heard() {
    static std::vector<Heard> events;
    return events;
}

void listen(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    if (iface == nullptr) {
        return;
    }
    Heard h;
    h.type = event->type();
    h.role = iface->role();
    h.name = iface->text(QAccessible::Name);
    h.description = iface->text(QAccessible::Description);
    if (event->type() == QAccessible::ValueChanged) {
        h.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    }
    if (event->type() == QAccessible::TableModelChanged) {
        const auto* e = static_cast<QAccessibleTableModelChangeEvent*>(event);
        h.range =
            QRect(QPoint(e->firstColumn(), e->firstRow()), QPoint(e->lastColumn(), e->lastRow()));
        h.change = e->modelChangeType();
    }
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
    QAccessibleTableInterface* table() { return part(3)->tableInterface(); }
    QString cellName(int row, int column) {
        return table()->cellAt(row, column)->text(QAccessible::Name);
    }
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
    EXPECT_EQ(part(3)->role(), QAccessible::Grouping);  // a table by its interface only
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(part(i)->parent(), field);
        EXPECT_EQ(field->indexOfChild(part(i)), i);
    }
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->rowCount(), 8);
    EXPECT_EQ(table()->columnCount(), 8);
    QAccessibleInterface* cell = table()->cellAt(2, 3);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("covered, row 3, column 4"));
    EXPECT_EQ(cell->parent(), part(3));
    EXPECT_EQ(part(3)->indexOfChild(cell), 2 * 8 + 3);
    EXPECT_EQ(part(3)->child(2 * 8 + 3), cell);
    EXPECT_EQ(cell->rect(), QRect(window.field()->mapToGlobal(QPoint(60, 87)), QSize(16, 16)));
    EXPECT_EQ(field->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);

    window.findChild<QAction*>(QStringLiteral("mnuHard"))->trigger();
    EXPECT_EQ(table()->rowCount(), 16);
    EXPECT_EQ(table()->columnCount(), 30);
    EXPECT_EQ(cellName(15, 29), QStringLiteral("covered, row 16, column 30"));
    EXPECT_EQ(part(0)->text(QAccessible::Name), QStringLiteral("Mines left: 99"));
    EXPECT_EQ(take(QAccessible::TableModelChanged).at(0).change,
              QAccessibleTableModelChangeEvent::ModelReset);
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
    EXPECT_EQ(fieldIface()->focusChild(), table()->cellAt(4, 3));
    // Coming back to the field, the reader lands on the cursor's square, not on the field.
    window.field()->clearFocus();
    window.field()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(take(QAccessible::Focus).back().name, QStringLiteral("covered, row 5, column 4"));
    EXPECT_TRUE(table()->cellAt(4, 3)->state().focused);
    EXPECT_FALSE(table()->cellAt(4, 2)->state().focused);

    heard().clear();
    key(Qt::Key_Space);
    const auto names = take(QAccessible::NameChanged);
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), [](const Heard& h) {
        return h.name == QStringLiteral("empty, row 5, column 4");
    }));
    const auto changes = take(QAccessible::TableModelChanged);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].change, QAccessibleTableModelChangeEvent::DataChanged);
    EXPECT_EQ(changes[0].range, QRect(0, 0, 8, 8));
    const auto values = take(QAccessible::ValueChanged);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, QStringLiteral("Time: 1 second"));

    heard().clear();
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_F}) {
        key(k);
    }
    ASSERT_EQ(take(QAccessible::NameChanged).size(), 1u);
    EXPECT_EQ(take(QAccessible::NameChanged)[0].name, QStringLiteral("flagged, row 2, column 3"));
    const auto counter = take(QAccessible::ValueChanged);
    ASSERT_EQ(counter.size(), 1u);  // 10 to 9 passes through 0 digit by digit
    EXPECT_EQ(counter[0].value, QVariant(9));
    EXPECT_EQ(counter[0].name, QStringLiteral("Mines left: 9"));
}

// The face tells how a game ended, and its press action starts the next one.
TEST_F(Accessible, TheLossAndTheWinAreToldAndTheFaceButtonStartsANewGame) {
    random.scriptMines(kMines, 64);
    click(36);
    heard().clear();
    click(1);
    // Told by the face, and by the square under the cursor, where a reader follows the game.
    auto ends = take(QAccessible::DescriptionChanged);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].role, QAccessible::PushButton);
    EXPECT_EQ(ends[0].description, QStringLiteral("Game lost"));
    EXPECT_EQ(ends[1].name, QStringLiteral("exploded mine, row 1, column 1"));
    EXPECT_EQ(ends[1].description, QStringLiteral("Game lost"));

    heard().clear();
    QAccessibleActionInterface* face = part(1)->actionInterface();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    face->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_EQ(cellName(0, 0), QStringLiteral("covered, row 1, column 1"));
    EXPECT_EQ(take(QAccessible::TableModelChanged).at(0).change,
              QAccessibleTableModelChangeEvent::ModelReset);
    ends = take(QAccessible::DescriptionChanged);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].description, QString());

    random.scriptMines(kMines, 64);
    click(36);
    heard().clear();
    click(10);
    ends = take(QAccessible::DescriptionChanged);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].description, QStringLiteral("Game won"));
    EXPECT_EQ(ends[1].description, QStringLiteral("Game won"));
}

}  // namespace
