#include "scores/TopTen.h"

#include "settings/MemoryProfile.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>
#include <vector>

namespace brisvane {
namespace {

// Places 1..8 hold 290 down to 220 points, 9 and 10 are empty.
class TopTenTest : public ::testing::Test {
protected:
    TopTenTest() {
        texts.texts = {{"h1", "Click to send"}, {"b1", "Brisvane"}, {"b7", "Clear?"}};
        for (int i = 1; i <= 10; ++i) {
            store(i, i < 9 ? std::to_string(300 - 10 * i) : "0", "P" + std::to_string(i));
        }
    }
    void store(int place, const std::string& points, const std::string& name) {
        const std::string n = std::to_string(place);
        profile.SetINI("Highscore", "p" + n, points, "V");
        profile.SetINI("Highscore", "n" + n, name, "V");
        profile.SetINI("Highscore", "k" + n, name.empty() ? "" : "123", "V");
    }

    MemoryProfile profile;
    testing::FakeTexts texts;
    TopTen topTen{profile, "V", texts};
};

TEST_F(TopTenTest, PlacesShowNumberPointsAndNameWithTheNewPlaceBoldAndHelpTexts) {
    topTen.NewPlace = 3;
    topTen.UpdatTopp();
    EXPECT_EQ(topTen.Topp(1).caption, "1. 290 P1");
    EXPECT_EQ(topTen.Topp(10).caption, "10. 0 P10");
    EXPECT_TRUE(topTen.Topp(3).bold);
    store(2, "500", ""); // a place without name or key keeps its caption
    store(4, "400", "Lo");
    profile.SetINI("Highscore", "k4", "", "V");
    topTen.UpdatTopp();
    EXPECT_EQ(topTen.Topp(2).caption, "2. 280 P2");
    EXPECT_EQ(topTen.Topp(4).caption, "4. 260 P4") << "nor one without its entry key";
    EXPECT_EQ(topTen.Topp(3).foreColor, colour::Yellow) << "the new place stands out";
    EXPECT_EQ(topTen.Topp(4).foreColor, TopTen::PlaceColour);

    // Help texts give tool tips and the hand and hide empty places (only an exact "Yes" turns
    // them on: the language texts' test).
    profile.SetINI("Options", "ShowHelpText", "Yes", "V");
    topTen.UpdatTopp();
    EXPECT_EQ(topTen.Topp(1).toolTip, " Click to send  (290 p) ");
    EXPECT_TRUE(topTen.Topp(1).handCursor);
    EXPECT_TRUE(topTen.Topp(8).visible);
    EXPECT_FALSE(topTen.Topp(9).visible);
}

TEST_F(TopTenTest, ClearingAsksWithNoAsDefaultAndKeepsBestEverAndName) {
    profile.SetINI("Highscore", "alltime", "512", "V");
    topTen.UpdatTopp();
    testing::FakeDialogs dialogs;
    std::vector<std::string> log;
    const auto writeLog = [&](const std::string& line) { log.push_back(line); };
    dialogs.yesNoAnswers = {false, true};
    EXPECT_FALSE(topTen.ClearHighscore(dialogs, writeLog));
    EXPECT_EQ(dialogs.questions[0].question, "Clear?");
    EXPECT_EQ(dialogs.questions[0].defaultButton, DefaultButton::No);
    EXPECT_EQ(profile.GetINI("Highscore", "p1", "V"), "290");

    EXPECT_TRUE(topTen.ClearHighscore(dialogs, writeLog));
    EXPECT_EQ(profile.GetINI("Highscore", "p1", "V") + profile.GetINI("Highscore", "n1", "V") +
                  profile.GetINI("Highscore", "k10", "V"),
              "0");
    EXPECT_FALSE(topTen.Topp(1).visible);
    EXPECT_EQ(profile.GetINI("Highscore", "alltime", "V"), "512");
    EXPECT_EQ(log, std::vector<std::string>{"Clear highscore"});

    store(1, "150", "Bo"); // entered after clearing: shown, also with help texts off
    topTen.UpdatTopp();
    EXPECT_TRUE(topTen.Topp(1).visible);
    EXPECT_EQ(topTen.Topp(1).caption, "1. 150 Bo");
}

} // namespace
} // namespace brisvane
