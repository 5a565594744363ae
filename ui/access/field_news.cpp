// SPDX-License-Identifier: GPL-3.0-or-later
// The field's interface, continued: where the keys are, and what each key did, told to a
// screen reader as it happens.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <utility>

#include "ui/access/field_interface.h"
#include "ui/access/words.h"
#include "ui/field_widget.h"

namespace ui {

namespace {

// Time for a reader to speak the news once it has read it, before anything else takes the
// keyboard (and the reader's voice); and how long to wait for a reader that does not read it.
constexpr int kSpeakingMs = 1500;
constexpr int kUnreadMs = 1000;

}  // namespace

// The work waiting for the news to be read runs `ms` from now, unless this is put off again
// in the meantime (the reader read it: time to speak it from then).
void FieldAccessible::runWaitingIn(int ms) const {
    QTimer::singleShot(ms, &field(), [w = QPointer<FieldWidget>(&field()), turn = ++waitTurn_] {
        if (FieldAccessible* a = fieldAccessible(*w); a != nullptr && a->waitTurn_ == turn) {
            for (auto& then : std::exchange(a->waiting_, {})) {
                then();
            }
        }
    });
}

QAccessibleInterface* FieldAccessible::focused() const {
    return field().faceHasKeys() ? part(kFace) : cell(field().cursorSquare());
}

QString FieldAccessible::newsFor(const QAccessibleInterface* iface) const {
    if (newsId_ == 0 || QAccessible::accessibleInterface(newsId_) != iface) {
        return {};
    }
    if (newsTold_ && !std::exchange(newsRead_, true) && !waiting_.empty()) {
        runWaitingIn(kSpeakingMs);
    }
    return news_;
}

void FieldAccessible::cursorMoved() {
    clearNews();
    sendFocus();
    sendHeldName();  // now that the reader's focus has left it
}

void FieldAccessible::sendHeldName() {
    if (const int k = std::exchange(heldName_, 0); k != 0 && k <= across() * down()) {
        sendNameChanged(k, false);
    }
}

// What brought the keyboard back (a dialog's OK, a menu's level) may have news on its way, being
// gathered now: the focus then waits for it, and carries it.
void FieldAccessible::focusIn() {
    if (focusOwed_ && !telling_) {
        payFocus();
    }
}

void FieldAccessible::payFocus() {
    focusOwed_ = false;
    // Gone again, or taken at once by a dialog opening (the menu that opened it gave it back).
    const QWidget* modal = QApplication::activeModalWidget();
    if (!field().hasFocus() || (modal != nullptr && modal != field().window())) {
        return;
    }
    // Cleared here and not as the field lost the keyboard: a reader may still be reading the
    // news then, as a record's prompt comes up after the win.
    if (newsStale_) {
        clearNews();
    }
    sendHeldName();  // before the reader's focus comes back to it
    sendFocus();
}

// Moves a reader to the object the keys act on, which reads the news as its description.
void FieldAccessible::sendFocus() {
    newsTold_ = true;
    QAccessibleEvent event(focused(), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// The object the keys act on and the news, in one announcement: a reader speaks one at once,
// cutting short whatever it was saying.
void FieldAccessible::announce() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleInterface* iface = focused();
    QAccessibleAnnouncementEvent event(iface, joinNews({iface->text(QAccessible::Name), news_}));
    QAccessible::updateAccessibility(&event);
#endif
    newsTold_ = true;
    newsRead_ = true;  // it is being spoken
}

void FieldAccessible::actionStarted(game::Button button) {
    acting_ = true;
    action_ = button;
    opened_ = 0;
}

void FieldAccessible::actionFinished() {
    if (acting_) {
        finishAction();
    }
}

int FieldAccessible::counter(Part p) const {
    return static_cast<CounterAccessible*>(part(p))->value();
}

void FieldAccessible::finishAction() {
    acting_ = false;
    QString opened = openedNews(action_, opened_);
    QString end;
    if (field().facePicture() == game::kFaceLost) {
        const int k = explodedSquare(field());
        end = lostNews((k - 1) / across() + 1, (k - 1) % across() + 1, k == field().cursorSquare());
        if (opened_ == 0) {
            opened.clear();  // a chord whose first square went off: the loss says it all
        }
    } else if (field().facePicture() == game::kFaceWon) {
        end = wonNews(counter(kClock));
    }
    const QString minesLeft =
        action_ == game::Button::Right ? minesLeftNews(counter(kMineCounter)) : QString();
    tellNews(joinNews({opened, minesLeft, end}));
}

void FieldAccessible::tellNewGame() {
    tellNews(newGameNews(field().level(), across(), down(), counter(kMineCounter)));
}

void FieldAccessible::countersAsked() {
    tellNews(joinNews({minesLeftNews(counter(kMineCounter)), timeNews(counter(kClock))}));
}

void FieldAccessible::afterNewsRead(std::function<void()> then) {
    if (news_.isEmpty()) {
        then();
        return;
    }
    waiting_.push_back(std::move(then));
    runWaitingIn(newsRead_ ? kSpeakingMs : kUnreadMs);
}

void FieldAccessible::clearNews() {
    news_.clear();
    newsId_ = 0;
    newsTold_ = false;
    newsStale_ = false;
    newsRead_ = false;
}

// A reader that takes announcements hears the news as one, unless its focus is coming to the
// field anyway. Otherwise the news is the description of the focus; but a reader speaks the
// focus when it moves to another object and says nothing when it lands where it is, so for a
// reader that takes no announcements the square (or the face) takes a new identity for it.
void FieldAccessible::tellNews(const QString& news) {
    news_ = news;
    newsStale_ = false;
    newsRead_ = false;
    newsTold_ = false;
    const bool focusNow = field().hasFocus() && !focusOwed_;
    if (announcing_ && focusNow) {
        newsId_ = 0;
        announce();
        return;
    }
    if (!announcing_) {
        QAccessible::Id& id =
            field().faceHasKeys() ? parts_[kFace] : cellId(field().cursorSquare());
        if (id != 0) {
            // Let go at once: a reader that could still ask the old identity would find it the
            // same square, and stay silent.
            QAccessible::deleteAccessibleInterface(std::exchange(id, 0));
        }
    }
    newsId_ = QAccessible::uniqueId(focused());  // registers a new identity where there is none
    if (focusNow) {
        sendFocus();
    }
}

}  // namespace ui
