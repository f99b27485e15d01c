#include "game/AutoPlayer.h"

#include <stdexcept>

namespace brisvane {
namespace {

constexpr int MaxRollsPerTurn = 3;

bool straightOpen(const GameModel& game) {
    using namespace category;
    for (const int k : {SmallStr, LargeStr, FullStr}) {
        if (game.btn[static_cast<std::size_t>(k - 1)].enabled) {
            return true;
        }
    }
    return false;
}

} // namespace

bool AutoPlayer::worthPlacing(int k, int turnRolls) const {
    const GameState& s = game_.state();
    if (turnRolls >= MaxRollsPerTurn || s.RollsLeft <= 0 || s.RollsLeft <= s.CategoriesLeft) {
        return true;
    }
    return 10 * game_.evaluation().value[static_cast<std::size_t>(k)] >= 6 * categoryMaximum(k);
}

void AutoPlayer::pickUpDice() {
    const Dice& dice = game_.state().DiceValue;
    std::array<int, 7> count{};
    int distinct = 0;
    for (const int face : dice) {
        if (count[static_cast<std::size_t>(face)]++ == 0) {
            ++distinct;
        }
    }
    if (distinct >= 5 && straightOpen(game_)) {
        std::array<bool, 7> kept{};
        for (int i = 1; i <= 6; ++i) {
            const auto face = static_cast<std::size_t>(dice[static_cast<std::size_t>(i - 1)]);
            if (kept[face]) {
                game_.clickDie(i);
            }
            kept[face] = true;
        }
        return;
    }
    int keep = 1;
    for (int f = 2; f <= 6; ++f) {
        if (count[static_cast<std::size_t>(f)] >= count[static_cast<std::size_t>(keep)]) {
            keep = f;
        }
    }
    const bool allAlike = count[static_cast<std::size_t>(keep)] == 6;
    for (int i = 1; i <= 6; ++i) {
        if (allAlike || dice[static_cast<std::size_t>(i - 1)] != keep) {
            game_.clickDie(i);
        }
    }
}

GameResult AutoPlayer::playGame() {
    int turnRolls = 0;
    while (!game_.TimerEnd.enabled) {
        if (!game_.Roll.enabled) {
            throw std::logic_error("the game is stuck: no roll possible and no end pending");
        }
        game_.clickRoll();
        ++turnRolls;
        if (game_.TimerEnd.enabled) {
            break; // the last roll, and nothing scores
        }
        const int k = game_.state().SuggestedCategory;
        if (k != 0 && worthPlacing(k, turnRolls)) {
            game_.clickCategory(k);
            turnRolls = 0;
        } else if (game_.state().RollsLeft > 0) {
            pickUpDice();
        }
    }
    return finishGame(game_);
}

GameResult finishGame(GameModel& game) {
    const GameState& s = game.state();
    const GameResult result{s.TotalScore, s.BonusGiven == 1,
                            s.Score[static_cast<std::size_t>(category::Yatzy - 1)] > 0,
                            s.CategoriesLeft};
    game.tickTimerEnd();
    return result;
}

} // namespace brisvane
