// The statistics window with 10,000 games in the history, as a player meets it: opened (the
// history read, the figures drawn, the widgets made and painted; the first opening also loads
// the chart module), and a change of period redrawn and painted. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "TenThousandGames.h"
#include "game/HeadlessGame.h"
#include "program/StatisticsWindow.h"
#include "windows/ChartModule.h"
#include "windows/EventGuard.h"
#include "windows/StatisticsView.h"

namespace brisvane {
namespace {

class BenchTexts : public Texts {
public:
    std::string T(const std::string&) const override { return {}; }
};
class BenchClock : public Clock {
public:
    DateTime now() const override { return {2022, 6, 15, 12, 0, 0}; }
};
struct Window {
    Window()
        : model({*bench::full().history, texts, locale, clock, dialogs, "Brisvane",
                 [](const std::string&) { return Replay{}; }}),
          charts(QStringLiteral(BRISVANE_PROGRAM_DIR "/brisvane-charts.so")) {}
    // As the key T does: the model opens, the view is made, shown and painted.
    void open() {
        model.Load();
        view = std::make_unique<StatisticsView>(model, guard, charts, nullptr);
        view->show();
        benchmark::DoNotOptimize(view->grab());
    }

    BenchTexts texts;
    HeadlessGame::PointLocale locale;
    BenchClock clock;
    HeadlessGame::DefaultDialogs dialogs;
    EventGuard guard;
    StatisticsWindow model;
    ChartModule charts;
    std::unique_ptr<StatisticsView> view;
};

// Once: the first opening of a run, with the chart module loaded.
void BM_OpenTheFirstTime(benchmark::State& state) {
    bench::full();
    for (auto _ : state) {
        Window window;
        window.open();
    }
}
BENCHMARK(BM_OpenTheFirstTime)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenAgain(benchmark::State& state) {
    for (auto _ : state) {
        Window window;
        window.open();
    }
}
BENCHMARK(BM_OpenAgain)->Unit(benchmark::kMillisecond);

// The last 100 games, this month, all 10,000 in turn, each redrawn and painted.
void BM_ChangeThePeriod(benchmark::State& state) {
    Window window;
    window.open();
    const Period periods[] = {Period::All, Period::ThisMonth, Period::Last100};
    std::size_t next = 0;
    for (auto _ : state) {
        window.model.choosePeriod(periods[next++ % 3]);
        window.view->render();
        benchmark::DoNotOptimize(window.view->grab());
    }
}
BENCHMARK(BM_ChangeThePeriod)->Unit(benchmark::kMillisecond);

// To all games alone: the most the window draws.
void BM_ChangeToAllGames(benchmark::State& state) {
    Window window;
    window.open();
    for (auto _ : state) {
        window.model.choosePeriod(Period::Last100);
        window.view->render();
        state.PauseTiming();
        benchmark::DoNotOptimize(window.view->grab());
        state.ResumeTiming();
        window.model.choosePeriod(Period::All);
        window.view->render();
        benchmark::DoNotOptimize(window.view->grab());
    }
}
BENCHMARK(BM_ChangeToAllGames)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brisvane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
