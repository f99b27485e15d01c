#pragma once
// A player that follows the advisor: after every roll it takes the advisor's first choice,
// through the model's own operations as a player clicks (so the rules it plays by are the
// game's, not the advisor's idea of them).

#include "advisor/Advisor.h"
#include "game/AutoPlayer.h"
#include "game/GameModel.h"

namespace brisvane::advisor {

// The advisor's view of the game on the table. Categories are open while their buttons are
// enabled; `rolled` while dice lie on the table.
Position positionOf(const GameModel& game);

// Takes `choice` on the game as a player clicks: fills its category, or picks up its dice.
// Throws std::logic_error if the game refuses the category.
void takeChoice(GameModel& game, const Choice& choice);

class AdvisorPlayer {
public:
    AdvisorPlayer(GameModel& game, Advisor& advisor) : game_(game), advisor_(advisor) {}

    // Plays the game on the table from the start of a turn to its end, lets the end of the
    // game run (which starts the next one) and returns the result. Throws std::logic_error if
    // the game refuses a choice.
    GameResult playGame();

private:
    GameModel& game_;
    Advisor& advisor_;
};

} // namespace brisvane::advisor
