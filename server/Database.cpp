#include "server/Database.h"

namespace brisvane::server {

std::unique_ptr<Database> Database::open(const std::string& address, int connections) {
    std::unique_ptr<Database> database;
    if (address.rfind("sqlite:", 0) == 0) {
        const std::string path = address.substr(7);
        if (path.empty()) {
            throw DatabaseError("the SQLite address names no file (sqlite:PATH)");
        }
        database = std::make_unique<Database>([path] { return openSqlite(path); }, Dialect::Sqlite,
                                              connections);
    } else if (address.rfind("postgresql://", 0) == 0 || address.rfind("postgres://", 0) == 0) {
        database = std::make_unique<Database>([address] { return openPostgres(address); },
                                              Dialect::Postgres, connections);
    } else {
        throw DatabaseError("the database address must begin with sqlite: or postgresql://");
    }
    // Opened once here, so that a wrong address stops the start, not the first request.
    database->acquire();
    return database;
}

Database::Database(Factory factory, Dialect dialect, int connections)
    : factory_(std::move(factory)), dialect_(dialect), limit_(connections < 1 ? 1 : connections) {}

Database::Lease::Lease(Database& owner, std::unique_ptr<Connection> connection)
    : owner_(&owner), connection_(std::move(connection)) {}

Database::Lease::~Lease() {
    if (connection_) {
        owner_->giveBack(std::move(connection_));
    }
}

Database::Lease Database::acquire() {
    std::unique_lock lock(mutex_);
    freed_.wait(lock, [this] { return !idle_.empty() || open_ < limit_; });
    if (!idle_.empty()) {
        std::unique_ptr<Connection> connection = std::move(idle_.back());
        idle_.pop_back();
        return Lease(*this, std::move(connection));
    }
    ++open_;
    lock.unlock();
    try {
        return Lease(*this, factory_());
    } catch (...) {
        lock.lock();
        --open_;
        freed_.notify_one();
        throw;
    }
}

void Database::giveBack(std::unique_ptr<Connection> connection) {
    {
        const std::lock_guard lock(mutex_);
        if (connection->healthy()) {
            idle_.push_back(std::move(connection));
        } else {
            --open_;
        }
    }
    freed_.notify_one();
}

void inTransaction(Connection& connection, const std::function<void()>& work) {
    connection.run(connection.dialect() == Dialect::Sqlite ? "BEGIN IMMEDIATE" : "BEGIN", {});
    try {
        work();
        connection.run("COMMIT", {});
    } catch (...) {
        try {
            connection.run("ROLLBACK", {});
        } catch (const DatabaseError&) {
            // The connection may be gone; the first error is the one to report.
        }
        throw;
    }
}

} // namespace brisvane::server
