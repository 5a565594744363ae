// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_news.h"

#include <QStringList>

namespace ui {

namespace {

QString levelName(game::Level level) {
    switch (level) {
        case game::Level::Beginner:
            return QStringLiteral("Beginner");
        case game::Level::Intermediate:
            return QStringLiteral("Intermediate");
        case game::Level::Expert:
            return QStringLiteral("Expert");
        case game::Level::Custom:
            break;
    }
    return QStringLiteral("Custom");
}

QString seconds(int n) {
    return n == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(n);
}

}  // namespace

QString openedNews(game::Button button, int opened) {
    if (opened > 1) {
        return QStringLiteral("%1 squares opened").arg(opened);
    }
    if (button != game::Button::Middle) {
        return {};
    }
    return opened == 1 ? QStringLiteral("1 square opened") : QStringLiteral("Nothing opened");
}

QString minesLeftNews(int minesLeft) {
    return QStringLiteral("Mines left: %1").arg(minesLeft);
}

QString timeNews(int n) {
    return QStringLiteral("Time: %1").arg(seconds(n));
}

QString lostNews(int row, int column, bool underCursor) {
    if (underCursor) {
        return QStringLiteral("Game lost");
    }
    return QStringLiteral("Game lost, exploded mine at row %1, column %2").arg(row).arg(column);
}

QString wonNews(int n) {
    return QStringLiteral("Game won in %1").arg(seconds(n));
}

QString newGameNews(game::Level level, int across, int down, int mines) {
    return QStringLiteral("New game, %1, %2 by %3, %4 mines")
        .arg(levelName(level))
        .arg(across)
        .arg(down)
        .arg(mines);
}

QString joinNews(std::initializer_list<QString> parts) {
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.isEmpty()) {
            kept << p;
        }
    }
    return kept.join(QStringLiteral(". "));
}

}  // namespace ui
