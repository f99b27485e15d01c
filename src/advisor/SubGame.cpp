#include "advisor/SubGame.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>

#include "advisor/Parallel.h"

namespace brisvane::advisor {
namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

// The time a state's turn solve takes, in microseconds of one core, as measured once over
// the whole game's tables: about the same for every state, a little more for each open
// category, an upper one (six scores, each a leaf) more than a lower one. The progress is
// counted in it, so it moves evenly with time.
double solveCost(CategorySet open) {
    return 450.0 + 40.0 * std::popcount(open & UpperSet) + 16.0 * std::popcount(open & LowerSet);
}

} // namespace

std::bitset<UpperSlots> reachableUpper(CategorySet filled) {
    std::bitset<UpperSlots> reach;
    reach.set(0);
    for (int k = 1; k <= 6; ++k) {
        if ((filled & bitOf(k)) == 0) {
            continue;
        }
        std::bitset<UpperSlots> next;
        for (int u = 0; u < UpperSlots; ++u) {
            if (reach.test(idx(u))) {
                for (int n = 1; n <= 6; ++n) {
                    next.set(idx(upperAfter(u, n * k)));
                }
            }
        }
        reach = next;
    }
    return reach;
}

SubGame::SubGame(CategorySet categories, int maxRolls)
    : categories_(categories & AllCategories), maxRolls_(maxRolls) {
    if (maxRolls < 0) {
        throw std::invalid_argument("a game needs 0 or more rolls");
    }
    for (int k = 1; k <= CategoryCount; ++k) {
        if ((categories_ & bitOf(k)) != 0) {
            members_.push_back(k);
        }
    }
    const std::size_t sets = std::size_t{1} << members_.size();
    values_.assign(sets * (hasUpper() ? UpperSlots : 1) * idx(maxRolls + 1),
                   std::numeric_limits<float>::quiet_NaN());
}

std::size_t SubGame::compress(CategorySet open) const {
    std::size_t index = 0;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if ((open & bitOf(members_[i])) != 0) {
            index |= std::size_t{1} << i;
        }
    }
    return index;
}

std::size_t SubGame::offset(CategorySet open, int upper) const {
    const std::size_t set = compress(open);
    std::size_t slot = 0;
    if (hasUpper()) {
        // The upper points only matter while an upper category is open.
        slot = set * UpperSlots +
               ((open & UpperSet) != 0 ? idx(upper >= BonusLine ? BonusLine : upper) : 0);
    } else {
        slot = set;
    }
    return slot * idx(maxRolls_ + 1);
}

std::vector<std::vector<SubGame::State>> SubGame::levels() const {
    std::vector<std::vector<State>> byCount(members_.size() + 1);
    const std::size_t sets = std::size_t{1} << members_.size();
    for (std::size_t i = 0; i < sets; ++i) {
        CategorySet open = 0;
        for (std::size_t b = 0; b < members_.size(); ++b) {
            if ((i >> b & 1) != 0) {
                open |= bitOf(members_[b]);
            }
        }
        auto& level = byCount[idx(std::popcount(open))];
        if ((open & UpperSet) == 0) {
            level.push_back({open, 0});
            continue;
        }
        const auto reach = reachableUpper(categories_ & UpperSet & ~open);
        int most = 0; // the most points the open upper categories can still add
        for (int k = 1; k <= 6; ++k) {
            most += (open & bitOf(k)) != 0 ? 6 * k : 0;
        }
        int first = -1; // the first state of this set that can no longer reach the bonus
        for (int u = 0; u < UpperSlots; ++u) {
            if (!reach.test(idx(u))) {
                continue;
            }
            const bool noBonus = u + most < BonusLine;
            level.push_back({open, u, noBonus ? first : -1});
            if (noBonus && first < 0) {
                first = static_cast<int>(level.size()) - 1;
            }
        }
    }
    return byCount;
}

std::size_t SubGame::stateCount() const {
    std::size_t n = 0;
    for (const auto& level : levels()) {
        n += level.size();
    }
    return n;
}

double SubGame::work() const {
    double cost = 0;
    for (const auto& level : levels()) {
        for (const State& s : level) {
            cost += s.sameAs < 0 ? solveCost(s.open) : 0.0;
        }
    }
    return cost;
}

template <class Play>
void SubGame::fillStates(const Progress& progress, int threads, bool share, Play&& play) {
    // Per level, the states to solve; the others copy one of them.
    auto byCount = levels();
    struct Copy {
        CategorySet open;
        int upper;
        int from; // the upper points of the state solved
    };
    std::vector<std::vector<Copy>> copies(byCount.size());
    std::vector<double> levelCost(byCount.size(), 0.0);
    double total = 0;
    for (std::size_t n = 0; n < byCount.size(); ++n) {
        std::vector<State> solved;
        for (const State& s : byCount[n]) {
            if (share && s.sameAs >= 0) {
                const State& model = byCount[n][idx(s.sameAs)];
                copies[n].push_back({s.open, s.upper, model.upper});
            } else {
                solved.push_back(s);
                levelCost[n] += solveCost(s.open);
            }
        }
        byCount[n] = std::move(solved);
        total += levelCost[n];
    }
    std::vector<TurnSolver> solvers(idx(std::max(threads, 1)));
    double before = 0;
    for (std::size_t n = 0; n < byCount.size(); ++n) {
        const auto& level = byCount[n];
        const auto solveOne = [&](std::size_t i, int thread) {
            const State& s = level[i];
            float* out = &values_[offset(s.open, s.upper)];
            out[0] = 0;
            if (maxRolls_ == 0) {
                return;
            }
            const TurnSolver::Leaf after = [&](int k, int u, int t) {
                return value(s.open & ~bitOf(k), u, t);
            };
            const TurnSolver& turn = play(solvers[idx(thread)], s.open, s.upper, after);
            for (int r = 1; r <= maxRolls_; ++r) {
                out[r] = static_cast<float>(turn.startValue(r));
            }
        };
        // The states of a level cost nearly alike: the level's cost shared by the count done.
        const auto tick = [&](std::size_t done) {
            if (progress && (done & 15) == 0) {
                const double share = static_cast<double>(done) / static_cast<double>(level.size());
                progress((before + levelCost[n] * share) / total);
            }
        };
        parallelFor(level.size(), threads, solveOne, tick);
        for (const Copy& c : copies[n]) {
            std::copy_n(row(c.open, c.from), maxRolls_ + 1, &values_[offset(c.open, c.upper)]);
        }
        before += levelCost[n];
    }
    if (progress) {
        progress(1.0);
    }
}

void SubGame::solve(const Progress& progress, int threads) {
    fillStates(progress, threads, true,
               [&](TurnSolver& turn, CategorySet open, int upper,
                   const TurnSolver::Leaf& after) -> const TurnSolver& {
                   turn.solve(open, upper, maxRolls_ - 1, after, false);
                   return turn;
               });
}

void SubGame::evaluatePolicy(const Decider& decider, const Progress& progress) {
    fillStates(progress, 1, false,
               [&](TurnSolver& turn, CategorySet open, int upper,
                   const TurnSolver::Leaf& after) -> const TurnSolver& {
                   turn.evaluate(decider(open, upper, maxRolls_ - 1), maxRolls_ - 1, after);
                   return turn;
               });
}

} // namespace brisvane::advisor
