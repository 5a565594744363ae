// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_GAME_RANDOM_SOURCE_H
#define FIELDCLEAR_GAME_RANDOM_SOURCE_H

#include <cstdint>
#include <random>

namespace game {

// Where the mines' randomness comes from: fractions 0 <= r < 1, re-seeded at every new game.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;
};

// The game's own source: seeded from the system's entropy mixed with a fine clock, so two
// games started within the same second never share a layout.
class ClockSeededRandom final : public RandomSource {
public:
    void reseed() override;
    double next() override;

    // The seed the next reseed() takes; exposed so the tests can see two seeds differ.
    static std::uint64_t freshSeed();

private:
    std::mt19937_64 engine_{freshSeed()};
};

}  // namespace game

#endif
