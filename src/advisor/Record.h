#pragma once
// The record of a game: every step a player took, as text that a person can read and that is
// stored with a finished game to be reviewed again later. The text form is kept stable: a
// record written by any earlier version reads the same.
//
// One step a line; '#' starts a comment to the end of the line; blank lines are skipped:
//
//   roll D D D D D D   the six faces on the table after a roll (in any order; the dice kept
//                      from the last roll are among them)
//   again F F ...      the faces of the 1 to 6 dice picked up and rolled by the next roll
//   fill NAME          fills a category, by name (Ones .. Sixes, OnePair, TwoPairs,
//                      ThreePairs, ThreeKind, FourKind, FiveKind, SmallStr, LargeStr, FullStr,
//                      Hut, House, Tower, Chance, Yatzy) or by number 1..20
//
// A game starts with a roll; after a roll comes "again" and the next roll, or "fill" and the
// next turn's roll. The record of a finished game ends with the last fill, or with the last
// roll when no roll is left and nothing scores. formatRecord writes faces in ascending order
// for "again", the faces as rolled for "roll", and categories by name.

#include <string>
#include <vector>

#include "advisor/DiceSpace.h"

namespace brisvane::advisor {

// One step of a recorded game.
struct Step {
    enum class Kind { Roll, Again, Fill };
    Kind kind = Kind::Roll;
    Dice dice{};      // Roll: the six faces on the table after the roll
    Counts again{};   // Again: the dice picked up, per face
    int category = 0; // Fill
    int line = 0;     // line of the record, for messages
};

// Reads a record. Throws std::invalid_argument naming the line for anything else than the
// steps above (the rules of the game are checked when the record is replayed, see review).
std::vector<Step> parseRecord(const std::string& text);
// The record of steps as text in the same form.
std::string formatRecord(const std::vector<Step>& steps);

} // namespace brisvane::advisor
