// The score sheet as the player sees it: placements and their colours, the bonus, the
// evaluation after each roll (colours, tool tips, the suggestion marker and its pulse), the
// layout of a new game and the rolls per open category.

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdio>

#include "GameFixture.h"

namespace brisvane::testing {
namespace {

using ScoreSheet = GameFixture;
using namespace category;
using Events = std::vector<std::string>;
constexpr std::uint32_t Grey = 8421504;

TEST_F(ScoreSheet, APlacementShowsItsPointsSaysTheTotalAndClearsTheTable) {
    start();
    place(Ones, {1, 1, 1, 1, 1, 1});
    EXPECT_EQ(label(Ones).foreColor, colour::White) << "white only at the maximum";
    EXPECT_EQ(place(Tower, {6, 6, 6, 6, 5, 5}), (Events{"say:Total: 40", "sound:2"}));
    place(Twos, {2, 2, 2, 2, 2, 1});
    EXPECT_EQ(label(Twos).caption + " " + game.scr_Tot.caption, "10 50");
    EXPECT_EQ(label(Twos).foreColor, colour::Yellow);
    EXPECT_FALSE(game.Image[0].visible || game.Undo.enabled) << "the table is cleared";
    game.putBackDie(1);
    EXPECT_FALSE(game.Image[0].visible) << "and a sweep brings no die back";
    EXPECT_EQ(button(Yatzy).foreColor, Grey) << "every button grey until the next roll";
    EXPECT_EQ(place(Yatzy, {2, 2, 2, 2, 2, 2}),
              (Events{"say:Total: 150", "sound:2", "sound:5", "say:yatzy! + 100"}));
}

TEST_F(ScoreSheet, TheBonusComesOnceAtExactly84OrIsMissedAfterSixUpperCategories) {
    start();
    place(Sixes, {6, 6, 6, 6, 6, 1});
    place(Fives, {5, 5, 5, 5, 5, 1});
    place(Fours, {4, 4, 4, 4, 4, 1});
    EXPECT_EQ(game.Bonus.caption, "-9");
    EXPECT_EQ(game.Bonus.foreColor, colour::LightRed);
    EXPECT_EQ(place(Threes, {3, 3, 3, 1, 2, 4}),
              (Events{"say:Total: 84", "sound:2", "sound:3", "say:bonus! + 100"}));
    EXPECT_EQ(game.scr_Tot.caption + " " + game.Bonus.caption, "184 100");
    EXPECT_EQ(game.Bonus.foreColor, colour::Yellow);
    place(Twos, {1, 2, 3, 4, 5, 6});
    place(Ones, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(s().TotalScore, 187) << "given once";

    game.clickNyttSpel();
    for (int k = Ones; k <= Sixes; ++k) {
        place(k, {1, 2, 3, 4, 5, 6});
    }
    EXPECT_EQ(game.Bonus.caption, "0");
    EXPECT_EQ(game.Bonus.foreColor, colour::Yellow);
    EXPECT_EQ(hooks.events.back(), "say:No bonus") << "when the language has no text d8";

    game.clickNyttSpel(); // every game has its own bonus to win
    place(Sixes, {6, 6, 6, 6, 6, 6});
    place(Fives, {5, 5, 5, 5, 5, 5});
    EXPECT_EQ(place(Fours, {4, 4, 4, 4, 4, 4}),
              (Events{"say:Total: 90", "sound:2", "sound:3", "say:bonus! + 100"}));
    EXPECT_EQ(s().TotalScore, 190);
}

// Every roll in turn, re-rolling all six dice in running games and switching the language now
// and then, or editing its file: each category's tool tip and colour tell what placing it
// would give now, in the texts now in force (without a name text the name is empty), never an
// earlier roll's.
TEST_F(ScoreSheet, ToolTipsAndColoursFollowEveryRollInTheCurrentLanguage) {
    texts.version = 1;
    start();
    for (int index = 0; index < RollCount; ++index) {
        if (s().RollsLeft == 0) {
            game.Restart();
        } else if (index % 7 == 0) {
            texts.texts["c1"] = texts.T("c1") == "Ones" ? "Ettor" : "Ones";
            texts.texts["c20"] = texts.T("c1") == "Ones" ? "Yatzy" : "Jatsi";
            if (index % 2 == 0) {
                game.languageChanged();
            } else {
                ++*texts.version; // the file edited by hand: no one tells the game
            }
        }
        for (int die = 1; die <= 6; ++die) {
            game.clickDie(die);
        }
        const Dice d = rollOfIndex(index);
        roll({d[0], d[1], d[2], d[3], d[4], d[5]});
        for (int k = 1; k <= CategoryCount; ++k) {
            const int points = categoryPoints(k, d);
            const std::string tip = " " + texts.T("c" + std::to_string(k)) +
                                    (k == Yatzy ? "! +" : ": ") + std::to_string(points) + " ";
            ASSERT_EQ(button(k).toolTip, points == 0 ? "" : tip) << index << " category " << k;
            ASSERT_EQ(button(k).foreColor, points == 0 ? Grey : colour::White);
        }
    }
}

TEST_F(ScoreSheet, TheMarkerShowsAndPulsesOnlyWhenTheOptionIsExactlyYes) {
    profile.SetINI("Options", "ShowRedSquare", "yes", Ini);
    start();
    roll({1, 2, 3, 4, 5, 5});
    EXPECT_FALSE(game.Indik.visible || game.TimerIndik.enabled) << "only an exact Yes shows it";
    profile.SetINI("Options", "ShowRedSquare", "Yes", Ini);
    start();
    roll({1, 2, 3, 4, 5, 5});
    EXPECT_TRUE(game.Indik.visible && game.TimerIndik.enabled);
    std::vector<std::uint32_t> colours;
    for (int tick = 0; tick < 14; ++tick) {
        game.tickTimerIndik();
        colours.push_back(game.Indik.fillColor);
    }
    EXPECT_EQ(colours, (std::vector<std::uint32_t>{64, 128, 192, 192, 192, 192, 128, 64, 64, 64, 64,
                                                   64, 64, 128}));
    game.clickCategory(OnePair);
    EXPECT_FALSE(game.Indik.visible || game.TimerIndik.enabled) << "a placement hides it";

    roll({1, 2, 3, 4, 5, 5});
    game.tickTimerIndik();
    EXPECT_EQ(game.Indik.fillColor, 192u) << "the pulse goes on from where it stopped";
    game.clickDie(5);
    game.clickDie(6);
    roll({6, 6});
    EXPECT_FALSE(game.Indik.visible) << "nothing to suggest";
}

TEST_F(ScoreSheet, NewGameLaysOutTheScoreSheetTheSameEveryTime) {
    start();
    const auto layout = [this] {
        std::vector<std::array<int, 4>> places;
        for (const Control* c : {&game.Rolls, &game.Mrolls, &game.Bonus, &game.scr_Tot}) {
            places.push_back({c->left, c->top, c->width, c->height});
        }
        for (int k = 1; k <= CategoryCount; ++k) {
            places.push_back({label(k).left, label(k).top, label(k).width, button(k).left});
            EXPECT_TRUE(k == 1 || label(k - 1).top < label(k).top) << "rows run down, " << k;
        }
        return places;
    };
    const auto fresh = layout();
    place(Chance, {1, 2, 3, 4, 5, 6});
    game.scr[0].top = 100;
    game.scr[6].top = 9999;
    game.Bonus.left = 0;
    game.PlaceAll();
    EXPECT_EQ(layout(), fresh);
    EXPECT_EQ(game.Indik.top, 1590 + 315 * (FullStr - 1)) << "beside the suggested row";
    EXPECT_LE(game.Indik.left + game.Indik.width, 12000) << "the marker lies inside the window";
    EXPECT_TRUE(button(Chance).enabled) << "every category opens";
    EXPECT_EQ(label(Chance).caption, "");
}

TEST(RollsPerCategory, RoundsHalfToEvenInItsShortestForm) {
    EXPECT_EQ(rollsPerCategoryText(5, 2, ","), "2,5");
    EXPECT_EQ(rollsPerCategoryText(5, 0, "."), "") << "no category open";
    // Every count against the machine's rounding to nearest even (a tie is exact in binary).
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    for (int rolls = 0; rolls <= 60; ++rolls) {
        for (int open = 1; open <= 20; ++open) {
            const double hundredths = std::nearbyint(100.0 * rolls / open);
            char expected[32] = ""; // empty when the quotient equals the rolls
            if (hundredths != 100.0 * rolls) {
                std::snprintf(expected, sizeof expected, "%g", hundredths / 100);
            }
            EXPECT_EQ(rollsPerCategoryText(rolls, open, "."), expected) << rolls << "/" << open;
        }
    }
}

} // namespace
} // namespace brisvane::testing
