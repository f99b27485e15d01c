#pragma once
// The review of a recorded game: what the player's choices cost against the advisor's best,
// and what the dice gave or took.
//
// Both are measured by one value of the game as it goes: within a turn, what the advisor's own play
// of the rest of the turn makes on average when a fill is worth the value of the next turn's start
// (see LookAhead); with dice on the table the value of the advisor's choice; after dice are picked
// up the value of the dice kept. Luck is the sum over every roll of the value after it minus the
// value before it; the cost is the sum over every choice of the value of the advisor's choice minus
// that of the choice made. So the final score is the expected start minus the cost plus the luck,
// exactly, and the advisor's own games cost nothing. Within a turn the value before a roll is the
// mean of the values after it, whatever the player keeps, so the luck of those rolls averages 0
// under any play. What the next turn's start is worth beyond the value its fill had (no die is
// rolled there) goes with that turn's first roll; it averages 0 as far as the advisor's values
// agree with one turn more of its play, which the value corrections are fitted for on average over
// the turn starts the fit saw (see Corrections.h), not state by state. A choice can cost less than
// nothing where the player's fill is worth more than the advisor's own. The expected start is the
// value of the first turn's start so: what the advisor's play of that turn makes on average, each
// fill worth the advisor's expected score of the turn after it.

#include <vector>

#include "advisor/Advisor.h"
#include "advisor/Record.h"

namespace brisvane::advisor {

// One choice of a reviewed game, and what it cost.
struct ReviewedChoice {
    Position position; // the dice on the table, the open categories, the rolls left
    Counts kept{};     // the dice kept from the roll before (none when all six were rolled)
    Choice made;       // the player's choice
    Choice best;       // the advisor's
    double cost = 0;   // what `made` cost against `best`
    int line = 0;      // line of the record
};

struct Review {
    double expectedStart = 0; // the value of the game before the first roll
    double cost = 0;          // points the player's choices cost against the advisor's own
    int finalScore = 0;
    double luck = 0;   // final - expected start + cost
    int decisions = 0; // choices weighed
    std::vector<ReviewedChoice> choices{}; // every choice, in the order of the game
};

// Replays the record by the rules of the game from a new game (the tables' categories and
// rolls: 60 rolls and all twenty categories for the real game) and reviews it. Throws
// std::invalid_argument naming the line when a step breaks the rules (a fill that does not score, a
// roll with none left, kept dice that are not on the table) or when the record stops before the
// game is over.
Review review(Advisor& advisor, const std::vector<Step>& steps);

} // namespace brisvane::advisor
