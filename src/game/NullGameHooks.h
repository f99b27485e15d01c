#pragma once
// Game hooks for a game without windows (the simulator, benchmarks): nothing is shown or
// played, and the end of a game only does what the recording must always do: stop the play
// timer and start the next game.

#include "game/GameHooks.h"

namespace brisvane {

class NullGameHooks : public GameHooks {
public:
    void Say(const std::string& /*sayText*/) override {}
    void sndA(int /*soundNo*/) override {}
    void playRefusedSound() override {}
    void resetForNewGame() override {}
    void touchSettingsWindow() override {}
    void clearCandidateEntry() override {}
    void UpdatTopp() override {}
    void endOfGame(GameModel& game) override;
};

} // namespace brisvane
