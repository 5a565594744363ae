// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/announcement_listeners.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>

namespace ui {

namespace {

const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");
const QString kRegistryPath = QStringLiteral("/org/a11y/atspi/registry");

// The connection to the accessibility bus that Qt's own bridge made, under its name.
QDBusConnection accessibilityBus() {
    return QDBusConnection(QStringLiteral("a11y"));
}

}  // namespace

AnnouncementListeners::AnnouncementListeners(std::function<void(bool)> changed)
    : changed_(std::move(changed)) {
    QDBusConnection bus = accessibilityBus();
    if (!bus.isConnected()) {
        return;
    }
    // Listened to before the list is asked for, so that no change falls between the two.
    bus.connect(kRegistry, kRegistryPath, kRegistry, QStringLiteral("EventListenerRegistered"),
                this, SLOT(registered(QString, QString)));
    bus.connect(kRegistry, kRegistryPath, kRegistry, QStringLiteral("EventListenerDeregistered"),
                this, SLOT(deregistered(QString, QString)));
    bus.callWithCallback(QDBusMessage::createMethodCall(kRegistry, kRegistryPath, kRegistry,
                                                        QStringLiteral("GetRegisteredEvents")),
                         this, SLOT(listed(QDBusMessage)));
}

bool AnnouncementListeners::isAnnouncement(const QString& event) {
    // Readers write "object:announcement", the registry may hand on "Object:Announcement:".
    QString e = event.toLower();
    while (e.endsWith(QLatin1Char(':'))) {
        e.chop(1);
    }
    const QLatin1String name("object:announcement");
    return e == name || e.startsWith(name + QLatin1Char(':'));
}

void AnnouncementListeners::listed(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return;
    }
    const auto events = reply.arguments().constFirst().value<QDBusArgument>();
    events.beginArray();
    while (!events.atEnd()) {
        QString bus;
        QString event;
        events.beginStructure();
        events >> bus >> event;
        events.endStructure();
        update(bus, event, true);
    }
    events.endArray();
}

void AnnouncementListeners::registered(const QString& bus, const QString& event) {
    update(bus, event, true);
}

void AnnouncementListeners::deregistered(const QString& bus, const QString& event) {
    update(bus, event, false);
}

void AnnouncementListeners::update(const QString& bus, const QString& event, bool listens) {
    if (!isAnnouncement(event)) {
        return;
    }
    const bool before = any();
    if (listens) {
        readers_.insert(bus);
    } else {
        readers_.remove(bus);
    }
    if (any() != before && changed_) {
        changed_(any());
    }
}

}  // namespace ui
