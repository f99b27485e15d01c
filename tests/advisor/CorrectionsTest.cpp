// The shipped corrections (the fit itself is checked by the review of the small game: the
// advisor's mean luck there is its mean score less its expected start).

#include <gtest/gtest.h>

#include <cmath>

#include "SmallGame.h"

namespace brisvane::advisor {
namespace {

TEST(Corrections, TheWholeGameTakesTheShippedOnesOtherLayoutsNone) {
    const Tables whole;
    const Tables::Corrections& c = whole.corrections();
    ASSERT_EQ(c.leaf.size(), 61u);
    ASSERT_EQ(c.value.size(), whole.valueCells());
    ASSERT_EQ(c.open.size(), Tables::OpenCells);
    for (const auto* values : {&c.leaf, &c.value, &c.open}) {
        for (const float v : *values) {
            ASSERT_TRUE(std::isfinite(v));
        }
    }
    EXPECT_NE(whole.valueCorrection(AllCategories, 60), 0.0);
    // Only the upper section open: the upper table solves it, nothing is added.
    EXPECT_EQ(whole.leafCorrection(UpperSet, 30), 0.0);
    EXPECT_EQ(whole.valueCorrection(UpperSet, 30), 0.0);
    EXPECT_TRUE(Tables(Small).corrections().leaf.empty());
}

} // namespace
} // namespace brisvane::advisor
