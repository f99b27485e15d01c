#pragma once
// Writes down the game on the table as a recorded game (see parseRecord): the faces after
// every roll, the dice picked up before a roll, every category filled. It follows the game
// from outside, by comparing each state it is shown with the one before, so the game model
// needs no hook of its own; the review at the end of a game replays what it wrote.

#include <vector>

#include "advisor/Record.h"
#include "game/GameModel.h"

namespace brisvane::advisor {

class StepRecorder {
public:
    // The game changed (or may have): call after every operation of the game model. A new
    // game on the table starts a new record.
    void observe(const GameState& state);

    const std::vector<Step>& steps() const { return steps_; }
    // False once the game took a step that no recorded game can hold (the test button that
    // jumps to the last roll, a roll with no die picked up): such a game cannot be reviewed.
    bool complete() const { return complete_; }

private:
    std::vector<Step> steps_;
    GameState last_;
    bool seen_ = false;
    bool complete_ = true;
};

} // namespace brisvane::advisor
