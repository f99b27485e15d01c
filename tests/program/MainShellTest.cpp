// The window shell's own decisions, without a window: where a point of the table belongs,
// which background pictures count, where the window goes on the screen, how errors read.
#include <gtest/gtest.h>

#include "common/Profile.h"
#include "program/MainShell.h"

namespace brisvane::shell {
namespace {

TEST(DieZonesTest, OverlapsBelongToBothDiceAndTheTableHasEdges) {
    const struct {
        int x, y;
        std::vector<int> dice;
    } rows[] = {{2130, 3300, {1, 2}}, {920, 3260, {1}}, {7840, 4450, {6}}, {4380, 4000, {3, 4}},
                {919, 4000, {}},      {7841, 4000, {}}, {2000, 3259, {}},  {2000, 4451, {}}};
    for (const auto& row : rows) {
        EXPECT_EQ(diceAt(row.x, row.y), row.dice) << row.x << ", " << row.y;
    }
    for (int x = 920; x <= 7840; ++x) {
        EXPECT_FALSE(diceAt(x, 4000).empty()) << "no gap between the dice at " << x;
    }
}

TEST(BackgroundPictureTest, OnlyLowerCaseJpgAndGifCount) {
    const std::pair<const char*, bool> names[] = {
        {"back.jpg", true},   {"a b.gif", true}, {"back.JPG", false}, {"back.png", false},
        {"back.jpeg", false}, {"jpg", false},    {"", false}};
    for (const auto& [name, counts] : names) {
        EXPECT_EQ(isBackgroundPicture(name), counts) << name;
    }
}

TEST(ScreenKollTest, ASmallDesktopPinsTheWindowAndOnlyALargerOneCentresIt) {
    const struct {
        TwipRect area;
        Placement expected;
    } rows[] = {
        {{0, 0, 12000, 8580}, {0, 0, false}},    // 800 x 600 above a taskbar: no strip to drag
        {{0, 0, 12000, 9000}, {450, 300, true}}, // equal in one dimension: nothing moves
        {{0, 0, 11000, 20000}, {450, 300, true}},
        {{0, 0, 1920 * 15, 1040 * 15}, {8400, 2200, true}}, // centred, a third from the top
        {{0, 27 * 15, 1920 * 15, 1053 * 15}, {8400, 405 + 2265, true}},  // below a top panel
        {{64 * 15, 0, 1856 * 15, 1080 * 15}, {960 + 7920, 2400, true}}}; // beside a left panel
    for (const auto& [area, expected] : rows) {
        const Placement place = screenKoll(area, 450, 300);
        EXPECT_EQ(std::tuple(place.left, place.top, place.stripVisible),
                  std::tuple(expected.left, expected.top, expected.stripVisible))
            << area.left << ", " << area.top << ", " << area.width << " x " << area.height;
    }
}

TEST(KeepBoxesOnAreaTest, TheCloseAndMinimiseBoxesStayWithinReach) {
    const TwipRect area{0, 405, 1920 * 15, 1053 * 15};
    const struct {
        int left, top;
        Point kept;
    } rows[] = {
        {450, 600, {450, 600}},                   // anywhere on the area: as it is
        {-20000, 600, {-11370, 600}},             // the minimise box at the left edge
        {40000, 600, {1920 * 15 - 11925, 600}},   // the close box at the right edge
        {450, -5000, {450, 405 - 60}},            // the boxes' top at the area's top
        {450, 90000, {450, 405 + 1053 * 15 - 315}}};
    for (const auto& row : rows) {
        const Point kept = keepBoxesOnArea(area, row.left, row.top);
        EXPECT_EQ(std::pair(kept.left, kept.top), std::pair(row.kept.left, row.kept.top))
            << row.left << ", " << row.top;
    }
}

TEST(LogoTest, CreditEndsInTheVersion) {
    EXPECT_EQ(logoToolTip("Brisvane, a dice game of six dice and sixty rolls", "7.0", 3),
              " Brisvane, a dice game of six dice and sixty rolls, v. 7.03 ");
}

} // namespace
} // namespace brisvane::shell

namespace brisvane {
namespace {

// (Window errors and others as the game window logs them: its view's test.)
TEST(ErrorLineTest, NamesTheNumberTheTextAndTheHandler) {
    EXPECT_EQ(
        errorLine(ProfileError("GetINI", "Cannot read from INI File.", "denied", 13), "Roll click"),
        "Error 13: Cannot read from INI File., Roll click");
}

} // namespace
} // namespace brisvane
