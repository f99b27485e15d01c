#pragma once
// What a split of the rolls misses of best play when the lower side holds categories that are
// not joined with the upper section (straights, pairs, houses and the like).
//
// The tables' own split gap (Tables::splitGap) is measured on the upper table's states, split
// into the upper section and joined categories: those a hunt for many dice of one face serves
// as well. The estimate's splits put the other lower categories on the lower side, which draw
// far less on the same dice, and miss by other amounts. So these gaps are measured where they
// apply: on games of the upper section with one to four of the other lower categories, solved
// exactly, as the exact value less the best share of the rolls between the upper table's row
// and the lower table's row; averaged by rolls left, the categories on either side and the
// upper standing (see upperStanding). The games take half an hour of two cores, so the gaps
// are measured once, by `brisvane-sim gaps`, and kept in the source (ShippedLowerSplitGaps.cpp)
// for the tables of the whole game.

#include <string>
#include <vector>

#include "advisor/SubGame.h"

namespace brisvane::advisor {

class Tables;

namespace lowergaps {

inline constexpr int MaxRolls = 60;
inline constexpr int UpperSides = 6; // open upper categories 1..6 (more on that side count as 6)
inline constexpr int LowerSides = 4; // lower categories 1..4 (more count as 4)
inline constexpr int Standings = 9;
// Four lower categories are measured to this many rolls; beyond, the gap of three is scaled
// by how the two compare here. Games of four categories to 60 rolls would cost twice as much.
inline constexpr int FourMeasuredTo = 40;

// Where the upper points stand: 8 when the bonus is reached, else the upper points plus four
// dice of each open face against the line, in steps of 6, from 0 (24 or more short) to 7.
int upperStanding(CategorySet openUpper, int upper);

inline std::size_t cell(int rolls, int upperSide, int lowerSide, int standing) {
    return ((static_cast<std::size_t>(rolls) * UpperSides +
             static_cast<std::size_t>(upperSide - 1)) *
                LowerSides +
            static_cast<std::size_t>(lowerSide - 1)) *
               Standings +
           static_cast<std::size_t>(standing);
}
inline constexpr std::size_t Cells =
    static_cast<std::size_t>(MaxRolls + 1) * UpperSides * LowerSides * Standings;

// Sums of gaps and their counts by cell, as the games add them.
struct Sums {
    std::vector<double> gap = std::vector<double>(Cells, 0.0);
    std::vector<double> count = std::vector<double>(Cells, 0.0);
};

// Adds the states of the game of the upper section with `lower` (lower categories not joined),
// solved to `maxRolls`, to `sums`. `tables` are the whole game's, solved.
void addGame(const Tables& tables, CategorySet lower, int maxRolls, Sums& sums, int threads = 1);

// The gaps from the sums: the mean of each cell, a standing with no states taking the mean over
// all standings, and four lower categories beyond FourMeasuredTo scaled from three.
std::vector<float> finish(const Sums& sums);

// Measures the gaps on every game, as `brisvane-sim gaps` does.
std::vector<float> measure(const Tables& tables, const Progress& progress = {}, int threads = 1);

// The shipped gaps (empty for none) and their source file.
std::vector<float> shipped();
std::string source(const std::vector<float>& gaps);

} // namespace lowergaps
} // namespace brisvane::advisor
