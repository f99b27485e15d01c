// Rolling, picking up, undo, new games, the play timer and the end of a game, as a player
// meets them at the game window.

#include <gtest/gtest.h>

#include "GameFixture.h"

namespace brisvane::testing {
namespace {

using TurnFlow = GameFixture;
using namespace category;
using Events = std::vector<std::string>;

TEST_F(TurnFlow, RollingPickingUpPuttingBackAndUndo) {
    locale.separator = ",";
    start();
    roll({3, 1, 4, 1, 5, 2});
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(game.Roll.enabled) << "nothing is picked up, so nothing to roll";
    EXPECT_EQ(game.Rolls.caption, "59");
    EXPECT_EQ(game.Mrolls.caption, "2,95");

    game.clickDie(2);
    game.clickDie(5);
    EXPECT_FALSE(game.Image[1].visible);
    EXPECT_TRUE(game.Undo.enabled && game.Roll.enabled);
    roll({6, 6});
    EXPECT_EQ(s().DiceValue, (Dice{3, 6, 4, 1, 6, 2})) << "only picked up dice roll again";
    EXPECT_EQ(game.Image[1].picture, 26);
    EXPECT_EQ(game.Image[0].picture, 13) << "a kept die keeps its picture";
    EXPECT_FALSE(game.Roll.enabled || game.Undo.enabled);

    game.clickDie(1);
    game.clickDie(3);
    game.putBackDie(1); // by a sweep
    game.finishSweep();
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{1, 1, 0, 1, 1, 1}));
    EXPECT_TRUE(game.Roll.enabled) << "die 3 is still in the hand";
    game.putBackDie(3);
    game.finishSweep();
    EXPECT_FALSE(game.Roll.enabled) << "six dice on the table: nothing to roll";
    game.clickDie(1);
    hooks.clear();
    game.clickUndo();
    EXPECT_EQ(hooks.events, Events{"sound:8"});
    EXPECT_TRUE(game.Image[0].visible);
    EXPECT_TRUE(game.Roll.enabled) << "rolling stays possible although every die is kept";
    EXPECT_FALSE(game.Undo.enabled);
    game.clickRoll();
    EXPECT_EQ(s().DiceValue, (Dice{3, 6, 4, 1, 6, 2})) << "such a roll changes no die";
    EXPECT_EQ(s().RollsLeft, 57) << "but costs a roll";
}

TEST_F(TurnFlow, OperationsOutOfTurnDoNothing) {
    start();
    game.clickDie(1);
    game.clickUndo();
    game.clickCategory(Chance);
    EXPECT_EQ(hooks.events, (Events{"refused", "say:No way"})) << "nothing rolled yet";

    EXPECT_EQ(place(Sixes, {1, 1, 1, 2, 2, 3}), (Events{"refused", "say:No way"}));
    game.clickRoll();
    EXPECT_EQ(s().RollsLeft, 59) << "the roll button is off with every die on the table";
    game.clickCategory(Ones);
    EXPECT_EQ(label(Ones).caption, "3") << "a refusal changes nothing of the turn";
    hooks.clear();
    game.clickCategory(Chance);
    EXPECT_TRUE(hooks.events.empty()) << "one placement per roll";
}

TEST_F(TurnFlow, TheLastRollAllowsNoPickingUpAndEndsTheGameAfterThePlacement) {
    start();
    game.clickCommand1();
    roll({1, 2, 3, 4, 5, 6});
    game.clickDie(1);
    EXPECT_TRUE(game.Image[0].visible && !game.Roll.enabled) << "no picking up, no rolling";
    EXPECT_FALSE(game.TimerEnd.enabled) << "something scores: the player places first";
    game.clickCategory(Chance);
    game.tickTimerEnd();
    EXPECT_EQ(hooks.finishedTotal, 21);

    for (const int k : {Sixes, OnePair, ThreeKind, FourKind, FiveKind, Chance, Yatzy}) {
        place(k, {6, 6, 6, 6, 6, 6});
    }
    game.clickCommand1();
    hooks.clear();
    roll({6, 6, 6, 6, 6, 6});
    EXPECT_EQ(hooks.events, (Events{"sound:1", "sound:4", "say:Six alike", "say:No rolls left"}));
    game.tickTimerEnd();
    EXPECT_EQ(hooks.finishedTotal, 256) << "a last roll that scores nothing ends the game";
}

TEST_F(TurnFlow, TheTwentiethPlacementEndsTheGameAndALastBonusCounts) {
    start();
    // Category k is placed with rolls[k]: the lower ones first, then Sixes down to Ones.
    const std::array<std::string, CategoryCount + 1> rolls = {
        "",       "111123", "222213", "333312", "444412", "555512", "666612",
        "112346", "112234", "112233", "111234", "111123", "111112", "123455",
        "234566", "123456", "111223", "111222", "111122", "111112", "111111"};
    for (int i = 0; i < CategoryCount; ++i) {
        const int k = i < 14 ? OnePair + i : Sixes + 14 - i;
        const std::string& r = rolls[static_cast<std::size_t>(k)];
        ASSERT_FALSE(game.TimerEnd.enabled) << "ended before category " << k;
        place(k, {r[0] - '0', r[1] - '0', r[2] - '0', r[3] - '0', r[4] - '0', r[5] - '0'});
        ASSERT_FALSE(button(k).enabled) << "category " << k << " was refused";
    }
    EXPECT_FALSE(game.Roll.enabled);
    game.tickTimerEnd();
    EXPECT_EQ(hooks.finishedTotal, 219 + 84 + 100) << "lower, upper and the bonus";
}

TEST_F(TurnFlow, NewGameAsksOnlyWhenTheWarningIsExactlyYesAndResetsTheTable) {
    start();
    profile.SetINI("Options", "WarnNewGame", "yes", Ini);
    roll({1, 2, 3, 4, 5, 6});
    game.clickNyttSpel();
    EXPECT_TRUE(dialogs.questions.empty()) << "only an exact Yes asks";
    profile.SetINI("Options", "WarnNewGame", "Yes", Ini);
    place(Fives, {5, 5, 5, 5, 1, 2});
    roll({1, 2, 3, 4, 5, 6});
    bool upToDate = false;
    game.subscribe([&] { upToDate = upToDate || dialogs.questions.empty(); });
    dialogs.yesNoAnswers = {false, true};
    game.clickNyttSpel();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].question, "New game?");
    EXPECT_EQ(dialogs.questions[0].defaultButton, DefaultButton::No);
    EXPECT_TRUE(upToDate) << "the window is up to date behind the box";
    EXPECT_EQ(s().RollsLeft, 58) << "No keeps the game";

    hooks.clear();
    game.clickNyttSpel();
    EXPECT_EQ(hooks.events, (Events{"reset", "settings", "candidate", "topten", "say:New game"}));
    EXPECT_EQ(s().DiceValue, Dice{}) << "no category fits before the first roll";
    EXPECT_EQ(game.Rolls.caption + " [" + game.Mrolls.caption + "] " + game.scr_Tot.caption + " " +
                  game.Bonus.caption,
              "60 [] 0 -84");
    EXPECT_FALSE(game.Undo.enabled || game.Image[0].visible);
    place(Fives, {5, 5, 5, 5, 1, 2});
    EXPECT_EQ(game.Mrolls.caption + " " + game.Bonus.caption, "2.95 -64") << "all afresh";
}

TEST_F(TurnFlow, PlayTimeCountsWhileTheTimerRunsUpToItsLimit) {
    start();
    EXPECT_FALSE(game.TimerPlay.enabled) << "the clock starts with the first roll";
    roll({1, 2, 3, 4, 5, 6});
    for (int i = 0; i < 40000; ++i) {
        game.tickTimerPlay();
    }
    EXPECT_EQ(s().PlaySeconds, 32767);
    game.clickNyttSpel();
    EXPECT_TRUE(game.TimerPlay.enabled) << "a new game does not stop the timer";
    EXPECT_EQ(s().PlaySeconds, 0);
}

TEST_F(TurnFlow, OneFinishedGameIsRecordedOnceAlsoWhenANewGameComesBeforeItsEnd) {
    start();
    const auto finish = [&] {
        game.clickCommand1();
        place(Chance, {1, 2, 3, 4, 5, 6});
    };
    hooks.onEndOfGame = [&](GameModel& g) {
        g.tickTimerEnd(); // the recording's boxes are open; the end timer ticks meanwhile
        g.Restart();
    };
    finish();
    game.tickTimerEnd();
    game.tickTimerEnd();
    EXPECT_EQ(hooks.endOfGameCalls, 1);

    // F2 within the 1.5 s before the end step: the finished game is recorded at once, without
    // the new-game question (nothing is lost), and the end step does not run a second time.
    profile.SetINI("Options", "WarnNewGame", "Yes", Ini);
    finish();
    game.clickNyttSpel();
    EXPECT_EQ(hooks.endOfGameCalls, 2);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(s().RollsLeft, 60) << "the next game is set up";
    game.tickTimerEnd();
    EXPECT_EQ(hooks.endOfGameCalls, 2);

    hooks.onEndOfGame = [](GameModel&) { throw ProfileError("GetINI", "broken", "", 5); };
    finish();
    int repaints = 0;
    game.subscribe([&] { ++repaints; });
    EXPECT_THROW(game.tickTimerEnd(), ProfileError);
    EXPECT_EQ(repaints, 2) << "before the hand-over and after the failure";
    game.tickTimerEnd();
    EXPECT_EQ(hooks.endOfGameCalls, 3) << "a failed recording is not repeated on every tick";
    profile.SetINI("Options", "WarnNewGame", "No", Ini);
    game.clickNyttSpel();
    EXPECT_TRUE(game.Roll.enabled) << "a new game is still possible";
}

TEST_F(TurnFlow, TheViewHearsOnceAfterEachOperation) {
    game.Load();
    EXPECT_FALSE(game.Command1.visible || game.Text1.visible || game.Command2.visible);
    game.Restart();
    EXPECT_EQ(hooks.events.back(), "say:Welcome") << "the first game greets";
    int calls = 0;
    const int id = game.subscribe([&] { ++calls; });
    place(Chance, {1, 2, 3, 4, 5, 6});
    game.clickDie(1); // refused: nothing changed
    EXPECT_EQ(calls, 2);
    game.unsubscribe(id);
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace brisvane::testing
