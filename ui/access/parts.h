// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_ACCESS_PARTS_H
#define FIELDCLEAR_UI_ACCESS_PARTS_H

#include <QAccessible>
#include <QString>

#include "game/limits.h"
#include "game/pictures.h"
#include "ui/access/words.h"

namespace ui {

class FieldAccessible;
class FieldWidget;

// The field's parts in reading order: left to right along the top, then the squares.
enum Part { kMineCounter, kFace, kClock, kSquares, kParts };

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

// A square. It does not offer itself as a table's cell: a reader that finds the table from a
// cell reads the cell's whole row at every move up or down, where a player wants the one
// square the cursor moved to. Its name says where it is instead.
class CellAccessible final : public PartAccessible {
public:
    CellAccessible(const FieldAccessible& field, int row, int column)
        : PartAccessible(field), row_(row), column_(column) {}

    bool isValid() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;

    int column() const { return column_; }
    int row() const { return row_; }

private:
    int square() const;

    int row_;
    int column_;
};

// The squares, row by row, as a group and not as a table, for the same reason as its cells.
class SquaresAccessible final : public PartAccessible {
public:
    using PartAccessible::PartAccessible;

    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Grouping; }
};

}  // namespace ui

#endif
