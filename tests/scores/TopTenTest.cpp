#include "scores/TopTen.h"

#include "settings/MemoryProfile.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>
#include <vector>

namespace brisvane {
namespace {

using testing::FakeDialogs;
using testing::FakeTexts;

class TopTenTest : public ::testing::Test {
  protected:
    TopTenTest() { texts.texts = {{"h1", "Click to send"}, {"b1", "Brisvane"}, {"b7", "Clear?"}}; }

    void store(int place, const std::string& points, const std::string& name,
               const std::string& key) {
        const std::string n = std::to_string(place);
        profile.SetINI("Highscore", "p" + n, points, ini);
        profile.SetINI("Highscore", "n" + n, name, ini);
        profile.SetINI("Highscore", "k" + n, key, ini);
        profile.SetINI("Highscore", "d" + n, "202", ini);
    }
    void storeTen() {
        for (int i = 1; i <= 10; ++i) {
            store(i, std::to_string(300 - 10 * i), "P" + std::to_string(i), "123");
        }
    }
    void helpTexts(const std::string& value) {
        profile.SetINI("Options", "ShowHelpText", value, ini);
    }

    MemoryProfile profile;
    const std::string ini = "Vexa.ini";
    FakeTexts texts;
    FakeDialogs dialogs;
    TopTen topTen{profile, ini, texts};
};

TEST_F(TopTenTest, PlacesShowNumberPointsAndNameWithTheNewPlaceBold) {
    storeTen();
    topTen.NewPlace = 3;
    topTen.UpdatTopp();
    EXPECT_EQ(topTen.Topp(1).caption, "1. 290 P1");
    EXPECT_EQ(topTen.Topp(10).caption, "10. 200 P10");
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(topTen.Topp(i).bold, i == 3) << i;
    }
    // The bold place survives the redraw of the next new game.
    topTen.UpdatTopp();
    EXPECT_TRUE(topTen.Topp(3).bold);
    EXPECT_EQ(TopTen::labelName(1), "Topp01");
    EXPECT_EQ(TopTen::labelName(10), "Topp10");
}

TEST_F(TopTenTest, APlaceWithoutNameOrKeyKeepsItsCaption) {
    storeTen();
    topTen.UpdatTopp();
    store(2, "500", "", "999");
    store(4, "500", "Eve", "");
    store(5, "", "Eve", "999");
    topTen.UpdatTopp();
    EXPECT_EQ(topTen.Topp(2).caption, "2. 280 P2");
    EXPECT_EQ(topTen.Topp(4).caption, "4. 260 P4");
    EXPECT_EQ(topTen.Topp(5).caption, "5. 250 P5");
}

TEST_F(TopTenTest, HelpTextsGiveToolTipAndHandAndHideEmptyPlaces) {
    storeTen();
    store(9, "0", "", "");
    store(10, "0", "", "");
    helpTexts("Yes");
    topTen.UpdatTopp();
    EXPECT_EQ(topTen.Topp(1).toolTip, " Click to send  (290 p) ");
    EXPECT_TRUE(topTen.Topp(1).handCursor);
    EXPECT_TRUE(topTen.Topp(8).visible);
    EXPECT_FALSE(topTen.Topp(9).visible);
    EXPECT_EQ(topTen.Topp(9).toolTip, "");
    EXPECT_FALSE(topTen.Topp(10).visible);

    // Any other value than exactly "Yes" empties the tool tips and leaves empty places as
    // they are.
    for (const std::string value : {"yes", "No", ""}) {
        helpTexts(value);
        topTen.Topp(9).visible = true;
        topTen.UpdatTopp();
        EXPECT_EQ(topTen.Topp(1).toolTip, "") << value;
        EXPECT_TRUE(topTen.Topp(9).visible) << value;
        EXPECT_FALSE(topTen.Topp(10).visible) << value;
    }
}

TEST_F(TopTenTest, ClickingAPlaceSelectsItAndStartsTheSubmission) {
    std::vector<int> sent;
    topTen.SendX = [&] { sent.push_back(topTen.SelectedPlace); };
    topTen.ToppClick(4);
    topTen.ToppClick(10);
    topTen.ToppClick(11);
    EXPECT_EQ(sent, (std::vector<int>{4, 10}));
    EXPECT_EQ(topTen.SelectedPlace, 10);
}

TEST_F(TopTenTest, ClearingAsksWithNoAsDefaultAndKeepsBestEverAndName) {
    storeTen();
    profile.SetINI("Highscore", "alltime", "512", ini);
    profile.SetINI("Highscore", "name", "Anna", ini);
    topTen.UpdatTopp();
    std::vector<std::string> log;
    const auto writeLog = [&](const std::string& line) { log.push_back(line); };

    dialogs.yesNoAnswers = {false};
    EXPECT_FALSE(topTen.ClearHighscore(dialogs, writeLog));
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].question, "Clear?");
    EXPECT_EQ(dialogs.questions[0].title, "Brisvane");
    EXPECT_EQ(dialogs.questions[0].defaultButton, DefaultButton::No);
    EXPECT_EQ(profile.GetINI("Highscore", "p1", ini), "290");
    EXPECT_TRUE(log.empty());

    dialogs.yesNoAnswers = {true};
    EXPECT_TRUE(topTen.ClearHighscore(dialogs, writeLog));
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(profile.GetINI("Highscore", "p" + n, ini), "0");
        for (const char* field : {"n", "k", "d"}) {
            EXPECT_EQ(profile.GetINI("Highscore", field + n, ini), "");
        }
        EXPECT_EQ(topTen.Topp(i).caption, "");
        EXPECT_FALSE(topTen.Topp(i).visible);
    }
    EXPECT_EQ(profile.GetINI("Highscore", "alltime", ini), "512");
    EXPECT_EQ(profile.GetINI("Highscore", "name", ini), "Anna");
    EXPECT_EQ(log, std::vector<std::string>{"Clear highscore"});
}

TEST_F(TopTenTest, AGameEnteredAfterClearingIsShownAlsoWithHelpTextsOff) {
    storeTen();
    dialogs.yesNoAnswers = {true};
    topTen.ClearHighscore(dialogs, [](const std::string&) {});
    store(1, "150", "Bo", "123");
    topTen.UpdatTopp();
    EXPECT_TRUE(topTen.Topp(1).visible);
    EXPECT_EQ(topTen.Topp(1).caption, "1. 150 Bo");
    EXPECT_FALSE(topTen.Topp(2).visible);
}

} // namespace
} // namespace brisvane
