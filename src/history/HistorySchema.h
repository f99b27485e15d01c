#pragma once
// The history's tables, their version and the steps between versions, and the rows of games.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "history/PlayedGame.h"
#include "history/Sqlite.h"

namespace brisvane::historydb {

// The version of the tables this program writes.
inline constexpr int Version = 1;

// Brings the database up to the current version: nothing when it is there already; otherwise
// every migration it lacks, in one write transaction (so of two programs opening a new history
// at once, one creates it and the other finds it made). The first migration creates the
// tables and takes in the games of `logFile`. Throws sql::Error: damaged() for a file that is
// a database but not a history of games; a plain error for a history of a newer version.
void migrate(sql::Database& db, const std::string& logFile);

// Throws as migrate() would for a history that is not exactly of the current version.
void checkVersion(sql::Database& db);

// Adds games, with one statement prepared for all of them.
class GameWriter {
public:
    explicit GameWriter(sql::Database& db);
    // The game's number.
    std::int64_t add(const PlayedGame& game);

private:
    sql::Database& db_;
    sql::Statement insert_;
    sql::Statement insertRecord_;
};

// Every game, oldest first, without its record.
std::vector<PlayedGame> selectGames(sql::Database& db);
// The record of steps of game `id`; nothing when it has none.
std::optional<std::string> selectRecord(sql::Database& db, std::int64_t id);
// The games with a record of steps and no review's figures, oldest first: number and record.
std::vector<std::pair<std::int64_t, std::string>> selectUnreviewed(sql::Database& db);
// Sets the review's figures of game `id`.
void updateReview(sql::Database& db, std::int64_t id, const GameReview& review);

} // namespace brisvane::historydb
