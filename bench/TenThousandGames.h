#pragma once
// A history of 10,000 games, as a player who plays daily has after some years, for the
// benchmarks: made once per run in a temporary folder and removed at its end.

#include <unistd.h>

#include <array>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "history/GameHistory.h"
#include "history/HistorySchema.h"
#include "history/Sqlite.h"

namespace brisvane::bench {

namespace fs = std::filesystem;

inline constexpr int Games = 10000;

inline PlayedGame randomGame(std::mt19937& random, int n) {
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

inline FullHistory& full() {
    static FullHistory history;
    return history;
}

} // namespace brisvane::bench
