#include "scores/GameEnd.h"

namespace brisvane {

FinishedGame finishedGame(GameModel& game) {
    FinishedGame finished;
    finished.TotalScore = game.state().TotalScore;
    finished.PlaySeconds = game.state().PlaySeconds;
    finished.Score = game.state().Score;
    finished.bonus = game.state().BonusGiven != 0 ? GameModel::BonusPoints : 0;
    finished.stopTimerPlay = [&game] { game.TimerPlay.stop(); };
    finished.Restart = [&game] { game.Restart(); };
    return finished;
}

void recordFinishedGame(ResultRecorder& recorder, const FinishedGame& finished) {
    recorder.GeKey(finished.TotalScore);
    recorder.KollaScore(finished);
}

void recordFinishedGame(ResultRecorder& recorder, GameModel& game) {
    recordFinishedGame(recorder, finishedGame(game));
}

} // namespace brisvane
