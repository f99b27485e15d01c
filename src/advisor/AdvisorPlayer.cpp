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

void takeChoice(GameModel& game, const Choice& c) {
    if (c.kind == Choice::Kind::Fill) {
        const int before = game.state().CategoriesLeft;
        game.clickCategory(c.category);
        if (game.state().CategoriesLeft != before - 1) {
            throw std::logic_error("the game refused the advisor's category");
        }
        return;
    }
    Counts left = c.rollAgain;
    for (int die = 1; die <= 6; ++die) {
        const int face = game.state().DiceValue[static_cast<std::size_t>(die - 1)];
        auto& n = left[static_cast<std::size_t>(face - 1)];
        if (n > 0) {
            game.clickDie(die);
            --n;
        }
    }
}

GameResult AdvisorPlayer::playGame() {
    while (!game_.TimerEnd.enabled) {
        if (!game_.Roll.enabled) {
            throw std::logic_error("the game is stuck: no roll possible and no end pending");
        }
        game_.clickRoll();
        if (game_.TimerEnd.enabled) {
            break; // the last roll, and nothing scores
        }
        const auto choices = advisor_.rank(positionOf(game_));
        if (choices.empty()) {
            throw std::logic_error("the advisor has no choice for a game that goes on");
        }
        takeChoice(game_, choices.front());
    }
    return finishGame(game_);
}

} // namespace brisvane::advisor
