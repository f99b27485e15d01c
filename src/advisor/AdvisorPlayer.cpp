#include "advisor/AdvisorPlayer.h"

#include <stdexcept>

namespace brisvane::advisor {

Position positionOf(const GameModel& game) {
    const GameState& s = game.state();
    Position p;
    p.open = 0;
    for (int k = 1; k <= CategoryCount; ++k) {
        if (game.btn[static_cast<std::size_t>(k - 1)].enabled) {
            p.open |= bitOf(k);
        }
    }
    p.upper = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        p.upper += s.Score[i];
    }
    p.total = s.TotalScore;
    p.rollsLeft = s.RollsLeft < 0 ? 0 : s.RollsLeft;
    p.rolled = s.TurnPlaced == 0 && s.DiceValue[0] != 0;
    p.dice = s.DiceValue;
    return p;
}

GameResult AdvisorPlayer::playGame(std::vector<Step>* record) {
    while (!game_.TimerEnd.enabled) {
        if (!game_.Roll.enabled) {
            throw std::logic_error("the game is stuck: no roll possible and no end pending");
        }
        game_.clickRoll();
        if (record != nullptr) {
            Step step;
            step.dice = game_.state().DiceValue;
            record->push_back(step);
        }
        if (game_.TimerEnd.enabled) {
            break; // the last roll, and nothing scores
        }
        const auto choices = advisor_.rank(positionOf(game_));
        if (choices.empty()) {
            throw std::logic_error("the advisor has no choice for a game that goes on");
        }
        const Choice& c = choices.front();
        if (c.kind == Choice::Kind::Fill) {
            const int before = game_.state().CategoriesLeft;
            game_.clickCategory(c.category);
            if (game_.state().CategoriesLeft != before - 1) {
                throw std::logic_error("the game refused the advisor's category");
            }
            if (record != nullptr) {
                Step step;
                step.kind = Step::Kind::Fill;
                step.category = c.category;
                record->push_back(step);
            }
        } else {
            Counts left = c.rollAgain;
            for (int die = 1; die <= 6; ++die) {
                const int face = game_.state().DiceValue[static_cast<std::size_t>(die - 1)];
                auto& n = left[static_cast<std::size_t>(face - 1)];
                if (n > 0) {
                    game_.clickDie(die);
                    --n;
                }
            }
            if (record != nullptr) {
                Step step;
                step.kind = Step::Kind::Again;
                step.again = c.rollAgain;
                record->push_back(step);
            }
        }
    }
    return finishGame(game_);
}

} // namespace brisvane::advisor
