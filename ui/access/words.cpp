// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/words.h"

#include <QStringList>

namespace ui {

namespace {

QString levelName(game::Level level) {
    switch (level) {
        case game::Level::Beginner:
            return Speech::tr("Beginner");
        case game::Level::Intermediate:
            return Speech::tr("Intermediate");
        case game::Level::Expert:
            return Speech::tr("Expert");
        case game::Level::Custom:
            break;
    }
    return Speech::tr("Custom");
}

}  // namespace

QString openedNews(game::Button button, int opened) {
    if (button != game::Button::Middle && opened <= 1) {
        return {};
    }
    return opened == 0 ? Speech::tr("Nothing opened")
                       : Speech::tr("%n squares opened", nullptr, opened);
}

QString minesLeftNews(int minesLeft) {
    return Speech::tr("Mines left: %1").arg(minesLeft);
}

QString timeNews(int n) {
    return Speech::tr("Time: %n seconds", nullptr, n);
}

QString lostNews(int row, int column, bool underCursor) {
    if (underCursor) {
        return Speech::tr("Game lost");
    }
    return Speech::tr("Game lost, exploded mine at row %1, column %2").arg(row).arg(column);
}

QString wonNews(int n) {
    return Speech::tr("Game won in %n seconds", nullptr, n);
}

QString newGameNews(game::Level level, int across, int down, int mines) {
    //: %1 is the level's name, %2 columns by %3 rows.
    return Speech::tr("New game, %1, %2 by %3, %4 mines")
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
