#include "history/HistorySchema.h"

#include <sqlite3.h>

#include <array>
#include <cstdio>
#include <functional>

#include "history/LogImport.h"

namespace brisvane::historydb {
namespace {

// The category columns, category k at k-1.
constexpr std::array<const char*, CategoryCount> ScoreColumns = {
    "ones",       "twos",           "threes",         "fours",         "fives",
    "sixes",      "one_pair",       "two_pairs",      "three_pairs",   "three_kind",
    "four_kind",  "five_kind",      "small_straight", "large_straight", "full_straight",
    "hut",        "house",          "tower",          "chance",        "yatzy"};

// Version 1: the games, and the games of the log taken in. A migration, once shipped, is never
// changed: a later version adds one of its own.
void createGames(sql::Database& db, const std::string& logFile) {
    std::string columns;
    for (const char* name : ScoreColumns) {
        columns += std::string("  ") + name + " INTEGER,\n";
    }
    db.exec("CREATE TABLE games (\n"
            "  id INTEGER PRIMARY KEY,\n"
            "  ended TEXT NOT NULL,\n" // local date and time, 'YYYY-MM-DD HH:MM:SS'
            "  points INTEGER NOT NULL,\n"
            "  play_seconds INTEGER NOT NULL,\n" +
            columns + // NULL for a game taken in from the log
            "  bonus INTEGER,\n"
            "  advised INTEGER NOT NULL,\n"
            "  language TEXT NOT NULL,\n"
            "  expected_start REAL,\n" // the review's figures; NULL without a review
            "  choices_cost REAL,\n"
            "  luck REAL,\n"
            "  source TEXT NOT NULL CHECK (source IN ('played', 'log')));\n"
            "CREATE INDEX games_by_end ON games (ended);\n"
            // The steps of the games written down whole, apart, so that the list of games
            // stays a few pages.
            "CREATE TABLE records (\n"
            "  game INTEGER PRIMARY KEY REFERENCES games (id),\n"
            "  steps TEXT NOT NULL);");
    GameWriter writer(db);
    for (const PlayedGame& game : gamesOfLog(logFile)) {
        writer.add(game);
    }
}

using Migration = std::function<void(sql::Database&, const std::string&)>;

// Migration i brings version i to version i + 1.
const std::array<Migration, Version> Migrations = {createGames};

int userVersion(sql::Database& db) {
    sql::Statement query(db, "PRAGMA user_version");
    query.step();
    return static_cast<int>(query.integer(0));
}

[[noreturn]] void newer(int version) {
    throw sql::Error(SQLITE_ERROR, "the history was written by a newer version of the game "
                                   "(its version " + std::to_string(version) + ")");
}

std::string stampText(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

// 'YYYY-MM-DD HH:MM:SS' as written by stampText; fields it cannot read stay as DateTime has them.
DateTime stampOf(const std::string& text) {
    DateTime t;
    const auto field = [&text](std::size_t at, std::size_t digits, int& into) {
        int value = 0;
        for (std::size_t i = at; i < at + digits; ++i) {
            if (i >= text.size() || text[i] < '0' || text[i] > '9') {
                return;
            }
            value = value * 10 + (text[i] - '0');
        }
        into = value;
    };
    field(0, 4, t.year);
    field(5, 2, t.month);
    field(8, 2, t.day);
    field(11, 2, t.hour);
    field(14, 2, t.minute);
    field(17, 2, t.second);
    return t;
}

} // namespace

void migrate(sql::Database& db, const std::string& logFile) {
    if (userVersion(db) == Version) {
        return;
    }
    sql::Transaction transaction(db);
    const int version = userVersion(db); // again, now that no other program can write
    if (version > Version) {
        newer(version);
    }
    if (version == 0) {
        sql::Statement objects(db, "SELECT count(*) FROM sqlite_master");
        objects.step();
        if (objects.integer(0) != 0) {
            throw sql::Error(SQLITE_NOTADB, "the file is a database, but not a history of games");
        }
    }
    for (int v = version; v < Version; ++v) {
        Migrations[static_cast<std::size_t>(v)](db, logFile);
    }
    db.exec("PRAGMA user_version = " + std::to_string(Version));
    transaction.commit();
}

void checkVersion(sql::Database& db) {
    const int version = userVersion(db);
    if (version > Version) {
        newer(version);
    }
    if (version < Version) {
        throw sql::Error(SQLITE_NOTADB, version == 0 ? "the file is not a history of games"
                                                     : "the history is of an older version");
    }
}

namespace {

std::string insertText() {
    std::string names;
    std::string values;
    for (const char* name : ScoreColumns) {
        names += std::string(", ") + name;
        values += ", ?";
    }
    return "INSERT INTO games (ended, points, play_seconds, bonus, advised, language, "
           "expected_start, choices_cost, luck, source" +
           names + ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?" + values + ")";
}

} // namespace

GameWriter::GameWriter(sql::Database& db)
    : db_(db), insert_(db, insertText()),
      insertRecord_(db, "INSERT INTO records (game, steps) VALUES (?, ?)") {}

std::int64_t GameWriter::add(const PlayedGame& game) {
    insert_.bind(1, stampText(game.ended)).bind(2, game.points).bind(3, game.playSeconds);
    insert_.bind(4, game.bonus).bind(5, game.advised ? 1 : 0).bind(6, game.language);
    if (game.review) {
        insert_.bind(7, game.review->expectedStart).bind(8, game.review->cost);
        insert_.bind(9, game.review->luck);
    }
    insert_.bind(10, std::string(game.source == PlayedGame::Source::Log ? "log" : "played"));
    if (game.scores) {
        for (std::size_t i = 0; i < ScoreColumns.size(); ++i) {
            insert_.bind(11 + static_cast<int>(i), (*game.scores)[i]);
        }
    }
    insert_.run();
    const std::int64_t id = db_.lastInsertId();
    if (!game.record.empty()) {
        insertRecord_.bind(1, id).bind(2, game.record).run();
    }
    return id;
}

std::vector<PlayedGame> selectGames(sql::Database& db) {
    std::string names;
    for (const char* name : ScoreColumns) {
        names += std::string(", ") + name;
    }
    sql::Statement query(db, "SELECT id, ended, points, play_seconds, bonus, advised, language, "
                             "expected_start, choices_cost, luck, source" +
                                 names + " FROM games ORDER BY ended, id");
    std::vector<PlayedGame> games;
    while (query.step()) {
        PlayedGame& g = games.emplace_back();
        g.id = query.integer(0);
        g.ended = stampOf(query.text(1));
        g.points = static_cast<int>(query.integer(2));
        g.playSeconds = static_cast<int>(query.integer(3));
        if (!query.isNull(4)) {
            g.bonus = static_cast<int>(query.integer(4));
        }
        g.advised = query.integer(5) != 0;
        g.language = query.text(6);
        if (!query.isNull(7)) {
            g.review = GameReview{query.real(7), query.real(8), query.real(9)};
        }
        g.source = query.text(10) == "log" ? PlayedGame::Source::Log : PlayedGame::Source::Played;
        if (!query.isNull(11)) {
            auto& scores = g.scores.emplace();
            for (std::size_t i = 0; i < scores.size(); ++i) {
                scores[i] = static_cast<int>(query.integer(11 + static_cast<int>(i)));
            }
        }
    }
    return games;
}

std::optional<std::string> selectRecord(sql::Database& db, std::int64_t id) {
    sql::Statement query(db, "SELECT steps FROM records WHERE game = ?");
    query.bind(1, id);
    if (!query.step()) {
        return std::nullopt;
    }
    return query.text(0);
}

std::vector<std::pair<std::int64_t, std::string>> selectUnreviewed(sql::Database& db) {
    sql::Statement query(db, "SELECT games.id, records.steps FROM games JOIN records ON "
                             "records.game = games.id WHERE games.expected_start IS NULL "
                             "ORDER BY games.ended, games.id");
    std::vector<std::pair<std::int64_t, std::string>> games;
    while (query.step()) {
        games.emplace_back(query.integer(0), query.text(1));
    }
    return games;
}

void updateReview(sql::Database& db, std::int64_t id, const GameReview& review) {
    sql::Statement update(db, "UPDATE games SET expected_start = ?, choices_cost = ?, luck = ? "
                              "WHERE id = ?");
    update.bind(1, review.expectedStart).bind(2, review.cost).bind(3, review.luck).bind(4, id);
    update.run();
}

} // namespace brisvane::historydb
