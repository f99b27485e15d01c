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
// No connection is kept between calls: each opens the file afresh, so a history set aside by
// another program is never written through an old handle.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/PlayedGame.h"

namespace brisvane {

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
    };

    // `file` is the database, `logFile` the event log taken in when the history begins.
    GameHistory(std::string file, std::string logFile, Options options);
    GameHistory(std::string file, std::string logFile)
        : GameHistory(std::move(file), std::move(logFile), Options{}) {}

    // Adds a finished game.
    Outcome add(const PlayedGame& game);
    // Every game, oldest first, without their records (hasRecord says whether there is one).
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
    // Moves the damaged file aside, unless another program has done it meanwhile; the new name.
    std::string setAside();

    std::string file_;
    std::string logFile_;
    Options options_;
};

} // namespace brisvane
