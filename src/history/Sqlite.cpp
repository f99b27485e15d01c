#include "history/Sqlite.h"

#include <sqlite3.h>
#include <unistd.h>

#include "common/FileIo.h"

namespace brisvane::sql {

bool Error::damaged() const {
    return code_ == SQLITE_CORRUPT || code_ == SQLITE_NOTADB;
}

bool Error::busy() const {
    return code_ == SQLITE_BUSY;
}

Database::Database(const std::string& path, Mode mode, int busyMilliseconds) {
    const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                                             : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const bool existed = ::access(path.c_str(), F_OK) == 0;
    // A connection is used by one thread at a time: no lock around every call.
    const int code = sqlite3_open_v2(path.c_str(), &db_,
                                     flags | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(code & 0xFF, message);
    }
    if (!existed) {
        // A database made by a run as root in the player's folder stays the player's; SQLite
        // gives its log files the owner of the database.
        takeFolderOwner(path);
    }
    sqlite3_extended_result_codes(db_, 0);
    sqlite3_busy_timeout(db_, busyMilliseconds);
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

void Database::fail(int code) const {
    throw Error(code & 0xFF, sqlite3_errmsg(db_));
}

void Database::exec(const std::string& sql) {
    const int code = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        fail(code);
    }
}

std::int64_t Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

Statement::Statement(Database& db, const std::string& sql) : db_(db) {
    const int code = sqlite3_prepare_v2(db.handle(), sql.c_str(), static_cast<int>(sql.size()),
                                        &statement_, nullptr);
    if (code != SQLITE_OK) {
        db.fail(code);
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::bind(int index, std::int64_t value) {
    const int code = sqlite3_bind_int64(statement_, index, value);
    if (code != SQLITE_OK) {
        db_.fail(code);
    }
    return *this;
}

Statement& Statement::bind(int index, double value) {
    const int code = sqlite3_bind_double(statement_, index, value);
    if (code != SQLITE_OK) {
        db_.fail(code);
    }
    return *this;
}

Statement& Statement::bind(int index, const std::string& value) {
    const int code = sqlite3_bind_text(statement_, index, value.data(),
                                       static_cast<int>(value.size()), SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
        db_.fail(code);
    }
    return *this;
}

Statement& Statement::bindNull(int index) {
    const int code = sqlite3_bind_null(statement_, index);
    if (code != SQLITE_OK) {
        db_.fail(code);
    }
    return *this;
}

bool Statement::step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    const int failure = sqlite3_reset(statement_);
    db_.fail(failure != SQLITE_OK ? failure : code);
}

void Statement::run() {
    while (step()) {
    }
    reset();
}

void Statement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double Statement::real(int column) const {
    return sqlite3_column_double(statement_, column);
}

std::string Statement::text(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return bytes == nullptr ? std::string()
                            : std::string(reinterpret_cast<const char*>(bytes),
                                          static_cast<std::size_t>(size));
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (open_) {
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit() {
    db_.exec("COMMIT");
    open_ = false;
}

} // namespace brisvane::sql
