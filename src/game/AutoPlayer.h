#pragma once
// A player for the simulator and the benchmarks. It plays through the model's own operations,
// as a player clicks, and follows the program's own suggestion:
//
// - After every roll it places the suggested category when the suggestion is worth it: at
//   least 60 % of the category's maximum, or this turn has had three rolls, or no roll is
//   left, or the rolls left no longer exceed the open categories.
// - Otherwise it picks up dice and rolls again. With five or six different faces while a
//   straight is open it keeps one die of each face and picks up the duplicates; else it keeps
//   every die of its most frequent face (the higher face on a tie) and picks up the rest, or
//   all six when they are all alike.

#include "game/GameModel.h"

namespace brisvane {

struct GameResult {
    int TotalScore = 0;
    bool bonus = false; // the upper bonus was given
    bool yatzy = false; // Yatzy was placed
    int categoriesLeft = 0; // categories still open when the game ended
};

// The result of the game on the table, whose end is pending; then lets the end run (which
// starts the next game).
GameResult finishGame(GameModel& game);

class AutoPlayer {
public:
    explicit AutoPlayer(GameModel& game) : game_(game) {}

    // Plays the game on the table from the start of a turn (as a new game or a placement
    // leaves it) to its end, lets the end of the game run (which starts the next one), and
    // returns the finished game's result. Throws std::logic_error if the game cannot go on.
    GameResult playGame();

private:
    bool worthPlacing(int k, int turnRolls) const;
    void pickUpDice();

    GameModel& game_;
};

} // namespace brisvane
