// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <bitset>

#include "game/limits.h"
#include "ui/field_widget.h"

namespace ui {

namespace {

// The field's parts in reading order: left to right along the top, then the squares.
enum Part { kMineCounter, kFace, kClock, kTable, kParts };

constexpr int kMostMinesAround = 8;

// What a square shows, by the role of its picture in any tile set.
QString squareText(game::PictureId picture) {
    const int role = game::tileRole(picture);
    const int open = static_cast<int>(game::Tile::Open);
    if (role == open) {
        return QStringLiteral("empty");
    }
    if (role > open && role <= open + kMostMinesAround) {
        return QString::number(role - open);
    }
    switch (static_cast<game::Tile>(role)) {
        case game::Tile::Flag:
            return QStringLiteral("flagged");
        case game::Tile::Mine:
            return QStringLiteral("mine");
        case game::Tile::Exploded:
            return QStringLiteral("exploded mine");
        case game::Tile::WrongFlag:
            return QStringLiteral("wrong flag");
        case game::Tile::Question:
        case game::Tile::QuestionPressed:
            return QStringLiteral("question mark");
        default:
            return QStringLiteral("covered");
    }
}

// A counter's value as its three digit pictures show it.
int counterValue(const FieldWidget& field, int firstDigit) {
    int value = 0;
    bool negative = false;
    for (int i = 0; i < game::kCounterDigits; ++i) {
        const game::PictureId digit = field.boxPicture(firstDigit + i);
        if (digit == game::kDigitMinus) {
            negative = true;
        } else {
            value = 10 * value + (digit - game::kDigitZero);
        }
    }
    return negative ? -value : value;
}

// The end of a game, as the face shows it; empty while one is on.
QString gameStatus(const FieldWidget& field) {
    switch (field.facePicture()) {
        case game::kFaceLost:
            return QStringLiteral("Game lost");
        case game::kFaceWon:
            return QStringLiteral("Game won");
        default:
            return {};
    }
}

int squareCount(const FieldLayout& layout) {
    return layout.across * layout.down;
}

class FieldAccessible;

// A part of the field that is no widget of its own. Qt's accessibility cache owns it once it
// is registered; the field's own interface hands it back to the cache when the field goes.
class PartAccessible : public QAccessibleInterface {
public:
    explicit PartAccessible(const FieldAccessible& field) : field_(field) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override { return {}; }

protected:
    FieldWidget& widget() const;
    QRect elementRect(int element) const;

    const FieldAccessible& field_;
};

class CounterAccessible final : public PartAccessible, public QAccessibleValueInterface {
public:
    CounterAccessible(const FieldAccessible& field, bool clock)
        : PartAccessible(field), clock_(clock) {}

    int value() const;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                : nullptr;
    }

    QVariant currentValue() const override { return value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return game::kClockLimit; }
    QVariant minimumValue() const override { return clock_ ? 0 : -99; }
    QVariant minimumStepSize() const override { return 1; }

private:
    int firstDigit() const;

    bool clock_;
};

class FaceAccessible final : public PartAccessible, public QAccessibleActionInterface {
public:
    using PartAccessible::PartAccessible;

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override {
        return {QStringLiteral("F2")};
    }
    void doAction(const QString& action) override;
};

class CellAccessible final : public PartAccessible, public QAccessibleTableCellInterface {
public:
    CellAccessible(const FieldAccessible& field, int row, int column)
        : PartAccessible(field), row_(row), column_(column) {}

    bool isValid() const override;
    QAccessibleInterface* parent() const override { return table(); }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    int square() const;

    int row_;
    int column_;
};

class TableAccessible final : public PartAccessible, public QAccessibleTableInterface {
public:
    using PartAccessible::PartAccessible;

    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return rowCount() * columnCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QStringLiteral("column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return QStringLiteral("row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}  // cells read live
};

// The field widget's own interface: the parent of the parts, and the one place that knows
// what the tools have been told.
class FieldAccessible final : public QAccessibleWidget {
public:
    explicit FieldAccessible(FieldWidget* field) : QAccessibleWidget(field, QAccessible::Client) {}
    ~FieldAccessible() override;

    FieldWidget& field() const { return *static_cast<FieldWidget*>(widget()); }
    int across() const { return field().fieldLayout().across; }
    int down() const { return field().fieldLayout().down; }

    QAccessibleInterface* part(Part p) const;
    // The cell of square k, 1..across * down.
    QAccessibleInterface* cell(int k) const;
    int indexOfPart(const QAccessibleInterface* child) const;
    // The cell under a point of the screen, given where the squares lie together.
    QAccessibleInterface* cellAt(const QRect& squares, int x, int y) const;

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return kParts; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override {
        return indexOfPart(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    void boxShown(int k);
    void fieldBuilt();
    void cursorMoved();

private:
    void tell();

    mutable std::array<QAccessible::Id, kParts> parts_{};
    // By row * kMaxAcross + column: a cell stands for a place in the field, whatever its size.
    mutable std::array<QAccessible::Id, game::kMaxSquares> cells_{};

    // Gathered between two turns of the event loop, so that an opening of hundreds of squares
    // or a counter's three digits make one burst of news rather than a stream of half-states.
    std::bitset<game::kTableSize> changed_;
    bool telling_ = false;
    int toldMines_ = 0;
    int toldClock_ = 0;
    QString toldStatus_;
};

FieldAccessible* fieldAccessible(FieldWidget& field) {
    return dynamic_cast<FieldAccessible*>(QAccessible::queryAccessibleInterface(&field));
}

QAccessibleInterface* fieldFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(FieldWidget::staticMetaObject.className())) {
        return new FieldAccessible(static_cast<FieldWidget*>(object));  // Qt's cache owns it
    }
    return nullptr;
}

// ---- PartAccessible

bool PartAccessible::isValid() const {
    return field_.isValid();
}

QWindow* PartAccessible::window() const {
    return field_.window();
}

QAccessibleInterface* PartAccessible::parent() const {
    return const_cast<FieldAccessible*>(&field_);
}

FieldWidget& PartAccessible::widget() const {
    return field_.field();
}

QRect PartAccessible::elementRect(int element) const {
    return widget().fieldLayout().elements[static_cast<std::size_t>(element)].rect;
}

// ---- CounterAccessible

int CounterAccessible::firstDigit() const {
    const int n = squareCount(widget().fieldLayout());
    return n + 1 + (clock_ ? game::kCounterDigits : 0);
}

int CounterAccessible::value() const {
    return counterValue(widget(), firstDigit());
}

QString CounterAccessible::text(QAccessible::Text t) const {
    const int v = value();
    if (t == QAccessible::Value) {
        return QString::number(v);
    }
    if (t != QAccessible::Name) {
        return {};
    }
    if (clock_) {
        return v == 1 ? QStringLiteral("Time: 1 second")
                      : QStringLiteral("Time: %1 seconds").arg(v);
    }
    return QStringLiteral("Mines left: %1").arg(v);
}

QRect CounterAccessible::rect() const {
    const FieldLayout& l = widget().fieldLayout();
    const int first = l.firstBox + firstDigit() - 1;
    return widget().screenRect(elementRect(first) | elementRect(first + game::kCounterDigits - 1));
}

// ---- FaceAccessible

QString FaceAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return QStringLiteral("New game");
        case QAccessible::Description:
            return gameStatus(widget());
        default:
            return {};
    }
}

QRect FaceAccessible::rect() const {
    return widget().screenRect(elementRect(widget().fieldLayout().face));
}

void FaceAccessible::doAction(const QString& action) {
    if (action == pressAction()) {
        // The same press and release as a click on the face.
        Q_EMIT widget().facePressed();
        Q_EMIT widget().faceReleased();
    }
}

// ---- CellAccessible

bool CellAccessible::isValid() const {
    return field_.isValid() && row_ < field_.down() && column_ < field_.across();
}

int CellAccessible::square() const {
    return row_ * field_.across() + column_ + 1;
}

QString CellAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description) {
        return gameStatus(widget());  // so that the end of a game is read where the player is
    }
    if (t != QAccessible::Name) {
        return {};
    }
    return QStringLiteral("%1, row %2, column %3")
        .arg(squareText(widget().boxPicture(square())))
        .arg(row_ + 1)
        .arg(column_ + 1);
}

QRect CellAccessible::rect() const {
    return widget().screenRect(elementRect(widget().fieldLayout().firstBox + square() - 1));
}

QAccessible::State CellAccessible::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.focused = widget().hasFocus() && widget().cursorSquare() == square();
    return s;
}

QAccessibleInterface* CellAccessible::table() const {
    return field_.part(kTable);
}

// ---- TableAccessible

int TableAccessible::columnCount() const {
    return field_.across();
}

int TableAccessible::rowCount() const {
    return field_.down();
}

QAccessibleInterface* TableAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    return field_.cell(row * columnCount() + column + 1);
}

QAccessibleInterface* TableAccessible::child(int index) const {
    const int a = columnCount();
    return a == 0 ? nullptr : cellAt(index / a, index % a);
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr || child->parent() != this) {
        return -1;
    }
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    return field_.cellAt(rect(), x, y);
}

QAccessibleInterface* TableAccessible::focusChild() const {
    return widget().hasFocus() ? field_.cell(widget().cursorSquare()) : nullptr;
}

QString TableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return QStringLiteral("Field");
    }
    if (t == QAccessible::Description) {
        return QStringLiteral("%1 rows by %2 columns").arg(rowCount()).arg(columnCount());
    }
    return {};
}

QRect TableAccessible::rect() const {
    const FieldLayout& l = widget().fieldLayout();
    return widget().screenRect(elementRect(l.firstBox) |
                               elementRect(l.firstBox + squareCount(l) - 1));
}

// ---- FieldAccessible

FieldAccessible::~FieldAccessible() {
    for (QAccessible::Id id : parts_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    for (QAccessible::Id id : cells_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

QAccessibleInterface* FieldAccessible::part(Part p) const {
    QAccessible::Id& id = parts_[static_cast<std::size_t>(p)];
    if (id == 0) {
        QAccessibleInterface* made = nullptr;
        switch (p) {
            case kMineCounter:
            case kClock:
                made = new CounterAccessible(*this, p == kClock);
                break;
            case kFace:
                made = new FaceAccessible(*this);
                break;
            default:
                made = new TableAccessible(*this);
                break;
        }
        id = QAccessible::registerAccessibleInterface(made);
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* FieldAccessible::cell(int k) const {
    const int a = across();
    if (k < 1 || k > a * down()) {
        return nullptr;
    }
    const int row = (k - 1) / a;
    const int column = (k - 1) % a;
    QAccessible::Id& id = cells_[static_cast<std::size_t>(row * game::kMaxAcross + column)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new CellAccessible(*this, row, column));
    }
    return QAccessible::accessibleInterface(id);
}

int FieldAccessible::indexOfPart(const QAccessibleInterface* child) const {
    for (int i = 0; i < kParts; ++i) {
        const QAccessible::Id id = parts_[static_cast<std::size_t>(i)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child) {
            return i;
        }
    }
    return -1;
}

QString FieldAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QStringLiteral("Game") : QAccessibleWidget::text(t);
}

QAccessibleInterface* FieldAccessible::child(int index) const {
    return index >= 0 && index < kParts ? part(static_cast<Part>(index)) : nullptr;
}

QAccessibleInterface* FieldAccessible::cellAt(const QRect& squares, int x, int y) const {
    if (!squares.contains(x, y)) {
        return nullptr;
    }
    // Every square has the same size.
    const int column = (x - squares.left()) * across() / squares.width();
    const int row = (y - squares.top()) * down() / squares.height();
    return cell(row * across() + column + 1);
}

QAccessibleInterface* FieldAccessible::childAt(int x, int y) const {
    for (int i = 0; i < kParts; ++i) {
        QAccessibleInterface* p = part(static_cast<Part>(i));
        if (p->rect().contains(x, y)) {
            return i == kTable ? cellAt(p->rect(), x, y) : p;
        }
    }
    return nullptr;
}

QAccessibleInterface* FieldAccessible::focusChild() const {
    return field().hasFocus() ? cell(field().cursorSquare()) : nullptr;
}

void FieldAccessible::boxShown(int k) {
    if (k <= squareCount(field().fieldLayout())) {
        changed_.set(static_cast<std::size_t>(k));
    }
    if (!telling_) {
        telling_ = true;
        QPointer<FieldWidget> w = &field();
        QMetaObject::invokeMethod(
            w,
            [w] {
                if (FieldAccessible* a = fieldAccessible(*w)) {
                    a->tell();
                }
            },
            Qt::QueuedConnection);
    }
}

void FieldAccessible::tell() {
    telling_ = false;
    const int a = across();
    const int n = a * down();
    int top = n, bottom = -1, left = a, right = -1;
    for (int k = 1; k <= n; ++k) {
        if (!changed_.test(static_cast<std::size_t>(k))) {
            continue;
        }
        const int row = (k - 1) / a;
        const int column = (k - 1) % a;
        top = std::min(top, row);
        bottom = std::max(bottom, row);
        left = std::min(left, column);
        right = std::max(right, column);
        // Only cells a tool has looked at can be out of date there.
        if (cells_[static_cast<std::size_t>(row * game::kMaxAcross + column)] != 0) {
            QAccessibleEvent event(cell(k), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
    changed_.reset();
    if (bottom >= 0) {
        QAccessibleTableModelChangeEvent event(part(kTable),
                                               QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(top);
        event.setLastRow(bottom);
        event.setFirstColumn(left);
        event.setLastColumn(right);
        QAccessible::updateAccessibility(&event);
    }
    const auto tellValue = [this](Part p, int& told) {
        const int now = static_cast<CounterAccessible*>(part(p))->value();
        if (now != told) {
            told = now;
            QAccessibleValueChangeEvent event(part(p), now);
            QAccessible::updateAccessibility(&event);
        }
    };
    tellValue(kMineCounter, toldMines_);
    tellValue(kClock, toldClock_);
    const QString status = gameStatus(field());
    if (status != toldStatus_) {
        toldStatus_ = status;
        QAccessibleEvent face(part(kFace), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&face);
        if (field().hasFocus()) {
            QAccessibleEvent square(cell(field().cursorSquare()), QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&square);
        }
    }
}

void FieldAccessible::fieldBuilt() {
    changed_.reset();
    QAccessibleTableModelChangeEvent event(part(kTable),
                                           QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
    boxShown(0);  // the counters and the face start again
}

void FieldAccessible::cursorMoved() {
    QAccessibleEvent event(cell(field().cursorSquare()), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// Qt tells of the widget's focus after its focus-in event: the square's comes after that, so
// the reader lands on the square under the cursor.
void tellFocusLater(FieldWidget& field) {
    QPointer<FieldWidget> w = &field;
    QMetaObject::invokeMethod(
        w,
        [w] {
            if (FieldAccessible* a = fieldAccessible(*w); a != nullptr && w->hasFocus()) {
                a->cursorMoved();
            }
        },
        Qt::QueuedConnection);
}

}  // namespace

void installFieldAccessibility() {
    QAccessible::installFactory(fieldFactory);
}

void accessibleBoxShown(FieldWidget& field, int k) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->boxShown(k);
    }
}

void accessibleFieldBuilt(FieldWidget& field) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->fieldBuilt();
    }
}

void accessibleFocusIn(FieldWidget& field) {
    tellFocusLater(field);
}

void accessibleCursorMoved(FieldWidget& field) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->cursorMoved();
    }
}

}  // namespace ui
