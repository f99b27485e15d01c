// The exact solver against games small enough to work out by hand, and the exact evaluation
// of a policy against best play. Values are kept as floats: a ten-thousandth of a point.

#include <gtest/gtest.h>

#include <cmath>

#include "advisor/Advisor.h"
#include "advisor/SubGame.h"
#include "advisor/Tables.h"

namespace brisvane::advisor {
namespace {

using namespace category;

double choose(int n, int k) {
    double c = 1;
    for (int i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i;
    }
    return c;
}

// Probability that m dice show x ones, y twos and m-x-y other faces.
double trinomial(int m, int x, int y) {
    return choose(m, x) * choose(m - x, y) * std::pow(1.0 / 6, x + y) *
           std::pow(4.0 / 6, m - x - y);
}

double solved(CategorySet categories, int rolls) {
    SubGame game(categories, rolls);
    game.solve();
    return game.value(categories, 0, rolls);
}

TEST(SubGame, OneCategoryAndChanceAloneMatchTheirFormulas) {
    // One roll: the expected points of that roll. Yatzy needs six alike: 6 / 6^6.
    // Sixes with two rolls: keeping the sixes always beats placing fewer than six, so the
    // mean is 6 x (1 + 5/6) = 11. Chance: a die is rolled again below 3.5, which gives
    // 4.25 a die with two rolls and (5 + 6 + 4 x 4.25) / 6 = 28/6 with three.
    const struct {
        CategorySet categories;
        int rolls;
        double mean;
    } cases[] = {
        {bitOf(Chance), 0, 0.0},
        {bitOf(Chance), 1, 21.0},
        {bitOf(Chance), 2, 25.5},
        {bitOf(Chance), 3, 28.0},
        {bitOf(Sixes), 1, 6.0},
        {bitOf(Sixes), 2, 11.0},
        {bitOf(Yatzy), 1, 100.0 * 6 / 46656},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(solved(c.categories, c.rolls), c.mean, 1e-4)
            << "categories " << c.categories << " rolls " << c.rolls;
    }
}

TEST(SubGame, TwoUpperCategoriesWithTwoRollsMatchACountOfOnesAndTwos) {
    // Only the ones and twos matter. With no roll left one category can still be filled:
    // the better of n1 and 2 n2. With one roll left after filling, the other category is
    // worth its single-roll mean (Ones 1, Twos 2).
    const auto last = [](int n1, int n2) { return std::max(n1, 2 * n2); };
    double mean = 0;
    for (int n1 = 0; n1 <= 6; ++n1) {
        for (int n2 = 0; n1 + n2 <= 6; ++n2) {
            double best = 0;
            if (n1 > 0) {
                best = std::max(best, n1 + 2.0);
            }
            if (n2 > 0) {
                best = std::max(best, 2.0 * n2 + 1.0);
            }
            // Roll again, keeping a ones and b twos (never another face).
            for (int a = 0; a <= n1; ++a) {
                for (int b = 0; b <= n2; ++b) {
                    const int m = 6 - a - b;
                    if (m == 0) {
                        continue;
                    }
                    double again = 0;
                    for (int x = 0; x <= m; ++x) {
                        for (int y = 0; x + y <= m; ++y) {
                            again += trinomial(m, x, y) * last(a + x, b + y);
                        }
                    }
                    best = std::max(best, again);
                }
            }
            mean += trinomial(6, n1, n2) * best;
        }
    }
    EXPECT_NEAR(solved(bitOf(Ones) | bitOf(Twos), 2), mean, 1e-4);
}

TEST(SubGame, TheBonusComesWithThePlacementThatReachesTheLine) {
    // Sixes last, 60 upper points, one roll: 6 a six, and 100 more with four sixes or more.
    SubGame upper(UpperSet, 1);
    upper.solve();
    double fourOrMore = 0;
    for (int k = 4; k <= 6; ++k) {
        fourOrMore += choose(6, k) * std::pow(1.0 / 6, k) * std::pow(5.0 / 6, 6 - k);
    }
    EXPECT_NEAR(upper.value(bitOf(Sixes), 60, 1), 6 + 100 * fourOrMore, 1e-4);
    // Past the line the bonus is given already.
    EXPECT_NEAR(upper.value(bitOf(Sixes), 90, 1), 6.0, 1e-4);
    // Upper points the filled categories cannot make are not solved.
    EXPECT_TRUE(std::isnan(upper.value(bitOf(Sixes), 1, 1)));
}

TEST(SubGame, ReachableUpperPointsAreTheSumsOfFilledCategories) {
    EXPECT_EQ(reachableUpper(0).count(), 1u);
    const auto ones = reachableUpper(bitOf(Ones));
    EXPECT_EQ(ones.count(), 6u);
    EXPECT_TRUE(ones.test(6));
    EXPECT_FALSE(ones.test(7));
    EXPECT_TRUE(reachableUpper(UpperSet).test(BonusLine)); // all of 84 and above
}

TEST(SubGame, APolicyIsNeverBetterThanBestPlayAndTheTablesPlayTheirOwnGamesPerfectly) {
    const TableLayout layout{bitOf(Ones) | bitOf(Twos) | bitOf(OnePair) | bitOf(Chance),
                             bitOf(Chance), 5};
    Tables tables(layout);
    tables.solve();
    Advisor advisor(tables);
    const auto policyMean = [&](CategorySet game, int rolls) {
        SubGame policy(game, rolls);
        policy.evaluatePolicy([&](CategorySet open, int upper, int maxT) -> const TurnSolver& {
            return advisor.turn(open, upper, maxT);
        });
        return policy.value(game, 0, rolls);
    };
    // Ones, Twos and Chance make one of the tables: the advisor plays them exactly.
    const CategorySet own = bitOf(Ones) | bitOf(Twos) | bitOf(Chance);
    EXPECT_NEAR(policyMean(own, 5), solved(own, 5), 1e-4);
    // All four need the estimate; the advisor may lose a little but never gains.
    const double best = solved(layout.universe, 5);
    const double advised = policyMean(layout.universe, 5);
    EXPECT_LE(advised, best + 1e-4);
    EXPECT_GT(advised, 0.9 * best);
}

} // namespace
} // namespace brisvane::advisor
