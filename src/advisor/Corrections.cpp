#include "advisor/Corrections.h"

#include <algorithm>
#include <array>
#include <bit>
#include <random>

#include "advisor/Advisor.h"
#include "advisor/Parallel.h"

namespace brisvane::advisor {
namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

constexpr int UpperCount = 6;

struct Sample {
    CategorySet open;
    int upper;
    int upperOpen;
    int lowerOpen;
};

// `n` categories of `from`, at random.
CategorySet pick(CategorySet from, int n, std::mt19937_64& random) {
    std::vector<int> members;
    for (int k = 1; k <= CategoryCount; ++k) {
        if ((from & bitOf(k)) != 0) {
            members.push_back(k);
        }
    }
    std::shuffle(members.begin(), members.end(), random);
    CategorySet set = 0;
    for (int i = 0; i < n; ++i) {
        set |= bitOf(members[idx(i)]);
    }
    return set;
}

// Upper points as the filled upper categories commonly give them: mostly three or four dice
// of their face, now and then more or fewer.
int typicalUpper(CategorySet filledUpper, std::mt19937_64& random) {
    constexpr std::array<int, 20> dice = {1, 2, 2, 2, 3, 3, 3, 3, 3, 3,
                                          3, 4, 4, 4, 4, 4, 4, 5, 5, 6};
    int upper = 0;
    for (int k = 1; k <= UpperCount; ++k) {
        if ((filledUpper & bitOf(k)) != 0) {
            upper += k * dice[random() % dice.size()];
        }
    }
    return std::min(upper, BonusLine);
}

// The states drawn for one number of open categories: for every split into open upper and
// lower categories that the universe has, `perCell` states that no table solves outright.
std::vector<Sample> draw(const Tables& tables, int n, int perCell, std::mt19937_64& random) {
    const CategorySet universe = tables.layout().universe;
    const CategorySet upper = universe & UpperSet;
    const CategorySet lower = universe & LowerSet;
    std::vector<Sample> samples;
    for (int u = 0; u <= std::popcount(upper); ++u) {
        const int l = n - u;
        if (l < 0 || l > std::popcount(lower)) {
            continue;
        }
        // A few draws more than needed, for sets that a table solves outright.
        for (int tries = 0, found = 0; found < perCell && tries < 4 * perCell; ++tries) {
            const CategorySet open = pick(upper, u, random) | pick(lower, l, random);
            if (tables.solvesOutright(open)) {
                continue;
            }
            samples.push_back({open, typicalUpper(upper & ~open, random), u, l});
            ++found;
        }
    }
    return samples;
}

} // namespace

void fitCorrections(Tables& tables, const FitOptions& options, const Progress& progress,
                    int threads) {
    const int maxRolls = tables.layout().maxRolls;
    const int categories = std::popcount(tables.layout().universe);
    std::vector<float> corrections(tables.correctionCells(), 0.0f);
    tables.setCorrections(corrections);
    std::mt19937_64 random(options.seed);
    std::vector<std::vector<Sample>> levels(idx(categories + 1));
    std::size_t total = 0;
    for (int n = 2; n <= categories; ++n) {
        levels[idx(n)] = draw(tables, n, options.statesPerCell, random);
        total += levels[idx(n)].size();
    }
    std::size_t before = 0;
    for (int n = 2; n <= categories; ++n) {
        const auto& level = levels[idx(n)];
        // Fresh advisors: their look-ahead reads the corrections of fewer open categories.
        std::vector<Advisor> advisors(idx(std::max(threads, 1)), Advisor(tables));
        // Per state, the look-ahead minus the estimate for rolls 0..maxRolls.
        std::vector<std::vector<double>> misses(level.size());
        const auto measure = [&](std::size_t i, int thread) {
            const Sample& s = level[i];
            const TurnSolver& turn = advisors[idx(thread)].turn(s.open, s.upper, maxRolls - 1);
            std::vector<double>& miss = misses[i];
            miss.resize(idx(maxRolls + 1));
            tables.estimate(s.open, s.upper, maxRolls, miss.data());
            for (int t = 0; t <= maxRolls; ++t) {
                miss[idx(t)] = turn.startValue(t) - miss[idx(t)];
            }
        };
        const auto tick = [&](std::size_t done) {
            if (progress) {
                progress(static_cast<double>(before + done) / static_cast<double>(total));
            }
        };
        parallelFor(level.size(), threads, measure, tick);
        before += level.size();
        // The means, summed in the order drawn so that every run gives the same.
        std::vector<double> sum(corrections.size(), 0.0);
        std::vector<int> count(corrections.size(), 0);
        for (std::size_t i = 0; i < level.size(); ++i) {
            for (int t = 1; t <= maxRolls; ++t) {
                const std::size_t cell =
                    Tables::correctionCell(t, level[i].upperOpen, level[i].lowerOpen);
                sum[cell] += misses[i][idx(t)];
                ++count[cell];
            }
        }
        for (std::size_t cell = 0; cell < sum.size(); ++cell) {
            if (count[cell] > 0) {
                corrections[cell] = static_cast<float>(sum[cell] / count[cell]);
            }
        }
        tables.setCorrections(corrections);
    }
    if (progress) {
        progress(1.0);
    }
}

} // namespace brisvane::advisor
