// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_ACCESS_ANNOUNCEMENT_LISTENERS_H
#define FIELDCLEAR_UI_ACCESS_ANNOUNCEMENT_LISTENERS_H

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

class QDBusMessage;

namespace ui {

// Whether a screen reader listens for announcements, as the accessibility bus's registry tells:
// every reader lists there the events it listens for, and the registry says when that changes.
// Where the bus or the registry is missing, none does.
class AnnouncementListeners final : public QObject {
    Q_OBJECT

public:
    // `changed` is called whenever the answer changes.
    explicit AnnouncementListeners(std::function<void(bool)> changed);

    bool any() const { return !readers_.isEmpty(); }

    // Whether a listener registered for `event` hears announcements: only one that asks for
    // them by name, as one that asks for every event of an object may well drop them.
    static bool isAnnouncement(const QString& event);

private Q_SLOTS:
    void listed(const QDBusMessage& reply);
    void registered(const QString& bus, const QString& event);
    void deregistered(const QString& bus, const QString& event);

private:
    void update(const QString& bus, const QString& event, bool listens);

    QSet<QString> readers_;  // their names on the bus
    std::function<void(bool)> changed_;
};

}  // namespace ui

#endif
