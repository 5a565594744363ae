// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/field_interface.h"

#include <QPointer>
#include <utility>

#include "ui/access/words.h"
#include "ui/field_widget.h"

namespace ui {

FieldAccessible* fieldAccessible(FieldWidget& field) {
    return dynamic_cast<FieldAccessible*>(QAccessible::queryAccessibleInterface(&field));
}

// ---- FieldAccessible

FieldAccessible::FieldAccessible(FieldWidget* field)
    : QAccessibleWidget(field, QAccessible::Client) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Only a Qt that sends announcements can use them.
    listeners_ = std::make_unique<AnnouncementListeners>([this](bool any) { setAnnouncing(any); });
#endif
}

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
                made = new SquaresAccessible(*this);
                break;
        }
        id = QAccessible::registerAccessibleInterface(made);
    }
    return QAccessible::accessibleInterface(id);
}

std::size_t FieldAccessible::place(int k) const {
    const int row = (k - 1) / across();
    const int column = (k - 1) % across();
    return static_cast<std::size_t>(row * game::kMaxAcross + column);
}

QAccessible::Id& FieldAccessible::cellId(int k) const {
    return cells_[place(k)];
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
        told_[place(k)] = game::tileRole(field().boxPicture(k));  // what its name says now
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
            return i == kSquares ? cellAt(p->rect(), x, y) : p;
        }
    }
    return nullptr;
}

QAccessibleInterface* FieldAccessible::focusChild() const {
    return field().hasFocus() ? focused() : nullptr;
}

void FieldAccessible::boxShown(int k) {
    const int n = across() * down();
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
    const int n = across() * down();
    for (int k = 1; k <= n; ++k) {
        sendNameChanged(k, announcing_ && field().hasFocus() && !field().faceHasKeys() &&
                               k == field().cursorSquare());
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
    if (focusOwed_) {
        payFocus();
    }
    // The face tells how the game ended; the square under the keys told it as news.
    const QString status = gameStatus(field());
    if (status != toldStatus_) {
        toldStatus_ = status;
        QAccessibleEvent face(part(kFace), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&face);
    }
}

// Only cells a tool has looked at can be out of date there, and only where their name changed
// since. A reader that was told the new name of the square under the keys in an announcement
// would speak the change a second time: that one waits.
void FieldAccessible::sendNameChanged(int k, bool held) {
    const std::size_t p = place(k);
    const int role = game::tileRole(field().boxPicture(k));
    if (cells_[p] == 0 || told_[p] == role) {
        return;
    }
    if (held) {
        heldName_ = k;
        return;
    }
    told_[p] = role;
    QAccessibleEvent event(cell(k), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

// Whatever a reader kept of the last game's squares differs from what it was told, and is told
// again as any change is.
void FieldAccessible::fieldBuilt() {
    heldName_ = 0;
    acting_ = false;
    newGame_ = true;
    boxShown(0);  // the counters and the face start again
}

}  // namespace ui
