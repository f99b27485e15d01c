#pragma once
// A recording stand-in for the rest of the program as the game window's model sees it. Every
// call lands in `events` in order ("say:<text>", "sound:<n>", "refused", "reset",
// "settings", "candidate", "topten", "end"), so tests can check the order of side effects.
// By default the end of a game does what the recording must always do (play timer off, next
// game); a test may replace it through `onEndOfGame`.

#include <functional>
#include <string>
#include <vector>

#include "game/GameHooks.h"
#include "game/GameModel.h"

namespace brisvane::testing {

class FakeGameHooks : public GameHooks {
public:
    std::vector<std::string> events;
    int endOfGameCalls = 0;
    int finishedTotal = -1; // TotalScore when the last end of a game began
    std::function<void(GameModel&)> onEndOfGame;

    void Say(const std::string& sayText) override { events.push_back("say:" + sayText); }
    void sndA(int soundNo) override { events.push_back("sound:" + std::to_string(soundNo)); }
    void playRefusedSound() override { events.emplace_back("refused"); }
    void resetForNewGame() override { events.emplace_back("reset"); }
    void touchSettingsWindow() override { events.emplace_back("settings"); }
    void clearCandidateEntry() override { events.emplace_back("candidate"); }
    void UpdatTopp() override { events.emplace_back("topten"); }
    void endOfGame(GameModel& game) override {
        ++endOfGameCalls;
        finishedTotal = game.state().TotalScore;
        events.emplace_back("end");
        if (onEndOfGame) {
            onEndOfGame(game);
        } else {
            game.TimerPlay.stop();
            game.Restart();
        }
    }

    void clear() { events.clear(); }
};

} // namespace brisvane::testing
