#include "game/Scoring.h"

namespace brisvane {
namespace {

constexpr std::array<std::string_view, CategoryCount + 1> Names = {
    "",         "Ones",     "Twos",       "Threes",    "Fours",    "Fives",    "Sixes",
    "OnePair",  "TwoPairs", "ThreePairs", "ThreeKind", "FourKind", "FiveKind", "SmallStr",
    "LargeStr", "FullStr",  "Hut",        "House",     "Tower",    "Chance",   "Yatzy"};

constexpr std::array<int, CategoryCount + 1> Maximum = {0,  6,  12, 18, 24, 30, 36, 12, 22, 30, 18,
                                                        24, 30, 15, 20, 21, 28, 33, 34, 36, 100};

// All twenty values of one roll, category k at index k; `pairCount` gets the pairs the Two
// pairs rule counts (at most 2). One pass over the faces from 1 to 6, where a later face
// replaces an earlier one, so each "highest face with ..." is the last one met. Written
// without data-dependent jumps: the rolls come in no order a branch predictor could learn.
std::array<int, CategoryCount + 1> valuesOf(const Dice& dice, int& pairCount) {
    using namespace category;
    std::array<int, 8> count{}; // count[f] for f = 1..6; a face 0 (not rolled) lands in 0
    int sum = 0;
    for (const int face : dice) {
        ++count[static_cast<std::size_t>(face) & 7u];
        sum += face;
    }
    int pair1 = 0; // the three highest faces on at least two dice, highest first
    int pair2 = 0;
    int pair3 = 0;
    int pairs = 0;
    int three = 0; // highest face on at least 3, 4, 5 dice; on all six
    int four = 0;
    int five = 0;
    int six = 0;
    int exactThreeHigh = 0; // faces on exactly 3 dice, higher and lower
    int exactThreeLow = 0;
    int exactFour = 0;
    int exactTwo = 0;
    unsigned present = 0; // bit f set when face f shows
    for (int f = 1; f <= 6; ++f) {
        const int n = count[static_cast<std::size_t>(f)];
        present |= static_cast<unsigned>(n > 0) << f;
        const bool pair = n >= 2;
        pair3 = pair ? pair2 : pair3;
        pair2 = pair ? pair1 : pair2;
        pair1 = pair ? f : pair1;
        pairs += pair ? 1 : 0;
        three = n >= 3 ? f : three;
        four = n >= 4 ? f : four;
        five = n >= 5 ? f : five;
        six = n == 6 ? f : six;
        exactThreeLow = n == 3 ? exactThreeHigh : exactThreeLow;
        exactThreeHigh = n == 3 ? f : exactThreeHigh;
        exactFour = n == 4 ? f : exactFour;
        exactTwo = n == 2 ? f : exactTwo;
    }

    std::array<int, CategoryCount + 1> v{};
    for (int k = Ones; k <= Sixes; ++k) {
        v[static_cast<std::size_t>(k)] = k * count[static_cast<std::size_t>(k)];
    }
    v[OnePair] = 2 * pair1;
    pairCount = pairs < 2 ? pairs : 2;
    v[TwoPairs] = pairs >= 2 ? 2 * (pair1 + pair2) : 0;
    v[ThreePairs] = pairs >= 3 ? 2 * (pair1 + pair2 + pair3) : 0;
    v[ThreeKind] = 3 * three;
    v[FourKind] = 4 * four;
    v[FiveKind] = 5 * five;
    constexpr unsigned Small = 0b0111110; // faces 1..5
    constexpr unsigned Large = 0b1111100; // faces 2..6
    v[SmallStr] = (present & Small) == Small ? 15 : 0;
    v[LargeStr] = (present & Large) == Large ? 20 : 0;
    v[FullStr] = (present & (Small | Large)) == (Small | Large) ? 21 : 0;
    // Hut: the pair is the highest face on two or more dice other than the triple's face.
    const int hutPair = pair1 != three ? pair1 : pair2;
    v[Hut] = three != 0 && hutPair != 0 ? 3 * three + 2 * hutPair : 0;
    v[House] = exactThreeLow != 0 ? 3 * (exactThreeHigh + exactThreeLow) : 0;
    v[Tower] = exactFour != 0 && exactTwo != 0 ? 4 * exactFour + 2 * exactTwo : 0;
    v[Chance] = sum;
    v[Yatzy] = six != 0 ? 100 : 0;
    return v;
}

} // namespace

std::string_view categoryName(int k) {
    return k >= 1 && k <= CategoryCount ? Names[static_cast<std::size_t>(k)] : std::string_view();
}

int categoryMaximum(int k) {
    return k >= 1 && k <= CategoryCount ? Maximum[static_cast<std::size_t>(k)] : 0;
}

Dice rollOfIndex(int index) {
    Dice dice{};
    for (auto die = dice.rbegin(); die != dice.rend(); ++die, index /= 6) {
        *die = index % 6 + 1;
    }
    return dice;
}

int categoryPoints(int k, const Dice& dice) {
    if (k < 1 || k > CategoryCount) {
        return 0;
    }
    int pairCount = 0;
    return valuesOf(dice, pairCount)[static_cast<std::size_t>(k)];
}

Evaluation evaluate(const Dice& dice, CategorySet open, int rollsLeft, int rollsShown) {
    using namespace category;
    Evaluation e;
    int pairCount = 0;
    e.value = valuesOf(dice, pairCount);
    bool any = false;
    for (int k = 1; k <= CategoryCount; ++k) {
        int& v = e.value[static_cast<std::size_t>(k)];
        v = (open & bitOf(k)) != 0 ? v : 0;
        any = any || v > 0;
    }
    e.anyScorable = any ? 1 : 0;
    e.pairCount = (open & bitOf(TwoPairs)) != 0 ? pairCount : -1;

    int best = 0;
    const auto consider = [&](int k) {
        const int v = e.value[static_cast<std::size_t>(k)];
        const bool better = v > best;
        best = better ? v : best;
        e.suggestedCategory = better ? k : e.suggestedCategory;
    };
    for (int k = OnePair; k <= Tower; ++k) {
        consider(k);
    }
    if (rollsShown == 0) {
        consider(Chance);
    }
    consider(Yatzy);
    for (int k = Ones; k <= Sixes; ++k) {
        const int v = e.value[static_cast<std::size_t>(k)];
        // A category that scores nothing is never suggested, also when no rolls are left.
        const bool better = v > 0 && v >= best && (rollsLeft == 0 || v >= 4 * k);
        best = better ? v : best;
        e.suggestedCategory = better ? k : e.suggestedCategory;
    }
    return e;
}

} // namespace brisvane
