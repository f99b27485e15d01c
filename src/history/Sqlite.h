#pragma once
// A thin layer over SQLite: a connection and a prepared statement that clean up after
// themselves, and failures as exceptions that keep SQLite's result code, so callers can tell a
// damaged file (corrupt, not a database) from a folder they cannot write or a full disk.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace brisvane::sql {

class Error : public std::runtime_error {
public:
    Error(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    // SQLite's primary result code (SQLITE_CORRUPT, SQLITE_FULL, ...).
    int code() const { return code_; }
    // The file is not a database or its contents are broken: nothing to mend, only to set aside.
    bool damaged() const;
    // Another program holds the lock this step needed.
    bool busy() const;

private:
    int code_;
};

class Database;

class Statement {
public:
    Statement(Database& db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1.
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, double value);
    Statement& bind(int index, const std::string& value);
    Statement& bindNull(int index);
    template <typename T> Statement& bind(int index, const std::optional<T>& value) {
        return value ? bind(index, *value) : bindNull(index);
    }
    Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }

    // Runs the statement to its next row; false when it is done.
    bool step();
    // Runs a statement that returns no rows, and makes it ready to run again.
    void run();
    void reset();

    // Columns of the current row, numbered from 0.
    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;

private:
    Database& db_;
    sqlite3_stmt* statement_ = nullptr;
};

class Database {
public:
    enum class Mode { ReadWrite, ReadOnly };
    // Opens (ReadWrite: creating when absent) the database `path`, for one thread at a time
    // (SQLite's own locks between the programs stay); a busy database is waited
    // for up to `busyMilliseconds` before a write gives up. Opening reads nothing yet, so a
    // damaged file shows only at the first statement.
    Database(const std::string& path, Mode mode, int busyMilliseconds = 5000);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one or more statements that return no rows.
    void exec(const std::string& sql);
    std::int64_t lastInsertId() const;
    sqlite3* handle() { return db_; }
    // Throws Error for result code `code` with the connection's own message.
    [[noreturn]] void fail(int code) const;

private:
    sqlite3* db_ = nullptr;
};

// A write transaction taken at once (BEGIN IMMEDIATE), so two programs never both read and
// then both write; rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool open_ = true;
};

} // namespace brisvane::sql
