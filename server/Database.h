#pragma once
// The world table's storage: SQLite (one file) or PostgreSQL (several instances behind a proxy),
// reached through one small interface. Every statement is prepared and its values bound: no
// value is ever spliced into SQL text.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brisvane::server {

class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Dialect { Sqlite, Postgres };

using Value = std::variant<std::int64_t, std::string>;
// One result row, each column as text ("" for NULL).
using Row = std::vector<std::string>;

class Connection {
public:
    virtual ~Connection() = default;
    virtual Dialect dialect() const = 0;
    // One statement with parameters $1..$n; prepared once per connection and kept.
    virtual std::vector<Row> run(const std::string& sql, const std::vector<Value>& values) = 0;
    // Statements without parameters, one after another (the schema's migrations).
    virtual void runScript(const std::string& sql) = 0;
    // False once the connection is lost: the pool drops it instead of lending it again.
    virtual bool healthy() const = 0;
};

std::unique_ptr<Connection> openSqlite(const std::string& path);
std::unique_ptr<Connection> openPostgres(const std::string& url);

// A fixed number of connections shared by the request threads.
class Database {
public:
    using Factory = std::function<std::unique_ptr<Connection>()>;

    // "sqlite:PATH" or "postgresql://..." (also "postgres://..."); throws DatabaseError when the
    // address names neither or the first connection fails.
    static std::unique_ptr<Database> open(const std::string& address, int connections);
    Database(Factory factory, Dialect dialect, int connections);

    class Lease {
    public:
        Lease(Database& owner, std::unique_ptr<Connection> connection);
        Lease(Lease&&) = default;
        ~Lease();
        Connection* operator->() const { return connection_.get(); }
        Connection& operator*() const { return *connection_; }

    private:
        Database* owner_;
        std::unique_ptr<Connection> connection_;
    };

    // Waits for a free connection (opening one while fewer than the limit exist).
    Lease acquire();
    Dialect dialect() const { return dialect_; }

private:
    void giveBack(std::unique_ptr<Connection> connection);

    Factory factory_;
    Dialect dialect_;
    int limit_;
    int open_ = 0;
    std::vector<std::unique_ptr<Connection>> idle_;
    std::mutex mutex_;
    std::condition_variable freed_;
};

// Runs `work` between BEGIN and COMMIT (a write lock at once on SQLite), rolling back when it
// throws.
void inTransaction(Connection& connection, const std::function<void()>& work);

} // namespace brisvane::server
