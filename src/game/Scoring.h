#pragma once
// The twenty categories of the score sheet and their rules, as pure functions of the dice.
// Placement (the category buttons) and evaluation (`CheckKateg`) both score through here, so
// the points a button places are always the points its tool tip promised.
//
// Category numbers 1..20 are the score-sheet order: 1 Ones .. 6 Sixes, 7 OnePair, 8 TwoPairs,
// 9 ThreePairs, 10 ThreeKind, 11 FourKind, 12 FiveKind, 13 SmallStr, 14 LargeStr, 15 FullStr,
// 16 Hut, 17 House, 18 Tower, 19 Chance, 20 Yatzy.

#include <array>
#include <cstdint>
#include <string_view>

namespace brisvane {

inline constexpr int CategoryCount = 20;

namespace category {
inline constexpr int Ones = 1;
inline constexpr int Twos = 2;
inline constexpr int Threes = 3;
inline constexpr int Fours = 4;
inline constexpr int Fives = 5;
inline constexpr int Sixes = 6;
inline constexpr int OnePair = 7;
inline constexpr int TwoPairs = 8;
inline constexpr int ThreePairs = 9;
inline constexpr int ThreeKind = 10;
inline constexpr int FourKind = 11;
inline constexpr int FiveKind = 12;
inline constexpr int SmallStr = 13;
inline constexpr int LargeStr = 14;
inline constexpr int FullStr = 15;
inline constexpr int Hut = 16;
inline constexpr int House = 17;
inline constexpr int Tower = 18;
inline constexpr int Chance = 19;
inline constexpr int Yatzy = 20;
} // namespace category

// "Ones" .. "Yatzy" for category 1..20 (the part of the button name after "btn_").
std::string_view categoryName(int k);
// The highest points category k can give; a placement of exactly this is shown white.
int categoryMaximum(int k);
inline bool isUpper(int k) {
    return k >= category::Ones && k <= category::Sixes;
}

// The six faces, die 1 at index 0; 0 = not rolled yet.
using Dice = std::array<int, 6>;

inline constexpr int RollCount = 46656; // 6^6

// Roll number `index` (0 .. RollCount-1) in ascending order, from 111111 to 666666: the last
// die counts fastest.
Dice rollOfIndex(int index);

// Open categories as a bit set: bit k-1 set = category k open.
using CategorySet = std::uint32_t;
inline constexpr CategorySet AllCategories = (CategorySet{1} << CategoryCount) - 1;
inline constexpr CategorySet bitOf(int k) {
    return CategorySet{1} << (k - 1);
}

// The points a placement of category k gives with these dice; 0 when they do not fit
// (also before the first roll, when the dice are 0).
int categoryPoints(int k, const Dice& dice);

// What `CheckKateg` finds for one roll.
struct Evaluation {
    // value[k]: the points category k would give now, 0 when closed or not fitting
    // (value[0] is unused).
    std::array<int, CategoryCount + 1> value{};
    // Pairs found by the Two pairs evaluation (0..2); -1 when Two pairs is closed and the
    // count was not evaluated.
    int pairCount = -1;
    int anyScorable = 0;       // 1 when some open category scores
    int suggestedCategory = 0; // 0 = none
};

// Evaluates the dice against the open categories. `rollsLeft` is `RollsLeft`; `rollsShown`
// is the number the `Rolls` label shows (the two differ only after the test button that sets
// the rolls without updating the label). Suggestion: the best lower category 7..18 (an
// earlier row keeps a tie), Chance only when `rollsShown` is 0, then Yatzy, then an upper
// category that ties or beats the best, while rolls are left only with four dice of its face.
Evaluation evaluate(const Dice& dice, CategorySet open, int rollsLeft, int rollsShown);

} // namespace brisvane
