// The advisor on a small game: only choices the rules allow, and the exact value wherever a
// table solves the state.

#include <gtest/gtest.h>

#include "SmallGame.h"
#include "advisor/Advisor.h"

namespace brisvane::advisor {
namespace {

using namespace category;

int countOf(const Dice& dice, int face) {
    int n = 0;
    for (const int f : dice) {
        n += f == face ? 1 : 0;
    }
    return n;
}

TEST(Advisor, RanksOnlyWhatTheRulesAllowAndAlwaysOffersAFillWhenNoRollIsLeft) {
    Advisor advisor(smallTables());
    std::mt19937 random(7);
    for (int i = 0; i < 300; ++i) {
        Position p;
        p.open = Small.universe & static_cast<CategorySet>(random());
        if (p.open == 0) {
            continue;
        }
        p.rollsLeft = static_cast<int>(random() % 9);
        p.upper = 0;
        for (const int k : {Twos, Sixes}) {
            if ((p.open & bitOf(k)) == 0) {
                p.upper += k * static_cast<int>(random() % 6 + 1);
            }
        }
        p.total = p.upper + static_cast<int>(random() % 50);
        p.rolled = true;
        p.dice = randomDice(random);
        const auto choices = advisor.rank(p);

        bool anyScores = false;
        for (int k = 1; k <= CategoryCount; ++k) {
            anyScores = anyScores || ((p.open & bitOf(k)) && categoryPoints(k, p.dice) > 0);
        }
        if (p.rollsLeft == 0) {
            EXPECT_EQ(choices.empty(), !anyScores); // the game is over exactly then
        }
        double best = -1;
        for (const Choice& c : choices) {
            best = std::max(best, c.expected);
            EXPECT_GE(c.expected, p.total);
            if (c.kind == Choice::Kind::Fill) {
                EXPECT_NE(p.open & bitOf(c.category), 0u) << describe(c);
                EXPECT_GT(categoryPoints(c.category, p.dice), 0) << describe(c);
                EXPECT_EQ(c.points, categoryPoints(c.category, p.dice));
            } else {
                EXPECT_GT(p.rollsLeft, 0) << describe(c);
                int picked = 0;
                for (int f = 1; f <= 6; ++f) {
                    EXPECT_LE(c.rollAgain[static_cast<std::size_t>(f - 1)], countOf(p.dice, f));
                    picked += c.rollAgain[static_cast<std::size_t>(f - 1)];
                }
                EXPECT_GT(picked, 0) << "a roll that changes nothing is no choice";
            }
        }
        if (!choices.empty()) {
            EXPECT_DOUBLE_EQ(choices.front().expected, best) << "the advisor's choice is its best";
        }
    }
}

TEST(Advisor, AtTheStartOfATurnTheOnlyChoiceIsToRollAllSixAndAFinishedGameHasNone) {
    Advisor advisor(smallTables());
    Position p;
    p.open = Small.universe;
    p.rollsLeft = Small.maxRolls;
    const auto start = advisor.rank(p);
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(describe(start[0]), "Roll all six");
    EXPECT_GT(start[0].expected, 0);
    p.rollsLeft = 0;
    EXPECT_TRUE(advisor.rank(p).empty());
    p.rollsLeft = 3;
    p.open = 0;
    p.upper = 8; // Twos and Sixes filled
    p.total = 42;
    EXPECT_TRUE(advisor.rank(p).empty());
    EXPECT_EQ(advisor.expectedFinal(p), 42);
}

TEST(Advisor, RefusesStatesOutsideItsTables) {
    Advisor advisor(smallTables());
    Position p;
    p.open = bitOf(Ones); // not in the small game
    EXPECT_THROW(advisor.rank(p), std::invalid_argument);
    p.open = bitOf(Chance);
    p.rollsLeft = Small.maxRolls + 1;
    EXPECT_THROW(advisor.rank(p), std::invalid_argument);
    p.rollsLeft = 1;
    p.rolled = true;
    p.dice = {1, 2, 3, 4, 5, 7};
    EXPECT_THROW(advisor.rank(p), std::invalid_argument);
    p.dice = {1, 2, 3, 4, 5, 6};
    p.open = bitOf(Twos);
    p.upper = 5; // Sixes filled: a multiple of 6
    EXPECT_THROW(advisor.rank(p), std::invalid_argument);
    p.upper = 12;
    EXPECT_THROW(advisor.rank(p), std::invalid_argument); // a total below the upper points
    p.total = 12;
    EXPECT_NO_THROW(advisor.rank(p));
}

TEST(Advisor, ShowsTheExactValueWhereATableSolvesTheState) {
    // Twos, Sixes, Chance and Yatzy: the upper table alone, kept in floats (a thousandth of a
    // point). The tables' corrections stay out.
    Advisor advisor(smallTables());
    const SubGame& upper = smallTables().upperPart();
    const CategorySet open = bitOf(Twos) | bitOf(Sixes) | bitOf(Chance) | bitOf(Yatzy);
    for (int rolls = 1; rolls <= Small.maxRolls; ++rolls) {
        Position p;
        p.open = open;
        p.total = 17; // One pair filled
        p.rollsLeft = rolls;
        EXPECT_NEAR(advisor.expectedFinal(p), 17 + upper.value(open, 0, rolls), 1e-3) << rolls;
        p.open = bitOf(Sixes) | bitOf(Chance);
        p.upper = 8;
        p.total = 60;
        EXPECT_NEAR(advisor.expectedFinal(p), 60 + upper.value(p.open, 8, rolls), 1e-3) << rolls;
    }
}

} // namespace
} // namespace brisvane::advisor
