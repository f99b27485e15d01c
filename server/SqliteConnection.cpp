// SQLite: one file in write-ahead-log mode, so readers never wait for a writer, and a full sync
// at every commit, so an answered submission survives even a power cut.

#include <sqlite3.h>

#include <string>
#include <unordered_map>

#include "server/Database.h"

namespace brisvane::server {

namespace {

// "$1" -> "?1": the numbered parameters of the shared SQL in SQLite's spelling.
std::string sqliteParameters(const std::string& sql) {
    std::string out = sql;
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] == '$' && out[i + 1] >= '0' && out[i + 1] <= '9') {
            out[i] = '?';
        }
    }
    return out;
}

class SqliteConnection final : public Connection {
public:
    explicit SqliteConnection(const std::string& path) {
        const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
        if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
            const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            throw DatabaseError("cannot open the SQLite file " + path + ": " + message);
        }
        sqlite3_busy_timeout(db_, 10000);
        runScript("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON;");
    }

    ~SqliteConnection() override {
        for (auto& [sql, statement] : statements_) {
            sqlite3_finalize(statement);
        }
        sqlite3_close(db_);
    }

    Dialect dialect() const override { return Dialect::Sqlite; }
    bool healthy() const override { return true; }

    std::vector<Row> run(const std::string& sql, const std::vector<Value>& values) override {
        sqlite3_stmt* statement = prepared(sql);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        for (std::size_t i = 0; i < values.size(); ++i) {
            bind(statement, static_cast<int>(i + 1), values[i]);
        }
        std::vector<Row> rows;
        int status = SQLITE_OK;
        while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
            Row row;
            const int columns = sqlite3_column_count(statement);
            for (int c = 0; c < columns; ++c) {
                const auto* text = sqlite3_column_text(statement, c);
                row.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
            }
            rows.push_back(std::move(row));
        }
        sqlite3_reset(statement);
        if (status != SQLITE_DONE) {
            throw DatabaseError(std::string("SQLite: ") + sqlite3_errmsg(db_));
        }
        return rows;
    }

    void runScript(const std::string& sql) override {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error != nullptr ? error : "unknown error";
            sqlite3_free(error);
            throw DatabaseError("SQLite: " + message);
        }
    }

private:
    sqlite3_stmt* prepared(const std::string& sql) {
        const auto found = statements_.find(sql);
        if (found != statements_.end()) {
            return found->second;
        }
        sqlite3_stmt* statement = nullptr;
        const std::string text = sqliteParameters(sql);
        if (sqlite3_prepare_v3(db_, text.c_str(), static_cast<int>(text.size()),
                               SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
            throw DatabaseError(std::string("SQLite: ") + sqlite3_errmsg(db_));
        }
        statements_.emplace(sql, statement);
        return statement;
    }

    void bind(sqlite3_stmt* statement, int index, const Value& value) {
        int status = SQLITE_OK;
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            status = sqlite3_bind_int64(statement, index, *number);
        } else {
            const std::string& text = std::get<std::string>(value);
            status = sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                                       SQLITE_TRANSIENT);
        }
        if (status != SQLITE_OK) {
            throw DatabaseError(std::string("SQLite: ") + sqlite3_errmsg(db_));
        }
    }

    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> statements_;
};

} // namespace

std::unique_ptr<Connection> openSqlite(const std::string& path) {
    return std::make_unique<SqliteConnection>(path);
}

} // namespace brisvane::server
