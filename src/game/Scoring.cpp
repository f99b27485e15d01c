#include "game/Scoring.h"

namespace brisvane {
namespace {

constexpr std::array<std::string_view, CategoryCount + 1> Names = {
    "",         "Ones",     "Twos",     "Threes",   "Fours",    "Fives",    "Sixes",
    "OnePair",  "TwoPairs", "ThreePairs", "ThreeKind", "FourKind", "FiveKind", "SmallStr",
    "LargeStr", "FullStr",  "Hut",      "House",    "Tower",    "Chance",   "Yatzy"};

constexpr std::array<int, CategoryCount + 1> Maximum = {0,  6,  12, 18, 24, 30, 36, 12, 22, 30, 18,
                                                        24, 30, 15, 20, 21, 28, 33, 34, 36, 100};

// The face patterns of one roll, found in one pass over the face counts from 6 down to 1, so
// that each "highest face with ..." is the first one met.
struct Patterns {
    std::array<int, 7> count{};  // count[f] for f = 1..6
    int sum = 0;
    unsigned present = 0;            // bit f set when face f shows
    std::array<int, 3> pairFace{};   // the three highest faces on at least 2 dice
    int pairs = 0;                   // number of faces on at least 2 dice
    int three = 0;                   // highest face on at least 3 dice
    int four = 0;
    int five = 0;
    int six = 0;
    int exactThreeHigh = 0;          // faces on exactly 3 dice, higher and lower
    int exactThreeLow = 0;
    int exactFour = 0;
    int exactTwo = 0;                // highest face on exactly 2 dice
};

Patterns patternsOf(const Dice& dice) {
    Patterns p;
    for (const int face : dice) {
        if (face >= 1 && face <= 6) {
            ++p.count[static_cast<std::size_t>(face)];
            p.sum += face;
        }
    }
    for (int f = 6; f >= 1; --f) {
        const int n = p.count[static_cast<std::size_t>(f)];
        if (n == 0) {
            continue;
        }
        p.present |= 1u << f;
        if (n >= 2 && p.pairs < 3) {
            p.pairFace[static_cast<std::size_t>(p.pairs)] = f;
            ++p.pairs;
        }
        if (n >= 3 && p.three == 0) {
            p.three = f;
        }
        if (n >= 4 && p.four == 0) {
            p.four = f;
        }
        if (n >= 5 && p.five == 0) {
            p.five = f;
        }
        if (n == 6) {
            p.six = f;
        }
        if (n == 3) {
            (p.exactThreeHigh == 0 ? p.exactThreeHigh : p.exactThreeLow) = f;
        }
        if (n == 4) {
            p.exactFour = f;
        }
        if (n == 2 && p.exactTwo == 0) {
            p.exactTwo = f;
        }
    }
    return p;
}

constexpr unsigned faces(std::initializer_list<int> list) {
    unsigned mask = 0;
    for (const int f : list) {
        mask |= 1u << f;
    }
    return mask;
}

// All twenty values; `pairCount` gets the pairs the Two pairs rule counted (at most 2).
std::array<int, CategoryCount + 1> valuesOf(const Patterns& p, int& pairCount) {
    using namespace category;
    std::array<int, CategoryCount + 1> v{};
    for (int k = Ones; k <= Sixes; ++k) {
        v[static_cast<std::size_t>(k)] = k * p.count[static_cast<std::size_t>(k)];
    }
    v[OnePair] = 2 * p.pairFace[0];
    pairCount = p.pairs < 2 ? p.pairs : 2;
    v[TwoPairs] = p.pairs >= 2 ? 2 * (p.pairFace[0] + p.pairFace[1]) : 0;
    v[ThreePairs] = p.pairs >= 3 ? 2 * (p.pairFace[0] + p.pairFace[1] + p.pairFace[2]) : 0;
    v[ThreeKind] = 3 * p.three;
    v[FourKind] = 4 * p.four;
    v[FiveKind] = 5 * p.five;
    constexpr unsigned Small = faces({1, 2, 3, 4, 5});
    constexpr unsigned Large = faces({2, 3, 4, 5, 6});
    v[SmallStr] = (p.present & Small) == Small ? 15 : 0;
    v[LargeStr] = (p.present & Large) == Large ? 20 : 0;
    v[FullStr] = (p.present & (Small | Large)) == (Small | Large) ? 21 : 0;
    // Hut: the pair is the highest face on two or more dice other than the triple's face.
    const int hutPair = p.pairFace[0] != p.three ? p.pairFace[0] : p.pairFace[1];
    v[Hut] = p.three != 0 && hutPair != 0 ? 3 * p.three + 2 * hutPair : 0;
    v[House] = p.exactThreeLow != 0 ? 3 * (p.exactThreeHigh + p.exactThreeLow) : 0;
    v[Tower] = p.exactFour != 0 && p.exactTwo != 0 ? 4 * p.exactFour + 2 * p.exactTwo : 0;
    v[Chance] = p.sum;
    v[Yatzy] = p.six != 0 ? 100 : 0;
    return v;
}

}  // namespace

std::string_view categoryName(int k) {
    return k >= 1 && k <= CategoryCount ? Names[static_cast<std::size_t>(k)] : std::string_view();
}

int categoryMaximum(int k) {
    return k >= 1 && k <= CategoryCount ? Maximum[static_cast<std::size_t>(k)] : 0;
}

int categoryPoints(int k, const Dice& dice) {
    if (k < 1 || k > CategoryCount) {
        return 0;
    }
    int pairCount = 0;
    return valuesOf(patternsOf(dice), pairCount)[static_cast<std::size_t>(k)];
}

Evaluation evaluate(const Dice& dice, CategorySet open, int rollsLeft, int rollsShown) {
    using namespace category;
    Evaluation e;
    int pairCount = 0;
    const auto all = valuesOf(patternsOf(dice), pairCount);
    for (int k = 1; k <= CategoryCount; ++k) {
        if ((open & bitOf(k)) != 0) {
            const int v = all[static_cast<std::size_t>(k)];
            e.value[static_cast<std::size_t>(k)] = v;
            if (v > 0) {
                e.anyScorable = 1;
            }
        }
    }
    if ((open & bitOf(TwoPairs)) != 0) {
        e.pairCount = pairCount;
    }

    int best = 0;
    const auto consider = [&](int k) {
        const int v = e.value[static_cast<std::size_t>(k)];
        if (v > best) {
            best = v;
            e.suggestedCategory = k;
        }
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
        if (v > 0 && v >= best && (rollsLeft == 0 || v >= 4 * k)) {
            best = v;
            e.suggestedCategory = k;
        }
    }
    return e;
}

}  // namespace brisvane
