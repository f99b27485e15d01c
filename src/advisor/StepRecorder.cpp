#include "advisor/StepRecorder.h"

namespace brisvane::advisor {

namespace {

bool fresh(const GameState& s) {
    return s.RollsLeft == GameModel::StartRolls && s.CategoriesLeft == CategoryCount;
}

// A roll spends one roll and leaves six faces on the table.
bool rolled(const GameState& before, const GameState& after) {
    bool faces = true;
    for (std::size_t i = 0; i < 6; ++i) {
        faces = faces && after.DiceHeld[i] == 1 && after.DiceValue[i] >= 1 && after.DiceValue[i] <= 6;
    }
    return faces && after.RollsLeft == before.RollsLeft - 1;
}

} // namespace

void StepRecorder::observe(const GameState& state) {
    const GameState& before = last_;
    if (!seen_ || (fresh(state) && !fresh(before))) {
        steps_.clear();
        // A game first seen under way has lost its first steps.
        complete_ = fresh(state);
        last_ = state;
        seen_ = true;
        return;
    }
    if (state.RollsLeft != before.RollsLeft && !rolled(before, state)) {
        // Not a roll (the test button sets the rolls left): no step to record, and the record
        // no longer holds the game.
        complete_ = false;
    } else if (state.RollsLeft != before.RollsLeft) {
        const bool onTable = !steps_.empty() && steps_.back().kind == Step::Kind::Roll;
        if (onTable) {
            Step again;
            again.kind = Step::Kind::Again;
            int picked = 0;
            for (std::size_t i = 0; i < 6; ++i) {
                if (before.DiceHeld[i] == 0) {
                    ++again.again[static_cast<std::size_t>(before.DiceValue[i] - 1)];
                    ++picked;
                }
            }
            // A roll after Undo rolls nothing: a recorded game has no such step.
            complete_ = complete_ && picked > 0;
            steps_.push_back(again);
        }
        Step roll;
        roll.dice = state.DiceValue;
        steps_.push_back(roll);
    }
    for (int k = 1; k <= CategoryCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        if (state.Score[i] != before.Score[i]) {
            Step fill;
            fill.kind = Step::Kind::Fill;
            fill.category = k;
            steps_.push_back(fill);
        }
    }
    last_ = state;
}

} // namespace brisvane::advisor
