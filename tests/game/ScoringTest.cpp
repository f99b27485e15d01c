// The twenty rules and the suggestion, checked over every roll against a second formulation
// written from the rule table and the suggestion's stated rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "game/Scoring.h"

namespace brisvane {
namespace {

using namespace category;

// The rule table of the score sheet ("fits when" / "points") in terms of n(f), the number of
// dice showing face f: the points of category k at index k.
std::array<int, CategoryCount + 1> expectedPoints(const Dice& dice) {
    std::array<int, 7> n{};
    for (const int f : dice) {
        ++n[static_cast<std::size_t>(f)];
    }
    // The faces on at least `count` dice (exactly `count` when `exactly`), highest first; 0
    // stands for every face beyond those.
    const auto on = [&](int count, bool exactly = false) {
        std::vector<int> found;
        for (int f = 6; f >= 1; --f) {
            const int m = n[static_cast<std::size_t>(f)];
            if (exactly ? m == count : m >= count) {
                found.push_back(f);
            }
        }
        found.resize(6);
        return found;
    };
    const auto all = [&](int from, int to) {
        return std::count(n.begin() + from, n.begin() + to + 1, 0) == 0;
    };
    const auto fits = [](bool fit, int points) { return fit ? points : 0; };
    const std::vector<int> pairs = on(2);
    const int triple = on(3)[0];
    const int hutPair = pairs[0] != triple ? pairs[0] : pairs[1];
    const std::vector<int> house = on(3, true);
    const int quad = on(4, true)[0];
    const int towerPair = on(2, true)[0];
    return {0, n[1], 2 * n[2], 3 * n[3], 4 * n[4], 5 * n[5], 6 * n[6],
            // OnePair, TwoPairs, ThreePairs, ThreeKind, FourKind, FiveKind
            2 * pairs[0], fits(pairs[1] != 0, 2 * (pairs[0] + pairs[1])),
            fits(pairs[2] != 0, 2 * (pairs[0] + pairs[1] + pairs[2])), 3 * triple, 4 * on(4)[0],
            5 * on(5)[0],
            // SmallStr, LargeStr, FullStr, Hut, House, Tower, Chance, Yatzy
            fits(all(1, 5), 15), fits(all(2, 6), 20), fits(all(1, 6), 21),
            fits(triple != 0 && hutPair != 0, 3 * triple + 2 * hutPair),
            fits(house[1] != 0, 3 * (house[0] + house[1])),
            fits(quad != 0 && towerPair != 0, 4 * quad + 2 * towerPair),
            std::accumulate(dice.begin(), dice.end(), 0), fits(on(6)[0] != 0, 100)};
}

TEST(Scoring, EveryRollScoresEveryCategoryAsTheRuleTableSays) {
    std::array<int, CategoryCount + 1> best{};
    for (int index = 0; index < RollCount; ++index) {
        const Dice dice = rollOfIndex(index);
        ASSERT_TRUE(index == 0 || rollOfIndex(index - 1) < dice) << "ascending order";
        const auto points = expectedPoints(dice);
        for (int k = 1; k <= CategoryCount; ++k) {
            const auto at = static_cast<std::size_t>(k);
            ASSERT_EQ(categoryPoints(k, dice), points[at]) << "roll " << index << " category " << k;
            best[at] = std::max(best[at], points[at]);
        }
    }
    // A placement of exactly the maximum shows white: each maximum is reached by some roll.
    for (int k = 1; k <= CategoryCount; ++k) {
        EXPECT_EQ(best[static_cast<std::size_t>(k)], categoryMaximum(k)) << categoryName(k);
        EXPECT_EQ(categoryPoints(k, Dice{}), 0) << "dice not yet rolled fit nothing";
    }
}

// The highest value among the open lower categories (Chance only when no roll is left) and the
// upper ones that qualify (with rolls left, four of their face: 1 2 3 4 5 5 suggests the
// straight, not two fives); nothing when nothing scores, so a filled Sixes is never marked. An
// upper category takes a tie (2 2 2 2 5 6: Twos, not Four of a kind), the highest face first;
// otherwise the earliest row does.
int expectedSuggestion(const Evaluation& e, int rolls) {
    const auto value = [&](int k) { return e.value[static_cast<std::size_t>(k)]; };
    const auto counts = [&](int k) {
        return isUpper(k) ? rolls == 0 || value(k) >= 4 * k : k != Chance || rolls == 0;
    };
    int best = 0;
    for (int k = 1; k <= CategoryCount; ++k) {
        best = counts(k) ? std::max(best, value(k)) : best;
    }
    for (int i = 0; i < CategoryCount && best > 0; ++i) {
        const int k = i < Sixes ? Sixes - i : i + 1;
        if (counts(k) && value(k) == best) {
            return k;
        }
    }
    return 0;
}

TEST(Scoring, SuggestionFollowsItsRulesForEveryRollAndTable) {
    const std::vector<CategorySet> tables = {
        AllCategories,
        AllCategories & ~(bitOf(Chance) | bitOf(Yatzy) | bitOf(Tower) | bitOf(Sixes)),
        bitOf(Ones) | bitOf(Fours) | bitOf(OnePair) | bitOf(Chance),
        bitOf(SmallStr) | bitOf(FullStr) | bitOf(Hut) | bitOf(House) | bitOf(Twos),
    };
    for (const CategorySet open : tables) {
        for (const int rolls : {0, 30}) {
            for (int index = 0; index < RollCount; ++index) {
                const Dice dice = rollOfIndex(index);
                const Evaluation e = evaluate(dice, open, rolls, rolls);
                bool any = false;
                for (int k = 1; k <= CategoryCount; ++k) {
                    const int points = (open & bitOf(k)) != 0 ? categoryPoints(k, dice) : 0;
                    ASSERT_EQ(e.value[static_cast<std::size_t>(k)], points) << index << " " << k;
                    any = any || points > 0;
                }
                ASSERT_EQ(e.anyScorable, any ? 1 : 0) << index;
                ASSERT_EQ(e.suggestedCategory, expectedSuggestion(e, rolls))
                    << "roll " << index << " rolls left " << rolls;
            }
        }
    }
}

} // namespace
} // namespace brisvane
