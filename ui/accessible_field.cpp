// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_field.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "ui/accessible_news.h"
#include "ui/field_widget.h"

namespace ui {

namespace {

// Time for a reader to speak the news once it has read it, before anything else takes the
// keyboard (and the reader's voice); and how long to wait for a reader that does not read it.
constexpr int kSpeakingMs = 1500;
constexpr int kUnreadMs = 1000;

// Runs a's waiting work after `ms`, if the field is still there then.
void runWaitingLater(FieldWidget& field, int ms) {
    QTimer::singleShot(ms, &field, [w = QPointer<FieldWidget>(&field)] {
        if (FieldAccessible* a = fieldAccessible(*w)) {
            a->runWaitingNow();
        }
    });
}

}  // namespace

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

QAccessibleInterface* FieldAccessible::focused() const {
    return field().faceHasKeys() ? part(kFace) : cell(field().cursorSquare());
}

QString FieldAccessible::newsFor(const QAccessibleInterface* iface) const {
    if (newsId_ == 0 || QAccessible::accessibleInterface(newsId_) != iface) {
        return {};
    }
    if (newsTold_ && !std::exchange(newsRead_, true) && !waiting_.empty()) {
        runWaitingLater(field(), kSpeakingMs);
    }
    return news_;
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
    return t == QAccessible::Name ? QStringLiteral("Game") : QAccessibleWidget::text(t);
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
        tellNews(newGameNews(field().level(), a, down(), counter(kMineCounter)));
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

void FieldAccessible::cursorMoved() {
    clearNews();
    focusIn();
}

void FieldAccessible::focusIn() {
    // Cleared here and not as the field lost the keyboard: a reader may still be reading the
    // news then, as a record's prompt comes up after the win.
    if (newsStale_) {
        clearNews();
    }
    sendFocus();
}

// Moves a reader to the object the keys act on. One that takes announcements hears the news
// that way as well, with the square it is about: it comes last, so that is what such a reader
// finishes with.
void FieldAccessible::sendFocus() {
    QAccessibleInterface* iface = focused();
    newsTold_ = true;
    QAccessibleEvent event(iface, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!news_.isEmpty() && QAccessible::uniqueId(iface) == newsId_) {
        QAccessibleAnnouncementEvent announcement(
            iface, joinNews({iface->text(QAccessible::Name), news_}));
        QAccessible::updateAccessibility(&announcement);
    }
#endif
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

void FieldAccessible::countersAsked() {
    tellNews(joinNews({minesLeftNews(counter(kMineCounter)), timeNews(counter(kClock))}));
}

void FieldAccessible::afterNewsRead(std::function<void()> then) {
    if (news_.isEmpty()) {
        then();
        return;
    }
    waiting_.push_back(std::move(then));
    runWaitingLater(field(), newsRead_ ? kSpeakingMs : kUnreadMs);
}

void FieldAccessible::runWaitingNow() {
    for (auto& then : std::exchange(waiting_, {})) {
        then();
    }
}

void FieldAccessible::clearNews() {
    news_.clear();
    newsId_ = 0;
    newsTold_ = false;
    newsStale_ = false;
    newsRead_ = false;
}

// A reader speaks the focus when it moves to another object, and says nothing when it lands on
// the one it is on: so the news comes with a new identity for the square (or the face), and the
// old one is let go.
void FieldAccessible::tellNews(const QString& news) {
    QAccessible::Id& id = field().faceHasKeys() ? parts_[kFace] : cellId(field().cursorSquare());
    if (id != 0) {
        QAccessible::deleteAccessibleInterface(std::exchange(id, 0));
    }
    focused();  // registers the new identity
    news_ = news;
    newsId_ = id;
    newsStale_ = false;
    newsRead_ = false;
    newsTold_ = false;
    if (field().hasFocus()) {
        sendFocus();
    }
}

}  // namespace ui
