#pragma once
// The dice as the advisor sees them: which faces lie on the table, never in which order.
// Every multiset of 0..6 dice gets an index ("a hand"); the 462 hands of six dice are the
// possible rolls, the smaller ones the dice a player can keep before rolling the rest again.
// Hands are ordered by size, so the solver can sweep all hands of one size at a time.

#include <array>
#include <cstdint>
#include <vector>

#include "game/Scoring.h"

namespace brisvane::advisor {

// Dice per face: count[f-1] = the number of dice showing face f.
using Counts = std::array<std::uint8_t, 6>;

class DiceSpace {
public:
    static constexpr int HandCount = 924; // multisets of 0..6 dice
    static constexpr int RollCount = 462; // multisets of exactly 6 dice
    static constexpr int NoHand = -1;

    // The one shared instance (built on first use; it never changes).
    static const DiceSpace& get();

    int size(int hand) const { return size_[idx(hand)]; }
    const Counts& counts(int hand) const { return counts_[idx(hand)]; }
    // The hand with one more die showing `face` (1..6); NoHand for a hand of six.
    int plus(int hand, int face) const { return plus_[idx(hand)][idx(face - 1)]; }
    // The hand with one die of `face` less; NoHand when the hand has no such die.
    int minus(int hand, int face) const { return minus_[idx(hand)][idx(face - 1)]; }
    // The hands with one die less, each once (one for every face the hand has), as a range
    // [partsBegin(hand), partsBegin(hand + 1)) of parts(): a compact form of minus().
    int partsBegin(int hand) const { return partsBegin_[idx(hand)]; }
    const std::vector<std::int16_t>& parts() const { return parts_; }
    // Hands 0 .. firstOfSize(7)-1; hands of size n are firstOfSize(n) .. firstOfSize(n+1)-1.
    int firstOfSize(int n) const { return first_[idx(n)]; }
    int empty() const { return 0; }
    // NoHand when a count is negative or the counts add up to more than six.
    int handOf(const Counts& counts) const;
    int handOf(const Dice& dice) const; // six faces 1..6
    bool contains(int hand, int part) const;

    // A roll (hand of six) as the positions 0..461 of the rolls; the roll's hand is
    // firstOfSize(6) + position.
    int rollHand(int roll) const { return first_[6] + roll; }
    int rollOf(int hand) const { return hand - first_[6]; }
    // Points of category k (1..20) for a roll (0..461).
    int points(int roll, int k) const { return points_[idx(roll)][idx(k - 1)]; }
    // The categories a roll scores in (points above 0), in ascending order.
    struct Scoring {
        std::uint8_t category;
        std::uint8_t points;
    };
    const std::vector<Scoring>& scoring(int roll) const { return scoring_[idx(roll)]; }
    // The six faces of a roll, ascending.
    Dice faces(int roll) const;
    // Probability of rolling exactly this hand with all of its dice.
    double probability(int hand) const;

private:
    DiceSpace();
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
    static int code(const Counts& c);

    std::vector<int> size_;
    std::vector<Counts> counts_;
    std::vector<std::array<int, 6>> plus_;
    std::vector<std::array<int, 6>> minus_;
    std::vector<int> partsBegin_;
    std::vector<std::int16_t> parts_;
    std::array<int, 8> first_{};
    std::vector<int> byCode_; // base-7 code of the counts -> hand
    std::vector<std::array<std::uint8_t, CategoryCount>> points_;
    std::vector<std::vector<Scoring>> scoring_;
};

} // namespace brisvane::advisor
