#include "history/GameHistory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

#include "common/FileIo.h"
#include "history/HistorySchema.h"
#include "history/Sqlite.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;

// The files SQLite keeps beside a database while it writes; they belong to it.
constexpr const char* Companions[] = {"-journal", "-wal", "-shm"};

// Whether `file` is damaged: not a database, a database of something else, or one whose pages
// are broken. A file still empty (a history another program has just begun) and a history of
// a newer version are not.
bool damaged(const std::string& file) {
    try {
        sql::Database db(file, sql::Database::Mode::ReadOnly);
        sql::Statement version(db, "PRAGMA user_version");
        version.step();
        if (version.integer(0) == 0) {
            sql::Statement objects(db, "SELECT count(*) FROM sqlite_master");
            objects.step();
            return objects.integer(0) != 0;
        }
        sql::Statement check(db, "PRAGMA quick_check");
        return !check.step() || check.text(0) != "ok";
    } catch (const sql::Error& error) {
        return error.damaged();
    }
}

// `file` with "-damaged-N" before its extension, for the first N that names no file.
std::string freeAsideName(const std::string& file) {
    const fs::path path(file);
    for (int n = 1;; ++n) {
        fs::path aside = path;
        aside.replace_filename(path.stem().string() + "-damaged-" + std::to_string(n) +
                               path.extension().string());
        std::error_code error;
        if (!fs::exists(aside, error) && !error) {
            return aside.string();
        }
    }
}

// Switches the file to the write-ahead log. SQLite answers a switch that meets another
// program's lock (two programs beginning a history at once) at once instead of waiting, so
// it is tried again until the busy time is up.
void useWriteAheadLog(sql::Database& db, int busyMilliseconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(busyMilliseconds);
    for (;;) {
        try {
            db.exec("PRAGMA journal_mode = WAL");
            return;
        } catch (const sql::Error& error) {
            if (!error.busy() || Clock::now() >= deadline) {
                throw;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::string systemError(int number) {
    return std::strerror(number);
}

} // namespace

GameHistory::GameHistory(std::string file, std::string logFile, Options options)
    : file_(std::move(file)), logFile_(std::move(logFile)), options_(options) {}

GameHistory::~GameHistory() = default;
GameHistory::GameHistory(GameHistory&&) noexcept = default;
GameHistory& GameHistory::operator=(GameHistory&&) noexcept = default;

sql::Database& GameHistory::connection() {
    struct stat now {};
    if (db_ != nullptr && ::stat(file_.c_str(), &now) == 0 && now.st_dev == device_ &&
        now.st_ino == inode_) {
        return *db_;
    }
    db_.reset();
    auto db = std::make_unique<sql::Database>(file_, sql::Database::Mode::ReadWrite,
                                              options_.busyMilliseconds);
    useWriteAheadLog(*db, options_.busyMilliseconds);
    db->exec("PRAGMA synchronous = NORMAL");
    if (options_.maxPages > 0) {
        db->exec("PRAGMA max_page_count = " + std::to_string(options_.maxPages));
    }
    historydb::migrate(*db, logFile_);
    if (::stat(file_.c_str(), &now) == 0) {
        device_ = now.st_dev;
        inode_ = now.st_ino;
    }
    db_ = std::move(db);
    return *db_;
}

// Runs `operation` on the history. A damaged file is set aside and the operation run once more
// on a new history. After a failure the connection is let go, so the next call starts afresh.
template <typename Operation> GameHistory::Outcome GameHistory::run(Operation&& operation) {
    Outcome outcome;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            operation(connection());
            outcome.ok = true;
            outcome.why.clear();
            return outcome;
        } catch (const sql::Error& error) {
            db_.reset();
            outcome.why = error.what();
            if (!error.damaged() || attempt > 0) {
                return outcome;
            }
        }
        try {
            const std::string aside = setAside();
            if (!aside.empty()) {
                outcome.setAside = fs::path(aside).filename().string();
            }
        } catch (const std::runtime_error& error) {
            outcome.why += std::string("; it could not be set aside: ") + error.what();
            return outcome;
        }
    }
    return outcome;
}

std::string GameHistory::setAside() {
    // One program at a time, and only when the file is still the damaged one: another program
    // may have set it aside and begun a new history meanwhile.
    const Descriptor lock(::open((file_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (!lock.valid()) {
        throw std::runtime_error(systemError(errno));
    }
    while (::flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            throw std::runtime_error(systemError(errno));
        }
    }
    if (!damaged(file_)) {
        return "";
    }
    const std::string aside = freeAsideName(file_);
    if (std::rename(file_.c_str(), aside.c_str()) != 0) {
        throw std::runtime_error(systemError(errno));
    }
    for (const char* companion : Companions) {
        std::rename((file_ + companion).c_str(), (aside + companion).c_str());
    }
    return aside;
}

GameHistory::Outcome GameHistory::add(const PlayedGame& game) {
    std::int64_t id = 0;
    Outcome outcome = run([&game, &id](sql::Database& db) {
        sql::Transaction transaction(db);
        id = historydb::GameWriter(db).add(game);
        transaction.commit();
    });
    outcome.id = outcome.ok ? id : 0;
    return outcome;
}

GameHistory::Outcome GameHistory::setReview(std::int64_t id, const GameReview& review) {
    return run([id, &review](sql::Database& db) { historydb::updateReview(db, id, review); });
}

GameHistory::Outcome GameHistory::unreviewed(std::vector<Unreviewed>& games) {
    return run([&games](sql::Database& db) {
        games.clear();
        for (auto& [id, record] : historydb::selectUnreviewed(db)) {
            games.push_back({id, std::move(record)});
        }
    });
}

GameHistory::Outcome GameHistory::load(std::vector<PlayedGame>& games) {
    return run([&games](sql::Database& db) { games = historydb::selectGames(db); });
}

std::optional<std::string> GameHistory::record(std::int64_t id) {
    std::optional<std::string> text;
    run([&](sql::Database& db) { text = historydb::selectRecord(db, id); });
    return text;
}

std::vector<PlayedGame> GameHistory::read(const std::string& file) {
    sql::Database db(file, sql::Database::Mode::ReadOnly);
    historydb::checkVersion(db);
    return historydb::selectGames(db);
}

std::optional<std::string> GameHistory::readRecord(const std::string& file, std::int64_t id) {
    sql::Database db(file, sql::Database::Mode::ReadOnly);
    historydb::checkVersion(db);
    return historydb::selectRecord(db, id);
}

} // namespace brisvane
