// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random_source.h"

#include <chrono>

namespace game {

std::uint64_t ClockSeededRandom::freshSeed() {
    std::random_device device;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t entropy = (std::uint64_t{device()} << 32) ^ device();
    // splitmix64 finaliser: spreads the clock's low bits over the whole seed
    std::uint64_t z = entropy ^ ticks ^ 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void ClockSeededRandom::reseed() {
    engine_.seed(freshSeed());
}

double ClockSeededRandom::next() {
    // 53 random bits scaled by 2^-53: always strictly below 1, unlike generate_canonical
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace game
