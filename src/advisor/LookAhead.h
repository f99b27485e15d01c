#pragma once
// The value of a turn under the advisor's own play of it, each fill worth the advisor's
// expected score at the next turn's start (that turn's solve, with its value correction).
//
// This is one turn deeper than the advisor's own values, whose fills are worth the tables'
// estimate: the review measures a game by it (see Review.h), and the value corrections are
// fitted so that the advisor's values agree with it (see Corrections.h).

#include <vector>

#include "advisor/Advisor.h"

namespace brisvane::advisor {

class LookAhead {
public:
    // `advisor` decides the turn (its moves are the ones evaluated); it must outlive this.
    explicit LookAhead(Advisor& advisor);

    // Evaluates the turn that starts at `p` (no dice on the table, some rolls left and some
    // category open).
    void start(const Position& p);
    // The points still to come at the turn's start with `rolls` left, and the same by the
    // advisor's own values (fills worth the estimate, no value correction), until the advisor
    // solves another turn.
    double startValue(int rolls) const { return turn_.startValue(rolls); }
    double ownStartValue(int rolls) const { return own_->startValue(rolls); }
    // The points still to come with the dice of `hand` kept and t rolls left.
    double keepValue(int hand, int t) const { return turn_.keepValue(hand, t); }
    // The points still to come after filling k with u upper points then and t rolls left:
    // the next turn's start value and its value correction.
    double after(int k, int u, int t);
    const TurnSolver& turn() const { return turn_; }

private:
    Advisor& advisor_;
    Advisor ahead_; // the next turns' solves
    const TurnSolver* own_ = nullptr;
    TurnSolver turn_;
    std::vector<std::vector<double>> after_; // by k * UpperSlots + u, then t; empty = not yet
    int maxT_ = 0;                           // the rolls the turn's first roll leaves
};

} // namespace brisvane::advisor
