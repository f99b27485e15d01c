// The review of a recorded game: luck that is only the dice, a cost that is only the choices,
// and figures that add up to the final score.

#include <gtest/gtest.h>

#include <cmath>

#include "SmallGame.h"
#include "advisor/Corrections.h"
#include "advisor/Review.h"

namespace brisvane::advisor {
namespace {

using namespace category;

// Plays a game of the advisor's tables with seeded dice; `own` = follow the advisor, else a
// careless player that fills the first category that scores.
std::vector<Step> playSmall(Advisor& advisor, std::uint32_t seed, bool own) {
    const TableLayout& layout = advisor.tables().layout();
    std::mt19937 random(seed);
    const auto die = [&random] { return static_cast<int>(random() % 6) + 1; };
    std::vector<Step> steps;
    Position p;
    p.open = layout.universe;
    p.rollsLeft = layout.maxRolls;
    Counts kept{};
    while (p.open != 0 && p.rollsLeft > 0) {
        roll(p, kept, die);
        Step rolled;
        rolled.dice = p.dice;
        steps.push_back(rolled);
        const auto choices = advisor.rank(p);
        if (choices.empty()) {
            break;
        }
        const Choice* pick = &choices.front();
        if (!own) {
            for (const Choice& c : choices) {
                if (c.kind == Choice::Kind::Fill &&
                    (pick->kind != Choice::Kind::Fill || c.category < pick->category)) {
                    pick = &c;
                }
            }
        }
        Step step;
        if (pick->kind == Choice::Kind::Fill) {
            step.kind = Step::Kind::Fill;
            step.category = pick->category;
            fill(p, pick->category);
            kept = {};
        } else {
            step.kind = Step::Kind::Again;
            step.again = pick->rollAgain;
            kept = keptDice(p, pick->rollAgain);
        }
        steps.push_back(step);
    }
    return steps;
}

TEST(Review, LuckIsTheDiceAloneForTheAdvisorAndForACarelessPlayer) {
    // A game of four categories over six rolls, with corrections fitted by its own play as the
    // whole game's are. Over 400 games of each player the mean luck lies within two standard
    // errors of 0. The seeds are fixed, so the test passes or fails the same every run.
    Tables tiny(TableLayout{bitOf(Twos) | bitOf(Sixes) | bitOf(OnePair) | bitOf(Chance),
                            bitOf(Chance), 6});
    tiny.solve();
    FitOptions fit;
    fit.games = 1000;
    fit.rounds = 1;
    fit.window = 1;
    fitCorrections(tiny, fit);
    Advisor advisor(tiny);
    constexpr int Games = 400;
    for (const bool own : {true, false}) {
        double sum = 0;
        double squares = 0;
        double cost = 0;
        for (std::uint32_t seed = 1; seed <= Games; ++seed) {
            const Review r = review(advisor, playSmall(advisor, seed, own));
            EXPECT_NEAR(r.finalScore, r.expectedStart - r.cost + r.luck, 1e-9);
            if (own) {
                ASSERT_EQ(r.cost, 0.0) << "seed " << seed;
            }
            sum += r.luck;
            squares += r.luck * r.luck;
            cost += r.cost;
        }
        const double mean = sum / Games;
        const double sd = std::sqrt((squares - Games * mean * mean) / (Games - 1));
        EXPECT_LT(std::abs(mean), 2 * sd / std::sqrt(Games))
            << (own ? "advisor" : "careless") << " mean " << mean << " sd " << sd;
        if (!own) {
            EXPECT_GT(cost / Games, 1.0) << "careless play costs";
        }
    }
    // The record's text form replays the same.
    const auto steps = playSmall(advisor, 7, false);
    const Review again = review(advisor, parseRecord(formatRecord(steps)));
    EXPECT_EQ(again.luck, review(advisor, steps).luck);
    // The start is the only state of its cell, so the fit makes the advisor's own value of it
    // the review's, which looks a turn further.
    Position start;
    start.open = tiny.layout().universe;
    start.rollsLeft = tiny.layout().maxRolls;
    EXPECT_NEAR(advisor.expectedFinal(start), again.expectedStart, 1e-4);
}

TEST(Review, TheFinalScoreOfAGameThatEarnsTheBonusCountsTheBonus) {
    // Sixes, Fives and Fours, one roll each: six of a kind every time makes 36 + 30 + 24,
    // past the line at the last fill, and the bonus 100.
    Tables upperOnly(TableLayout{bitOf(Fours) | bitOf(Fives) | bitOf(Sixes), 0, 3});
    upperOnly.solve();
    Advisor advisor(upperOnly);
    std::string record;
    for (int face = 6; face >= 4; --face) {
        const std::string f = std::to_string(face);
        record += "roll " + f + " " + f + " " + f + " " + f + " " + f + " " + f + "\n";
        record += "fill " + f + "\n";
    }
    const Review r = review(advisor, parseRecord(record));
    EXPECT_EQ(r.finalScore, 190);
    // One table solves this game: the expected start is its exact value.
    EXPECT_NEAR(r.expectedStart, upperOnly.upperPart().value(upperOnly.layout().universe, 0, 3),
                1e-4);
    EXPECT_NEAR(r.finalScore, r.expectedStart - r.cost + r.luck, 1e-9);
}

TEST(Review, ARecordThatBreaksTheRulesIsRefusedWithItsLine) {
    Advisor advisor(smallTables());
    const struct {
        const char* record;
        const char* message;
    } cases[] = {
        {"roll 1 1 3 4 5 3\nfill Fivez\n", "line 2: no category"},
        {"roll 1 1 3 4 5 3\nfill Fives\n", "line 2: that category is closed"},
        {"roll 1 1 3 4 5 3\nfill Yatzy\n", "line 2: that category is closed or does not score"},
        {"roll 1 1 3 4 5 3\nagain 6\n", "line 2: those dice are not on the table"},
        {"roll 1 1 3 4 5 3\nagain 3 3\nroll 1 2 2 2 2 4\n", "line 3: the dice kept"},
        {"roll 1 1 3 4 5 3\nroll 1 1 3 4 5 3\n", "line 2: a roll after a roll"},
        {"fill Chance\n", "line 1: this step needs dice"},
        {"roll 1 1 3 4 5 3\nfill Chance\n", "line 2: the record stops"},
        {"roll 1 1 3 4 5\n", "line 1: roll needs the six faces"},
        {"# a comment\n\nshake 1\n", "line 3: unknown step"},
        {"roll 1 1 3 4 5 0\n", "line 1: a face must be 1..6"},
    };
    for (const auto& c : cases) {
        try {
            review(advisor, parseRecord(c.record));
            ADD_FAILURE() << c.record << " was taken";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
}

} // namespace
} // namespace brisvane::advisor
