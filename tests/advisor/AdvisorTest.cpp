// The advisor on a small game: only choices the rules allow, the tables kept in a file, and
// reviews whose figures add up.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <thread>

#include "advisor/Advisor.h"
#include "advisor/Review.h"
#include "support/TempFolder.h"

namespace brisvane::advisor {
namespace {

using namespace category;

// Two upper categories and three lower ones over eight rolls: small enough for the debug
// build, large enough that the estimate matters.
const TableLayout Small{bitOf(Twos) | bitOf(Sixes) | bitOf(OnePair) | bitOf(Chance) | bitOf(Yatzy),
                      bitOf(Chance) | bitOf(Yatzy), 8, 40};

const Tables& smallTables() {
    static const Tables tables = [] {
        Tables t(Small);
        t.solve();
        return t;
    }();
    return tables;
}

Dice randomDice(std::mt19937& random) {
    Dice d{};
    for (int& f : d) {
        f = static_cast<int>(random() % 6) + 1;
    }
    return d;
}

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

TEST(Tables, TheCorrectionMovesTheExpectedScoresOfAStateAlikeAndKeepsTheRanking) {
    Advisor calibrated(smallTables());
    Advisor uncorrected(smallTables(), false);
    EXPECT_NE(smallTables().correction(Small.maxRolls), 0.0);
    EXPECT_NE(smallTables().leafCorrection(Small.maxRolls - 1), 0.0);
    std::mt19937 random(3);
    for (int i = 0; i < 40; ++i) {
        Position p;
        p.open = Small.universe;
        p.rollsLeft = 1 + static_cast<int>(random() % 8);
        p.rolled = true;
        p.dice = randomDice(random);
        const auto a = calibrated.rank(p);
        const auto b = uncorrected.rank(p);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t c = 0; c < a.size(); ++c) {
            EXPECT_EQ(describe(a[c]), describe(b[c]));
            EXPECT_NEAR(a[c].expected - b[c].expected, smallTables().correction(p.rollsLeft), 1e-9);
        }
    }
}

// The split alone: `first` with the upper table, `second` with the lower one, and the best
// share of t rolls between them.
double bareSplit(const Tables& tables, CategorySet first, CategorySet second, int t,
                 int upper = 0) {
    const double* a = tables.upperPart().row(first, upper);
    const double* b = tables.lowerPart().row(second, 0);
    double best = -1;
    for (int s = 0; s <= t; ++s) {
        best = std::max(best, a[s] + b[t - s]);
    }
    return best;
}

TEST(Tables, TheSplitGapIsWhatTheSplitsOfTheUpperTableMissAndNeverLessThanNothing) {
    const Tables& tables = smallTables();
    const CategorySet all = bitOf(Twos) | bitOf(Sixes) | bitOf(Chance) | bitOf(Yatzy);
    for (int t = 0; t <= Small.maxRolls; ++t) {
        for (int a = 0; a <= CategoryCount; ++a) {
            for (int b = 0; b <= CategoryCount; ++b) {
                // A split is a way to play, so best play never makes less.
                EXPECT_GE(tables.splitGap(t, a, b), -1e-9) << t << " " << a << " " << b;
                if (a == 0 || b == 0 || t == 0) {
                    EXPECT_EQ(tables.splitGap(t, a, b), 0.0);
                }
            }
        }
        // Three categories against one: only the whole upper table at 0 upper points, with
        // Chance or Yatzy on its own.
        const double exact = tables.upperPart().value(all, 0, t);
        const double gap =
            (exact - bareSplit(tables, all & ~bitOf(Chance), bitOf(Chance), t) + exact -
             bareSplit(tables, all & ~bitOf(Yatzy), bitOf(Yatzy), t)) /
            2;
        EXPECT_NEAR(tables.splitGap(t, 3, 1), gap, 1e-9) << t;
    }
    EXPECT_GT(tables.splitGap(Small.maxRolls, 3, 1), 0.5);
}

TEST(Tables, TheEstimateIsExactWhereATableHoldsEverythingAndNeverBelowTheSplitElsewhere) {
    const Tables& tables = smallTables();
    SubGame best(Small.universe, Small.maxRolls);
    best.solve();
    std::vector<double> estimate(static_cast<std::size_t>(Small.maxRolls) + 1);
    for (CategorySet open = Small.universe; open != 0; open = (open - 1) & Small.universe) {
        const auto reach = reachableUpper(Small.universe & UpperSet & ~open);
        for (int u = 0; u < UpperSlots; ++u) {
            if (!reach.test(static_cast<std::size_t>(u))) {
                continue;
            }
            tables.estimate(open, u, Small.maxRolls, estimate.data());
            for (int t = 0; t <= Small.maxRolls; ++t) {
                const double e = estimate[static_cast<std::size_t>(t)];
                if (tables.solvesOutright(open)) {
                    EXPECT_NEAR(e, best.value(open, u, t), 1e-9);
                } else {
                    double split = -1;
                    const CategorySet movable = open & Small.joined;
                    for (CategorySet moved = movable;; moved = (moved - 1) & movable) {
                        split = std::max(split, bareSplit(tables, (open & UpperSet) | moved,
                                                          open & LowerSet & ~moved, t, u));
                        if (moved == 0) {
                            break;
                        }
                    }
                    EXPECT_GE(e, split - 1e-9);
                    EXPECT_LE(split, best.value(open, u, t) + 1e-9) << "the split is a floor";
                }
            }
        }
    }
}

TEST(Tables, AreKeptInAFileAndOnlyAGoodFileOfTheirOwnIsTaken) {
    testing::TempFolder folder;
    const auto solved = Tables::loadOrSolve(Small, folder.path());
    EXPECT_TRUE(solved.solved);
    EXPECT_EQ(solved.notKept, "");
    const auto file = folder.path() / solved.tables->fileName();
    Tables again(Small);
    ASSERT_TRUE(again.load(file));
    EXPECT_EQ(again.upperPart().data().size(), solved.tables->upperPart().data().size());
    EXPECT_EQ(again.lowerPart().value(bitOf(Chance) | bitOf(Yatzy), 0, 8),
              solved.tables->lowerPart().value(bitOf(Chance) | bitOf(Yatzy), 0, 8));
    for (int r = 0; r <= Small.maxRolls; ++r) {
        EXPECT_EQ(again.correction(r), solved.tables->correction(r));
        EXPECT_EQ(again.splitGap(r, 3, 1), solved.tables->splitGap(r, 3, 1));
    }
    EXPECT_FALSE(Tables::loadOrSolve(Small, folder.path()).solved);

    TableLayout other = Small;
    other.maxRolls = 7;
    EXPECT_FALSE(Tables(other).load(file));
    // A cut file, and one of the right size with a value changed (advice would show "inf"),
    // are refused and prepared anew.
    const std::string name = file.filename().string();
    const std::string good = folder.read(name);
    std::string changed = good;
    changed[good.size() / 2] = static_cast<char>(0x7f);
    changed[good.size() / 2 + 1] = static_cast<char>(0xf0);
    for (const std::string& bad : {good.substr(0, good.size() - 8), changed}) {
        folder.write(name, bad);
        EXPECT_FALSE(again.load(file));
        EXPECT_TRUE(Tables::loadOrSolve(Small, folder.path()).solved);
        EXPECT_TRUE(again.load(file));
    }
}

TEST(Tables, TwoPreparationsAtOnceLeaveOneGoodFileAndTablesThatCannotBeKeptSaySo) {
    testing::TempFolder folder;
    std::thread other([&] { Tables::loadOrSolve(Small, folder.path()); });
    Tables::loadOrSolve(Small, folder.path());
    other.join();
    EXPECT_TRUE(Tables(Small).load(folder.path() / Tables(Small).fileName()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    folder.write("blocked", "a file where the folder should be");
    const auto prepared = Tables::loadOrSolve(Small, folder.path() / "blocked");
    EXPECT_TRUE(prepared.solved);
    EXPECT_NE(prepared.tables, nullptr);
    EXPECT_NE(prepared.notKept, "");
}

// Plays the small game with seeded dice; `own` = follow the advisor, else a careless player
// that fills the first category that scores.
std::vector<Step> playSmall(Advisor& advisor, std::uint32_t seed, bool own) {
    std::mt19937 random(seed);
    const auto die = [&random] { return static_cast<int>(random() % 6) + 1; };
    std::vector<Step> steps;
    Position p;
    p.open = Small.universe;
    p.rollsLeft = Small.maxRolls;
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

TEST(Review, AGamePlayedAsAdvisedCostsNothingAndTheFiguresAddUp) {
    Advisor advisor(smallTables());
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        for (const bool own : {true, false}) {
            const auto steps = playSmall(advisor, seed, own);
            // Through the text form, as the tool reads it.
            const Review r = review(advisor, parseRecord(formatRecord(steps)));
            if (own) {
                EXPECT_EQ(r.cost, 0.0) << "seed " << seed;
            } else {
                EXPECT_GE(r.cost, 0.0);
            }
            EXPECT_NEAR(r.finalScore, r.expectedStart - r.cost + r.luck, 1e-9);
            EXPECT_GT(r.decisions, 0);
        }
    }
    // The careless player pays for its choices over the six games.
    double careless = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        careless += review(advisor, playSmall(advisor, seed, false)).cost;
    }
    EXPECT_GT(careless, 1.0);
}

TEST(Review, TheFinalScoreOfAGameThatEarnsTheBonusCountsTheBonus) {
    // Sixes, Fives and Fours, one roll each: six of a kind every time makes 36 + 30 + 24,
    // past the line at the last fill, and the bonus 100.
    Tables upperOnly(TableLayout{bitOf(Fours) | bitOf(Fives) | bitOf(Sixes), 0, 3, 0});
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
