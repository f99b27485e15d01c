// The advisor's tables: the estimate against the exact values, and the file they are kept in.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <thread>

#include "SmallGame.h"
#include "advisor/AdviceSource.h"
#include "support/TempFolder.h"

namespace brisvane::advisor {
namespace {

using namespace category;

// The split alone: `first` with the upper table, `second` with the lower one, and the best
// share of t rolls between them.
double bareSplit(const Tables& tables, CategorySet first, CategorySet second, int t,
                 int upper = 0) {
    const float* a = tables.upperPart().row(first, upper);
    const float* b = tables.lowerPart().row(second, 0);
    double best = -1;
    for (int s = 0; s <= t; ++s) {
        best = std::max(best, static_cast<double>(a[s]) + static_cast<double>(b[t - s]));
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
                EXPECT_GE(tables.splitGap(t, a, b), -1e-4) << t << " " << a << " " << b;
                if (a == 0 || b == 0 || t == 0) {
                    EXPECT_EQ(tables.splitGap(t, a, b), 0.0);
                }
            }
        }
        // Three categories against one: only the whole upper table at 0 upper points, with
        // Chance or Yatzy on its own.
        const double exact = tables.upperPart().value(all, 0, t);
        const double gap = (exact - bareSplit(tables, all & ~bitOf(Chance), bitOf(Chance), t) +
                            exact - bareSplit(tables, all & ~bitOf(Yatzy), bitOf(Yatzy), t)) /
                           2;
        EXPECT_NEAR(tables.splitGap(t, 3, 1), gap, 1e-5) << t;
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
                    EXPECT_GE(e, split - 1e-4);
                    EXPECT_LE(split, best.value(open, u, t) + 1e-4) << "the split is a floor";
                }
            }
        }
    }
}

TEST(Tables, AreKeptInAFileAndOnlyAGoodFileOfTheirOwnIsTaken) {
    testing::TempFolder folder;
    std::vector<double> shares;
    const auto first = Tables::loadOrSolve(
        Small, folder.path(), [&shares](double share) { shares.push_back(share); }, 2);
    EXPECT_TRUE(first.solved);
    // The bar only moves on, through both tables, to its end.
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_TRUE(!shares.empty() && shares.front() > 0 && shares.back() == 1.0);
    EXPECT_EQ(first.notKept, "");
    const auto file = folder.path() / first.tables->fileName();
    Tables again(Small);
    ASSERT_TRUE(again.load(file));
    // Bit for bit (the states no game reaches hold not-a-number).
    const auto same = [](const std::vector<float>& a, const std::vector<float>& b) {
        return a.size() == b.size() &&
               std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
    };
    EXPECT_TRUE(same(again.upperPart().data(), first.tables->upperPart().data()));
    EXPECT_TRUE(same(again.lowerPart().data(), first.tables->lowerPart().data()));
    EXPECT_EQ(again.splitGap(Small.maxRolls, 3, 1), first.tables->splitGap(Small.maxRolls, 3, 1));
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
    changed[good.size() / 2 + 1] = static_cast<char>(0x80);
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

// The earlier build kept the whole game's tables in double precision under another name.
TEST(Tables, ThePreparationRemovesTheEarlierBuildsTablesFileAndNothingElse) {
    testing::TempFolder folder;
    const std::vector<std::string> others = {"advisor5-fffff-c0c00-59.tables",
                                             "advisor4-fffff-c0c00-60.tables",
                                             Tables().fileName(), "History.db"};
    folder.write("advisor5-fffff-c0c00-60.tables", "earlier tables");
    for (const std::string& name : others) {
        folder.write(name, "kept");
    }
    removeEarlierTables(folder.path());
    removeEarlierTables(folder.path()); // gone already: quietly nothing
    removeEarlierTables(folder.path() / "absent");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "advisor5-fffff-c0c00-60.tables"));
    for (const std::string& name : others) {
        EXPECT_EQ(folder.read(name), "kept") << name;
    }
}

} // namespace
} // namespace brisvane::advisor
