#pragma once
// A game on a set of the categories, solved exactly: for every set of them still open, the
// upper points so far (when the set has upper categories) and every number of rolls left up
// to a limit, the expected points still to come under best play. The rules are the game's:
// every turn begins with a roll of all six dice, a category takes only more than 0 points,
// the bonus comes at 84 upper points, the game ends when the rolls run out.
//
// The advisor keeps two of these as its tables (the upper section with a few lower
// categories, and the lower section); `brisvane-sim exact` solves small games outright.
// Sets are solved from the smallest up, since a placement only ever leads to a smaller set.
// Only upper points that the filled upper categories can add up to are solved; the others
// read as not-a-number. The values are kept as 32-bit floats (about 7 significant digits,
// a thousandth of a point at most on a game's scores), which halves the file the tables are
// kept in; the solve itself adds in double. The sets of one size do not depend on each other,
// so each size is shared among threads.

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "advisor/TurnSolver.h"

namespace brisvane::advisor {

// The upper points (capped at 84) that filling the upper categories of `filled` can give.
std::bitset<UpperSlots> reachableUpper(CategorySet filled);

// Called now and then during long work with the share done, 0..1.
using Progress = std::function<void(double)>;

class SubGame {
public:
    SubGame(CategorySet categories, int maxRolls);

    CategorySet categories() const { return categories_; }
    int maxRolls() const { return maxRolls_; }
    bool hasUpper() const { return (categories_ & UpperSet) != 0; }

    // Solves every state by dynamic programming, on `threads` threads (see parallelFor).
    void solve(const Progress& progress = {}, int threads = 1);
    // The states solve() solves: a set of open categories with upper points it can have.
    std::size_t stateCount() const;
    // What solve() costs, in microseconds of one core as measured once (the progress's unit),
    // so that the work of several games can be shared out evenly on one bar.
    double work() const;
    // Expected points still to come for `open` (a subset of the categories), the upper points
    // so far (any number; 84 or more count alike) and `rolls` left (0..maxRolls).
    double value(CategorySet open, int upper, int rolls) const {
        return values_[offset(open, upper) + static_cast<std::size_t>(rolls)];
    }
    // Values for rolls 0..maxRolls of one state, contiguous.
    const float* row(CategorySet open, int upper) const { return &values_[offset(open, upper)]; }

    // Solving with a policy instead of best play: after every roll `decider` picks the move
    // (it is solved for the turn's open categories and upper points, to the rolls needed);
    // the values become the exact expected points of that policy.
    using Decider = std::function<const TurnSolver&(CategorySet open, int upper, int maxT)>;
    void evaluatePolicy(const Decider& decider, const Progress& progress = {});

    // The raw values, for storing and loading.
    const std::vector<float>& data() const { return values_; }
    std::vector<float>& data() { return values_; }

private:
    struct State {
        CategorySet open;
        int upper;
        // Another state of the level with the same values, or -1: upper points from which
        // the open upper categories can no longer reach the bonus all play alike.
        int sameAs = -1;
    };
    std::size_t offset(CategorySet open, int upper) const;
    std::size_t compress(CategorySet open) const;
    // The states by the number of open categories, fewest first.
    std::vector<std::vector<State>> levels() const;
    // Every state's values from the turn that `play` (given a thread's own solver) solves or
    // evaluates for it, with the values of the smaller sets as its leaves.
    // States marked sameAs take their values from that state instead (when `share`).
    template <class Play>
    void fillStates(const Progress& progress, int threads, bool share, Play&& play);

    CategorySet categories_;
    int maxRolls_;
    std::vector<int> members_; // category numbers, ascending
    std::vector<float> values_;
};

} // namespace brisvane::advisor
