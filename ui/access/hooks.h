// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_ACCESS_HOOKS_H
#define FIELDCLEAR_UI_ACCESS_HOOKS_H

#include <QAccessible>
#include <functional>

#include "game/form1_view.h"

namespace ui {

class FieldWidget;

// What assistive tools (screen readers, through AT-SPI on Linux) see of the field: the mine
// counter and the clock as labelled values, the face as a "New game" button, and the squares
// as a table of rows by columns whose cells read what they show. The keyboard's cursor is
// their focus.

// Lets Qt build that view of every field widget it is asked about. Safe to call again.
void installFieldAccessibility();

// Whether a tool listens, as Qt announces it: the field does no work for them until then.
class AccessibilityListening final : public QAccessible::ActivationObserver {
public:
    AccessibilityListening() : active_(QAccessible::isActive()) {
        QAccessible::installActivationObserver(this);
    }
    ~AccessibilityListening() override { QAccessible::removeActivationObserver(this); }
    AccessibilityListening(const AccessibilityListening&) = delete;
    AccessibilityListening& operator=(const AccessibilityListening&) = delete;

    void accessibilityActiveChanged(bool active) override { active_ = active; }
    bool active() const { return active_; }

private:
    bool active_;
};

// Changes the tools are told about, called only while one listens.
void accessibleBoxShown(FieldWidget& field, int k);  // k = 0 for the face
void accessibleFieldBuilt(FieldWidget& field);
void accessibleCursorMoved(FieldWidget& field);
void accessibleFocusIn(FieldWidget& field);
void accessibleFocusOut(FieldWidget& field);
// A key's release on a square: before it acts, and once it has done all it does.
void accessibleActionStarted(FieldWidget& field, game::Button button);
void accessibleActionFinished(FieldWidget& field);
void accessibleCountersAsked(FieldWidget& field);
void accessibleAfterNewsRead(FieldWidget& field, std::function<void()> then);
// Whether the reader takes announcements, as the accessibility bus tells the field by itself.
void accessibleAnnouncementsTaken(FieldWidget& field, bool taken);

}  // namespace ui

#endif
