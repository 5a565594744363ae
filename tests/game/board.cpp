// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"

#include <gtest/gtest.h>

#include "game/pictures.h"

namespace testing_board {

namespace {

// Covered, flag, mine, exploded mine, crossed-out flag, question mark, pressed question mark.
constexpr std::string_view kRoleLetters = "#F*Xx?p";

}  // namespace

void RecordingView::buildField(int across, int down, int tile) {
    ++builds;
    builtAcross = across;
    builtDown = down;
    builtTile = tile;
    boxes.clear();
}

void RecordingView::showBox(int k, PictureId picture) {
    EXPECT_TRUE(k >= 1 && k <= builtAcross * builtDown + 6) << "element " << k;
    boxes[k] = picture;
}

Game::Game() : form(settings, view, random) {
    form.Form_Load();
}

void Game::load(const std::vector<std::string_view>& rows) {
    const int across = static_cast<int>(rows.front().size());
    const int down = static_cast<int>(rows.size());
    settings.across = across;  // square() needs the width
    std::vector<int> mines;
    for (int r = 0; r < down; ++r) {
        for (int c = 0; c < across; ++c) {
            if (rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == '*') {
                mines.push_back(square(c, r));
            }
        }
    }
    custom(across, down, static_cast<int>(mines.size()));
    scriptMines(mines);
}

void Game::custom(int across, int down, int mines) {
    settings.across = across;
    settings.down = down;
    settings.totalmines = mines;
    settings.beginnerlevel = settings.intermediatelevel = settings.hardlevel = false;
    settings.customlevel = true;
    form.Form_Load();
    random.script.clear();
}

void Game::scriptMines(const std::vector<int>& squares) {
    random.scriptMines(squares, settings.across * settings.down);
}

void Game::click(int k, Button b) {
    press(k, b);
    release(k, b);
}

int Game::square(int col, int row) const {
    return row * settings.across + col + 1;
}

std::string Game::shown() const {
    const int g = 1000 * settings.gfxset;
    std::string text;
    for (int r = 0; r < settings.down; ++r) {
        for (int c = 0; c < settings.across; ++c) {
            const auto it = view.boxes.find(square(c, r));
            const int offset = it == view.boxes.end() ? -1 : it->second - g;
            if (offset >= 300 && offset <= 308) {
                text += offset == 300 ? '.' : static_cast<char>('0' + offset - 300);
            } else if (offset >= 400 && offset <= 406) {
                text += kRoleLetters[static_cast<std::size_t>(offset - 400)];
            } else {
                text += '!';
            }
        }
        text += '\n';
    }
    return text;
}

std::string Game::counterText(int firstDigit) const {
    std::string text;
    for (int k = firstDigit; k < firstDigit + 3; ++k) {
        const auto it = view.boxes.find(k);
        if (it == view.boxes.end()) {
            text += '!';
        } else if (it->second == game::kDigitMinus) {
            text += '-';
        } else {
            text += static_cast<char>('0' + it->second - game::kDigitZero);
        }
    }
    return text;
}

std::string Game::mineCounter() const {
    return counterText(form.squareCount() + 1);
}

std::string Game::clock() const {
    return counterText(form.squareCount() + 4);
}

}  // namespace testing_board
