#include "scores/GameEnd.h"

namespace brisvane {

FinishedGame finishedGame(GameModel& game) {
    return {game.state().TotalScore, game.state().PlaySeconds, [&game] { game.TimerPlay.stop(); },
            [&game] { game.Restart(); }};
}

void recordFinishedGame(ResultRecorder& recorder, GameModel& game) {
    const FinishedGame finished = finishedGame(game);
    recorder.GeKey(finished.TotalScore);
    recorder.KollaScore(finished);
}

} // namespace brisvane
