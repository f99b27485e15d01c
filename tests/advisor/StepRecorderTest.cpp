// The record of a game as the game window plays it: replayed by the rules from its steps, it
// must end with exactly the scores the game made; steps no record can hold mark it incomplete.

#include <gtest/gtest.h>

#include "../game/GameFixture.h"
#include "advisor/StepRecorder.h"
#include "game/AutoPlayer.h"
#include "game/HeadlessGame.h"

namespace brisvane::testing {
namespace {

using advisor::Step;
using advisor::StepRecorder;

// Plays `steps` on a fresh table whose dice show what the record says.
GameState replay(const std::vector<Step>& steps) {
    FakeRandom random;
    HeadlessGame table(random);
    GameModel& game = table.game();
    for (const Step& step : steps) {
        const GameState& s = game.state();
        switch (step.kind) {
        case Step::Kind::Again:
            for (int face = 1; face <= 6; ++face) {
                int wanted = step.again[static_cast<std::size_t>(face - 1)];
                for (int die = 1; die <= 6 && wanted > 0; ++die) {
                    const auto i = static_cast<std::size_t>(die - 1);
                    if (s.DiceHeld[i] == 1 && s.DiceValue[i] == face) {
                        game.clickDie(die);
                        --wanted;
                    }
                }
            }
            break;
        case Step::Kind::Roll: {
            // The new faces are the record's faces less the dice that stayed on the table.
            std::array<int, 7> fresh{};
            for (const int face : step.dice) {
                ++fresh[static_cast<std::size_t>(face)];
            }
            for (std::size_t i = 0; i < 6; ++i) {
                if (s.DiceHeld[i] == 1) {
                    --fresh[static_cast<std::size_t>(s.DiceValue[i])];
                }
            }
            for (std::size_t i = 0; i < 6; ++i) {
                if (s.DiceHeld[i] == 0) {
                    int face = 1;
                    while (fresh[static_cast<std::size_t>(face)] == 0) {
                        ++face;
                    }
                    --fresh[static_cast<std::size_t>(face)];
                    random.queueFaces({face});
                }
            }
            game.clickRoll();
            break;
        }
        case Step::Kind::Fill:
            game.clickCategory(step.category);
            break;
        }
    }
    return game.state();
}

TEST(StepRecorder, AWholeGameReplaysToTheSameScores) {
    for (const std::uint64_t seed : {3u, 17u, 2024u}) {
        HeadlessGame table(seed);
        GameModel& game = table.game();
        StepRecorder recorder;
        std::vector<Step> whole;
        GameState last;
        game.subscribe([&] {
            recorder.observe(game.state());
            if (!recorder.steps().empty()) {
                whole = recorder.steps();
                last = game.state();
            }
        });
        recorder.observe(game.state()); // the table as the game starts
        AutoPlayer(game).playGame();
        ASSERT_TRUE(recorder.steps().empty()) << "the next game starts a new record";

        const GameState replayed = replay(whole);
        EXPECT_EQ(replayed.Score, last.Score) << "seed " << seed;
        EXPECT_EQ(replayed.TotalScore, last.TotalScore) << "seed " << seed;
        EXPECT_EQ(replayed.RollsLeft, last.RollsLeft) << "seed " << seed;
        // The record is one a recorded game can hold, and reads back as itself.
        EXPECT_EQ(advisor::formatRecord(advisor::parseRecord(advisor::formatRecord(whole))),
                  advisor::formatRecord(whole));
    }
}

class StepRecorderAtTheTable : public GameFixture {
protected:
    StepRecorderAtTheTable() {
        game.subscribe([this] { recorder.observe(game.state()); });
        start();
    }
    StepRecorder recorder;
};

TEST_F(StepRecorderAtTheTable, PicksUpUndoAndPutBackCountOnlyAsTheyStandAtTheRoll) {
    roll({2, 2, 5, 6, 1, 3});
    game.clickDie(1);
    game.clickDie(4);
    game.clickUndo(); // both back
    game.clickDie(2); // a 2
    game.clickDie(5); // the 1
    roll({4, 4});
    game.clickCategory(category::Chance);
    EXPECT_EQ(advisor::formatRecord(recorder.steps()),
              "roll 2 2 5 6 1 3\nagain 1 2\nroll 2 4 5 6 4 3\nfill Chance\n");
    EXPECT_TRUE(recorder.complete());
}

TEST_F(StepRecorderAtTheTable, StepsNoRecordCanHoldMakeItIncomplete) {
    StepRecorder late; // starts watching a game already under way
    roll({1, 1, 2, 2, 3, 3});
    late.observe(game.state());
    game.clickCategory(category::Chance);
    late.observe(game.state());
    EXPECT_FALSE(late.complete());
    game.clickNyttSpel();

    roll({2, 2, 5, 6, 1, 3});
    game.clickDie(1);
    game.clickUndo();
    roll({}); // Roll stays enabled after Undo: a roll of no dice
    EXPECT_FALSE(recorder.complete());

    game.clickNyttSpel();
    EXPECT_TRUE(recorder.complete()) << "a new game starts a new record";
    EXPECT_TRUE(recorder.steps().empty());
    roll({1, 2, 3, 4, 5, 6});
    game.clickCommand1(); // the test button jumps to the last roll
    game.clickCategory(category::Chance);
    roll({6, 6, 6, 6, 6, 6});
    EXPECT_FALSE(recorder.complete());

    // The test button before the first roll of a turn: no dice on the table, no roll to record.
    game.clickNyttSpel();
    game.clickCommand1();
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(recorder.complete());
    EXPECT_EQ(advisor::formatRecord(recorder.steps()), "roll 1 2 3 4 5 6\n");
}

} // namespace
} // namespace brisvane::testing
