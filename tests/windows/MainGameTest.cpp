// Whole games played through the game window, as a player would: roll, pick up dice, fill
// categories, until the game ends, the result is recorded and the next game is laid out.
#include <gtest/gtest.h>

#include <random>

#include "MainRig.h"

namespace brisvane::testing {
namespace {

const char* const Buttons[] = {"btn_Ones",       "btn_Twos",      "btn_Threes",   "btn_Fours",
                               "btn_Fives",      "btn_Sixes",     "btn_OnePair",  "btn_TwoPairs",
                               "btn_ThreePairs", "btn_ThreeKind", "btn_FourKind", "btn_FiveKind",
                               "btn_SmallStr",   "btn_LargeStr",  "btn_FullStr",  "btn_Hut",
                               "btn_House",      "btn_Tower",     "btn_Chance",   "btn_Yatzy"};

// The category a player would take by reading the window: the one the marker points at, or
// else the first open one that shows a score in its help text.
const char* categoryToTake(const MainRig& rig) {
    const ControlWidget& marker = rig.widget("Indik");
    if (marker.isVisible()) {
        const int row = (marker.shown().top - 1590) / 315;
        const char* suggested = Buttons[row];
        if (rig.widget(suggested).isEnabled()) {
            return suggested;
        }
    }
    for (const char* button : Buttons) {
        const ControlWidget& widget = rig.widget(button);
        if (widget.isEnabled() && !widget.toolTip().isEmpty()) {
            return button;
        }
    }
    return nullptr;
}

// One move of the player: roll, sweep the dice off for another roll, or fill a category.
void playOneMove(MainRig& rig, int& turnRolls) {
    if (rig.widget("Roll").isEnabled()) {
        rig.key(Qt::Key_Space);
        ++turnRolls;
        return;
    }
    const char* take = turnRolls >= 3 ? categoryToTake(rig) : nullptr;
    if (take == nullptr && rig.game.state().RollsLeft > 0) {
        // Nothing worth taking yet: sweep all six dice off the table and roll again.
        rig.sweep(Qt::LeftButton, {QPoint(40, MainRig::dieSpot(1).y()), MainRig::dieSpot(1),
                                   MainRig::dieSpot(2), MainRig::dieSpot(3), MainRig::dieSpot(4),
                                   MainRig::dieSpot(5), MainRig::dieSpot(6)});
        return;
    }
    if (take == nullptr) {
        take = categoryToTake(rig);
    }
    ASSERT_NE(take, nullptr) << "a roll that fits nothing after the last roll ends the game";
    rig.click(take);
    turnRolls = 0;
}

TEST(MainGameTest, PlaysWholeGamesThroughTheWindowToTheNextGame) {
    MainRig rig;
    rig.start();
    std::mt19937 dice(20020222);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int i = 0; i < 3000; ++i) {
        rig.random.script.push_back(uniform(dice));
    }
    rig.dialogs.inputAnswers = {std::string("Åsa"), std::string("Bo")};

    int finished = 0;
    int turnRolls = 0;
    for (int move = 0; move < 2000 && finished < 2; ++move) {
        if (rig.timerRunning("TimerEnd")) {
            EXPECT_FALSE(rig.widget("Roll").isEnabled());
            rig.tick("TimerEnd");
            ++finished;
            turnRolls = 0;
            // The next game is laid out at once.
            EXPECT_EQ(rig.widget("Rolls").caption(), QStringLiteral("60"));
            EXPECT_EQ(rig.widget("scr_Tot").caption(), QStringLiteral("0"));
            EXPECT_TRUE(rig.widget("btn_Yatzy").isEnabled());
            EXPECT_FALSE(rig.widget("Image1").isVisible());
            continue;
        }
        playOneMove(rig, turnRolls);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    ASSERT_EQ(finished, 2);

    // Each finished game ended with its final score shown and was recorded.
    ASSERT_EQ(rig.dialogs.messages.size(), 2U);
    EXPECT_NE(rig.dialogs.messages[0].text.find("Game over"), std::string::npos);
    EXPECT_EQ(rig.setting("Session", "total"), "2");
    const int best = std::stoi(rig.setting("Highscore", "p1"));
    EXPECT_GT(best, 0);
    EXPECT_EQ(rig.setting("Highscore", "alltime"), std::to_string(best));
    EXPECT_FALSE(rig.setting("Highscore", "p2").empty());

    // The top ten on the window shows both games, the newer one in bold.
    const ControlWidget& first = rig.widget("Topp01");
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(first.caption().startsWith(QStringLiteral("1. ") + QString::number(best) +
                                           QStringLiteral(" ")));
    const bool boldFirst = first.shown().bold;
    const bool boldSecond = rig.widget("Topp02").shown().bold;
    EXPECT_NE(boldFirst, boldSecond);
    EXPECT_FALSE(rig.folder.read("Vexa.log").empty());

    // The new game greets on the display and plays on.
    rig.key(Qt::Key_Space);
    EXPECT_EQ(rig.widget("Rolls").caption(), QStringLiteral("59"));
}

} // namespace
} // namespace brisvane::testing
