// The twenty rules, checked over every roll against a second formulation written from the
// rule table ("fits when" / "points") in terms of sub-multisets of the dice, and the
// suggestion checked for the properties a player relies on.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "game/Scoring.h"

namespace brisvane {
namespace {

using Faces = std::vector<int>; // sorted

std::string text(const Dice& d) {
    std::string s;
    for (const int f : d) {
        s += static_cast<char>('0' + f);
    }
    return s;
}

// True when the multiset `part` is contained in the dice.
bool contains(const Faces& dice, Faces part) {
    std::sort(part.begin(), part.end());
    return std::includes(dice.begin(), dice.end(), part.begin(), part.end());
}

int exactly(const Faces& dice, int face) {
    return static_cast<int>(std::count(dice.begin(), dice.end(), face));
}

// The highest of the faces for which `fits` holds; 0 when none does.
template <typename Fits> int highest(Fits fits) {
    for (int f = 6; f >= 1; --f) {
        if (fits(f)) {
            return f;
        }
    }
    return 0;
}

Faces sorted(const Dice& rolled) {
    Faces d(rolled.begin(), rolled.end());
    std::sort(d.begin(), d.end());
    return d;
}

int expectedPoints(int k, const Faces& d) {
    const auto nOfAKind = [&](int n) {
        return highest([&](int f) { return contains(d, Faces(static_cast<std::size_t>(n), f)); });
    };
    switch (k) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return k * exactly(d, k);
    case 7:
        return 2 * nOfAKind(2);
    case 8: {
        int best = 0;
        for (int a = 1; a <= 6; ++a) {
            for (int b = a + 1; b <= 6; ++b) {
                if (contains(d, {a, a, b, b})) {
                    best = std::max(best, 2 * a + 2 * b);
                }
            }
        }
        return best;
    }
    case 9:
        for (int a = 1; a <= 6; ++a) {
            for (int b = a + 1; b <= 6; ++b) {
                for (int c = b + 1; c <= 6; ++c) {
                    if (contains(d, {a, a, b, b, c, c})) {
                        return 2 * (a + b + c);
                    }
                }
            }
        }
        return 0;
    case 10:
        return 3 * nOfAKind(3);
    case 11:
        return 4 * nOfAKind(4);
    case 12:
        return 5 * nOfAKind(5);
    case 13:
        return contains(d, {1, 2, 3, 4, 5}) ? 15 : 0;
    case 14:
        return contains(d, {2, 3, 4, 5, 6}) ? 20 : 0;
    case 15:
        return contains(d, {1, 2, 3, 4, 5, 6}) ? 21 : 0;
    case 16: {
        const int t = nOfAKind(3);
        const int p = highest([&](int f) { return f != t && contains(d, {f, f}); });
        return t != 0 && p != 0 ? 3 * t + 2 * p : 0;
    }
    case 17: {
        const int t = highest([&](int f) { return exactly(d, f) == 3; });
        const int s = highest([&](int f) { return f != t && exactly(d, f) == 3; });
        return t != 0 && s != 0 ? 3 * t + 3 * s : 0;
    }
    case 18: {
        const int q = highest([&](int f) { return exactly(d, f) == 4; });
        const int p = highest([&](int f) { return f != q && exactly(d, f) == 2; });
        return q != 0 && p != 0 ? 4 * q + 2 * p : 0;
    }
    case 19:
        return std::accumulate(d.begin(), d.end(), 0);
    case 20:
        return d.front() == d.back() && d.front() != 0 ? 100 : 0;
    default:
        return -1;
    }
}

TEST(Scoring, RollsAreNumberedInAscendingOrder) {
    EXPECT_EQ(text(rollOfIndex(0)), "111111");
    EXPECT_EQ(text(rollOfIndex(1)), "111112");
    EXPECT_EQ(text(rollOfIndex(6)), "111121");
    EXPECT_EQ(text(rollOfIndex(RollCount - 1)), "666666");
    for (int index = 1; index < RollCount; ++index) {
        ASSERT_LT(text(rollOfIndex(index - 1)), text(rollOfIndex(index))) << index;
    }
}

TEST(Scoring, EveryRollScoresEveryCategoryAsTheRuleTableSays) {
    for (int index = 0; index < RollCount; ++index) {
        const Dice dice = rollOfIndex(index);
        const Evaluation e = evaluate(dice, AllCategories, 30, 30);
        const Faces faces = sorted(dice);
        bool anyScores = false;
        for (int k = 1; k <= CategoryCount; ++k) {
            const int expected = expectedPoints(k, faces);
            ASSERT_EQ(categoryPoints(k, dice), expected) << text(dice) << " category " << k;
            ASSERT_EQ(e.value[static_cast<std::size_t>(k)], expected)
                << text(dice) << " category " << k;
            ASSERT_LE(expected, categoryMaximum(k)) << text(dice) << " category " << k;
            anyScores = anyScores || expected > 0;
        }
        ASSERT_EQ(e.anyScorable, anyScores ? 1 : 0) << text(dice);
    }
}

TEST(Scoring, EveryCategoryReachesItsMaximumWithSomeRoll) {
    std::array<int, CategoryCount + 1> best{};
    for (int index = 0; index < RollCount; ++index) {
        const Evaluation e = evaluate(rollOfIndex(index), AllCategories, 30, 30);
        for (std::size_t k = 1; k <= CategoryCount; ++k) {
            best[k] = std::max(best[k], e.value[k]);
        }
    }
    for (int k = 1; k <= CategoryCount; ++k) {
        EXPECT_EQ(best[static_cast<std::size_t>(k)], categoryMaximum(k)) << categoryName(k);
    }
}

TEST(Scoring, DiceNotYetRolledFitNothing) {
    for (int k = 1; k <= CategoryCount; ++k) {
        EXPECT_EQ(categoryPoints(k, Dice{}), 0) << categoryName(k);
    }
}

TEST(Scoring, ClosedCategoriesShowNothingAndDoNotCountAsScorable) {
    const Dice sixes{6, 6, 6, 6, 6, 6};
    const CategorySet sixesAndYatzyClosed =
        AllCategories & ~bitOf(category::Sixes) & ~bitOf(category::Yatzy);
    const Evaluation e = evaluate(sixes, sixesAndYatzyClosed, 30, 30);
    EXPECT_EQ(e.value[category::Sixes], 0);
    EXPECT_EQ(e.value[category::Yatzy], 0);
    EXPECT_EQ(e.value[category::FiveKind], 30);
    EXPECT_EQ(e.suggestedCategory, category::FiveKind);

    const Evaluation closed = evaluate(sixes, bitOf(category::Twos), 0, 0);
    for (int k = 1; k <= CategoryCount; ++k) {
        EXPECT_EQ(closed.value[static_cast<std::size_t>(k)], 0) << categoryName(k);
    }
    EXPECT_EQ(closed.anyScorable, 0);
    EXPECT_EQ(closed.suggestedCategory, 0) << "nothing scores, so nothing is suggested";
    EXPECT_EQ(closed.pairCount, -1) << "Two pairs closed: its pair count is not evaluated";
}

TEST(Scoring, TwoPairsCountsAtMostTwoPairsAndFourAlikeAsOne) {
    EXPECT_EQ(evaluate({6, 6, 6, 6, 5, 5}, AllCategories, 30, 30).pairCount, 2);
    EXPECT_EQ(evaluate({6, 6, 5, 5, 4, 4}, AllCategories, 30, 30).pairCount, 2);
    EXPECT_EQ(evaluate({3, 3, 3, 3, 3, 3}, AllCategories, 30, 30).pairCount, 1);
    EXPECT_EQ(evaluate({1, 2, 3, 4, 5, 6}, AllCategories, 30, 30).pairCount, 0);
}

// The suggestion over every roll, for several tables and roll counts: it always names an open
// category that scores, none that scores more is passed over except by the stated rules.
TEST(Scoring, SuggestionFollowsItsRulesForEveryRoll) {
    using namespace category;
    const std::vector<CategorySet> tables = {
        AllCategories,
        AllCategories & ~(bitOf(Chance) | bitOf(Yatzy) | bitOf(Tower)),
        bitOf(Ones) | bitOf(Fours) | bitOf(OnePair) | bitOf(Chance),
        bitOf(Twos) | bitOf(Threes) | bitOf(Sixes),
        bitOf(SmallStr) | bitOf(FullStr) | bitOf(Hut) | bitOf(House),
    };
    for (const CategorySet open : tables) {
        for (const int rolls : {0, 30}) {
            for (int index = 0; index < RollCount; ++index) {
                const Dice dice = rollOfIndex(index);
                const Evaluation e = evaluate(dice, open, rolls, rolls);
                const int s = e.suggestedCategory;
                const auto value = [&](int k) { return e.value[static_cast<std::size_t>(k)]; };
                const std::string where = text(dice) + " rolls " + std::to_string(rolls);
                if (s == 0) {
                    // Nothing suggested: no lower candidate scores, no upper one qualifies.
                    for (int k = OnePair; k <= Yatzy; ++k) {
                        if (k != Chance || rolls == 0) {
                            ASSERT_EQ(value(k), 0) << where << " passes over " << k;
                        }
                    }
                    for (int k = Ones; k <= Sixes; ++k) {
                        ASSERT_TRUE(value(k) == 0 || (rolls > 0 && value(k) < 4 * k)) << where;
                    }
                    continue;
                }
                ASSERT_NE(open & bitOf(s), 0u) << where;
                ASSERT_GT(value(s), 0) << where;
                if (s == Chance) {
                    ASSERT_EQ(rolls, 0) << where << ": Chance only when no roll is left";
                }
                if (isUpper(s)) {
                    ASSERT_TRUE(rolls == 0 || value(s) >= 4 * s) << where;
                    // An upper suggestion ties or beats every lower candidate and every later
                    // qualifying upper category is lower.
                    for (int k = OnePair; k <= Yatzy; ++k) {
                        if (k != Chance || rolls == 0) {
                            ASSERT_GE(value(s), value(k)) << where << " vs " << k;
                        }
                    }
                    for (int k = s + 1; k <= Sixes; ++k) {
                        const bool qualifies = rolls == 0 || value(k) >= 4 * k;
                        ASSERT_FALSE(qualifies && value(k) >= value(s)) << where << " vs " << k;
                    }
                } else {
                    // A lower suggestion beats the candidates before it and ties or beats
                    // those after it, and no upper category qualifies against it.
                    for (int k = OnePair; k <= Yatzy; ++k) {
                        if (k == s || (k == Chance && rolls != 0)) {
                            continue;
                        }
                        if (k < s) {
                            ASSERT_LT(value(k), value(s)) << where << " vs " << k;
                        } else {
                            ASSERT_LE(value(k), value(s)) << where << " vs " << k;
                        }
                    }
                    for (int k = Ones; k <= Sixes; ++k) {
                        const bool qualifies = rolls == 0 || value(k) >= 4 * k;
                        ASSERT_FALSE(qualifies && value(k) >= value(s)) << where << " vs " << k;
                    }
                }
            }
        }
    }
}

TEST(Scoring, SuggestionExamples) {
    using namespace category;
    // Fives 10 is below four fives, so the straight wins while rolls are left.
    EXPECT_EQ(evaluate({1, 2, 3, 4, 5, 5}, AllCategories, 30, 30).suggestedCategory, SmallStr);
    EXPECT_EQ(evaluate({6, 6, 6, 6, 5, 5}, AllCategories, 30, 30).suggestedCategory, Tower);
    EXPECT_EQ(evaluate({3, 3, 3, 3, 3, 3}, AllCategories, 30, 30).suggestedCategory, Yatzy);
    // Four twos tie Four of a kind (8): the upper category takes the tie.
    EXPECT_EQ(evaluate({2, 2, 2, 2, 5, 6}, AllCategories, 30, 30).suggestedCategory, Twos);
    // Lower rows closed, rolls left: four ones are worth suggesting.
    const CategorySet upperOnly = bitOf(Ones) | bitOf(Twos) | bitOf(Threes);
    EXPECT_EQ(evaluate({1, 1, 1, 1, 2, 3}, upperOnly, 30, 30).suggestedCategory, Ones);
    // Chance comes in only when no roll is left.
    EXPECT_EQ(evaluate({1, 2, 3, 5, 6, 6}, AllCategories, 30, 30).suggestedCategory, OnePair);
    EXPECT_EQ(evaluate({1, 2, 3, 5, 6, 6}, AllCategories, 0, 0).suggestedCategory, Chance);
    // With no roll left an upper category needs no four of its face.
    EXPECT_EQ(evaluate({1, 1, 2, 3, 4, 6}, bitOf(Ones) | bitOf(Fives), 0, 0).suggestedCategory,
              Ones);
    EXPECT_EQ(evaluate({1, 1, 2, 3, 4, 6}, bitOf(Ones) | bitOf(Fives), 5, 5).suggestedCategory, 0);
}

TEST(Scoring, CategoryNamesFollowTheScoreSheet) {
    EXPECT_EQ(categoryName(1), "Ones");
    EXPECT_EQ(categoryName(8), "TwoPairs");
    EXPECT_EQ(categoryName(20), "Yatzy");
    EXPECT_EQ(categoryName(0), "");
    EXPECT_EQ(categoryName(21), "");
}

} // namespace
} // namespace brisvane
