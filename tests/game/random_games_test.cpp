// SPDX-License-Identifier: GPL-3.0-or-later
// Plays thousands of whole games with random moves and checks the rules' invariants after
// every move.
#include <gtest/gtest.h>

#include <random>

#include "board.h"
#include "game/counter.h"

namespace {

using game::Button;
using game::Mark;

class SeededRandom final : public game::RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    void reseed() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64 engine_;
};

struct Outcome {
    int won = 0;
    int lost = 0;
};

class Player {
public:
    Player(int across, int down, int mines, std::uint64_t seed)
        : moves_(seed ^ 0xA5A5), random_(seed), form_(settings_, view_, random_) {
        settings_.customlevel = true;
        settings_.across = across;
        settings_.down = down;
        settings_.totalmines = mines;
        form_.Form_Load();
    }

    void play(Outcome& outcome) {
        const int n = form_.squareCount();
        std::uniform_int_distribution<int> square(1, n + 6);
        std::uniform_int_distribution<int> button(0, 9);
        form_.mnuMarks_Click();
        int first = 0;
        for (int move = 0; move < 4 * n && form_.state().playing; ++move) {
            const int b = button(moves_);
            // Mostly a player who knows where not to click, so that games are won too.
            const int k = b < 4 && settings_.minesplaced ? safeCoveredSquare() : square(moves_);
            const Button code = b < 6 ? Button::Left : b < 9 ? Button::Right : Button::Middle;
            if (first == 0) {
                first = k;
            }
            const bool wasCovered = k <= n && !form_.state().boxremoved[k];
            form_.Box_MouseDown(k, code);
            form_.Box_MouseUp(k, code);
            checkInvariants(first, wasCovered && code == Button::Left, k);
        }
        if (form_.state().won) {
            ++outcome.won;
        } else if (!form_.state().playing) {
            ++outcome.lost;
        }
    }

private:
    int safeCoveredSquare() {
        const auto& s = form_.state();
        std::vector<int> safe;
        for (int i = 1; i <= form_.squareCount(); ++i) {
            if (!s.boxmine[i] && !s.boxremoved[i]) {
                safe.push_back(i);
            }
        }
        return safe.empty() ? 1 : safe[moves_() % safe.size()];
    }

    void checkInvariants(int first, bool leftOnCovered, int k) {
        const auto& s = form_.state();
        const int n = form_.squareCount();
        int mines = 0;
        int flags = 0;
        int safeCovered = 0;
        int minesUncovered = 0;
        for (int i = 1; i <= n; ++i) {
            mines += s.boxmine[i];
            flags += s.boxmark[i] == Mark::Flag;
            safeCovered += !s.boxmine[i] && !s.boxremoved[i];
            minesUncovered += s.boxmine[i] && s.boxremoved[i];
            int around = 0;
            const int c = (i - 1) % settings_.across;
            const int r = (i - 1) / settings_.across;
            for (int dc = -1; dc <= 1; ++dc) {
                for (int dr = -1; dr <= 1; ++dr) {
                    const int cc = c + dc;
                    const int rr = r + dr;
                    if ((dc != 0 || dr != 0) && cc >= 0 && cc < settings_.across && rr >= 0 &&
                        rr < settings_.down) {
                        around += s.boxmine[rr * settings_.across + cc + 1];
                    }
                }
            }
            ASSERT_EQ(s.boxcount[i], around) << "square " << i;
        }
        ASSERT_EQ(mines, settings_.totalmines);
        if (first <= n) {
            ASSERT_FALSE(s.boxmine[first]);
        }
        ASSERT_EQ(s.minesleft, settings_.totalmines - flags);
        ASSERT_EQ(game::counterPictures(s.minesleft)[2], view_.boxes[n + 3]);
        ASSERT_LE(minesUncovered, 1);
        const bool lost = minesUncovered == 1;
        // The win comes exactly when the last safe square opens, and never after a loss.
        ASSERT_EQ(s.won, safeCovered == 0 && !lost);
        ASSERT_EQ(s.playing, !s.won && !lost);
        if (lost) {
            ASSERT_TRUE(leftOnCovered || k <= n);
            ASSERT_EQ(view_.face, game::kFaceLost);
        }
        if (s.won) {
            ASSERT_EQ(view_.face, game::kFaceWon);
            ASSERT_EQ(view_.scorechecks, 1);
        }
    }

    std::mt19937_64 moves_;
    game::Module1 settings_;
    testing_board::RecordingView view_;
    SeededRandom random_;
    game::Form1 form_;
};

TEST(RandomGames, KeepEveryInvariantOnEveryField) {
    struct Field {
        int across, down, mines;
    };
    const Field fields[] = {{8, 8, 10},   {16, 16, 40}, {30, 16, 99},
                            {30, 24, 10}, {8, 8, 49},   {9, 13, 20}};
    Outcome outcome;
    std::uint64_t seed = 1;
    for (const Field& f : fields) {
        for (int game = 0; game < 600; ++game) {
            Player(f.across, f.down, f.mines, seed++).play(outcome);
            if (HasFatalFailure()) {
                FAIL() << "seed " << seed - 1;
            }
        }
    }
    // Random play must reach both ends of a game often enough to test them.
    EXPECT_GT(outcome.won, 100);
    EXPECT_GT(outcome.lost, 1000);
}

}  // namespace
