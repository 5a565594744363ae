// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/hooks.h"

#include <QPointer>

#include "ui/access/field_interface.h"
#include "ui/field_widget.h"

namespace ui {

namespace {

QAccessibleInterface* fieldFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(FieldWidget::staticMetaObject.className())) {
        return new FieldAccessible(static_cast<FieldWidget*>(object));  // Qt's cache owns it
    }
    return nullptr;
}

// Qt tells of the widget's focus after its focus-in event: the square's comes after that, so
// the reader lands on the square under the cursor.
void tellFocusLater(FieldWidget& field) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->focusComing();
    }
    QPointer<FieldWidget> w = &field;
    QMetaObject::invokeMethod(
        w,
        [w] {
            if (FieldAccessible* a = fieldAccessible(*w)) {
                a->focusIn();
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

void accessibleFocusOut(FieldWidget& field) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->focusOut();
    }
}

void accessibleCursorMoved(FieldWidget& field) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->cursorMoved();
    }
}

void accessibleActionStarted(FieldWidget& field, game::Button button) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->actionStarted(button);
    }
}

void accessibleActionFinished(FieldWidget& field) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->actionFinished();
    }
}

void accessibleAfterNewsRead(FieldWidget& field, std::function<void()> then) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->afterNewsRead(std::move(then));
    } else {
        then();
    }
}

void accessibleCountersAsked(FieldWidget& field) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->countersAsked();
    }
}

void accessibleAnnouncementsTaken(FieldWidget& field, bool taken) {
    if (FieldAccessible* a = fieldAccessible(field)) {
        a->setAnnouncing(taken);
    }
}

}  // namespace ui
