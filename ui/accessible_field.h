// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_ACCESSIBLE_FIELD_H
#define FIELDCLEAR_UI_ACCESSIBLE_FIELD_H

#include <QAccessibleWidget>
#include <array>
#include <bitset>

#include "game/limits.h"
#include "ui/accessible_parts.h"
#include "ui/field_widget.h"

namespace ui {

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

// The field widget's interface, made by Qt's factory at its first use.
FieldAccessible* fieldAccessible(FieldWidget& field);

}  // namespace ui

#endif
