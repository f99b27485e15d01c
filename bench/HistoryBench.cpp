// What the player's history costs with 10,000 games in it: adding the game just finished (the
// part of the end of a game it adds, the file opened and closed as the program does), loading
// every game (the first thing the statistics window does) and the figures drawn from them.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "TenThousandGames.h"
#include "history/Figures.h"

namespace brisvane {
namespace {

using bench::full;
using bench::Games;
using bench::randomGame;

void BM_LoadTenThousandGames(benchmark::State& state) {
    GameHistory& history = *full().history;
    std::vector<PlayedGame> games;
    for (auto _ : state) {
        history.load(games);
        benchmark::DoNotOptimize(games.data());
    }
    state.counters["games"] = static_cast<double>(games.size());
}
BENCHMARK(BM_LoadTenThousandGames)->Unit(benchmark::kMillisecond);

void BM_FiguresOfTenThousandGames(benchmark::State& state) {
    std::vector<PlayedGame> games;
    full().history->load(games);
    for (auto _ : state) {
        benchmark::DoNotOptimize(figuresOf(games));
    }
}
BENCHMARK(BM_FiguresOfTenThousandGames)->Unit(benchmark::kMillisecond);

// Last, since every iteration adds a game.
void BM_AddAGameToTenThousand(benchmark::State& state) {
    GameHistory& history = *full().history;
    std::mt19937 random(2);
    const PlayedGame game = randomGame(random, Games);
    for (auto _ : state) {
        if (!history.add(game).ok) {
            state.SkipWithError("the game was not added");
        }
    }
}
BENCHMARK(BM_AddAGameToTenThousand)->Unit(benchmark::kMillisecond);

// The first game of a run also opens the file (the closing, with its checkpoint, comes when the
// program ends and is not counted).
void BM_AddTheFirstGameOfARun(benchmark::State& state) {
    const bench::FullHistory& history = full();
    std::mt19937 random(3);
    const PlayedGame game = randomGame(random, Games);
    for (auto _ : state) {
        auto fresh = std::make_unique<GameHistory>(history.history->file(), "");
        if (!fresh->add(game).ok) {
            state.SkipWithError("the game was not added");
        }
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddTheFirstGameOfARun)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brisvane
