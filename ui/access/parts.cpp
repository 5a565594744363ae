// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/parts.h"

#include "game/limits.h"
#include "ui/access/field_interface.h"
#include "ui/field_widget.h"

namespace ui {

namespace {

constexpr int kMostMinesAround = 8;

// The number of mines an uncovered square shows, 0 for none; -1 for a square not uncovered.
int minesShown(game::PictureId picture) {
    const int shown = game::tileRole(picture) - static_cast<int>(game::Tile::Open);
    return shown >= 0 && shown <= kMostMinesAround ? shown : -1;
}

// What a square shows, by the role of its picture in any tile set.
QString squareText(game::PictureId picture) {
    if (const int shown = minesShown(picture); shown >= 0) {
        return shown == 0 ? Speech::tr("empty") : QString::number(shown);
    }
    switch (static_cast<game::Tile>(game::tileRole(picture))) {
        case game::Tile::Flag:
            return Speech::tr("flagged");
        case game::Tile::Mine:
            return Speech::tr("mine");
        case game::Tile::Exploded:
            return Speech::tr("exploded mine");
        case game::Tile::WrongFlag:
            return Speech::tr("wrong flag");
        case game::Tile::Question:
        case game::Tile::QuestionPressed:
            return Speech::tr("question mark");
        default:
            return Speech::tr("covered");
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

int squareCount(const FieldLayout& layout) {
    return layout.across * layout.down;
}

}  // namespace

bool showsOpen(game::PictureId picture) {
    return minesShown(picture) >= 0;
}

int explodedSquare(const FieldWidget& field) {
    const int n = squareCount(field.fieldLayout());
    for (int k = 1; k <= n; ++k) {
        if (game::tileRole(field.boxPicture(k)) == static_cast<int>(game::Tile::Exploded)) {
            return k;
        }
    }
    return 0;
}

QString gameStatus(const FieldWidget& field) {
    switch (field.facePicture()) {
        case game::kFaceLost:
            return Speech::tr("Game lost");
        case game::kFaceWon:
            return Speech::tr("Game won");
        default:
            return {};
    }
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
    return clock_ ? timeNews(v) : minesLeftNews(v);
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
            return Speech::tr("New game");
        case QAccessible::Description: {
            const QString news = field_.newsFor(this);
            return news.isEmpty() ? gameStatus(widget()) : news;
        }
        default:
            return {};
    }
}

QAccessible::State FaceAccessible::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.focused = field_.focusChild() == this;
    return s;
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
        return field_.newsFor(this);  // what the last key did, read where the player is
    }
    if (t != QAccessible::Name) {
        return {};
    }
    //: A square as a screen reader reads it: %1 is what it shows ("covered", "3").
    return Speech::tr("%1, row %2, column %3")
        .arg(squareText(widget().boxPicture(square())))
        .arg(row_ + 1)
        .arg(column_ + 1);
}

QRect CellAccessible::rect() const {
    return widget().screenRect(elementRect(widget().fieldLayout().firstBox + square() - 1));
}

// Focused only as the identity the square has now, not as one a reader was on before.
QAccessible::State CellAccessible::state() const {
    QAccessible::State s;
    s.focusable = true;
    s.focused = field_.focusChild() == this;
    return s;
}

QAccessibleInterface* CellAccessible::parent() const {
    return field_.part(kSquares);
}

// ---- SquaresAccessible

int SquaresAccessible::childCount() const {
    return squareCount(widget().fieldLayout());
}

QAccessibleInterface* SquaresAccessible::child(int index) const {
    return field_.cell(index + 1);
}

int SquaresAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const CellAccessible*>(child);
    if (cell == nullptr || !cell->isValid() || cell->parent() != this) {
        return -1;
    }
    return cell->row() * field_.across() + cell->column();
}

QAccessibleInterface* SquaresAccessible::childAt(int x, int y) const {
    return field_.cellAt(rect(), x, y);
}

QAccessibleInterface* SquaresAccessible::focusChild() const {
    QAccessibleInterface* focus = field_.focusChild();
    return focus != nullptr && focus->parent() == this ? focus : nullptr;
}

QString SquaresAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return Speech::tr("Field");
    }
    if (t == QAccessible::Description) {
        return Speech::tr("%1 rows by %2 columns").arg(field_.down()).arg(field_.across());
    }
    return {};
}

QRect SquaresAccessible::rect() const {
    const FieldLayout& l = widget().fieldLayout();
    return widget().screenRect(elementRect(l.firstBox) |
                               elementRect(l.firstBox + squareCount(l) - 1));
}

}  // namespace ui
