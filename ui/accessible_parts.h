// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_ACCESSIBLE_PARTS_H
#define FIELDCLEAR_UI_ACCESSIBLE_PARTS_H

#include <QAccessible>
#include <QString>

#include "game/limits.h"
#include "game/pictures.h"
#include "ui/accessible_news.h"

namespace ui {

class FieldAccessible;
class FieldWidget;

// The field's parts in reading order: left to right along the top, then the squares.
enum Part { kMineCounter, kFace, kClock, kTable, kParts };

// The end of a game, as the face shows it; empty while one is on.
QString gameStatus(const FieldWidget& field);
// Whether a square's picture shows it uncovered, with or without a number.
bool showsOpen(game::PictureId picture);
// The square whose mine went off, 0 for none.
int explodedSquare(const FieldWidget& field);

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
    QAccessible::State state() const override;
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
    // A grouping rather than a table: readers read a table's whole row at every move up or
    // down, where a player wants the one square the cursor moved to.
    QAccessible::Role role() const override { return QAccessible::Grouping; }
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
        return Speech::tr("column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return Speech::tr("row %1").arg(row + 1); }
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

}  // namespace ui

#endif
