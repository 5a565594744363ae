// SPDX-License-Identifier: GPL-3.0-or-later
// The window in process, on the offscreen platform, at tile set 7 (the largest picture area).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "field_fixture.h"
#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace {

constexpr int kLargeSet = 7;

// Counts the field's paint events, to show that the timed work really repainted.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

// A well-formed best-times file, which every new game reads.
QString bestTimesFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("minebs.txt"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write("\"999 45123MrNobodyAnn     Bo      \"\r\n");
    }
    return path;
}

struct Window {
    Window() {
        bench::chooseLargestField(settings);
        window.form().mnuGFX_Click(kLargeSet);
        window.form().mnuNew_Click();
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        window.field()->installEventFilter(&counter);
    }

    QPoint firstSquare() const {
        const auto& l = window.field()->fieldLayout();
        return l.elements[static_cast<std::size_t>(l.firstBox)].rect.center();
    }

    QTemporaryDir dir;
    game::Module1 settings;
    testing_support::ScriptedRandom random;
    ui::MainWindow window{settings, random, bestTimesFile(dir)};
    PaintCounter counter;
};

// Made at first use and gone before the application is.
std::unique_ptr<Window>& windowHolder() {
    static std::unique_ptr<Window> w;
    return w;
}

Window& window() {
    auto& w = windowHolder();
    if (!w) {
        w = std::make_unique<Window>();
    }
    return *w;
}

void BM_ReleaseToRepaintOfTheLargestOpening(benchmark::State& state) {
    Window& w = window();
    ui::FieldWidget* field = w.window.field();
    const auto mines = bench::cornerMines();
    const QPoint at = w.firstSquare();
    int paints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.window.form().mnuNew_Click();
        w.random.scriptMines(mines, bench::kSquares);
        QTest::mousePress(field, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        QMouseEvent release(QEvent::MouseButtonRelease, at, field->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, {});
        w.counter.paints = 0;
        state.ResumeTiming();

        QApplication::sendEvent(field, &release);
        QCoreApplication::processEvents();

        state.PauseTiming();
        paints += w.counter.paints;
        state.ResumeTiming();
    }
    state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
    if (!w.window.form().state().won) {
        state.SkipWithError("the opening did not clear the field");
    }
}
BENCHMARK(BM_ReleaseToRepaintOfTheLargestOpening)->Unit(benchmark::kMicrosecond);

void BM_NewGameRebuildAndRepaint(benchmark::State& state) {
    Window& w = window();
    w.counter.paints = 0;
    for (auto _ : state) {
        w.window.form().mnuNew_Click();
        QCoreApplication::processEvents();
    }
    state.counters["paints"] =
        benchmark::Counter(w.counter.paints, benchmark::Counter::kAvgIterations);
    if (w.settings.scores.size() != 35) {
        state.SkipWithError("the new game did not read the best times");
    }
}
BENCHMARK(BM_NewGameRebuildAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    windowHolder().reset();
    return 0;
}
