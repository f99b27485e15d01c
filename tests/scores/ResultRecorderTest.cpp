#include "scores/ResultRecorder.h"

#include "common/Text.h"
#include "scores/EntryKey.h"
#include "settings/MemoryProfile.h"
#include "support/Fakes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace brisvane {
namespace {

using testing::FakeClock;
using testing::FakeDialogs;
using testing::FakeRandom;
using testing::FakeTexts;

// Dialogs that also note the name prompt and the final box in the one list of events, so the
// order of sounds, boxes, log and restart can be checked as a whole.
class OrderedDialogs : public FakeDialogs {
  public:
    explicit OrderedDialogs(std::vector<std::string>& events) : events_(events) {}
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& preset) override {
        events_.push_back("name prompt");
        return FakeDialogs::inputBox(prompt, title, preset);
    }
    void message(const std::string& title, const std::string& text) override {
        events_.push_back("final box");
        FakeDialogs::message(title, text);
    }

  private:
    std::vector<std::string>& events_;
};

class ResultRecorderTest : public ::testing::Test {
  protected:
    ResultRecorderTest() {
        texts.texts = {{"b3", "Highscore"}, {"b4", "Your name:"}, {"b5", "Final score:"}};
        random.fallback = 0.5; // R = 5
    }

    void storePlaces(const std::vector<int>& points) {
        for (std::size_t i = 1; i <= points.size(); ++i) {
            const std::string n = std::to_string(i);
            profile.SetINI("Highscore", "p" + n, std::to_string(points[i - 1]), ini);
            profile.SetINI("Highscore", "n" + n, "was " + n, ini);
            profile.SetINI("Highscore", "k" + n, "1" + n, ini);
            profile.SetINI("Highscore", "d" + n, "201", ini);
        }
    }
    std::string stored(const std::string& key, const std::string& section = "Highscore") {
        return profile.GetINI(section, key, ini);
    }
    // The end-of-game timer: key, then recording.
    void finish(int totalScore, int playSeconds) {
        recorder.GeKey(totalScore);
        recorder.KollaScore({totalScore, playSeconds, [this] { events.push_back("TimerPlay off"); },
                             [this] { events.push_back("Restart"); }});
    }
    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        for (const std::string& event : events) {
            if (event.rfind("log ", 0) == 0) {
                lines.push_back(event.substr(4));
            }
        }
        return lines;
    }

    MemoryProfile profile;
    const std::string ini = "Vexa.ini";
    FakeTexts texts;
    std::vector<std::string> events;
    OrderedDialogs dialogs{events};
    FakeClock clock; // 22 February 2002, 00:37:41
    FakeRandom random;
    TopTen topTen{profile, ini, texts};
    ResultRecorder recorder{RecorderWiring{
        .profile = profile,
        .iniFile = ini,
        .texts = texts,
        .dialogs = dialogs,
        .clock = clock,
        .random = random,
        .topTen = topTen,
        .sndA = [this](int n) { events.push_back("sound " + std::to_string(n)); },
        .writeLog = [this](const std::string& line) { events.push_back("log " + line); },
    }};
};

TEST(EntryKey, KeysOfTheKnownGames) {
    const DateTime february2002{2002, 2, 22, 0, 37, 41, 0};
    EXPECT_EQ(dateNumber(february2002), 202);
    EXPECT_EQ(dateNumber({2011, 12, 1, 0, 0, 0, 0}), 1112);
    EXPECT_EQ(versionNumber("7.0"), 700);
    EXPECT_EQ(entryKey(5, 287, 202, 700), "56589792707");
    EXPECT_EQ(entryKey(5, 1200, 202, 700), "5-2559792707");
    EXPECT_EQ(entryKey(9, 287, 202, 700), "96149788703");
}

TEST(EntryKey, TheKeyDigitIsOneToNineEquallyAndSeededFromTheTimeOfDay) {
    FakeClock clock;
    FakeRandom random;
    // Each ninth of [0, 1) gives its own digit, at both of its ends.
    for (int k = 0; k < 9; ++k) {
        random.script = {k / 9.0, (k + 1) / 9.0 - 1e-9};
        EXPECT_EQ(drawKeyDigit(random, clock), k + 1);
        EXPECT_EQ(drawKeyDigit(random, clock), k + 1);
    }
    // A generator that strays out of range still gives a digit.
    random.script = {1.0, -0.5};
    EXPECT_EQ(drawKeyDigit(random, clock), 9);
    EXPECT_EQ(drawKeyDigit(random, clock), 1);
    EXPECT_EQ(random.seeds.back(), 37 * 60 + 41);
}

TEST(ResultRecorder, PlayTimeIsMinutesAndTwoDigitSeconds) {
    EXPECT_EQ(ResultRecorder::timeText(90), "1:30");
    EXPECT_EQ(ResultRecorder::timeText(9), "0:09");
    EXPECT_EQ(ResultRecorder::timeText(600), "10:00");
    EXPECT_EQ(ResultRecorder::timeText(845), "14:05");
    EXPECT_EQ(ResultRecorder::timeText(0), "0:00");
}

TEST(ResultRecorder, NamesAreCutAtTwentyCharactersAndKeptOnOneLine) {
    const std::string cut = ResultRecorder::cleanName("Åsa Öberg-Ärlig från Gävle");
    EXPECT_EQ(cut, "Åsa Öberg-Ärlig från");
    EXPECT_TRUE(text::isValidUtf8(cut));
    EXPECT_EQ(ResultRecorder::cleanName("Anna\n[Options]"), "Anna [Options]");
    EXPECT_EQ(ResultRecorder::cleanName(std::string()), "Anonymous");
    EXPECT_EQ(ResultRecorder::cleanName(std::nullopt), "Anonymous");
}

TEST_F(ResultRecorderTest, AGameThatEntersIsKeyedNamedLoggedShownAndFollowedByANewGame) {
    storePlaces({400, 300, 200, 190, 180, 170, 160, 150, 140, 130});
    profile.SetINI("Highscore", "alltime", "400", ini);
    profile.SetINI("Highscore", "name", "Bo", ini);
    profile.SetINI("Session", "total", "11", ini);
    dialogs.inputAnswers = {"Anna"};

    finish(287, 845);

    EXPECT_EQ(events, (std::vector<std::string>{
                          "TimerPlay off", "sound 105", "sound 6", "name prompt",
                          "log Session 12: Score: 287, time: 14:05. New highscore, place 3 "
                          "\"Anna\"",
                          "final box", "Restart"}));
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].prompt, "Your name:");
    EXPECT_EQ(dialogs.inputs[0].title, "Highscore");
    EXPECT_EQ(dialogs.inputs[0].preset, "Bo");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Brisvane");
    EXPECT_EQ(dialogs.messages[0].text, "Final score: 287 p");

    EXPECT_EQ(stored("p3"), "287");
    EXPECT_EQ(stored("n3"), "Anna");
    EXPECT_EQ(stored("k3"), "56589792707");
    EXPECT_EQ(stored("d3"), "202");
    EXPECT_EQ(stored("n4"), "was 3");
    EXPECT_EQ(stored("k4"), "13");
    EXPECT_EQ(stored("p10"), "140");
    EXPECT_EQ(stored("name"), "Anna");
    EXPECT_EQ(stored("alltime"), "400");
    EXPECT_EQ(topTen.NewPlace, 3);
    EXPECT_EQ(topTen.Topp(3).caption, "3. 287 Anna");
    EXPECT_TRUE(topTen.Topp(3).bold);
    EXPECT_EQ(recorder.candidateKey(), "");
}

TEST_F(ResultRecorderTest, AGameBelowTheTenthPlaceAsksNothingAndLogsOnlyTheResult) {
    storePlaces({500, 450, 400, 350, 300, 250, 200, 150, 100, 100});
    profile.SetINI("Session", "total", "4", ini);
    topTen.NewPlace = 2;

    finish(100, 9);

    EXPECT_EQ(events,
              (std::vector<std::string>{"TimerPlay off", "log Session 5: Score: 100, time: 0:09",
                                        "final box", "Restart"}));
    EXPECT_EQ(topTen.NewPlace, 0);
    EXPECT_FALSE(topTen.Topp(2).bold);
    EXPECT_EQ(stored("n10"), "was 10");
}

TEST_F(ResultRecorderTest, ACancelledPromptEntersAndRemembersAnonymous) {
    storePlaces(std::vector<int>(10, 0));
    profile.SetINI("Highscore", "name", "Bo", ini);
    dialogs.inputAnswers = {std::nullopt};
    finish(1200, 600);
    EXPECT_EQ(stored("n1"), "Anonymous");
    EXPECT_EQ(stored("k1"), "5-2559792707");
    EXPECT_EQ(stored("name"), "Anonymous");
    EXPECT_EQ(logLines().back(),
              "Session 1: Score: 1200, time: 10:00. New highscore, place 1 \"Anonymous\"");
}

TEST_F(ResultRecorderTest, MissingOrGarbledCountersAndPlacesCountAsZero) {
    for (const std::string garbage : {"", "abc"}) {
        for (const char* key : {"alltime", "p1", "p2", "p10"}) {
            profile.SetINI("Highscore", key, garbage, ini);
        }
        profile.SetINI("Session", "total", garbage, ini);
        dialogs.inputAnswers = {"Cy"};
        events.clear();

        finish(17, 30);

        EXPECT_EQ(
            logLines(),
            std::vector<std::string>{"Session 1: Score: 17, time: 0:30. New highscore, place 1 "
                                     "\"Cy\""})
            << "stored '" << garbage << "'";
        EXPECT_EQ(stored("alltime"), "17");
        EXPECT_EQ(stored("p1"), "17");
        EXPECT_EQ(stored("p2"), "0");
        EXPECT_EQ(stored("p10"), "0");
        EXPECT_EQ(events.back(), "Restart");
    }
}

TEST_F(ResultRecorderTest, AHugeTenthPlaceIsAThresholdNotAFreePass) {
    storePlaces({99000, 90000, 80000, 70000, 60000, 50000, 45000, 42000, 41000, 40000});
    finish(300, 60);
    EXPECT_TRUE(dialogs.inputs.empty());
    EXPECT_EQ(topTen.NewPlace, 0);
    EXPECT_EQ(stored("p10"), "40000");

    profile.SetINI("Highscore", "p10", "99999999999", ini);
    finish(300, 60);
    EXPECT_TRUE(dialogs.inputs.empty());
    EXPECT_EQ(topTen.NewPlace, 0);
}

TEST_F(ResultRecorderTest, AGameThatTakesAPlaceOfAnUnorderedListIsAskedItsName) {
    storePlaces({10, 20, 30, 40, 50, 60, 70, 80, 90, 100});
    profile.SetINI("Highscore", "name", "Bo", ini);
    dialogs.inputAnswers = {"Di"};
    finish(50, 60);
    EXPECT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(stored("p1"), "50");
    EXPECT_EQ(stored("n1"), "Di");
}

TEST_F(ResultRecorderTest, AStreamOfGamesKeepsTheBestTenInOrder) {
    std::mt19937 generator(20020222);
    std::uniform_int_distribution<int> score(0, 700);
    struct Game {
        int points;
        std::string name;
    };
    std::vector<Game> games;
    for (int i = 0; i < 300; ++i) {
        games.push_back({score(generator), "G" + std::to_string(i)});
        dialogs.inputAnswers = {games.back().name};
        finish(games.back().points, 100);
        dialogs.inputAnswers.clear();
    }

    // The best ten; among equal scores the earlier game stays above.
    std::stable_sort(games.begin(), games.end(),
                     [](const Game& a, const Game& b) { return a.points > b.points; });
    for (int i = 1; i <= 10; ++i) {
        const Game& expected = games[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(stored("p" + std::to_string(i)), std::to_string(expected.points)) << i;
        EXPECT_EQ(stored("n" + std::to_string(i)), expected.name) << i;
    }
    EXPECT_EQ(stored("alltime"), std::to_string(games.front().points));

    // A name was asked exactly for the games that entered.
    const std::vector<std::string> lines = logLines();
    const auto entered = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("New highscore") != std::string::npos;
    });
    EXPECT_EQ(static_cast<std::size_t>(entered), dialogs.inputs.size());
    EXPECT_GE(entered, 10);
    EXPECT_EQ(std::count(events.begin(), events.end(), "Restart"), 300);
}

} // namespace
} // namespace brisvane
