#pragma once
// The rest of one turn, solved exactly: after every roll the player either fills an open
// category that scores, or keeps some of the dice and rolls the others again, as long as
// rolls are left. What a placement leads to (the rest of the game after this turn) is the
// caller's "leaf": the expected points still to come with category k filled, the upper points
// then, and t rolls left. With exact leaves this is exact dynamic programming; with estimated
// leaves it is the advisor's look-ahead over the turn.
//
// Layer t holds, for every hand of dice a player may keep, the expected value of keeping it
// and rolling the other dice when that roll leaves t rolls. Layers do not depend on how many
// rolls the game has, so one solve to the largest t serves every smaller number of rolls.
// Keeping hand K and rolling n dice is the average, over the face of one die, of keeping K
// plus that face and rolling n-1 dice; so a layer costs a few thousand additions, not a sum
// over all outcomes of every keep.

#include <functional>
#include <vector>

#include "advisor/DiceSpace.h"

namespace brisvane::advisor {

inline constexpr int BonusLine = 84;          // upper points that earn the bonus
inline constexpr int UpperBonus = 100;        // the bonus
inline constexpr int UpperSlots = 85;         // upper points 0..83, and 84 for "84 or more"
inline constexpr CategorySet UpperSet = 0x3F; // Ones .. Sixes
inline constexpr CategorySet LowerSet = AllCategories & ~UpperSet;

// Upper points after a placement of `points` in an upper category, capped at the line.
inline int upperAfter(int upper, int points) {
    return upper + points >= BonusLine ? BonusLine : upper + points;
}
// The points a placement gives, the bonus included when it reaches the line.
inline int placementGain(int k, int points, int upper) {
    return points +
           (isUpper(k) && upper < BonusLine && upper + points >= BonusLine ? UpperBonus : 0);
}

// A move after a roll, as the solver records it: fill category k (> 0), keep hand h and roll
// the rest (-(h + 1)), or nothing (0: no roll left and nothing scores, the game is over).
inline int placeMove(int k) {
    return k;
}
inline int keepMove(int hand) {
    return -(hand + 1);
}
inline int keptHand(int move) {
    return -move - 1;
}

class TurnSolver {
public:
    // Expected points to come after filling category k, with `upper` the upper points then
    // (capped at 84) and t rolls left.
    using Leaf = std::function<double(int k, int upper, int t)>;

    TurnSolver();

    // Solves layers 0..maxT for the open categories and the upper points (0..84) before the
    // placement. With `recordMoves` the best move after every roll and t is kept.
    void solve(CategorySet open, int upper, int maxT, const Leaf& leaf, bool recordMoves);
    // Expected points of the moves recorded by `decider` (solved for the same open
    // categories and upper points, to at least maxT), where `leaf` values the rest of the
    // game after a placement. This is how a policy is evaluated exactly.
    void evaluate(const TurnSolver& decider, int maxT, const Leaf& leaf);

    int solvedTo() const { return maxT_; }
    CategorySet open() const { return open_; }
    int upper() const { return upper_; }

    // Expected points of keeping `hand` and rolling the other dice, the roll leaving t.
    double keepValue(int hand, int t) const {
        return e_[static_cast<std::size_t>(t) * DiceSpace::HandCount +
                  static_cast<std::size_t>(hand)];
    }
    // Expected points of a turn that starts with `rolls` rolls left (0 when none).
    double startValue(int rolls) const { return rolls <= 0 ? 0.0 : keepValue(0, rolls - 1); }
    // The recorded move after roll `roll` (0..461) with t rolls left.
    int move(int roll, int t) const {
        return moves_[static_cast<std::size_t>(t) * DiceSpace::RollCount +
                      static_cast<std::size_t>(roll)];
    }

private:
    // A category that scores with a roll: its value is slotValue_[slot] + points.
    struct Option {
        std::uint8_t slot;
        std::uint8_t category;
        float points;
    };
    static int slotOf(int k, int points) { return isUpper(k) ? k * 7 + points / k : 49 + k; }
    void listOptions();
    void fillOptions(int t, const Leaf& leaf);
    double placeBest(int roll, int& category) const;
    void averageDown(double* layer) const;
    void keepBest(const double* layer, bool recordMoves);

    const DiceSpace& dice_;
    CategorySet open_ = 0;
    int upper_ = 0;
    int maxT_ = -1;
    std::vector<double> e_;  // (maxT+1) x HandCount
    std::vector<int> moves_; // (maxT+1) x RollCount, when recorded
    std::vector<double> best_;
    std::vector<int> bestHand_;
    // The options of the open categories, roll by roll (optionsBegin_[roll] ..
    // optionsBegin_[roll + 1]), the same for every t.
    std::vector<Option> options_;
    std::vector<int> optionsBegin_;
    // At the layer in hand: the value of filling upper category k with n dice of its face
    // (slot 7k + n), or lower category k less its points (slot 49 + k).
    std::array<double, 70> slotValue_{};
};

} // namespace brisvane::advisor
