#pragma once
// The corrections of the advisor's values: what they miss of what the advisor's own play makes.
//
// After a placement the advisor values the rest of the game by the estimate (see Tables), and
// a decision picks the best of several such values; it picks, among others, the ones that
// happen to be too high, and turn after turn that adds up (a correction fitted to the next
// turn's look-ahead instead of to play promised 533 points at the start of a game whose play
// made 510). So both corrections are fitted to what play makes, by games the advisor plays:
// - the leaf correction, by rolls left: after each placement, the points the game then still
//   made less the estimate. It moves decisions (how much a roll saved is worth), so it is
//   kept coarse; finer ones, by open categories too, favoured one section over the other by
//   what the states that happened to come of it were worth, and played some points worse.
//   The games depend on it, so it is fitted again from the last result, a few rounds;
// - the value correction, by rolls left and open upper and lower categories: at each
//   decision, the final score less the expected one. It is the same for every choice of a
//   state, so it moves no decision, and the expected scores shown are the mean of the games.
//
// The fit takes minutes of every core, so it is done once, by `brisvane-sim fit`, and its result
// is kept in the source (ShippedCorrections.cpp) for the tables of the whole game.

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "advisor/Advisor.h"

namespace brisvane::advisor {

// Plays on from `position` by the advisor's first choices, with dice from `random`, and returns
// the final score; `chosen` (if any) is shown every state decided and the choice taken.
int playOut(Advisor& advisor, Position position, std::mt19937_64& random,
            const std::function<void(const Position&, const Choice&)>& chosen = {});

// The corrections of the whole game's tables (TableLayout{}), as `brisvane-sim fit` wrote them.
Tables::Corrections shippedCorrections();

struct FitOptions {
    int games = 20000;             // games per round
    int rounds = 2;                // rounds that fit the leaf corrections, each from the last
    std::uint64_t seed = 20020222; // the same seed plays the same games
    int window = 3;                // rolls either side pooled into a leaf correction
    int enough = 400;              // decisions a value correction pools rolls either side for
};

// What one round of games showed: the mean final score, and the expected score at the start
// under the corrections played with.
struct FitRound {
    double meanScore = 0;
    double scoreError = 0; // the standard error of the mean
    double expectedStart = 0;
};

// Fits the corrections of `tables` (solved) by games of its own advisor: `rounds` rounds that
// each fit the leaf corrections anew from the last ones (none at first when the tables have
// none), then one round with the last of them that fits the value corrections. Returns every
// round's figures. The games are shared among `threads` threads; the result does not depend
// on their number. `progress` may throw to stop the work.
std::vector<FitRound> fitCorrections(Tables& tables, const FitOptions& options,
                                     const Progress& progress = {}, int threads = 1);

// The corrections as the source file ShippedCorrections.cpp holds them.
std::string correctionsSource(const Tables::Corrections& corrections, const std::string& note);

} // namespace brisvane::advisor
