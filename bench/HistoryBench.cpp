// What the player's history costs with 10,000 games in it: adding the game just finished (the
// part of the end of a game it adds, the file opened and closed as the program does), loading
// every game (the first thing the statistics window does) and the figures drawn from them.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "history/Figures.h"
#include "history/GameHistory.h"
#include "history/HistorySchema.h"
#include "history/Sqlite.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;

constexpr int Games = 10000;

PlayedGame randomGame(std::mt19937& random, int n) {
    PlayedGame g;
    g.ended = {2020 + n / 4000, 1 + n / 400 % 12, 1 + n / 14 % 28, 12, n % 60, 0};
    std::array<int, CategoryCount> scores{};
    int total = 0;
    for (int k = 1; k <= CategoryCount; ++k) {
        scores[static_cast<std::size_t>(k - 1)] =
            std::uniform_int_distribution<int>(0, categoryMaximum(k))(random);
        total += scores[static_cast<std::size_t>(k - 1)];
    }
    g.scores = scores;
    g.bonus = n % 3 == 0 ? 100 : 0;
    g.points = total + *g.bonus;
    g.playSeconds = 600 + n % 300;
    g.language = "English";
    g.review = GameReview{508.0, 10.0 + n % 20, total - 508.0};
    // About what a real game's record is: a roll and a pick-up per roll, a fill per category.
    for (int roll = 0; roll < 60; ++roll) {
        g.record += "roll 1 2 3 4 5 6\nagain 1 2 3\n";
    }
    for (int k = 0; k < 20; ++k) {
        g.record += "fill Chance\n";
    }
    return g;
}

struct FullHistory {
    FullHistory() {
        folder = fs::temp_directory_path() / ("brisvane-history-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        const std::string file = (folder / "History.db").string();
        {
            // Written in one transaction: the same rows as game after game, in a moment.
            sql::Database db(file, sql::Database::Mode::ReadWrite);
            historydb::migrate(db, "");
            sql::Transaction transaction(db);
            historydb::GameWriter writer(db);
            std::mt19937 random(1);
            for (int n = 0; n < Games; ++n) {
                writer.add(randomGame(random, n));
            }
            transaction.commit();
        }
        history = std::make_unique<GameHistory>(file, (folder / "Vexa.log").string());
    }
    ~FullHistory() {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    fs::path folder;
    std::unique_ptr<GameHistory> history;
};

FullHistory& full() {
    static FullHistory history;
    return history;
}

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
    const FullHistory& history = full();
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
