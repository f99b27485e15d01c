#include "scores/HsTable.h"

#include "settings/FileProfile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <vector>

namespace brisvane {
namespace {

// (How a game that enters moves the places below it: the recorder's tests.)
TEST(HsTable, AGameEntersAboveTheFirstLowerPlaceOnlyAndNotWithNoPoints) {
    HsTable table;
    for (int i = 1; i <= 10; ++i) {
        table.slots[static_cast<std::size_t>(i)] = {550 - 50 * i, "", "", ""};
    }
    EXPECT_EQ(table.placeFor(51), 10);
    EXPECT_EQ(table.placeFor(50), 0) << "a tie with the tenth place stays out";
    const HsTable cleared;
    EXPECT_EQ(cleared.placeFor(0), 0);
    EXPECT_EQ(cleared.placeFor(1), 1);
}

// A game that does not move a place leaves its stored text exactly as the player wrote it;
// only keys that are missing are created. The places a game moves are written as numbers.
TEST(HsTable, PlacesAGameDoesNotMoveKeepTheirTextByteForByte) {
    testing::TempFolder folder;
    const std::string ini = folder.file("Vexa.ini");
    const std::string longName(2000, 'A');
    folder.write("Vexa.ini", "[Highscore]\np1=345.0\nn1=" + longName +
                                 "\nk1=1\nd1=\np2=300 points\nn2=Bo\nk2=2\nd2=\n"
                                 "p3= 12x\nn3=Cy\nk3=3\nd3=\np10=99999999999\n");
    FileProfile profile;
    HsTable table = HsTable::read(profile, ini);
    EXPECT_EQ(table.LowestPoints(), 2147483647) << "a huge 10th place stays a high threshold";

    ASSERT_TRUE(profile.SetINIs(ini, table.changes())) << "a game that enters nowhere";
    const std::string text = folder.read("Vexa.ini");
    EXPECT_NE(text.find("n1=" + longName + "\n"), std::string::npos) << "not cut to 1023";
    EXPECT_NE(text.find("p1=345.0\n"), std::string::npos);
    EXPECT_NE(text.find("p10=99999999999\n"), std::string::npos);
    EXPECT_EQ(profile.GetINI("Highscore", "p4", ini), "0") << "missing keys are created";
    EXPECT_EQ(profile.GetINI("Highscore", "d9", ini), "");
    EXPECT_NE(text.find("d9="), std::string::npos);

    table.slots[0] = {10, "New", "k", "1112"}; // enters below " 12x", above the empty places
    table.insertCandidate();
    ASSERT_EQ(table.NewPlace, 4);
    ASSERT_TRUE(profile.SetINIs(ini, table.changes()));
    std::string points;
    for (int i = 1; i <= 10; ++i) {
        points += profile.GetINI("Highscore", HsTable::placeKey('p', i), ini) + "|";
    }
    EXPECT_EQ(points, "345.0|300 points|12x|10|0|0|0|0|0|0|");

    table = HsTable::read(profile, ini);
    table.slots[0] = {999, "Top", "k", "1112"};
    table.insertCandidate();
    ASSERT_TRUE(profile.SetINIs(ini, table.changes()));
    EXPECT_EQ(profile.GetINI("Highscore", "n2", ini), longName) << "a long name moves whole";
}

} // namespace
} // namespace brisvane
