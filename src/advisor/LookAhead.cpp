#include "advisor/LookAhead.h"

namespace brisvane::advisor {

LookAhead::LookAhead(Advisor& advisor) : advisor_(advisor), ahead_(advisor.tables()) {}

void LookAhead::start(const Position& p) {
    maxT_ = p.rollsLeft - 1;
    own_ = &advisor_.turn(p.open, p.upper, maxT_);
    after_.assign(static_cast<std::size_t>(CategoryCount + 1) * UpperSlots, {});
    turn_.evaluate(*own_, maxT_, [this](int k, int u, int t) { return after(k, u, t); });
}

double LookAhead::after(int k, int u, int t) {
    const CategorySet open = turn_.open() & ~bitOf(k);
    if (open == 0 || t == 0) {
        return 0.0;
    }
    std::vector<double>& row = after_[static_cast<std::size_t>(k * UpperSlots + u)];
    if (row.empty()) {
        const TurnSolver& next = ahead_.turn(open, u, maxT_ - 1);
        row.resize(static_cast<std::size_t>(maxT_ + 1));
        for (int r = 1; r <= maxT_; ++r) {
            row[static_cast<std::size_t>(r)] =
                next.startValue(r) + advisor_.tables().valueCorrection(open, r);
        }
    }
    return row[static_cast<std::size_t>(t)];
}

} // namespace brisvane::advisor
