// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_field.h"

#include <QPointer>
#include <algorithm>
#include <utility>

#include "ui/accessible_news.h"
#include "ui/field_widget.h"

namespace ui {

FieldAccessible* fieldAccessible(FieldWidget& field) {
    return dynamic_cast<FieldAccessible*>(QAccessible::queryAccessibleInterface(&field));
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

QAccessible::Id& FieldAccessible::cellId(int k) const {
    const int row = (k - 1) / across();
    const int column = (k - 1) % across();
    return cells_[static_cast<std::size_t>(row * game::kMaxAcross + column)];
}

QAccessibleInterface* FieldAccessible::cell(int k) const {
    const int a = across();
    if (k < 1 || k > a * down()) {
        return nullptr;
    }
    QAccessible::Id& id = cellId(k);
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new CellAccessible(*this, (k - 1) / a, (k - 1) % a));
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
    return t == QAccessible::Name ? Speech::tr("Game") : QAccessibleWidget::text(t);
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
    return field().hasFocus() ? focused() : nullptr;
}

void FieldAccessible::boxShown(int k) {
    const int n = across() * down();
    if (k <= n) {
        changed_.set(static_cast<std::size_t>(k));
    }
    if (!acting_ && k >= 1 && k <= n) {
        clearNews();  // a click changed the field: the last key's news is out of date
    } else if (acting_) {
        if (k >= 1 && k <= n && showsOpen(field().boxPicture(k))) {
            ++opened_;
        } else if (k == 0 && !gameStatus(field()).isEmpty()) {
            // Told at once, before anything the end of a game brings up (a record's prompt).
            finishAction();
        }
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
    if (std::exchange(newGame_, false)) {
        tellNewGame();
    }
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
    acting_ = false;
    QAccessibleTableModelChangeEvent event(part(kTable),
                                           QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
    newGame_ = true;
    boxShown(0);  // the counters and the face start again
}

}  // namespace ui
