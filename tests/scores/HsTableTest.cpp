#include "scores/HsTable.h"

#include "settings/MemoryProfile.h"

#include <gtest/gtest.h>
#include <vector>

namespace brisvane {
namespace {

// A table whose places hold these points, named after their old place ("was 3").
HsTable tableOf(const std::vector<int>& points) {
    HsTable table;
    for (std::size_t i = 1; i <= points.size(); ++i) {
        table.slots[i] = {points[i - 1], "was " + std::to_string(i), "k" + std::to_string(i),
                          "202"};
    }
    return table;
}

std::vector<int> pointsOf(const HsTable& table) {
    std::vector<int> points;
    for (int i = 1; i <= HsTable::Places; ++i) {
        points.push_back(table.slots[static_cast<std::size_t>(i)].points);
    }
    return points;
}

int insert(HsTable& table, int points) {
    table.slots[0] = {points, "new", "key", "202"};
    table.insertCandidate();
    return table.NewPlace;
}

TEST(HsTable, AGameEqualToEveryPlaceDoesNotEnter) {
    HsTable table = tableOf(std::vector<int>(10, 100));
    EXPECT_EQ(table.placeFor(100), 0);
    EXPECT_EQ(insert(table, 100), 0);
    EXPECT_EQ(pointsOf(table), std::vector<int>(10, 100));
    EXPECT_EQ(table.slots[10].name, "was 10");
}

TEST(HsTable, AGameMovesTheLowerPlacesDownAndDropsTheTenth) {
    HsTable table = tableOf({500, 450, 400, 350, 300, 250, 200, 150, 100, 50});
    EXPECT_EQ(insert(table, 420), 3);
    EXPECT_EQ(pointsOf(table),
              (std::vector<int>{500, 450, 420, 400, 350, 300, 250, 200, 150, 100}));
    // Name, key and date move with their points.
    EXPECT_EQ(table.slots[3].name, "new");
    EXPECT_EQ(table.slots[3].key, "key");
    EXPECT_EQ(table.slots[4].name, "was 3");
    EXPECT_EQ(table.slots[4].key, "k3");
    EXPECT_EQ(table.slots[10].name, "was 9");

    // A game equal to place 3 goes below it.
    HsTable equal = tableOf({500, 450, 400, 350, 300, 250, 200, 150, 100, 50});
    EXPECT_EQ(insert(equal, 400), 4);
    EXPECT_EQ(equal.slots[3].name, "was 3");
    EXPECT_EQ(equal.slots[4].name, "new");
}

TEST(HsTable, AClearedListTakesAnyGameAboveZero) {
    HsTable cleared = tableOf(std::vector<int>(10, 0));
    EXPECT_EQ(insert(cleared, 0), 0);
    EXPECT_EQ(insert(cleared, 1), 1);
    EXPECT_EQ(pointsOf(cleared), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(HsTable, HandEditedPlacesAreReadWithoutFailingAndWrittenBackAsNumbers) {
    MemoryProfile profile;
    const std::string ini = "Vexa.ini";
    const std::vector<std::string> stored = {"345.0",       "abc", "",   " 12", "7x",
                                             "99999999999", "-3",  "+8", "0",   "40000"};
    for (int i = 1; i <= 10; ++i) {
        profile.SetINI("Highscore", HsTable::placeKey('p', i), stored[std::size_t(i - 1)], ini);
        profile.SetINI("highscore", HsTable::placeKey('N', i), "Name" + std::to_string(i), ini);
    }
    const HsTable table = HsTable::read(profile, ini);
    EXPECT_EQ(pointsOf(table), (std::vector<int>{345, 0, 0, 12, 7, 2147483647, -3, 8, 0, 40000}));
    // A 10th place beyond the old 16-bit range stays a high threshold, never a negative one.
    EXPECT_EQ(table.LowestPoints(), 40000);
    EXPECT_EQ(table.slots[1].name, "Name1");

    table.write(profile, ini);
    const std::vector<std::string> rewritten = {"345",        "0",  "0", "12", "7",
                                                "2147483647", "-3", "8", "0",  "40000"};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(profile.GetINI("Highscore", HsTable::placeKey('p', i), ini),
                  rewritten[std::size_t(i - 1)]);
        EXPECT_EQ(profile.GetINI("Highscore", HsTable::placeKey('n', i), ini),
                  "Name" + std::to_string(i));
    }
}

} // namespace
} // namespace brisvane
