// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_ACCESS_WORDS_H
#define FIELDCLEAR_UI_ACCESS_WORDS_H

#include <QCoreApplication>
#include <QString>

#include "game/form1_view.h"

namespace ui {

// The words a screen reader reads and is told, in the player's language.
class Speech {
    Q_DECLARE_TR_FUNCTIONS(ui::Speech)
};

// The words a screen reader speaks after a key has acted, beside the square it names.

// What a release uncovered: nothing for a single square, a count for more, and for the chord,
// which the player cannot see working, its count whatever it is.
QString openedNews(game::Button button, int opened);
QString minesLeftNews(int minesLeft);
QString timeNews(int seconds);
// The square that exploded, told where the player is not on it.
QString lostNews(int row, int column, bool underCursor);
QString wonNews(int seconds);
QString newGameNews(game::Level level, int across, int down, int mines);

// Parts of one piece of news, in order, the empty ones left out.
QString joinNews(std::initializer_list<QString> parts);

}  // namespace ui

#endif
