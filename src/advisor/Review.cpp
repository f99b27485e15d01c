#include "advisor/Review.h"

#include <limits>
#include <optional>
#include <stdexcept>

namespace brisvane::advisor {
namespace {

[[noreturn]] void bad(int line, const std::string& message) {
    throw std::invalid_argument("line " + std::to_string(line) + ": " + message);
}

} // namespace

Review review(Advisor& advisor, const std::vector<Step>& steps) {
    const DiceSpace& space = DiceSpace::get();
    const TableLayout& layout = advisor.tables().layout();
    Position p;
    p.open = layout.universe;
    p.rollsLeft = layout.maxRolls;
    Review r;
    r.expectedStart = advisor.expectedFinal(p);

    bool over = false;
    std::optional<Counts> kept; // after "again": the dice that stay on the table
    Counts keptBefore{};        // the dice the last roll kept
    int lastLine = 0;
    for (const Step& step : steps) {
        lastLine = step.line;
        if (over) {
            bad(step.line, "the game is already over");
        }
        switch (step.kind) {
        case Step::Kind::Roll: {
            if (p.rolled && !kept) {
                bad(step.line, "a roll after a roll needs the dice picked up first (again)");
            }
            if (p.rollsLeft == 0) {
                bad(step.line, "no roll is left");
            }
            if (kept) {
                const int table = space.handOf(step.dice);
                if (!space.contains(table, space.handOf(*kept))) {
                    bad(step.line, "the dice kept on the table are not among these faces");
                }
            }
            keptBefore = kept.value_or(Counts{});
            kept.reset();
            p.rolled = true;
            p.dice = step.dice;
            --p.rollsLeft;
            bool scores = false;
            for (const auto& s : space.scoring(space.rollOf(space.handOf(p.dice)))) {
                scores = scores || (p.open & bitOf(s.category)) != 0;
            }
            over = p.rollsLeft == 0 && !scores;
            break;
        }
        case Step::Kind::Again:
        case Step::Kind::Fill: {
            if (!p.rolled || kept) {
                bad(step.line, "this step needs dice on the table from a roll");
            }
            const auto choices = advisor.rank(p);
            double best = -std::numeric_limits<double>::infinity();
            for (const Choice& c : choices) {
                best = std::max(best, c.expected);
            }
            const Choice* chosen = nullptr;
            for (const Choice& c : choices) {
                const bool same = step.kind == Step::Kind::Fill
                                      ? c.kind == Choice::Kind::Fill && c.category == step.category
                                      : c.kind == Choice::Kind::Roll && c.rollAgain == step.again;
                if (same) {
                    chosen = &c;
                }
            }
            if (chosen == nullptr) {
                bad(step.line, step.kind == Step::Kind::Fill
                                   ? "that category is closed or does not score with these dice"
                               : p.rollsLeft == 0 ? "no roll is left"
                                                  : "those dice are not on the table");
            }
            r.cost += best - chosen->expected;
            ++r.decisions;
            r.choices.push_back({p, keptBefore, *chosen, choices.front(), best - chosen->expected,
                                 step.line});
            if (step.kind == Step::Kind::Again) {
                kept = keptDice(p, step.again);
            } else {
                fill(p, step.category);
                over = p.open == 0 || p.rollsLeft == 0;
            }
            break;
        }
        }
    }
    if (!over) {
        bad(lastLine, "the record stops before the game is over");
    }
    r.finalScore = p.total;
    r.luck = r.finalScore - r.expectedStart + r.cost;
    return r;
}

} // namespace brisvane::advisor
