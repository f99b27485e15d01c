#pragma once
// The corrections of the advisor's values: what they miss of what the advisor's own play makes.
//
// After a placement the advisor values the rest of the game by the estimate (see Tables), and
// a decision picks the best of several such values; it picks, among others, the ones that
// happen to be too high, and turn after turn that adds up (a correction fitted to the best of
// the next turn's values promised 533 points at the start of a game whose play made 510). So
// both corrections are fitted to what the advisor's own play makes, never to its best values:
// - the leaf correction, by rolls left: after each placement, the points the game then still
//   made less the estimate. It moves decisions (how much a roll saved is worth), so it is
//   kept coarse; finer ones, by open categories too, favoured one section over the other by
//   what the states that happened to come of it were worth, and played some points worse.
//   The games depend on it, so it is fitted again from the last result, a few rounds;
// - the value correction, by rolls left and open upper and lower categories, plus a term for each
//   category open (the hard ones left open are worth less than their cell's mean): what one turn
//   more of the advisor's own play, each fill worth the next turn's start (see LookAhead), makes
//   beyond the advisor's own value of a turn's start, on average over the turn starts of the cell.
//   It is fitted with the fewest open categories first, so each level's look-ahead holds the
//   corrections of the next. Unlike the final score of a game, the look-ahead has no dice of later
//   turns in it, so a few states make a steady mean; and it is measured on the states of games of
//   other ways of playing as well as of the advisor's own (see Style), the game's own hint player
//   among them (FitOptions::otherStarts), so the values hold where other players go too. It is
//   the same for every choice of a state, so it moves no decision; with it the expected scores
//   shown are what the advisor's play makes, and the review, which values every turn by its
//   look-ahead, books as luck only what the dice did.
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

// A way of playing other than the advisor's own, for states other players reach.
struct Style {
    // The share of choices taken at random: a fill or a roll alike, then one of that kind.
    double explore = 0;
    // Filled before the others: the best of them that scores, when the choice is a fill.
    CategorySet first = 0;
    // Fills the best category that scores at least 60% of its maximum as soon as one does, and
    // fills anyway after a turn's third roll, as a hasty player does.
    bool hasty = false;
};

// Plays on from `position` by the advisor's first choices (or `style`'s), with dice from
// `random`, and returns the final score; `chosen` (if any) is shown every state decided and the
// choice taken.
int playOut(Advisor& advisor, Position position, std::mt19937_64& random,
            const std::function<void(const Position&, const Choice&)>& chosen = {},
            const Style& style = {});

// The corrections of the whole game's tables (TableLayout{}), as `brisvane-sim fit` wrote them.
Tables::Corrections shippedCorrections();

struct FitOptions {
    int games = 20000;             // games per round
    int rounds = 2;                // rounds that fit the leaf corrections, each from the last
    std::uint64_t seed = 20020222; // the same seed plays the same games
    int window = 3;                // rolls either side pooled into a leaf correction
    int valueGames = 2500;         // games whose turn starts fit the value corrections
    double explore = 0.2;          // the share of random choices in a fifth of those games
    int enough = 30;               // turn starts a value correction pools rolls either side for
    // Turn starts of games of another player (the game's own hint player, which plays through
    // the game itself), fitted on besides those of the games above.
    std::vector<Position> otherStarts;
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
// none), one more round with the last of them for the figures, then the value corrections, by
// the look-ahead of the turn starts of `valueGames` games. Returns every round's figures. The
// work is shared among `threads` threads; the result does not depend on their number.
// `progress` may throw to stop the work.
std::vector<FitRound> fitCorrections(Tables& tables, const FitOptions& options,
                                     const Progress& progress = {}, int threads = 1);

// The values as the body of a float array in a source file, `perLine` a line.
std::string arrayText(const std::vector<float>& values, std::size_t perLine);

// The corrections as the source file ShippedCorrections.cpp holds them.
std::string correctionsSource(const Tables::Corrections& corrections, const std::string& note);

} // namespace brisvane::advisor
