#include "scores/HsTable.h"

#include "settings/MemoryProfile.h"

#include <gtest/gtest.h>
#include <vector>

namespace brisvane {
namespace {

TEST(HsTable, AGameMovesTheLowerPlacesDownAndDropsTheTenth) {
    HsTable table;
    for (int i = 1; i <= 10; ++i) {
        table.slots[static_cast<std::size_t>(i)] = {550 - 50 * i, "was " + std::to_string(i), "",
                                                    ""};
    }
    EXPECT_EQ(table.placeFor(51), 10);
    EXPECT_EQ(table.placeFor(50), 0);
    table.slots[0] = {420, "new", "key", "202"};
    table.insertCandidate();
    EXPECT_EQ(table.NewPlace, 3);
    EXPECT_EQ(table.slots[3].key, "key");
    EXPECT_EQ(table.slots[4].name, "was 3");
    EXPECT_EQ(table.slots[10].name, "was 9");
    const HsTable cleared;
    EXPECT_EQ(cleared.placeFor(0), 0);
    EXPECT_EQ(cleared.placeFor(1), 1);
}

TEST(HsTable, HandEditedPlacesAreReadWithoutFailingAndWrittenBackAsNumbers) {
    MemoryProfile profile;
    profile.SetINI("highscore", "P1", "345.0", "V");
    profile.SetINI("Highscore", "p2", "abc", "V");
    profile.SetINI("Highscore", "p3", " 12x", "V");
    profile.SetINI("Highscore", "p4", "-3", "V");
    profile.SetINI("Highscore", "p10", "99999999999", "V");
    profile.SetINI("Highscore", "N1", "Anna", "V");
    const HsTable table = HsTable::read(profile, "V");
    EXPECT_EQ(table.LowestPoints(), 2147483647) << "a huge 10th place stays a high threshold";
    table.write(profile, "V");
    std::string points;
    for (int i = 1; i <= 10; ++i) {
        points += profile.GetINI("Highscore", HsTable::placeKey('p', i), "V") + " ";
    }
    EXPECT_EQ(points, "345 0 12 -3 0 0 0 0 0 2147483647 ");
    EXPECT_EQ(profile.GetINI("Highscore", "n1", "V"), "Anna");
}

} // namespace
} // namespace brisvane
