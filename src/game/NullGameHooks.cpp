#include "game/NullGameHooks.h"

#include "game/GameModel.h"

namespace brisvane {

void NullGameHooks::endOfGame(GameModel& game) {
    game.TimerPlay.stop();
    game.Restart();
}

} // namespace brisvane
