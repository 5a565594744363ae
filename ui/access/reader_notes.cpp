// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/reader_notes.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace ui {

namespace {

// Qt's message handler is a plain function: the one it replaces has to be kept where it can
// reach it.
QtMessageHandler& replacedHandler() {
    static QtMessageHandler replaced = nullptr;
    return replaced;
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && qstrcmp(context.category, "qt.accessibility.atspi") == 0 &&
        message.startsWith(QLatin1String("Subscription string not handled"))) {
        return;
    }
    if (QtMessageHandler next = replacedHandler()) {
        next(type, context, message);
    }
}

}  // namespace

void dropUnsentEventNotes() {
    replacedHandler() = qInstallMessageHandler(handle);
}

}  // namespace ui
