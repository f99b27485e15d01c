#pragma once
// The small game of the advisor's tests: two upper categories and three lower ones over eight
// rolls, small enough for the debug build, large enough that the estimate matters (One pair
// is in neither table with the upper section).

#include <random>

#include "advisor/Tables.h"

namespace brisvane::advisor {

inline const TableLayout Small{bitOf(category::Twos) | bitOf(category::Sixes) |
                                   bitOf(category::OnePair) | bitOf(category::Chance) |
                                   bitOf(category::Yatzy),
                               bitOf(category::Chance) | bitOf(category::Yatzy), 8};

inline const Tables& smallTables() {
    static const Tables tables = [] {
        Tables t(Small);
        t.solve();
        return t;
    }();
    return tables;
}

inline Dice randomDice(std::mt19937& random) {
    Dice d{};
    for (int& f : d) {
        f = static_cast<int>(random() % 6) + 1;
    }
    return d;
}

} // namespace brisvane::advisor
