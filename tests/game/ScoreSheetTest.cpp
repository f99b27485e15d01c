// The score sheet as the player sees it: placements and their colours, the bonus, the
// evaluation after each roll (colours, tool tips, the suggestion marker and its pulse), the
// cleared table after a placement and the layout of a new game.

#include <gtest/gtest.h>

#include "GameFixture.h"

namespace brisvane::testing {
namespace {

using ScoreSheet = GameFixture;
using namespace category;
constexpr std::uint32_t Grey = 8421504;

TEST_F(ScoreSheet, PlacementShowsItsPointsWhiteOnlyAtTheMaximum) {
    start();
    place(Ones, {1, 1, 1, 1, 1, 1});
    EXPECT_EQ(label(Ones).caption, "6");
    EXPECT_EQ(label(Ones).foreColor, colour::White);
    EXPECT_FALSE(button(Ones).enabled);
    place(Twos, {2, 2, 2, 2, 2, 1});
    EXPECT_EQ(label(Twos).caption, "10");
    EXPECT_EQ(label(Twos).foreColor, colour::Yellow);
    EXPECT_EQ(s().TotalScore, 16);
    EXPECT_EQ(game.scr_Tot.caption, "16");
    EXPECT_EQ(s().CategoriesLeft, 18);
    EXPECT_EQ(s().Score[Twos - 1], 10);
}

TEST_F(ScoreSheet, APlacementSaysTheTotalPlaysItsSoundAndClearsTheTable) {
    start();
    game.subscribe([] {});
    roll({6, 6, 6, 6, 5, 5});
    hooks.clear();
    game.clickCategory(Tower);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"say:Total: 34", "sound:2"}));
    EXPECT_EQ(label(Tower).foreColor, colour::White);
    for (const Control& die : game.Image) {
        EXPECT_FALSE(die.visible);
    }
    EXPECT_EQ(s().DiceHeld, (std::array<int, 6>{}));
    EXPECT_EQ(s().TurnPlaced, 1);
    EXPECT_TRUE(game.Roll.enabled);
    EXPECT_FALSE(game.Undo.enabled);
    for (int k = 1; k <= CategoryCount; ++k) {
        EXPECT_EQ(button(k).foreColor, Grey) << "every button grey until the next roll";
    }
    EXPECT_EQ(button(Tower).toolTip, " : 34 ") << "tool tips stay (no name text for Tower)";
    EXPECT_FALSE(game.TimerEnd.enabled);
}

TEST_F(ScoreSheet, YatzySaysTheTotalThenItsOwnCheer) {
    start();
    roll({2, 2, 2, 2, 2, 2});
    hooks.clear();
    game.clickCategory(Yatzy);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"say:Total: 100", "sound:2", "sound:5",
                                                      "say:yatzy! + 100"}));
    EXPECT_EQ(label(Yatzy).foreColor, colour::White);
}

TEST_F(ScoreSheet, BonusAtExactly84AfterFourUpperCategoriesIsGivenOnce) {
    start();
    place(Sixes, {6, 6, 6, 6, 6, 1});
    place(Fives, {5, 5, 5, 5, 5, 1});
    place(Fours, {4, 4, 4, 4, 4, 1});
    EXPECT_EQ(game.Bonus.caption, "-9");
    EXPECT_EQ(game.Bonus.foreColor, colour::LightRed);
    EXPECT_EQ(s().UpperPlaced, 3);

    roll({3, 3, 3, 1, 2, 4});
    hooks.clear();
    game.clickCategory(Threes);
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"say:Total: 84", "sound:2", "sound:3",
                                                      "say:bonus! + 100"}));
    EXPECT_EQ(s().TotalScore, 184);
    EXPECT_EQ(game.scr_Tot.caption, "184");
    EXPECT_EQ(game.Bonus.caption, "100");
    EXPECT_EQ(game.Bonus.foreColor, colour::Yellow);
    EXPECT_EQ(s().BonusGiven, 1);

    for (const int k : {Twos, Ones}) {
        roll({1, 2, 3, 4, 5, 6});
        hooks.clear();
        game.clickCategory(k);
        EXPECT_EQ(hooks.events.size(), 2u) << "only the total and the placement sound";
        EXPECT_EQ(game.Bonus.caption, "100");
    }
    EXPECT_EQ(s().TotalScore, 187);
    EXPECT_EQ(s().UpperPlaced, 6);
}

TEST_F(ScoreSheet, AMissedBonusShowsZeroAndSaysSo) {
    for (const char* missed : {"", "Too bad"}) {
        texts.texts["d8"] = missed;
        start();
        for (int k = Ones; k <= Sixes; ++k) {
            place(k, {1, 2, 3, 4, 5, 6});
        }
        EXPECT_EQ(game.Bonus.caption, "0");
        EXPECT_EQ(game.Bonus.foreColor, colour::Yellow);
        EXPECT_EQ(hooks.said.back(), std::string(*missed ? missed : "No bonus"));
        EXPECT_EQ(s().TotalScore, 21);
        game.clickNyttSpel();
    }
}

TEST_F(ScoreSheet, EvaluationColoursAndExplainsEveryOpenCategory) {
    start();
    roll({5, 5, 5, 2, 2, 3});
    EXPECT_EQ(button(Fives).toolTip, " Fives: 15 ");
    EXPECT_EQ(button(Fives).foreColor, colour::White);
    EXPECT_EQ(button(TwoPairs).toolTip, " Two pairs: 14 ");
    EXPECT_EQ(button(Chance).toolTip, " Chance: 22 ");
    EXPECT_EQ(button(Threes).toolTip, " : 3 ") << "a missing name text leaves the name empty";
    EXPECT_EQ(button(Ones).toolTip, "");
    EXPECT_EQ(button(Ones).foreColor, Grey);
    EXPECT_EQ(button(Yatzy).foreColor, Grey);
    EXPECT_EQ(s().NoScoreColour, "8421504");
    EXPECT_EQ(s().AnyScorable, 1);
    EXPECT_EQ(s().PairCount, 2);

    game.clickCategory(Fives);
    roll({3, 3, 3, 3, 3, 3});
    EXPECT_EQ(button(Yatzy).toolTip, " Yatzy! +100 ");
    EXPECT_EQ(button(TwoPairs).foreColor, Grey) << "four or more alike are one pair";
    EXPECT_EQ(button(TwoPairs).toolTip, "");
    EXPECT_EQ(s().PairCount, 1);
    EXPECT_EQ(button(Fives).toolTip, " Fives: 15 ") << "a closed category keeps its tool tip";
    EXPECT_EQ(button(Fives).foreColor, Grey);
    EXPECT_EQ(s().SuggestedCategory, Yatzy);
}

TEST_F(ScoreSheet, ToolTipsSpeakTheLanguageJustApplied) {
    start();
    roll({5, 5, 5, 2, 2, 3});
    ASSERT_EQ(button(Fives).toolTip, " Fives: 15 ");
    texts.texts["c5"] = "Femmor";
    game.languageChanged();
    game.clickDie(6);
    roll({3});
    EXPECT_EQ(button(Fives).toolTip, " Femmor: 15 ");
}

TEST_F(ScoreSheet, EvaluationMatchesThePlacementForEveryRoll) {
    start();
    // For each roll: the evaluation's tool tip and colour against the rules, then one category
    // (a different one each roll) placed through its button.
    for (int k = 1; k <= CategoryCount; ++k) {
        texts.texts["c" + std::to_string(k)] = "N";
    }
    game.languageChanged();
    for (int index = 0; index < RollCount; ++index) {
        const Dice d = rollOfIndex(index);
        game.Restart();
        roll({d[0], d[1], d[2], d[3], d[4], d[5]});
        for (int k = 1; k <= CategoryCount; ++k) {
            const int points = categoryPoints(k, d);
            const std::string expected =
                points == 0
                    ? ""
                    : " N" + std::string(k == Yatzy ? "! +" : ": ") + std::to_string(points) + " ";
            ASSERT_EQ(button(k).toolTip, expected) << index << " category " << k;
            ASSERT_EQ(button(k).foreColor, points == 0 ? Grey : colour::White);
        }
        const int k = index % CategoryCount + 1;
        const int points = categoryPoints(k, d);
        game.clickCategory(k);
        ASSERT_EQ(s().TotalScore, points + (isUpper(k) && points >= 84 ? 100 : 0));
        ASSERT_EQ(label(k).caption, points == 0 ? "" : std::to_string(points));
        ASSERT_EQ(button(k).enabled, points == 0);
    }
}

TEST_F(ScoreSheet, TheMarkerShowsOnlyWhenTheOptionIsExactlyYes) {
    for (const char* value : {"", "yes", "No"}) {
        profile.SetINI("Options", "ShowRedSquare", value, Ini);
        start();
        roll({1, 2, 3, 4, 5, 5});
        EXPECT_EQ(s().SuggestedCategory, SmallStr);
        EXPECT_FALSE(game.Indik.visible) << value;
        EXPECT_FALSE(game.TimerIndik.enabled) << value;
    }

    profile.SetINI("Options", "ShowRedSquare", "Yes", Ini);
    start();
    roll({1, 2, 3, 4, 5, 5});
    EXPECT_TRUE(game.Indik.visible);
    EXPECT_TRUE(game.TimerIndik.enabled);
    EXPECT_EQ(game.Indik.top, 5370);
    EXPECT_EQ(game.Indik.left, 11880);

    game.clickCategory(Ones);
    EXPECT_FALSE(game.Indik.visible) << "a placement hides the marker";
    EXPECT_FALSE(game.TimerIndik.enabled);

    roll({6, 6, 6, 6, 5, 5});
    EXPECT_EQ(game.Indik.top, 1590 + 315 * (Tower - 1));
    game.hideMarker();
    EXPECT_FALSE(game.Indik.visible);

    // Nothing to suggest: the marker goes.
    for (const int k : {Sixes, OnePair, ThreeKind, FourKind, FiveKind, Chance}) {
        game.clickCategory(k);
        roll({6, 6, 6, 6, 6, 6});
    }
    EXPECT_EQ(s().SuggestedCategory, Yatzy);
    EXPECT_TRUE(game.Indik.visible);
    game.clickCategory(Yatzy);
    roll({6, 6, 6, 6, 6, 6});
    EXPECT_EQ(s().SuggestedCategory, 0);
    EXPECT_FALSE(game.Indik.visible);
}

TEST_F(ScoreSheet, TheMarkerPulsesInTwelveTicksAndResumesWhereItStopped) {
    profile.SetINI("Options", "ShowRedSquare", "Yes", Ini);
    start();
    game.tickTimerIndik();
    EXPECT_EQ(s().PulseStep, -1) << "no pulse while the timer is off";
    roll({1, 2, 3, 4, 5, 5});
    game.Indik.fillColor = 0;
    std::vector<std::uint32_t> colours;
    for (int tick = 0; tick < 12; ++tick) {
        game.tickTimerIndik();
        colours.push_back(game.Indik.fillColor);
    }
    EXPECT_EQ(colours,
              (std::vector<std::uint32_t>{64, 128, 192, 192, 192, 192, 128, 64, 64, 64, 64, 64}));
    EXPECT_EQ(s().PulseStep, -1);

    game.tickTimerIndik();
    game.tickTimerIndik();
    game.clickCategory(SmallStr);
    EXPECT_EQ(s().PulseStep, 1);
    roll({1, 2, 3, 4, 5, 5});
    game.tickTimerIndik();
    EXPECT_EQ(game.Indik.fillColor, 192u) << "the step goes on from where it stopped";
}

TEST_F(ScoreSheet, NewGameLaysOutTheScoreSheetTheSameEveryTime) {
    start();
    const std::array<int, CategoryCount> labelTops = {1550, 1865, 2180, 2490, 2810, 3120, 3440,
                                                      3750, 4070, 4380, 4710, 5020, 5340, 5640,
                                                      5960, 6270, 6590, 6910, 7220, 7530};
    for (int k = 1; k <= CategoryCount; ++k) {
        EXPECT_EQ(label(k).top, labelTops[static_cast<std::size_t>(k - 1)]) << k;
        EXPECT_EQ(label(k).left, 11400);
        EXPECT_EQ(label(k).width, 405);
        EXPECT_EQ(button(k).left, 9870);
        EXPECT_EQ(button(k).width, 2055);
    }
    EXPECT_EQ(button(Ones).top, 1530);
    EXPECT_EQ(button(Yatzy).top, 7530);
    const auto geometry = [](const Control& c) {
        return std::array<int, 4>{c.left, c.top, c.width, c.height};
    };
    EXPECT_EQ(geometry(game.Rolls), (std::array<int, 4>{9040, 3030, 465, 255}));
    EXPECT_EQ(geometry(game.Mrolls), (std::array<int, 4>{8500, 2570, 465, 255}));
    EXPECT_EQ(geometry(game.Bonus), (std::array<int, 4>{11400, 7830, 405, 225}));
    EXPECT_EQ(geometry(game.scr_Tot), (std::array<int, 4>{11400, 8130, 405, 225}));
    EXPECT_EQ(game.Indik.left, 11880);
    EXPECT_EQ(game.Indik.width, 135);
    EXPECT_EQ(game.Indik.height, 135);

    // Laid out again from a disturbed sheet, after a game with placements: the same layout.
    const auto layout = [&] {
        std::vector<std::array<int, 4>> all;
        for (const Control* c : game.controls()) {
            if (c != &game.Indik) {
                all.push_back(geometry(*c));
            }
        }
        all.push_back({game.Indik.left, game.Indik.width, game.Indik.height});
        return all;
    };
    const auto first = layout();
    place(Chance, {1, 2, 3, 4, 5, 6});
    roll({2, 2, 3, 3, 4, 5});
    game.scr[0].top = 100;
    game.scr[6].top = 9999;
    game.PlaceAll();
    game.PlaceAll();
    EXPECT_EQ(layout(), first);
    EXPECT_TRUE(button(Chance).enabled) << "every category opens";
    EXPECT_EQ(label(Chance).caption, "");
    EXPECT_EQ(game.scr_Tot.caption, "21") << "the total is not the layout's business";
    EXPECT_EQ(game.Rolls.caption, "58");
}

TEST(RollsPerCategory, RoundsHalfToEvenInItsShortestForm) {
    EXPECT_EQ(rollsPerCategoryText(59, 20, "."), "2.95");
    EXPECT_EQ(rollsPerCategoryText(17, 8, "."), "2.12");
    EXPECT_EQ(rollsPerCategoryText(19, 8, "."), "2.38");
    EXPECT_EQ(rollsPerCategoryText(60, 20, "."), "3");
    EXPECT_EQ(rollsPerCategoryText(5, 2, ","), "2,5");
    EXPECT_EQ(rollsPerCategoryText(7, 1, "."), "") << "one category left";
    EXPECT_EQ(rollsPerCategoryText(0, 3, "."), "") << "no rolls: the quotient equals the rolls";
    EXPECT_EQ(rollsPerCategoryText(5, 0, "."), "");
}

// Against a second formulation: the nearer of the two candidate hundredths by exact
// distance, the even one on a tie, printed and trimmed.
TEST(RollsPerCategory, AgreesForEveryCountOfRollsAndCategories) {
    for (int rolls = 0; rolls <= 60; ++rolls) {
        for (int open = 1; open <= 20; ++open) {
            const long low = 100L * rolls / open;
            const long distLow = 100L * rolls - low * open; // times 1/open
            const long distHigh = (low + 1) * open - 100L * rolls;
            const long h = distLow < distHigh   ? low
                           : distHigh < distLow ? low + 1
                                                : (low % 2 == 0 ? low : low + 1);
            std::string expected;
            if (h != 100L * rolls) {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%ld.%02ld", h / 100, h % 100);
                expected = buffer;
                while (expected.back() == '0') {
                    expected.pop_back();
                }
                if (expected.back() == '.') {
                    expected.pop_back();
                }
                const auto dot = expected.find('.');
                if (dot != std::string::npos) {
                    expected.replace(dot, 1, "<sep>");
                }
            }
            EXPECT_EQ(rollsPerCategoryText(rolls, open, "<sep>"), expected) << rolls << "/" << open;
        }
    }
}

} // namespace
} // namespace brisvane::testing
