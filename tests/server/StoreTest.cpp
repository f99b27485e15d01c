#include <gtest/gtest.h>

#include "server/Store.h"
#include "server/TableCache.h"
#include "support/TempFolder.h"

namespace brisvane::server {
namespace {

class StoreTest : public ::testing::Test {
protected:
    StoreTest() : database(Database::open("sqlite:" + folder.file("scores.sqlite"), 2)), store(*database) {
        migrate(*database->acquire());
    }

    std::int64_t account(const std::string& name) {
        store.createAccount(name, name, "hash", 0);
        return store.account(name)->id;
    }

    std::int64_t add(std::int64_t who, int points, int date = 1226, const std::string& lan = "English") {
        return store.addEntry(NewEntry{who, points, "k" + std::to_string(points), date, 700, 3, lan,
                                       "1280x1024", "N/A", 0});
    }

    testing::TempFolder folder;
    std::unique_ptr<Database> database;
    Store store;
};

TEST_F(StoreTest, MigrationsRunOnceAndTheSchemaKeepsItsVersion) {
    auto connection = database->acquire();
    const int version = schemaVersion(*connection);
    EXPECT_GE(version, 2);
    migrate(*connection);
    EXPECT_EQ(schemaVersion(*connection), version);
}

// A name is taken once whatever its case, its account found by its key; an entry sent again is
// stored once, under its first id.
TEST_F(StoreTest, ANameAndAnEntryAreEachStoredOnce) {
    EXPECT_TRUE(store.createAccount("Åsa", "åsa", "h1", 0));
    EXPECT_FALSE(store.createAccount("ÅSA", "åsa", "h2", 0));
    const auto found = store.account("åsa");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "Åsa");
    EXPECT_EQ(found->passwordHash, "h1");
    EXPECT_FALSE(store.account("asa"));
    const auto who = account("a");
    const auto first = add(who, 300);
    EXPECT_EQ(add(who, 300), first);
    EXPECT_NE(add(who, 300, 1225), first);
    EXPECT_EQ(store.count(TableQuery{}), 2);
}

TEST_F(StoreTest, TheTableIsBestFirstEarlierFirstOnATieFilteredAndPaged) {
    const auto a = account("a");
    const auto b = account("b");
    add(a, 200);
    const auto tieFirst = add(b, 400);
    add(a, 400, 1225, "Swedish");
    for (int p = 1; p <= 60; ++p) {
        add(b, p, 1101);
    }
    const auto top = store.table(TableQuery{});
    ASSERT_EQ(top.size(), 50U);
    EXPECT_EQ(top[0].id, tieFirst);
    EXPECT_EQ(top[0].place, 1);
    EXPECT_EQ(top[1].points, 400);
    EXPECT_EQ(top[2].points, 200);
    EXPECT_EQ(store.place(top[1]), 2);

    TableQuery second;
    second.page = 2;
    const auto rest = store.table(second);
    ASSERT_EQ(rest.size(), 13U);
    EXPECT_EQ(rest[0].place, 51);

    TableQuery month{Period::Month, 1226, "", 1};
    EXPECT_EQ(store.count(month), 2);
    TableQuery swedish{Period::AllTime, 0, "Swedish", 1};
    ASSERT_EQ(store.table(swedish).size(), 1U);
    EXPECT_EQ(store.table(swedish)[0].name, "a");

    const auto mine = store.playerEntries(a, 1);
    ASSERT_EQ(mine.size(), 2U);
    EXPECT_EQ(mine[0].place, 2);
    EXPECT_EQ(mine[1].place, 3);
}

TEST(TableCacheTest, APageIsKeptAWhileButNotWhenANewEntryCameDuringItsRead) {
    TableCache cache;
    const auto now = TableCache::Clock::now();
    TableView view{TableQuery{}, {}, 7};
    const auto before = cache.generation();
    cache.clear(); // an entry was added while the page was read
    cache.keep(view, before, now);
    EXPECT_FALSE(cache.find(view.query, now));
    cache.keep(view, cache.generation(), now);
    ASSERT_TRUE(cache.find(view.query, now));
    EXPECT_EQ(cache.find(view.query, now)->total, 7);
    EXPECT_FALSE(cache.find(view.query, now + TableCache::MaxAge + std::chrono::seconds(1)));
    TableQuery month{Period::Month, 1226, "", 1};
    EXPECT_FALSE(cache.find(month, now));
}

} // namespace
} // namespace brisvane::server
