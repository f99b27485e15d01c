#pragma once
// The review of a recorded game: what the player's choices cost against the advisor's best,
// and what the dice gave or took.
//
// Both are measured by one value of the game as it goes, the advisor's expected final score:
// at the start of a turn its look-ahead over the turn; with dice on the table the value of its
// own choice; after dice are picked up the look-ahead's value of the dice kept; after a fill
// the value of the next turn's start (not the estimate the look-ahead of the turn before
// used). Luck is the sum over every roll of the value after it minus the value before it;
// the cost is the sum over every choice of the value of the advisor's choice minus that of the
// choice made. So the final score is the expected start minus the cost plus the luck, exactly,
// and the advisor's own games cost nothing. The luck of a roll averages 0 over the dice as far
// as the look-ahead values a fill as the next turn's start does (see Corrections); a choice
// can cost less than nothing where the next turn values the player's fill above the
// advisor's own.

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
    double expectedStart = 0; // the advisor's expected final score before the first roll
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
