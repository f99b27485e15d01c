#pragma once
// The review of a recorded game: what the player's choices cost against the advisor's best,
// and what the dice gave or took.

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
    double cost = 0;          // points the player's choices cost against the advisor's best
    int finalScore = 0;
    double luck = 0;   // final - expected start + cost
    int decisions = 0; // choices weighed
    std::vector<ReviewedChoice> choices{}; // every choice, in the order of the game
};

// Replays the record by the rules of the game from a new game (the tables' categories and
// rolls: 60 rolls and all twenty categories for the real game) and reviews it: at every
// choice the player's cost is the advisor's best expected score minus that of the choice
// made. Throws std::invalid_argument naming the line when a step breaks the rules
// (a fill that does not score, a roll with none left, kept dice that are not on the table)
// or when the record stops before the game is over.
Review review(Advisor& advisor, const std::vector<Step>& steps);

} // namespace brisvane::advisor
