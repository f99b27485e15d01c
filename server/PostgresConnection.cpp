// PostgreSQL through libpq: each statement prepared once per connection under a name of its own,
// its values sent apart from the SQL text.

#include <libpq-fe.h>

#include <string>
#include <unordered_map>

#include "server/Database.h"

namespace brisvane::server {

namespace {

class Result {
public:
    explicit Result(PGresult* result) : result_(result) {}
    ~Result() { PQclear(result_); }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
    PGresult* get() const { return result_; }

private:
    PGresult* result_;
};

class PostgresConnection final : public Connection {
public:
    explicit PostgresConnection(const std::string& url) : conn_(PQconnectdb(url.c_str())) {
        if (conn_ == nullptr || PQstatus(conn_) != CONNECTION_OK) {
            const std::string message = conn_ != nullptr ? PQerrorMessage(conn_) : "out of memory";
            PQfinish(conn_);
            throw DatabaseError("cannot connect to PostgreSQL: " + message);
        }
        // Notices (such as "relation already exists, skipping") are not the service's news.
        PQsetNoticeProcessor(conn_, [](void*, const char*) {}, nullptr);
    }

    ~PostgresConnection() override { PQfinish(conn_); }

    Dialect dialect() const override { return Dialect::Postgres; }
    bool healthy() const override { return PQstatus(conn_) == CONNECTION_OK; }

    std::vector<Row> run(const std::string& sql, const std::vector<Value>& values) override {
        const std::string& name = prepared(sql);
        std::vector<std::string> texts;
        texts.reserve(values.size());
        for (const Value& value : values) {
            texts.push_back(std::holds_alternative<std::int64_t>(value)
                                ? std::to_string(std::get<std::int64_t>(value))
                                : std::get<std::string>(value));
        }
        std::vector<const char*> pointers;
        for (const std::string& text : texts) {
            pointers.push_back(text.c_str());
        }
        const Result result(PQexecPrepared(conn_, name.c_str(), static_cast<int>(pointers.size()),
                                           pointers.data(), nullptr, nullptr, 0));
        check(result, "a statement");
        std::vector<Row> rows;
        const int count = PQntuples(result.get());
        const int columns = PQnfields(result.get());
        for (int r = 0; r < count; ++r) {
            Row row;
            for (int c = 0; c < columns; ++c) {
                row.emplace_back(PQgetvalue(result.get(), r, c));
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

    void runScript(const std::string& sql) override {
        const Result result(PQexec(conn_, sql.c_str()));
        check(result, "the schema");
    }

private:
    const std::string& prepared(const std::string& sql) {
        const auto found = names_.find(sql);
        if (found != names_.end()) {
            return found->second;
        }
        const std::string name = "s" + std::to_string(names_.size() + 1);
        const Result result(PQprepare(conn_, name.c_str(), sql.c_str(), 0, nullptr));
        check(result, "preparing a statement");
        return names_.emplace(sql, name).first->second;
    }

    void check(const Result& result, const char* what) const {
        const ExecStatusType status = PQresultStatus(result.get());
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            // The primary message only: the detail line can quote the values of a row.
            const char* primary = PQresultErrorField(result.get(), PG_DIAG_MESSAGE_PRIMARY);
            throw DatabaseError(std::string("PostgreSQL, ") + what + ": " +
                                (primary != nullptr ? primary : PQerrorMessage(conn_)));
        }
    }

    PGconn* conn_;
    std::unordered_map<std::string, std::string> names_;
};

} // namespace

std::unique_ptr<Connection> openPostgres(const std::string& url) {
    return std::make_unique<PostgresConnection>(url);
}

} // namespace brisvane::server
