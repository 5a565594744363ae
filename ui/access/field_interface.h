// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_ACCESS_FIELD_INTERFACE_H
#define FIELDCLEAR_UI_ACCESS_FIELD_INTERFACE_H

#include <QAccessibleWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "game/form1_view.h"
#include "game/limits.h"
#include "ui/access/announcement_listeners.h"
#include "ui/access/parts.h"
#include "ui/field_widget.h"

namespace ui {

// The field widget's own interface: the parent of the parts, and the one place that knows
// what the tools have been told.
class FieldAccessible final : public QAccessibleWidget {
public:
    explicit FieldAccessible(FieldWidget* field);
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
    // The square under the keyboard's cursor, or the face when it has the keys.
    QAccessibleInterface* focused() const;
    // What the object the keys act on has to tell since the last key; empty for any other.
    QString newsFor(const QAccessibleInterface* iface) const;

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
    // The keys moved to another square or to the face: it is told, with no news.
    void cursorMoved();
    // The field took the keyboard, and a moment later the reader lands where the keys are,
    // with the news that came while it was elsewhere or came in that moment (a new game from
    // a menu or a dialog), but not with news it was told before it left.
    void focusComing() { focusOwed_ = true; }
    void focusIn();
    void focusOut() { newsStale_ = newsTold_; }
    // A key's release on a square, from before it acts to when it has done all it does.
    void actionStarted(game::Button button);
    void actionFinished();
    void countersAsked();
    // Runs `then` once a reader has read the news last told and had a moment to speak it, or
    // after a while if none reads it.
    void afterNewsRead(std::function<void()> then);
    // Whether the reader takes announcements: the news of a key then goes out as one, and the
    // focus stays where it is.
    void setAnnouncing(bool announcing) { announcing_ = announcing; }

private:
    void tell();
    std::size_t place(int k) const;
    QAccessible::Id& cellId(int k) const;
    // Tells `news` of the object the keys act on, the way the reader takes it.
    void tellNews(const QString& news);
    void tellNewGame();
    void sendFocus();
    // Moves the reader's focus to the field where it was owed, unless the keyboard has left.
    void payFocus();
    void announce();
    // Tells the reader of square k's new name, if it has read the square and the name changed
    // since; or, with `held`, keeps it for later.
    void sendNameChanged(int k, bool held);
    void sendHeldName();
    void clearNews();
    void finishAction();
    void runWaitingIn(int ms) const;
    int counter(Part p) const;

    mutable std::array<QAccessible::Id, kParts> parts_{};
    // By row * kMaxAcross + column: a cell stands for a place in the field, whatever its size.
    mutable std::array<QAccessible::Id, game::kMaxSquares> cells_{};
    // What each of them showed, by its picture's role, when its name was last read or told.
    mutable std::array<int, game::kMaxSquares> told_{};

    // Changes are told a turn of the event loop after they come, so that an opening of hundreds
    // of squares or a counter's three digits make one burst of news rather than a stream of
    // half-states.
    bool telling_ = false;
    bool newGame_ = false;    // a new game waits to be told
    bool focusOwed_ = false;  // the field has the keyboard, the reader's focus is not there yet
    int toldMines_ = 0;
    int toldClock_ = 0;
    QString toldStatus_;

    // The release being carried out, and the squares it has uncovered so far.
    bool acting_ = false;
    game::Button action_ = game::Button::Left;
    int opened_ = 0;

    QString news_;
    QAccessible::Id newsId_ = 0;  // the identity that tells it
    bool newsTold_ = false;       // the reader has had it since, by the focus or announced
    bool newsStale_ = false;      // and the field has lost the keyboard since then
    mutable bool newsRead_ = false;
    std::vector<std::function<void()>> waiting_;  // for the news to be read
    mutable int waitTurn_ = 0;                    // the last time set for it

    bool announcing_ = false;
    std::unique_ptr<AnnouncementListeners> listeners_;
    // The square under the keys whose new name a reader was told in an announcement: it is
    // told as a change once the keys leave it, as a reader presents a change of its focus.
    int heldName_ = 0;
};

// The field widget's interface, made by Qt's factory at its first use.
FieldAccessible* fieldAccessible(FieldWidget& field);

}  // namespace ui

#endif
