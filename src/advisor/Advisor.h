#pragma once
// The advisor: for any state of a game, every choice the rules allow (fill an open category
// that scores, or pick up some dice and roll them again), each with its expected final score.
//
// Over the current turn the advisor is exact (TurnSolver): after every possible roll it
// weighs every placement (points, bonus, and the tables' estimate of the rest, see Tables)
// against every hand of dice to keep, for every roll the turn may still spend.
//
// A decision costs one turn solve of a few thousand additions per roll left, and the solve is
// kept for the rest of the turn, so most decisions are only a look-up. Everything is
// deterministic: the same state always gets the same ranking.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "advisor/DiceSpace.h"
#include "advisor/Tables.h"
#include "advisor/TurnSolver.h"

namespace brisvane::advisor {

// A state of a game as the advisor sees it.
struct Position {
    CategorySet open = AllCategories;
    int upper = 0;       // upper points so far
    int total = 0;       // points so far, the bonus included
    int rollsLeft = 60;  // rolls left in the game
    bool rolled = false; // dice lie on the table (false at the start of a turn)
    Dice dice{};         // the six faces, when rolled
};

// The steps of a game on a position, by the rules: the one place where a choice is applied.
// Fills `category` with the dice on the table: its points, and the bonus when they reach the
// line, are added; the turn ends and the table is cleared.
void fill(Position& position, int category);
// The dice that stay on the table when `rollAgain` of them are picked up (none at the start
// of a turn, when the table is empty).
Counts keptDice(const Position& position, const Counts& rollAgain);
// Spends a roll: the kept dice stay and `die` gives the face of each die rolled.
void roll(Position& position, const Counts& kept, const std::function<int()>& die);

struct Choice {
    enum class Kind { Fill, Roll };
    Kind kind = Kind::Roll;
    int category = 0;    // Fill: the category
    int points = 0;      // Fill: its points (the bonus not included)
    Counts rollAgain{};  // Roll: how many dice of each face to pick up and roll again
    double expected = 0; // expected final score after this choice
};

// "Fill Sixes (24)" or "Roll again 1 2 5" (the faces, ascending) or "Roll all six".
std::string describe(const Choice& choice);

class Advisor {
public:
    explicit Advisor(const Tables& tables);

    const Tables& tables() const { return tables_; }

    // Every choice the rules allow, the advisor's choice first, then by expected final score
    // (highest first). Empty when the game is over. Throws std::invalid_argument for a state
    // the game cannot reach (a category outside the tables, rolls out of range, bad dice,
    // upper points the filled upper categories cannot make).
    std::vector<Choice> rank(const Position& position);
    // The expected final score of the state under the advisor's play: its best choice, or the
    // points made when the game is over.
    double expectedFinal(const Position& position);

    // The turn solve for the open categories and upper points (0..84), to maxT rolls: the
    // advisor's own policy, for evaluating it exactly.
    const TurnSolver& turn(CategorySet open, int upper, int maxT);

private:
    double leaf(int k, int upper, int t);
    void check(const Position& position) const;

    const Tables& tables_;
    TurnSolver turn_;
    bool solved_ = false;
    // The estimate after filling category k with upper points u, per number of rolls, for
    // the turn solved last (empty = not computed yet).
    std::vector<std::vector<double>> leaves_;
};

} // namespace brisvane::advisor
