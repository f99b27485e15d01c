#include "advisor/DiceSpace.h"

#include <cmath>

namespace brisvane::advisor {

const DiceSpace& DiceSpace::get() {
    static const DiceSpace space;
    return space;
}

int DiceSpace::code(const Counts& c) {
    int value = 0;
    for (int f = 5; f >= 0; --f) {
        value = value * 7 + c[idx(f)];
    }
    return value;
}

DiceSpace::DiceSpace() : byCode_(117649, NoHand) {
    // Hands by size, and within a size in the order of a counter over the six counts.
    for (int n = 0; n <= 6; ++n) {
        first_[idx(n)] = static_cast<int>(counts_.size());
        Counts c{};
        for (int a = 0; a <= n; ++a) {
            for (int b = 0; a + b <= n; ++b) {
                for (int d = 0; a + b + d <= n; ++d) {
                    for (int e = 0; a + b + d + e <= n; ++e) {
                        for (int g = 0; a + b + d + e + g <= n; ++g) {
                            c = {static_cast<std::uint8_t>(a),
                                 static_cast<std::uint8_t>(b),
                                 static_cast<std::uint8_t>(d),
                                 static_cast<std::uint8_t>(e),
                                 static_cast<std::uint8_t>(g),
                                 static_cast<std::uint8_t>(n - a - b - d - e - g)};
                            byCode_[idx(code(c))] = static_cast<int>(counts_.size());
                            counts_.push_back(c);
                            size_.push_back(n);
                        }
                    }
                }
            }
        }
    }
    first_[7] = static_cast<int>(counts_.size());

    plus_.resize(counts_.size());
    minus_.resize(counts_.size());
    for (std::size_t h = 0; h < counts_.size(); ++h) {
        for (int f = 0; f < 6; ++f) {
            Counts up = counts_[h];
            Counts down = counts_[h];
            ++up[idx(f)];
            plus_[h][idx(f)] = size_[h] < 6 ? byCode_[idx(code(up))] : NoHand;
            if (down[idx(f)] > 0) {
                --down[idx(f)];
                minus_[h][idx(f)] = byCode_[idx(code(down))];
            } else {
                minus_[h][idx(f)] = NoHand;
            }
        }
    }

    for (std::size_t h = 0; h < counts_.size(); ++h) {
        partsBegin_.push_back(static_cast<int>(parts_.size()));
        for (const int m : minus_[h]) {
            if (m != NoHand) {
                parts_.push_back(static_cast<std::int16_t>(m));
            }
        }
    }
    partsBegin_.push_back(static_cast<int>(parts_.size()));

    points_.resize(RollCount);
    scoring_.resize(RollCount);
    for (int roll = 0; roll < RollCount; ++roll) {
        const Dice dice = faces(roll);
        for (int k = 1; k <= CategoryCount; ++k) {
            const int p = categoryPoints(k, dice);
            points_[idx(roll)][idx(k - 1)] = static_cast<std::uint8_t>(p);
            if (p > 0) {
                scoring_[idx(roll)].push_back(
                    {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(p)});
            }
        }
    }
}

int DiceSpace::handOf(const Counts& counts) const {
    int total = 0;
    for (const auto c : counts) {
        total += c;
    }
    return total > 6 ? NoHand : byCode_[idx(code(counts))];
}

int DiceSpace::handOf(const Dice& dice) const {
    Counts c{};
    for (const int face : dice) {
        if (face < 1 || face > 6) {
            return NoHand;
        }
        ++c[idx(face - 1)];
    }
    return handOf(c);
}

bool DiceSpace::contains(int hand, int part) const {
    for (std::size_t f = 0; f < 6; ++f) {
        if (counts_[idx(part)][f] > counts_[idx(hand)][f]) {
            return false;
        }
    }
    return true;
}

Dice DiceSpace::faces(int roll) const {
    const Counts& c = counts_[idx(rollHand(roll))];
    Dice dice{};
    std::size_t i = 0;
    for (int f = 0; f < 6; ++f) {
        for (int n = 0; n < c[idx(f)]; ++n) {
            dice[i++] = f + 1;
        }
    }
    return dice;
}

double DiceSpace::probability(int hand) const {
    // n! / prod(c_f!) / 6^n
    const Counts& c = counts_[idx(hand)];
    double p = std::tgamma(size_[idx(hand)] + 1.0);
    for (const auto n : c) {
        p /= std::tgamma(n + 1.0);
    }
    return p / std::pow(6.0, size_[idx(hand)]);
}

} // namespace brisvane::advisor
