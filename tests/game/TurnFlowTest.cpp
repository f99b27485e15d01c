// Rolling, picking up, undo, new games, the play timer and the end of a game, as a player
// meets them at the game window.

#include <gtest/gtest.h>

#include <set>

#include "GameFixture.h"

namespace brisvane::testing {
namespace {

using TurnFlow = GameFixture;
using category::Chance;

TEST_F(TurnFlow, FirstRollRollsAllSixDiceAndLeavesThemOnTheTable) {
    locale.separator = ",";
    start();
    roll({3, 1, 4, 1, 5, 2});

    EXPECT_EQ(s().DiceValue, (Dice{3, 1, 4, 1, 5, 2}));
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    const std::array<int, 6> pictures{13, 21, 34, 41, 55, 62};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(game.Image[i].visible);
        EXPECT_EQ(game.Image[i].picture, pictures[i]);
    }
    EXPECT_FALSE(game.Roll.enabled) << "nothing is picked up, so nothing to roll";
    EXPECT_FALSE(game.Undo.enabled);
    EXPECT_EQ(game.Rolls.caption, "59");
    EXPECT_TRUE(game.Rolls.bold);
    EXPECT_EQ(game.Rolls.foreColor, colour::White);
    EXPECT_EQ(game.Mrolls.caption, "2,95");
    EXPECT_FALSE(game.Mrolls.bold);
    EXPECT_EQ(game.Mrolls.foreColor, colour::Silver);
    EXPECT_TRUE(game.TimerPlay.enabled);
    EXPECT_EQ(hooks.sounds, std::vector<int>{1});
    ASSERT_EQ(random.seeds.size(), 1u);
    EXPECT_DOUBLE_EQ(random.seeds[0], clock.current.secondsSinceMidnight());
}

TEST_F(TurnFlow, OnlyPickedUpDiceAreRolledAgain) {
    start();
    roll({3, 1, 4, 1, 5, 2});
    game.clickDie(2);
    game.clickDie(5);
    EXPECT_FALSE(game.Image[1].visible);
    EXPECT_FALSE(game.Image[4].visible);
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{1, 0, 1, 1, 0, 1}));
    EXPECT_TRUE(game.Undo.enabled);
    EXPECT_TRUE(game.Roll.enabled);

    roll({6, 6});
    EXPECT_EQ(s().DiceValue, (Dice{3, 6, 4, 1, 6, 2}));
    EXPECT_EQ(game.Image[1].picture, 26);
    EXPECT_EQ(game.Image[0].picture, 13) << "a kept die keeps its picture";
    EXPECT_EQ(s().RollsLeft, 58);
    EXPECT_EQ(game.Mrolls.caption, "2.9");
    EXPECT_FALSE(game.Roll.enabled);
    EXPECT_FALSE(game.Undo.enabled);
}

TEST_F(TurnFlow, UndoPutsThePickedUpDiceBackWithTheirFaces) {
    start();
    roll({3, 1, 4, 1, 5, 2});
    game.clickDie(1);
    game.clickDie(3);
    hooks.clear();
    game.clickUndo();

    EXPECT_EQ(hooks.sounds, std::vector<int>{8});
    EXPECT_EQ(s().DiceValue, (Dice{3, 1, 4, 1, 5, 2}));
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(game.Image[0].visible && game.Image[2].visible);
    EXPECT_TRUE(game.Roll.enabled) << "rolling stays possible although every die is kept";
    EXPECT_FALSE(game.Undo.enabled);

    // Such a roll changes no die but still costs a roll.
    hooks.clear();
    game.clickRoll();
    EXPECT_EQ(s().DiceValue, (Dice{3, 1, 4, 1, 5, 2}));
    EXPECT_EQ(s().RollsLeft, 58);
    EXPECT_EQ(hooks.sounds, std::vector<int>{1});
    EXPECT_FALSE(game.Roll.enabled);

    hooks.clear();
    game.clickUndo();
    EXPECT_TRUE(hooks.events.empty()) << "undo is off again";
}

TEST_F(TurnFlow, OperationsOutOfTurnDoNothing) {
    start();
    // Before the first roll: no die to pick up, nothing to undo, every category refused.
    game.clickDie(1);
    game.clickUndo();
    EXPECT_TRUE(hooks.events.empty());
    game.clickCategory(Chance);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"refused", "say:No way"}));
    EXPECT_TRUE(button(Chance).enabled);
    EXPECT_EQ(s().TotalScore, 0);
    EXPECT_EQ(s().RollsLeft, 60);

    // With every die on the table the roll button is off.
    roll({1, 2, 3, 4, 5, 6});
    hooks.clear();
    game.clickRoll();
    EXPECT_EQ(s().RollsLeft, 59);
    EXPECT_TRUE(hooks.events.empty());

    // One placement per roll; the second click is ignored without the refusal.
    game.clickCategory(Chance);
    hooks.clear();
    game.clickCategory(category::SmallStr);
    EXPECT_TRUE(hooks.events.empty());
    EXPECT_TRUE(button(category::SmallStr).enabled);

    // A refused category changes nothing of the turn.
    roll({1, 1, 1, 2, 2, 3});
    hooks.clear();
    game.clickCategory(category::Sixes);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"refused", "say:No way"}));
    EXPECT_EQ(s().TurnPlaced, 0);
    EXPECT_EQ(s().RollsLeft, 58);
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    game.clickCategory(category::Ones);
    EXPECT_EQ(label(category::Ones).caption, "3") << "the same roll can still be placed";

    // Out of range dice and categories are ignored.
    game.clickDie(0);
    game.clickDie(7);
    game.clickCategory(0);
    game.clickCategory(21);
}

TEST_F(TurnFlow, NoPickingUpOnceTheRollsAreUsedUp) {
    start();
    game.clickCommand1();
    EXPECT_EQ(game.Rolls.caption, "60") << "the test button leaves the label alone";
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(s().RollsLeft, 0);
    EXPECT_EQ(hooks.said.front(), "No rolls left");
    EXPECT_FALSE(game.TimerPlay.enabled) << "only the roll from 60 to 59 starts the play timer";
    game.clickDie(1);
    EXPECT_EQ(s().DiceHeld[0], 1);
    EXPECT_TRUE(game.Image[0].visible);
    EXPECT_FALSE(game.Roll.enabled);
    EXPECT_FALSE(game.TimerEnd.enabled) << "something scores: the player places first";

    game.clickCategory(Chance);
    EXPECT_TRUE(game.TimerEnd.enabled);
    EXPECT_FALSE(game.Roll.enabled);
    game.tickTimerEnd();
    EXPECT_EQ(hooks.endOfGameCalls, 1);
    EXPECT_EQ(hooks.finishedTotal, 21);
    EXPECT_EQ(s().RollsLeft, 60) << "the next game is set up";
    EXPECT_FALSE(game.TimerEnd.enabled);
    EXPECT_EQ(profile.GetINI("Session", "total", Ini), "1");
}

TEST_F(TurnFlow, LastRollThatScoresNothingEndsTheGameWithoutAPlacement) {
    start();
    using namespace category;
    for (const int k : {Sixes, OnePair, ThreeKind, FourKind, FiveKind, Chance, Yatzy}) {
        place(k, {6, 6, 6, 6, 6, 6});
        ASSERT_FALSE(button(k).enabled);
    }
    const int total = s().TotalScore;
    game.clickCommand1();
    hooks.clear();
    roll({6, 6, 6, 6, 6, 6});

    EXPECT_EQ(s().AnyScorable, 0);
    EXPECT_TRUE(game.TimerEnd.enabled);
    EXPECT_FALSE(game.Roll.enabled);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"sound:1", "sound:4", "say:Six alike",
                                                      "say:No rolls left"}));
    game.tickTimerEnd();
    EXPECT_EQ(hooks.endOfGameCalls, 1);
    EXPECT_EQ(hooks.finishedTotal, total);
}

TEST_F(TurnFlow, SixEqualFacesCheerButFillNothing) {
    start();
    roll({4, 4, 4, 4, 4, 4});
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"sound:1", "sound:4", "say:Six alike"}));
    EXPECT_TRUE(button(category::Yatzy).enabled);
    EXPECT_EQ(s().Score[category::Yatzy - 1], 0);
}

TEST_F(TurnFlow, TheTwentiethPlacementEndsTheGameAndALastBonusCounts) {
    start();
    using namespace category;
    const std::vector<std::pair<int, Dice>> sheet = {
        {OnePair, {1, 1, 2, 3, 4, 6}},    {TwoPairs, {1, 1, 2, 2, 3, 4}},
        {ThreePairs, {1, 1, 2, 2, 3, 3}}, {ThreeKind, {1, 1, 1, 2, 3, 4}},
        {FourKind, {1, 1, 1, 1, 2, 3}},   {FiveKind, {1, 1, 1, 1, 1, 2}},
        {SmallStr, {1, 2, 3, 4, 5, 5}},   {LargeStr, {2, 3, 4, 5, 6, 6}},
        {FullStr, {1, 2, 3, 4, 5, 6}},    {Hut, {1, 1, 1, 2, 2, 3}},
        {House, {1, 1, 1, 2, 2, 2}},      {Tower, {1, 1, 1, 1, 2, 2}},
        {Chance, {1, 1, 1, 1, 1, 2}},     {Yatzy, {1, 1, 1, 1, 1, 1}},
        {Sixes, {6, 6, 6, 6, 1, 2}},      {Fives, {5, 5, 5, 5, 1, 2}},
        {Fours, {4, 4, 4, 4, 1, 2}},      {Threes, {3, 3, 3, 3, 1, 2}},
        {Twos, {2, 2, 2, 2, 1, 3}},       {Ones, {1, 1, 1, 1, 2, 3}},
    };
    int expected = 0;
    for (const auto& [k, d] : sheet) {
        ASSERT_FALSE(game.TimerEnd.enabled) << "ended before category " << k;
        random.queueFaces({d[0], d[1], d[2], d[3], d[4], d[5]});
        game.clickRoll();
        game.clickCategory(k);
        ASSERT_FALSE(button(k).enabled) << "category " << k << " was refused";
        expected += categoryPoints(k, d);
    }
    EXPECT_EQ(s().CategoriesLeft, 0);
    EXPECT_EQ(s().RollsLeft, 40);
    EXPECT_TRUE(game.TimerEnd.enabled);
    EXPECT_FALSE(game.Roll.enabled);
    EXPECT_EQ(s().BonusGiven, 1) << "the upper points reach 84 with the last placement";
    EXPECT_EQ(s().TotalScore, expected + 100);
    game.tickTimerEnd();
    EXPECT_EQ(hooks.finishedTotal, expected + 100);
}

TEST_F(TurnFlow, PlayTimeCountsWhileTheTimerRunsAndStopsAtItsLimit) {
    start();
    game.tickTimerPlay();
    EXPECT_EQ(s().PlaySeconds, 0) << "the timer is off before the first roll";
    roll({1, 2, 3, 4, 5, 6});
    for (int i = 0; i < 40000; ++i) {
        game.tickTimerPlay();
    }
    EXPECT_EQ(s().PlaySeconds, 32767);

    // A new game does not stop the timer but starts the count afresh.
    game.clickNyttSpel();
    EXPECT_TRUE(game.TimerPlay.enabled);
    EXPECT_EQ(s().PlaySeconds, 0);
    game.tickTimerPlay();
    EXPECT_EQ(s().PlaySeconds, 1);
}

TEST_F(TurnFlow, NewGameAsksOnlyWhenTheWarningIsExactlyYes) {
    start();
    for (const char* value : {"", "yes", "No", "YES"}) {
        profile.SetINI("Options", "WarnNewGame", value, Ini);
        roll({1, 2, 3, 4, 5, 6});
        game.clickNyttSpel();
        EXPECT_TRUE(dialogs.questions.empty()) << value;
        EXPECT_EQ(s().RollsLeft, 60) << value;
    }

    profile.SetINI("Options", "WarnNewGame", "Yes", Ini);
    roll({1, 2, 3, 4, 5, 6});
    bool notified = false;
    bool shownBeforeTheQuestion = false;
    game.subscribe([&] {
        if (!notified) {
            notified = true;
            shownBeforeTheQuestion = dialogs.questions.empty();
        }
    });
    dialogs.yesNoAnswers = {false};
    game.clickNyttSpel();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].title, "Brisvane");
    EXPECT_EQ(dialogs.questions[0].question, "New game?");
    EXPECT_EQ(dialogs.questions[0].defaultButton, DefaultButton::No);
    EXPECT_TRUE(shownBeforeTheQuestion) << "the window is up to date behind the box";
    EXPECT_EQ(s().RollsLeft, 59) << "No keeps the game";

    dialogs.yesNoAnswers = {true};
    game.clickNyttSpel();
    EXPECT_EQ(s().RollsLeft, 60);
}

TEST_F(TurnFlow, NewGameResetsTheTableAndGreets) {
    game.Load();
    game.Restart();
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"reset", "settings", "candidate", "topten",
                                                      "say:Welcome"}));
    place(category::Fives, {5, 5, 5, 5, 1, 2});
    roll({1, 2, 3, 4, 5, 6});
    hooks.clear();
    game.clickNyttSpel();
    EXPECT_EQ(hooks.said, std::vector<std::string>{"New game"}) << "the welcome is said once";
    EXPECT_EQ(s().DiceValue, Dice{});
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{}));
    EXPECT_EQ(s().Score, (std::array<int, CategoryCount>{}));
    EXPECT_EQ(s().BonusBalance, -84);
    EXPECT_EQ(s().UpperPlaced, 0);
    EXPECT_EQ(s().CategoriesLeft, 20);
    EXPECT_EQ(s().TurnPlaced, 0);
    EXPECT_EQ(game.Bonus.caption, "-84");
    EXPECT_EQ(game.Bonus.foreColor, colour::LightRed);
    EXPECT_EQ(game.Rolls.caption, "60");
    EXPECT_EQ(game.Mrolls.caption, "");
    EXPECT_EQ(game.scr_Tot.caption, "0");
    EXPECT_TRUE(game.Roll.enabled);
    EXPECT_FALSE(game.Undo.enabled);
    EXPECT_FALSE(game.Indik.visible);
    for (int k = 1; k <= CategoryCount; ++k) {
        EXPECT_TRUE(button(k).enabled);
        EXPECT_EQ(button(k).foreColor, colour::White);
        EXPECT_EQ(label(k).caption, "");
    }
    for (const Control& die : game.Image) {
        EXPECT_FALSE(die.visible);
    }
}

TEST_F(TurnFlow, NewGameCancelsAPendingEnd) {
    start();
    game.clickCommand1();
    roll({1, 2, 3, 4, 5, 6});
    game.clickCategory(Chance);
    ASSERT_TRUE(game.TimerEnd.enabled);

    game.clickNyttSpel();
    EXPECT_FALSE(game.TimerEnd.enabled);
    game.tickTimerEnd();
    EXPECT_EQ(hooks.endOfGameCalls, 0) << "the fresh game is not recorded as finished";
    EXPECT_EQ(profile.GetINI("Session", "total", Ini), "");
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(s().RollsLeft, 59);
}

TEST_F(TurnFlow, OneFinishedGameIsRecordedOnceAndCounted) {
    start();
    profile.SetINI("Session", "total", "41", Ini);
    hooks.onEndOfGame = [&](GameModel& g) {
        // The recording's boxes are open; the end timer ticks again meanwhile.
        g.tickTimerEnd();
        g.TimerPlay.stop();
        g.Restart();
    };
    game.clickCommand1();
    roll({1, 2, 3, 4, 5, 6});
    game.clickCategory(Chance);
    game.tickTimerEnd();
    game.tickTimerEnd();
    EXPECT_EQ(hooks.endOfGameCalls, 1);
    EXPECT_EQ(profile.GetINI("Session", "total", Ini), "42");
    EXPECT_FALSE(game.TimerPlay.enabled);

    // A counter that is not a number starts again from 0.
    profile.SetINI("Session", "total", "lots", Ini);
    game.clickCommand1();
    roll({1, 2, 3, 4, 5, 6});
    game.clickCategory(Chance);
    game.tickTimerEnd();
    EXPECT_EQ(profile.GetINI("Session", "total", Ini), "1");
}

TEST_F(TurnFlow, AFailedRecordingIsNotRepeatedOnEveryTick) {
    start();
    hooks.onEndOfGame = [](GameModel&) { throw ProfileError("GetINI", "broken", "", 5); };
    game.clickCommand1();
    roll({1, 2, 3, 4, 5, 6});
    game.clickCategory(Chance);
    int repaints = 0;
    game.subscribe([&] { ++repaints; });
    EXPECT_THROW(game.tickTimerEnd(), ProfileError);
    EXPECT_FALSE(game.TimerEnd.enabled);
    EXPECT_EQ(repaints, 2) << "before the hand-over and after the failure";
    game.tickTimerEnd();
    EXPECT_EQ(hooks.endOfGameCalls, 1);
    game.clickNyttSpel();
    EXPECT_TRUE(game.Roll.enabled) << "a new game is still possible";
}

TEST_F(TurnFlow, SweepsPutDiceBackOnlyAfterAPickUp) {
    start();
    roll({1, 2, 3, 4, 5, 6});
    game.putBackDie(1);
    game.finishSweep();
    EXPECT_FALSE(game.Roll.enabled);

    game.clickDie(1);
    game.clickDie(2);
    game.putBackDie(1);
    EXPECT_TRUE(game.Image[0].visible);
    EXPECT_EQ(s().DiceHeld[0], 1);
    game.finishSweep();
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{1, 0, 1, 1, 1, 1}));
    EXPECT_TRUE(game.Roll.enabled) << "die 2 is still in the hand";
    game.putBackDie(2);
    game.finishSweep();
    EXPECT_FALSE(game.Roll.enabled) << "six dice on the table: nothing to roll";
    EXPECT_EQ(s().DiceValue, (Dice{1, 2, 3, 4, 5, 6}));
}

TEST_F(TurnFlow, TestControlsFollowTheirSetting) {
    game.Load();
    EXPECT_FALSE(game.Command1.visible);
    EXPECT_FALSE(game.Text1.visible);
    EXPECT_FALSE(game.Command2.visible);

    profile.SetINI("Options", "NollSlag", "Yes", Ini);
    GameModel other{GameWiring{profile, Ini, texts, clock, random, locale, dialogs, hooks}};
    other.Load();
    EXPECT_TRUE(other.Command1.visible);
    EXPECT_TRUE(other.Text1.visible);
    EXPECT_TRUE(other.Command2.visible);
    EXPECT_EQ(other.Command1.caption, "Noll slag");
    EXPECT_EQ(other.Command2.caption, "&OK");
    other.Text1.caption = "Hello there";
    other.clickCommand2();
    EXPECT_EQ(hooks.said.back(), "Hello there");
}

TEST_F(TurnFlow, ListenersHearOnceAfterEachOperation) {
    start();
    int calls = 0;
    const int id = game.subscribe([&] { ++calls; });
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(calls, 1);
    game.clickCategory(Chance);
    EXPECT_EQ(calls, 2);
    game.clickDie(1); // refused: nothing changed
    EXPECT_EQ(calls, 2);
    game.unsubscribe(id);
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(calls, 2);
}

TEST_F(TurnFlow, EveryControlCanBeFoundByItsName) {
    const std::vector<Control*> all = game.controls();
    std::set<std::string> names;
    for (const Control* c : all) {
        names.insert(c->objectName);
        EXPECT_EQ(game.findControl(c->objectName), c);
    }
    EXPECT_EQ(names.size(), all.size()) << "names are unique";
    for (const char* name : {"Image1", "Image6", "Roll", "Rolls", "Mrolls", "Undo", "NyttSpel",
                             "scr_Tot", "Bonus", "btn_Ones", "btn_TwoPairs", "btn_Yatzy", "scr_01",
                             "scr_20", "Indik", "Command1", "Command2", "Text1"}) {
        EXPECT_TRUE(names.count(name)) << name;
    }
    EXPECT_EQ(game.findControl("btn_TwoPairs"), &game.btn[7]);
    EXPECT_EQ(game.findControl("nothing"), nullptr);
    EXPECT_EQ(game.findTimer("TimerEnd"), &game.TimerEnd);
    EXPECT_EQ(game.findTimer("TimerEnd")->interval, 1500);
    EXPECT_EQ(game.findTimer("TimerPlay")->interval, 1000);
    EXPECT_EQ(game.findTimer("TimerIndik")->interval, 50);
    EXPECT_EQ(game.findTimer("Timer1"), nullptr);
}

} // namespace
} // namespace brisvane::testing
