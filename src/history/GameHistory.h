#pragma once
// The player's history: every finished game in an SQLite database in the program folder, with
// its points, play time, each category's score, the bonus, whether advice was shown, the
// language, the review's figures and the game's record of steps.
//
// - Each game is written in one transaction; two programs running at once both write theirs
//   (SQLite's locking, waited for up to a few seconds).
// - The schema carries a version; a database of an older one is brought up to date on opening
//   by numbered migrations, each run once, all in one transaction.
// - The first migration also takes in the finished games of the event log, so a player's past
//   appears at once (points, date and time, play time; no steps).
// - A damaged file (not a database, or broken inside) is renamed aside and a new history
//   begun; a folder that cannot be written or a full disk is reported, never hidden.
// The file is written ahead through a log of its own (SQLite's WAL), so adding a game costs one
// append and no flush to disk: a crash of the program loses nothing, a power cut at most the
// games since the last checkpoint, never the file. The connection is kept from call to call,
// and opened afresh when the file at the path is no longer the one it holds (set aside by
// another program), so no game is written into a file set aside.

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/PlayedGame.h"

namespace brisvane {

namespace sql {
class Database;
}

class GameHistory {
public:
    static constexpr const char* FileName = "History.db";

    struct Options {
        int busyMilliseconds = 5000; // how long to wait for the other program's write
        // Tests: the most pages the file may grow to, to make a full disk (0 = no limit).
        std::int64_t maxPages = 0;
    };

    // What became of a call.
    struct Outcome {
        bool ok = false;
        std::string why;      // the system's reason when it failed
        std::string setAside; // the name a damaged history was moved to; "" when none
        std::int64_t id = 0;  // add: the number the game was given
    };

    // A game whose review is pending: it has a record of steps but no review's figures (it
    // ended while the advisor was getting ready or the review ran, or the program was closed
    // before the review was done).
    struct Unreviewed {
        std::int64_t id = 0;
        std::string record;
    };

    // `file` is the database, `logFile` the event log taken in when the history begins.
    GameHistory(std::string file, std::string logFile, Options options);
    GameHistory(std::string file, std::string logFile)
        : GameHistory(std::move(file), std::move(logFile), Options{}) {}
    ~GameHistory();
    GameHistory(GameHistory&&) noexcept;
    GameHistory& operator=(GameHistory&&) noexcept;

    // Adds a finished game.
    Outcome add(const PlayedGame& game);
    // Writes the review's figures of game `id`, found after the game was added.
    Outcome setReview(std::int64_t id, const GameReview& review);
    // The games whose review is pending, oldest first.
    Outcome unreviewed(std::vector<Unreviewed>& games);
    // Every game, oldest first, without their records.
    Outcome load(std::vector<PlayedGame>& games);
    // The record of steps of game `id`; nothing when it has none or cannot be read.
    std::optional<std::string> record(std::int64_t id);

    // Reads a history without changing it (for the command-line tools): its games as load()
    // gives them. Throws std::runtime_error for a file that cannot be read, is damaged or is
    // not a history of games.
    static std::vector<PlayedGame> read(const std::string& file);
    // The record of steps of game `id` of `file`, read in the same way; nothing when the game
    // has none.
    static std::optional<std::string> readRecord(const std::string& file, std::int64_t id);

    const std::string& file() const { return file_; }

private:
    template <typename Operation> Outcome run(Operation&& operation);
    // The connection, opened (and the history made and brought up to date) when there is none
    // or the file at the path has changed.
    sql::Database& connection();
    // Moves the damaged file aside, unless another program has done it meanwhile; the new name.
    std::string setAside();

    std::string file_;
    std::string logFile_;
    Options options_;
    std::unique_ptr<sql::Database> db_;
    dev_t device_ = 0; // the file db_ holds
    ino_t inode_ = 0;
};

} // namespace brisvane
