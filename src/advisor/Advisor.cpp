#include "advisor/Advisor.h"

#include <algorithm>
#include <stdexcept>

namespace brisvane::advisor {
namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

void fill(Position& p, int category) {
    const int points = categoryPoints(category, p.dice);
    p.total += placementGain(category, points, p.upper);
    p.upper += isUpper(category) ? points : 0;
    p.open &= ~bitOf(category);
    p.rolled = false;
}

Counts keptDice(const Position& p, const Counts& rollAgain) {
    Counts kept{};
    if (p.rolled) {
        const Counts& have = DiceSpace::get().counts(DiceSpace::get().handOf(p.dice));
        for (std::size_t f = 0; f < 6; ++f) {
            kept[f] = static_cast<std::uint8_t>(have[f] - rollAgain[f]);
        }
    }
    return kept;
}

void roll(Position& p, const Counts& kept, const std::function<int()>& die) {
    std::size_t i = 0;
    for (std::size_t f = 0; f < 6; ++f) {
        for (int n = 0; n < kept[f]; ++n) {
            p.dice[i++] = static_cast<int>(f) + 1;
        }
    }
    for (; i < 6; ++i) {
        p.dice[i] = die();
    }
    p.rolled = true;
    --p.rollsLeft;
}

std::string describe(const Choice& choice) {
    if (choice.kind == Choice::Kind::Fill) {
        return "Fill " + std::string(categoryName(choice.category)) + " (" +
               std::to_string(choice.points) + ")";
    }
    int n = 0;
    std::string faces;
    for (int f = 1; f <= 6; ++f) {
        for (int i = 0; i < choice.rollAgain[idx(f - 1)]; ++i) {
            faces += " " + std::to_string(f);
            ++n;
        }
    }
    return n == 6 ? "Roll all six" : "Roll again" + faces;
}

Advisor::Advisor(const Tables& tables) : tables_(tables) {}

double Advisor::leaf(int k, int upper, int t) {
    std::vector<double>& row = leaves_[idx(k) * UpperSlots + idx(upper)];
    if (row.empty()) {
        row.resize(idx(turn_.solvedTo() + 1));
        const CategorySet rest = turn_.open() & ~bitOf(k);
        tables_.estimate(rest, upper, turn_.solvedTo(), row.data());
        for (std::size_t r = 0; r < row.size(); ++r) {
            row[r] += tables_.leafCorrection(rest, static_cast<int>(r));
        }
    }
    return row[idx(t)];
}

const TurnSolver& Advisor::turn(CategorySet open, int upper, int maxT) {
    upper = std::min(upper, BonusLine);
    if ((open & UpperSet) == 0) {
        upper = 0; // no upper category left: the points no longer matter
    }
    if (solved_ && turn_.open() == open && turn_.upper() == upper && turn_.solvedTo() >= maxT) {
        return turn_;
    }
    leaves_.assign(idx(CategoryCount + 1) * UpperSlots, {});
    solved_ = false;
    turn_.solve(
        open, upper, maxT, [&](int k, int u, int t) { return leaf(k, u, t); }, true);
    solved_ = true;
    return turn_;
}

void Advisor::check(const Position& p) const {
    const TableLayout& layout = tables_.layout();
    if ((p.open & ~layout.universe) != 0) {
        throw std::invalid_argument("a category is open that the advisor's tables do not cover");
    }
    if (p.rollsLeft < 0 || p.rollsLeft > layout.maxRolls) {
        throw std::invalid_argument("rolls left must be 0.." + std::to_string(layout.maxRolls));
    }
    if (p.upper < 0 || p.total < p.upper) {
        throw std::invalid_argument("the points must be 0 or more, the total no less than the "
                                    "upper points");
    }
    if (!reachableUpper(layout.universe & UpperSet & ~p.open)
             .test(idx(std::min(p.upper, BonusLine)))) {
        throw std::invalid_argument("the filled upper categories cannot add up to " +
                                    std::to_string(p.upper) + " points");
    }
    if (p.rolled && DiceSpace::get().handOf(p.dice) == DiceSpace::NoHand) {
        throw std::invalid_argument("the six dice must show faces 1..6");
    }
}

std::vector<Choice> Advisor::rank(const Position& p) {
    check(p);
    std::vector<Choice> choices;
    if (p.open == 0 || (!p.rolled && p.rollsLeft == 0)) {
        return choices;
    }
    const DiceSpace& space = DiceSpace::get();
    const int upper = std::min(p.upper, BonusLine);
    if (!p.rolled) {
        const TurnSolver& t = turn(p.open, upper, p.rollsLeft - 1);
        Choice all;
        all.rollAgain = {6, 0, 0, 0, 0, 0}; // any six dice: the table is empty
        all.expected = p.total + t.startValue(p.rollsLeft) +
                       tables_.valueCorrection(p.open, p.rollsLeft);
        choices.push_back(all);
        return choices;
    }

    const TurnSolver& t = turn(p.open, upper, p.rollsLeft);
    const int hand = space.handOf(p.dice);
    const int roll = space.rollOf(hand);
    const int own = t.move(roll, p.rollsLeft);
    const int solvedUpper = t.upper();
    for (const auto& s : space.scoring(roll)) {
        if ((p.open & bitOf(s.category)) == 0) {
            continue;
        }
        Choice fill;
        fill.kind = Choice::Kind::Fill;
        fill.category = s.category;
        fill.points = s.points;
        const int after = isUpper(s.category) ? upperAfter(solvedUpper, s.points) : solvedUpper;
        fill.expected = p.total + placementGain(s.category, s.points, upper) +
                        leaf(s.category, after, p.rollsLeft);
        choices.push_back(fill);
    }
    if (p.rollsLeft > 0) {
        const Counts& have = space.counts(hand);
        // Every hand of dice that can stay on the table: a counter over the six counts.
        Counts keep{};
        while (true) {
            const int kept = space.handOf(keep);
            if (kept != hand) {
                Choice again;
                for (std::size_t f = 0; f < 6; ++f) {
                    again.rollAgain[f] = static_cast<std::uint8_t>(have[f] - keep[f]);
                }
                again.expected = p.total + t.keepValue(kept, p.rollsLeft - 1);
                choices.push_back(again);
            }
            std::size_t f = 0;
            while (f < 6 && keep[f] == have[f]) {
                keep[f] = 0;
                ++f;
            }
            if (f == 6) {
                break;
            }
            ++keep[f];
        }
    }
    const double correction = tables_.valueCorrection(p.open, p.rollsLeft);
    for (Choice& c : choices) {
        c.expected += correction;
    }
    // The advisor's own move first, the others by value (ties: fills first, in sheet order).
    const auto isOwn = [&](const Choice& c) {
        if (own > 0) {
            return c.kind == Choice::Kind::Fill && c.category == own;
        }
        if (own < 0 && c.kind == Choice::Kind::Roll) {
            Counts kept{};
            for (std::size_t f = 0; f < 6; ++f) {
                kept[f] = static_cast<std::uint8_t>(space.counts(hand)[f] - c.rollAgain[f]);
            }
            return space.handOf(kept) == keptHand(own);
        }
        return false;
    };
    std::stable_sort(choices.begin(), choices.end(), [&](const Choice& a, const Choice& b) {
        const bool ownA = isOwn(a);
        const bool ownB = isOwn(b);
        if (ownA != ownB) {
            return ownA;
        }
        return a.expected > b.expected;
    });
    return choices;
}

double Advisor::expectedFinal(const Position& position) {
    const auto choices = rank(position);
    return choices.empty() ? position.total : choices.front().expected;
}

} // namespace brisvane::advisor
