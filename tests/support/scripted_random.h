// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_TESTS_SUPPORT_SCRIPTED_RANDOM_H
#define FIELDCLEAR_TESTS_SUPPORT_SCRIPTED_RANDOM_H

#include <deque>
#include <stdexcept>
#include <vector>

#include "game/random_source.h"

namespace testing_support {

// Hands out the fractions it was given, in order; running dry fails the test.
class ScriptedRandom final : public game::RandomSource {
public:
    void reseed() override { ++reseeds; }
    double next() override {
        if (script.empty()) {
            throw std::logic_error("the scripted random source ran dry");
        }
        const double r = script.front();
        script.pop_front();
        return r;
    }

    // Scripts the draws that put mines on these squares of an n-square field, in order.
    void scriptMines(const std::vector<int>& squares, int n) {
        for (int s : squares) {
            script.push_back((s - 0.5) / n);
        }
    }

    std::deque<double> script;
    int reseeds = 0;
};

}  // namespace testing_support

#endif
