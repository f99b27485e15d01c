#include "advisor/TurnSolver.h"

#include <limits>

namespace brisvane::advisor {
namespace {

constexpr double Never = -std::numeric_limits<double>::infinity();

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

TurnSolver::TurnSolver()
    : dice_(DiceSpace::get()), best_(DiceSpace::HandCount), bestHand_(DiceSpace::HandCount) {}

void TurnSolver::listOptions() {
    options_.clear();
    optionsBegin_.assign(DiceSpace::RollCount + 1, 0);
    for (int roll = 0; roll < DiceSpace::RollCount; ++roll) {
        optionsBegin_[idx(roll)] = static_cast<int>(options_.size());
        for (const auto& s : dice_.scoring(roll)) {
            if ((open_ & bitOf(s.category)) != 0) {
                options_.push_back({static_cast<std::uint8_t>(slotOf(s.category, s.points)),
                                    s.category,
                                    isUpper(s.category) ? 0.0f : static_cast<float>(s.points)});
            }
        }
    }
    optionsBegin_[DiceSpace::RollCount] = static_cast<int>(options_.size());
}

void TurnSolver::fillOptions(int t, const Leaf& leaf) {
    for (int k = 1; k <= CategoryCount; ++k) {
        if ((open_ & bitOf(k)) == 0) {
            continue;
        }
        if (isUpper(k)) {
            for (int n = 1; n <= 6; ++n) {
                const int points = n * k;
                slotValue_[idx(slotOf(k, points))] =
                    placementGain(k, points, upper_) + leaf(k, upperAfter(upper_, points), t);
            }
        } else {
            slotValue_[idx(slotOf(k, 0))] = leaf(k, upper_, t);
        }
    }
}

double TurnSolver::placeBest(int roll, int& category) const {
    double best = Never;
    category = 0;
    const Option* end = options_.data() + optionsBegin_[idx(roll + 1)];
    for (const Option* o = options_.data() + optionsBegin_[idx(roll)]; o != end; ++o) {
        const double v = slotValue_[o->slot] + static_cast<double>(o->points);
        if (v > best) {
            best = v;
            category = o->category;
        }
    }
    return best;
}

void TurnSolver::averageDown(double* layer) const {
    for (int n = 5; n >= 0; --n) {
        for (int h = dice_.firstOfSize(n); h < dice_.firstOfSize(n + 1); ++h) {
            double sum = 0;
            for (int f = 1; f <= 6; ++f) {
                sum += layer[dice_.plus(h, f)];
            }
            layer[h] = sum / 6.0;
        }
    }
}

void TurnSolver::solve(CategorySet open, int upper, int maxT, const Leaf& leaf, bool recordMoves) {
    open_ = open;
    upper_ = upper;
    maxT_ = maxT;
    e_.assign(idx(maxT + 1) * DiceSpace::HandCount, 0.0);
    moves_.assign(recordMoves ? idx(maxT + 1) * DiceSpace::RollCount : 0, 0);
    listOptions();
    const int firstRoll = dice_.firstOfSize(6);

    for (int t = 0; t <= maxT; ++t) {
        double* layer = &e_[idx(t) * DiceSpace::HandCount];
        if (open != 0) {
            fillOptions(t, leaf);
        }
        for (int roll = 0; roll < DiceSpace::RollCount; ++roll) {
            int category = 0;
            const double place = open != 0 ? placeBest(roll, category) : Never;
            // best_ still holds layer t-1: the best hand to keep out of this roll.
            const double keep = t > 0 ? best_[idx(firstRoll + roll)] : Never;
            double value = 0;
            int move = 0;
            if (place != Never && place >= keep) {
                value = place;
                move = placeMove(category);
            } else if (keep != Never) {
                value = keep;
                move = keepMove(bestHand_[idx(firstRoll + roll)]);
            }
            layer[firstRoll + roll] = value;
            if (recordMoves) {
                moves_[idx(t) * DiceSpace::RollCount + idx(roll)] = move;
            }
        }
        averageDown(layer);
        keepBest(layer, recordMoves);
    }
}

void TurnSolver::keepBest(const double* layer, bool recordMoves) {
    // The best part of each hand to keep; keeping all six dice (a roll that changes nothing)
    // is never offered. Hands are ordered by size, so the parts of a hand come before it.
    const std::int16_t* parts = dice_.parts().data();
    const int firstRoll = dice_.firstOfSize(6);
    for (int h = 0; h < DiceSpace::HandCount; ++h) {
        double best = h >= firstRoll ? Never : layer[h];
        int bestHand = h;
        const std::int16_t* end = parts + dice_.partsBegin(h + 1);
        for (const std::int16_t* m = parts + dice_.partsBegin(h); m != end; ++m) {
            if (best_[idx(*m)] > best) {
                best = best_[idx(*m)];
                bestHand = *m;
            }
        }
        best_[idx(h)] = best;
        if (recordMoves) {
            // The parts' own best hands are this layer's already.
            bestHand_[idx(h)] = bestHand == h ? h : bestHand_[idx(bestHand)];
        }
    }
}

void TurnSolver::evaluate(const TurnSolver& decider, int maxT, const Leaf& leaf) {
    open_ = decider.open_;
    upper_ = decider.upper_;
    maxT_ = maxT;
    e_.assign(idx(maxT + 1) * DiceSpace::HandCount, 0.0);
    moves_.clear();
    const int firstRoll = dice_.firstOfSize(6);
    for (int t = 0; t <= maxT; ++t) {
        double* layer = &e_[idx(t) * DiceSpace::HandCount];
        if (open_ != 0) {
            fillOptions(t, leaf);
        }
        for (int roll = 0; roll < DiceSpace::RollCount; ++roll) {
            const int move = decider.move(roll, t);
            double value = 0;
            if (move > 0) {
                const int points = dice_.points(roll, move);
                value = slotValue_[idx(slotOf(move, points))] + (isUpper(move) ? 0 : points);
            } else if (move < 0) {
                value = keepValue(keptHand(move), t - 1);
            }
            layer[firstRoll + roll] = value;
        }
        averageDown(layer);
    }
}

} // namespace brisvane::advisor
