#include "scores/GameEnd.h"

#include "game/GameFixture.h"

#include <gtest/gtest.h>

namespace brisvane {
namespace {

// The game window's end-of-game hook handing a real finished game to the recording.
class GameEnd : public testing::GameFixture {
  protected:
    GameEnd() {
        hooks.onEndOfGame = [this](GameModel& g) { recordFinishedGame(recorder, g); };
        texts.texts["b5"] = "Game over:";
    }

    std::vector<std::string> log;
    TopTen topTen{profile, Ini, texts};
    ResultRecorder recorder{RecorderWiring{
        .profile = profile,
        .iniFile = Ini,
        .texts = texts,
        .dialogs = dialogs,
        .clock = clock,
        .random = random,
        .topTen = topTen,
        .sndA = [](int) {},
        .writeLog = [this](const std::string& line) { log.push_back(line); },
    }};
};

TEST_F(GameEnd, AFinishedGameIsRecordedAndTheNextOneSetUp) {
    start();
    profile.SetINI("Session", "total", "11", Ini);
    dialogs.inputAnswers = {"Anna"};
    roll({6, 6, 6, 6, 5, 5});
    for (int second = 0; second < 65; ++second) {
        game.tickTimerPlay();
    }
    game.clickCategory(category::Chance);
    game.clickCommand1(); // the next roll is the last
    place(category::Sixes, {6, 6, 1, 2, 3, 4});
    game.tickTimerEnd();

    EXPECT_EQ(log, std::vector<std::string>{
                       "Session 12: Score: 46, time: 1:05. New highscore, place 1 \"Anna\""});
    EXPECT_EQ(profile.GetINI("Highscore", "p1", Ini), "46");
    // R = 1 once the dice have used up the scripted draws.
    EXPECT_EQ(profile.GetINI("Highscore", "k1", Ini), "19439796711");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Game over: 46 p");
    EXPECT_EQ(topTen.Topp(1).caption, "1. 46 Anna");
    EXPECT_FALSE(game.TimerPlay.enabled);
    EXPECT_EQ(s().TotalScore, 0) << "the next game is set up";
    EXPECT_EQ(s().RollsLeft, 60);
    EXPECT_EQ(profile.GetINI("Session", "total", Ini), "12");
}

} // namespace
} // namespace brisvane
