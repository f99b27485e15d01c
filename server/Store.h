#pragma once
// Accounts and entries of the world table, kept in one schema on SQLite or PostgreSQL.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "server/Database.h"

namespace brisvane::server {

// The numbered migrations, each run once, in order, when the service starts.
int schemaVersion(Connection& connection);
void migrate(Connection& connection);

struct Account {
    std::int64_t id = 0;
    std::string name;
    std::string passwordHash;
};

struct NewEntry {
    std::int64_t accountId = 0;
    int points = 0;
    std::string key;
    int dateNumber = 0;
    int version = 0;
    int revision = 0;
    std::string lan;
    std::string screen;
    std::string os;
    std::int64_t received = 0; // seconds since 1970
};

struct TableRow {
    std::int64_t id = 0;
    int place = 0;
    std::string name;
    int points = 0;
    std::string key;
    int dateNumber = 0;
    std::string lan;
};

enum class Period { AllTime, Month };

struct TableQuery {
    Period period = Period::AllTime;
    int month = 0;    // the date number of "this month"
    std::string lan;  // only entries sent in this language; "" for all
    int page = 1;     // 1-based, TablePageSize a page
};

inline constexpr int TablePageSize = 50;

class Store {
public:
    explicit Store(Database& database);

    std::optional<Account> account(const std::string& nameKey);
    // False when the name (without regard to case) is taken.
    bool createAccount(const std::string& name, const std::string& nameKey,
                       const std::string& passwordHash, std::int64_t now);

    // The entry's id; the same entry sent again (account, key, points and date) is not stored
    // twice and gives the first one's id.
    std::int64_t addEntry(const NewEntry& entry);
    std::optional<TableRow> entry(std::int64_t id);
    // Place in the whole table, all time and all languages.
    int place(const TableRow& row);

    std::vector<TableRow> table(const TableQuery& query);
    int count(const TableQuery& query);
    // One player's entries, best first, with their places in the whole table.
    std::vector<TableRow> playerEntries(std::int64_t accountId, int page);
    int playerCount(std::int64_t accountId);

private:
    Database& database_;
};

} // namespace brisvane::server
