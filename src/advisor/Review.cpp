#include "advisor/Review.h"

#include "advisor/LookAhead.h"

#include <optional>
#include <algorithm>
#include <stdexcept>

namespace brisvane::advisor {
namespace {

[[noreturn]] void bad(int line, const std::string& message) {
    throw std::invalid_argument("line " + std::to_string(line) + ": " + message);
}

// A record replayed by the rules, with the value of the game as it goes (see Review.h).
class Replay {
public:
    explicit Replay(Advisor& advisor) : advisor_(advisor), turn_(advisor) {
        const TableLayout& layout = advisor.tables().layout();
        p_.open = layout.universe;
        p_.rollsLeft = layout.maxRolls;
        value_ = p_.total;
        startTurn();
        review_.expectedStart = value_;
        review_.luck = 0;
    }

    bool over() const { return over_; }
    void roll(const Step& step);
    void choose(const Step& step);
    Review finish() {
        review_.finalScore = p_.total;
        return review_;
    }

private:
    // The turn's values as the advisor's own play makes them, a fill worth the next turn's
    // start. What the turn's start is worth so beyond the value the fill had (no die is
    // rolled in between) goes with the turn's first roll, as luck.
    void startTurn();
    double valueOf(const Choice& choice);
    void book(double value) {
        review_.luck += value - value_;
        value_ = value;
    }

    Advisor& advisor_;
    LookAhead turn_; // the turn, its moves the advisor's, a fill worth the next turn's start
    Position p_;
    Review review_;
    double value_ = 0;
    bool over_ = false;
    std::optional<Counts> kept_;  // after "again": the dice that stay on the table
    Counts keptBefore_{};         // the dice the last roll kept
    std::vector<Choice> choices_; // of the dice on the table, the advisor's own first
    double best_ = 0;             // the value of the advisor's own choice
};

void Replay::startTurn() {
    if (p_.open == 0 || p_.rollsLeft == 0) {
        return;
    }
    turn_.start(p_);
    book(p_.total + turn_.startValue(p_.rollsLeft));
}

double Replay::valueOf(const Choice& choice) {
    if (choice.kind == Choice::Kind::Roll) {
        const Counts kept = keptDice(p_, choice.rollAgain);
        return p_.total + turn_.keepValue(DiceSpace::get().handOf(kept), p_.rollsLeft - 1);
    }
    const int points = categoryPoints(choice.category, p_.dice);
    const int upper = std::min(p_.upper, BonusLine);
    const int u = (p_.open & UpperSet) == 0 ? 0
                  : isUpper(choice.category)      ? upperAfter(upper, points)
                                                  : upper;
    return p_.total + placementGain(choice.category, points, p_.upper) +
           turn_.after(choice.category, u, p_.rollsLeft);
}

void Replay::roll(const Step& step) {
    const DiceSpace& space = DiceSpace::get();
    if (p_.rolled && !kept_) {
        bad(step.line, "a roll after a roll needs the dice picked up first (again)");
    }
    if (p_.rollsLeft == 0) {
        bad(step.line, "no roll is left");
    }
    if (kept_ && !space.contains(space.handOf(step.dice), space.handOf(*kept_))) {
        bad(step.line, "the dice kept on the table are not among these faces");
    }
    keptBefore_ = kept_.value_or(Counts{});
    kept_.reset();
    p_.rolled = true;
    p_.dice = step.dice;
    --p_.rollsLeft;
    choices_ = advisor_.rank(p_);
    if (choices_.empty()) {
        over_ = true; // the last roll, and nothing scores
        book(p_.total);
        return;
    }
    best_ = valueOf(choices_.front());
    book(best_);
}

void Replay::choose(const Step& step) {
    if (!p_.rolled || kept_) {
        bad(step.line, "this step needs dice on the table from a roll");
    }
    const Choice* chosen = nullptr;
    for (const Choice& c : choices_) {
        const bool same = step.kind == Step::Kind::Fill
                              ? c.kind == Choice::Kind::Fill && c.category == step.category
                              : c.kind == Choice::Kind::Roll && c.rollAgain == step.again;
        chosen = same ? &c : chosen;
    }
    if (chosen == nullptr) {
        bad(step.line, step.kind == Step::Kind::Fill
                           ? "that category is closed or does not score with these dice"
                       : p_.rollsLeft == 0 ? "no roll is left"
                                           : "those dice are not on the table");
    }
    const double value = chosen == &choices_.front() ? best_ : valueOf(*chosen);
    review_.cost += best_ - value;
    ++review_.decisions;
    // The choices as the review values them, so their difference is the cost.
    Choice made = *chosen;
    Choice best = choices_.front();
    made.expected = value;
    best.expected = best_;
    review_.choices.push_back({p_, keptBefore_, made, best, best_ - value, step.line});
    value_ = value;
    if (step.kind == Step::Kind::Again) {
        kept_ = keptDice(p_, step.again);
    } else {
        fill(p_, step.category);
        over_ = p_.open == 0 || p_.rollsLeft == 0;
        startTurn();
    }
}

} // namespace

Review review(Advisor& advisor, const std::vector<Step>& steps) {
    Replay replay(advisor);
    int lastLine = 0;
    for (const Step& step : steps) {
        lastLine = step.line;
        if (replay.over()) {
            bad(step.line, "the game is already over");
        }
        if (step.kind == Step::Kind::Roll) {
            replay.roll(step);
        } else {
            replay.choose(step);
        }
    }
    if (!replay.over()) {
        bad(lastLine, "the record stops before the game is over");
    }
    return replay.finish();
}

} // namespace brisvane::advisor
