// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "field_fixture.h"
#include "game/form1.h"
#include "support/scripted_random.h"

namespace {

class NullView final : public game::Form1View {
public:
    void buildField(int, int, int) override {}
    void showBox(int, game::PictureId picture) override { benchmark::DoNotOptimize(picture); }
    void showFace(game::PictureId) override {}
    void startClock() override {}
    void stopClock() override {}
    void checkLevel(game::Level) override {}
    void checkMarks(bool) override {}
    void scoreload() override {}
    void scorecheck() override {}
};

struct Core {
    Core() { bench::chooseLargestField(settings); }
    game::Module1 settings;
    NullView view;
    testing_support::ScriptedRandom random;
    game::Form1 form{settings, view, random};
};

void BM_LargestOpening(benchmark::State& state) {
    Core core;
    const auto mines = bench::cornerMines();
    for (auto _ : state) {
        state.PauseTiming();
        core.form.mnuNew_Click();
        core.random.scriptMines(mines, bench::kSquares);
        state.ResumeTiming();
        core.form.Box_MouseUp(1, game::Button::Left);
    }
    if (!core.form.state().won) {
        state.SkipWithError("the opening did not clear the field");
    }
}
BENCHMARK(BM_LargestOpening);

void BM_NewGame(benchmark::State& state) {
    Core core;
    for (auto _ : state) {
        core.form.mnuNew_Click();
    }
}
BENCHMARK(BM_NewGame);

}  // namespace
