// The gaps of the lower table's own splits: how the measured sums become the shipped table.

#include <gtest/gtest.h>

#include <cmath>

#include "advisor/LowerSplitGaps.h"
#include "advisor/Tables.h"

namespace brisvane::advisor::lowergaps {
namespace {

TEST(LowerSplitGaps, StandingCountsFourDiceOfEachOpenFaceAgainstTheLine) {
    EXPECT_EQ(upperStanding(UpperSet, 0), 4);                // 4 x 21 is the line itself
    EXPECT_EQ(upperStanding(UpperSet, 84), Standings - 1);   // the bonus is reached
    EXPECT_EQ(upperStanding(bitOf(category::Sixes), 50), 2); // 10 short: two steps below
    EXPECT_EQ(upperStanding(bitOf(category::Ones), 0), 0);   // far short
    EXPECT_EQ(upperStanding(bitOf(category::Sixes), 83), 7); // far ahead, not yet reached
}

TEST(LowerSplitGaps, EmptyStandingsTakeTheirCellsMeanAndFourCategoriesAreScaledBeyondTheMeasure) {
    Sums sums;
    // Two standings measured at 10 rolls, one upper and one lower category.
    sums.gap[cell(10, 1, 1, 2)] = 6;
    sums.count[cell(10, 1, 1, 2)] = 2;
    sums.gap[cell(10, 1, 1, 5)] = 9;
    sums.count[cell(10, 1, 1, 5)] = 1;
    // Three and four lower categories at the last measured rolls, and three beyond.
    sums.gap[cell(FourMeasuredTo, 2, 3, 1)] = 4;
    sums.count[cell(FourMeasuredTo, 2, 3, 1)] = 1;
    sums.gap[cell(FourMeasuredTo, 2, 4, 1)] = 6;
    sums.count[cell(FourMeasuredTo, 2, 4, 1)] = 1;
    sums.gap[cell(MaxRolls, 2, 3, 1)] = 10;
    sums.count[cell(MaxRolls, 2, 3, 1)] = 1;

    const std::vector<float> gaps = finish(sums);
    EXPECT_FLOAT_EQ(gaps[cell(10, 1, 1, 2)], 3.0f);
    EXPECT_FLOAT_EQ(gaps[cell(10, 1, 1, 5)], 9.0f);
    EXPECT_FLOAT_EQ(gaps[cell(10, 1, 1, 0)], 5.0f);        // (6 + 9) / 3
    EXPECT_FLOAT_EQ(gaps[cell(MaxRolls, 2, 4, 1)], 15.0f); // 10 x 6 / 4
}

TEST(LowerSplitGaps, TheShippedTableIsWhole) {
    const std::vector<float> gaps = shipped();
    ASSERT_EQ(gaps.size(), Cells);
    for (const float g : gaps) {
        ASSERT_TRUE(std::isfinite(g));
    }
    // No rolls left: nothing to miss.
    EXPECT_EQ(gaps[cell(0, 6, 4, 4)], 0.0f);
    EXPECT_GT(gaps[cell(30, 6, 4, 4)], gaps[cell(30, 1, 1, 4)]);
}

} // namespace
} // namespace brisvane::advisor::lowergaps
