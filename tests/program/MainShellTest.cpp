// The window shell's own decisions, without a window: where a point of the table belongs,
// which background pictures count, where the window goes on the screen.
#include <gtest/gtest.h>

#include "common/Profile.h"
#include "program/MainShell.h"

namespace brisvane::shell {
namespace {

TEST(DieZonesTest, OverlapsBelongToBothDiceAndTheTableHasEdges) {
    EXPECT_EQ(diceAt(2130, 3300), (std::vector<int>{1, 2}));
    EXPECT_EQ(diceAt(920, 3260), (std::vector<int>{1}));
    EXPECT_EQ(diceAt(7840, 4450), (std::vector<int>{6}));
    EXPECT_EQ(diceAt(4380, 4000), (std::vector<int>{3, 4}));
    EXPECT_TRUE(diceAt(919, 4000).empty());
    EXPECT_TRUE(diceAt(7841, 4000).empty());
    EXPECT_TRUE(diceAt(2000, 3259).empty());
    EXPECT_TRUE(diceAt(2000, 4451).empty());
    // Every point of the table's width belongs to some die.
    for (int x = 920; x <= 7840; ++x) {
        EXPECT_FALSE(diceAt(x, 4000).empty()) << x;
    }
}

TEST(BackgroundPictureTest, OnlyLowerCaseJpgAndGifCount) {
    EXPECT_TRUE(isBackgroundPicture("back.jpg"));
    EXPECT_TRUE(isBackgroundPicture("a b.gif"));
    EXPECT_FALSE(isBackgroundPicture("back.JPG"));
    EXPECT_FALSE(isBackgroundPicture("back.png"));
    EXPECT_FALSE(isBackgroundPicture("back.jpeg"));
    EXPECT_FALSE(isBackgroundPicture("jpg"));
    EXPECT_FALSE(isBackgroundPicture(""));
}

TEST(LogoTest, CreditEndsInTheVersion) {
    const std::string tip = logoToolTip("7.0", 3);
    EXPECT_NE(tip.find("Brisvane"), std::string::npos);
    ASSERT_GE(tip.size(), 8U);
    EXPECT_EQ(tip.substr(tip.size() - 8), "v. 7.03 ");
}

TEST(ScreenKollTest, SmallDesktopPinsTheWindowAndHidesTheStrip) {
    const Placement place = screenKoll({0, 0, 12000, 8580}, 3000, 2000);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_FALSE(place.stripVisible);
}

TEST(ScreenKollTest, OnlyALargerDesktopCentresTheWindow) {
    // Equal in one dimension: nothing moves, but the strip is there to drag by.
    const Placement same = screenKoll({0, 0, 12000, 9000}, 450, 300);
    EXPECT_EQ(same.left, 450);
    EXPECT_EQ(same.top, 300);
    EXPECT_TRUE(same.stripVisible);
    const Placement narrow = screenKoll({0, 0, 11000, 20000}, 450, 300);
    EXPECT_EQ(narrow.left, 450);

    const Placement large = screenKoll({0, 0, 1920 * 15, 1040 * 15}, 450, 300);
    EXPECT_EQ(large.left, (1920 * 15 - 12000) / 2);
    EXPECT_EQ(large.top, (1040 * 15 - 9000) / 3);
    EXPECT_TRUE(large.stripVisible);
}

TEST(ScreenKollTest, APanelAtTheTopOrLeftIsNeverCovered) {
    const TwipRect belowPanel{0, 27 * 15, 1920 * 15, 1053 * 15};
    EXPECT_GE(screenKoll(belowPanel, 0, 0).top, belowPanel.top);
    const TwipRect besidePanel{64 * 15, 0, 1856 * 15, 1080 * 15};
    EXPECT_GE(centred(besidePanel, 12000, 9000).left, besidePanel.left);
}

} // namespace
} // namespace brisvane::shell

namespace brisvane {
namespace {

TEST(ErrorLineTest, NamesTheNumberTheTextAndTheHandler) {
    EXPECT_EQ(errorLine(WindowError(53, "File not found"), "Form load"),
              "Error 53: File not found, Form load");
    EXPECT_EQ(
        errorLine(ProfileError("GetINI", "Cannot read from INI File.", "denied", 13), "Roll click"),
        "Error 13: Cannot read from INI File., Roll click");
    EXPECT_EQ(errorLine(std::runtime_error("boom"), "Timer1"), "Error: boom, Timer1");
}

} // namespace
} // namespace brisvane
