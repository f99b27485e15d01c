#pragma once
// The end of a game as the game window's hooks hand it over: the program's GameHooks forwards
//     endOfGame(game)      -> recordFinishedGame(recorder, game)
//     clearCandidateEntry  -> recorder.clearCandidateEntry()
//     UpdatTopp            -> topTen.UpdatTopp()

#include "game/GameModel.h"
#include "scores/ResultRecorder.h"

namespace brisvane {

// The finished game's total and play time, with its play timer and Restart as the actions.
// `game` must outlive the result.
FinishedGame finishedGame(GameModel& game);

// GeKey, then KollaScore, which ends with the game's Restart().
void recordFinishedGame(ResultRecorder& recorder, const FinishedGame& finished);
void recordFinishedGame(ResultRecorder& recorder, GameModel& game);

} // namespace brisvane
