// Speed of the advisor: the average decision of whole games played by its advice, and the
// worst single decision (the first roll of a game: every category open, 59 rolls to weigh,
// nothing kept from an earlier decision). The tables come from the per-user data folder, or
// are solved there first (not measured).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "advisor/Advisor.h"
#include "advisor/AdvisorPlayer.h"
#include "advisor/Parallel.h"
#include "common/ProgramFolder.h"
#include "game/HeadlessGame.h"

using namespace brisvane;
using namespace brisvane::advisor;

namespace {

const Tables& tables() {
    static const std::unique_ptr<Tables> t = [] {
        std::filesystem::path folder =
            ProgramFolder::dataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        return Tables::loadOrSolve({}, folder.empty() ? folder : folder / "brisvane", {},
                                   workThreads())
            .tables;
    }();
    return *t;
}

// Decisions of whole games: turn starts solve, later decisions of a turn reuse the solve.
void AdvisorAverageDecision(benchmark::State& state) {
    Advisor advisor(tables());
    HeadlessGame table(1);
    std::int64_t decisions = 0;
    for (auto _ : state) {
        state.PauseTiming();
        table.game().clickRoll();
        state.ResumeTiming();
        const auto choices = advisor.rank(positionOf(table.game()));
        benchmark::DoNotOptimize(choices.data());
        ++decisions;
        state.PauseTiming();
        // Play the advice out, as a player would, so the next decision is a real one.
        if (table.game().TimerEnd.enabled || choices.empty()) {
            table.game().tickTimerEnd();
        } else {
            takeChoice(table.game(), choices.front());
            if (table.game().TimerEnd.enabled) {
                table.game().tickTimerEnd();
            }
        }
        state.ResumeTiming();
    }
    state.counters["decisions"] = static_cast<double>(decisions);
}
BENCHMARK(AdvisorAverageDecision)->Unit(benchmark::kMillisecond)->Iterations(3000);

void AdvisorWorstDecision(benchmark::State& state) {
    Position p;
    p.rolled = true;
    p.rollsLeft = 59;
    p.dice = {1, 2, 3, 4, 5, 6};
    for (auto _ : state) {
        // A new advisor keeps no turn solve from an earlier decision.
        Advisor advisor(tables());
        const auto choices = advisor.rank(p);
        benchmark::DoNotOptimize(choices.data());
    }
}
BENCHMARK(AdvisorWorstDecision)->Unit(benchmark::kMillisecond);

} // namespace
