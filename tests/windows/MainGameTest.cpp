// Whole games played through the game window, as a player would: roll, pick up dice, fill
// categories, until the game ends, the result is recorded and the next game is laid out.
#include <gtest/gtest.h>

#include <random>

#include "MainRig.h"

namespace brisvane::testing {
namespace {

// The category a player would take by reading the window: the one the marker points at, or
// else the first open one that shows a score in its help text; "" for none.
std::string categoryToTake(const MainRig& rig) {
    const ControlWidget& marker = rig.widget("Indik");
    if (marker.isVisible()) {
        const std::string& suggested = rig.game.btn.at((marker.shown().top - 1590) / 315).objectName;
        if (rig.widget(suggested).isEnabled()) {
            return suggested;
        }
    }
    for (const Control& button : rig.game.btn) {
        const ControlWidget& widget = rig.widget(button.objectName);
        if (widget.isEnabled() && !widget.toolTip().isEmpty()) {
            return button.objectName;
        }
    }
    return "";
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
        if (rig.view->timer("TimerEnd")->isActive()) {
            EXPECT_FALSE(rig.widget("Roll").isEnabled());
            rig.view->timer("TimerEnd")->fire();
            ++finished;
            turnRolls = 0;
            // The next game is laid out at once.
            EXPECT_EQ(rig.widget("Rolls").caption(), QStringLiteral("60"));
            EXPECT_EQ(rig.widget("scr_Tot").caption(), QStringLiteral("0"));
            EXPECT_TRUE(rig.widget("btn_Yatzy").isEnabled());
        } else if (rig.widget("Roll").isEnabled()) {
            rig.key(Qt::Key_Space);
            ++turnRolls;
        } else {
            const int rollsLeft = rig.game.state().RollsLeft;
            const std::string take = turnRolls >= 3 || rollsLeft == 0 ? categoryToTake(rig) : "";
            if (!take.empty()) {
                rig.click(take);
                turnRolls = 0;
                continue;
            }
            ASSERT_GT(rollsLeft, 0) << "a roll that fits nothing after the last roll ends the game";
            // Nothing worth taking yet: sweep all six dice off the table and roll again.
            rig.sweep(Qt::LeftButton, {QPoint(40, MainRig::dieSpot(1).y()), MainRig::dieSpot(1),
                                       MainRig::dieSpot(2), MainRig::dieSpot(3), MainRig::dieSpot(4),
                                       MainRig::dieSpot(5), MainRig::dieSpot(6)});
        }
    }
    ASSERT_EQ(finished, 2);

    // Each game ended with its final score shown and was recorded.
    ASSERT_EQ(rig.dialogs.messages.size(), 2U);
    EXPECT_NE(rig.dialogs.messages[0].text.find("Game over"), std::string::npos);
    EXPECT_EQ(rig.setting("Session", "total"), "2");
    const std::string best = rig.setting("Highscore", "p1");
    EXPECT_EQ(rig.setting("Highscore", "alltime"), best);
    // The top ten on the window shows both games, the newer one in bold.
    EXPECT_TRUE(rig.widget("Topp01").caption().startsWith(QString::fromStdString("1. " + best + " ")));
    EXPECT_NE(rig.widget("Topp01").shown().bold, rig.widget("Topp02").shown().bold);

    rig.key(Qt::Key_Space); // the new game plays on
    EXPECT_EQ(rig.widget("Rolls").caption(), QStringLiteral("59"));
}

} // namespace
} // namespace brisvane::testing
