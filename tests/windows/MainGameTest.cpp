// Whole games played through the game window, as a player would: roll, pick up dice, fill
// categories, until the game ends, the result is recorded and the next game is laid out.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "MainRig.h"

namespace brisvane::testing {
namespace {

TEST(MainGameTest, PlaysWholeGamesThroughTheWindowToTheNextGame) {
    MainRig rig;
    rig.view->loadAndShow();
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
            continue;
        }
        if (rig.widget("Roll").isEnabled()) {
            rig.key(Qt::Key_Space);
            ++turnRolls;
            continue;
        }
        // After three rolls, or with none left, the first open category that shows a score.
        const auto take = std::ranges::find_if(rig.game.btn, [&rig](const Control& button) {
            const ControlWidget& widget = rig.widget(button.objectName);
            return widget.isEnabled() && !widget.toolTip().isEmpty();
        });
        const int rollsLeft = rig.game.state().RollsLeft;
        if ((turnRolls >= 3 || rollsLeft == 0) && take != rig.game.btn.end()) {
            rig.click(take->objectName);
            turnRolls = 0;
            continue;
        }
        ASSERT_GT(rollsLeft, 0) << "a roll that fits nothing after the last roll ends the game";
        // Nothing worth taking yet: sweep all six dice off the table and roll again.
        rig.sweep(Qt::LeftButton, {1, 2, 3, 4, 5, 6});
    }
    ASSERT_EQ(finished, 2);

    // Each game ended with its final score shown and was recorded.
    ASSERT_EQ(rig.dialogs.messages.size(), 2U);
    EXPECT_EQ(rig.ini("Session", "total"), "2");
    // The top ten on the window shows both games, the newer one in bold.
    const std::string best = rig.ini("Highscore", "p1");
    EXPECT_EQ(rig.widget("Topp01").caption().toStdString().substr(0, best.size() + 4),
              "1. " + best + " ");
    EXPECT_NE(rig.widget("Topp01").shown().bold, rig.widget("Topp02").shown().bold);
    // Under the names asked for at each game's end.
    std::vector<std::string> names{rig.ini("Highscore", "n1"), rig.ini("Highscore", "n2")};
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Bo", "Åsa"}));
}

} // namespace
} // namespace brisvane::testing
