#include "scores/ResultRecorder.h"

#include "game/GameFixture.h"
#include "scores/EntryKey.h"
#include "scores/GameEnd.h"
#include "settings/FileProfile.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace brisvane::testing {
namespace {

TEST(EntryKey, KeysOfTheKnownGamesAndADigitOneToNineSeededFromTheTimeOfDay) {
    // (Keys with R = 5, one with a negative digit: the stored keys below, the service's check.)
    EXPECT_EQ(dateNumber({2011, 12, 1, 0, 0, 0, 0}), 1112);
    EXPECT_EQ(entryKey(9, 287, 202, 700), "96149788703");

    FakeClock clock;
    FakeRandom random;
    random.script = {0.0, 0.999999};
    EXPECT_EQ(drawKeyDigit(random, clock), 1);
    EXPECT_EQ(drawKeyDigit(random, clock), 9);
    EXPECT_EQ(random.seeds.back(), 37 * 60 + 41);
}

TEST(ResultRecorder, PlayTimesAndNamesAreWrittenAsTheTableShowsThem) {
    EXPECT_EQ(ResultRecorder::timeText(9) + " " + ResultRecorder::timeText(32767), "0:09 546:07");
    EXPECT_EQ(ResultRecorder::cleanName("Åsa Öberg-Ärlig från Gävle"), "Åsa Öberg-Ärlig från");
    EXPECT_EQ(ResultRecorder::cleanName("Anna\n[Options]"), "Anna [Options]");
}

class ResultRecorderTest : public GameFixture {
protected:
    ResultRecorderTest() {
        texts.texts.insert({{"b3", "Highscore"}, {"b4", "Your name:"}, {"b5", "Final score:"}});
        random.fallback = 0.5; // R = 5 once the dice have used up the scripted draws
        hooks.onEndOfGame = [this](GameModel& g) { recordFinishedGame(recorder, g); };
    }
    // The places of the top ten, stored after eleven games.
    void storePlaces(const std::vector<int>& points) {
        for (std::size_t i = 1; i <= points.size(); ++i) {
            const std::string n = std::to_string(i);
            profile.SetINI("Highscore", "p" + n, std::to_string(points[i - 1]), Ini);
            profile.SetINI("Highscore", "n" + n, "was " + n, Ini);
            profile.SetINI("Highscore", "k" + n, "1" + n, Ini);
        }
        profile.SetINI("Session", "total", "11", Ini);
    }
    std::string stored(const std::string& key) { return profile.GetINI("Highscore", key, Ini); }
    // The end-of-game timer: key, then recording.
    void finish(int totalScore, int playSeconds) {
        recorder.GeKey(totalScore);
        recorder.KollaScore({.TotalScore = totalScore,
                             .PlaySeconds = playSeconds,
                             .stopTimerPlay = [this] { events.push_back("TimerPlay off"); },
                             .Restart = [this] { events.push_back("Restart"); }});
    }

    std::vector<std::string> events;
    TopTen topTen{profile, Ini, texts};
    ResultRecorder recorder{RecorderWiring{
        .profile = profile,
        .iniFile = Ini,
        .texts = texts,
        .dialogs = dialogs,
        .clock = clock,
        .random = random,
        .topTen = topTen,
        .sndA = [this](int n) { events.push_back("sound " + std::to_string(n)); },
        .writeLog = [this](const std::string& line) { events.push_back("log " + line); },
        .locale = &locale,
        .keepInHistory =
            [this](const PlayedGame& g) {
                kept.push_back(g);
                return historyOutcome;
            },
    }};
    std::vector<PlayedGame> kept;
    GameHistory::Outcome historyOutcome{true, "", ""};
};

TEST_F(ResultRecorderTest, AGameFinishedAtTheWindowIsRecordedAndTheNextOneSetUp) {
    start();
    for (const char* key : {"alltime", "p1", "p10"}) {
        profile.SetINI("Highscore", key, "abc", Ini); // garbled numbers count as 0
    }
    profile.SetINI("Highscore", "name", "Bo", Ini);
    dialogs.inputAnswers = {std::nullopt}; // the name prompt cancelled
    roll({6, 6, 6, 6, 5, 5});
    for (int second = 0; second < 65; ++second) {
        game.tickTimerPlay();
    }
    game.clickCategory(category::Chance);
    game.clickCommand1(); // the next roll is the last
    place(category::Sixes, {6, 6, 1, 2, 3, 4});
    game.tickTimerEnd();
    EXPECT_EQ(events.back(), "log Session 1: Score: 46, time: 1:05. New highscore, place 1 "
                             "\"Anonymous\"");
    EXPECT_EQ(stored("k1") + " " + stored("name") + " " + stored("alltime") + " " + stored("p2"),
              "58999792707 Anonymous 46 0");
    EXPECT_FALSE(game.TimerPlay.enabled);
    EXPECT_EQ(s().RollsLeft, 60) << "the next game is set up";
    EXPECT_EQ(profile.GetINI("Session", "total", Ini), "1");
    ASSERT_EQ(kept.size(), 1u) << "the game is in the history";
    EXPECT_EQ(kept[0].points, 46);
    EXPECT_EQ(kept[0].playSeconds, 65);
    EXPECT_EQ((*kept[0].scores)[category::Chance - 1], 34);
    EXPECT_EQ((*kept[0].scores)[category::Sixes - 1], 12);
    EXPECT_EQ(kept[0].bonus, 0);
    EXPECT_EQ(kept[0].ended.year, clock.current.year);
}

TEST_F(ResultRecorderTest, AGameThatEntersIsKeyedNamedLoggedShownAndFollowedByANewGame) {
    storePlaces({400, 300, 200, 190, 180, 170, 160, 150, 140, 130});
    profile.SetINI("Highscore", "alltime", "400", Ini);
    profile.SetINI("Highscore", "name", "Bo", Ini);
    dialogs.inputAnswers = {"Anna"};

    finish(287, 845);

    EXPECT_EQ(events, (std::vector<std::string>{
                          "TimerPlay off", "sound 105", "sound 6",
                          "log Session 12: Score: 287, time: 14:05. New highscore, place 3 "
                          "\"Anna\"",
                          "Restart"}));
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].title + " " + dialogs.inputs[0].prompt, "Highscore Your name:");
    EXPECT_EQ(dialogs.inputs[0].preset, "Bo") << "the last name entered";
    EXPECT_EQ(dialogs.messages[0].title + " " + dialogs.messages[0].text,
              "Brisvane Final score: 287 p");
    EXPECT_EQ(stored("p3") + " " + stored("n3") + " " + stored("k3") + " " + stored("d3"),
              "287 Anna 56589792707 202");
    EXPECT_EQ(stored("n4") + " " + stored("k4"), "was 3 13");
    EXPECT_EQ(stored("p10") + " " + stored("name") + " " + stored("alltime"), "140 Anna 400");
    EXPECT_TRUE(topTen.Topp(3).bold);
}

// A game played with advice counts and is logged, but takes no place and no best ever; the
// review goes into the log line (with a point) and the final box (in the desktop's figures).
TEST_F(ResultRecorderTest, AnAdvisedGameStaysOutOfTheTableAndTheReviewIsLoggedAndShown) {
    storePlaces({400, 300, 200, 190, 180, 170, 160, 150, 140, 130});
    profile.SetINI("Highscore", "alltime", "400", Ini);
    texts.texts.insert({{"s36", "Expected at the start"}, {"s38", "Luck"}}); // s37, s39 absent
    locale.separator = ",";

    FinishedGame finished{
        .TotalScore = 987, .PlaySeconds = 845, .stopTimerPlay = [] {}, .Restart = [] {}};
    finished.advised = true;
    finished.review = GameReview{508.06, 12.34, 491.28};
    topTen.NewPlace = 2; // the last game's place, bold until a game that takes none
    recorder.GeKey(987);
    recorder.KollaScore(finished);

    EXPECT_TRUE(dialogs.inputs.empty()) << "no name is asked";
    EXPECT_EQ(stored("p1") + " " + stored("alltime"), "400 400");
    EXPECT_EQ(profile.GetINI("Session", "total", Ini), "12");
    EXPECT_EQ(events.back(), "log Session 12: Score: 987, time: 14:05. Review: expected 508.1, "
                             "choices cost 12.3, luck 491.3 (advised)");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Final score: 987 p\n\nExpected at the start: 508,1 p\nYour choices cost: 12,3 p\n"
              "Luck: 491,3 p\n\nPlayed with advice: this game does not enter the top ten.");
    EXPECT_EQ(topTen.NewPlace, 0);

    // The same game played alone takes its place and keeps the review, without the mark.
    events.clear();
    dialogs.inputAnswers = {"Anna"};
    finished.advised = false;
    recorder.GeKey(987);
    recorder.KollaScore(finished);
    EXPECT_EQ(stored("p1") + " " + stored("n1") + " " + stored("alltime"), "987 Anna 987");
    EXPECT_EQ(events.back(), "log Session 13: Score: 987, time: 14:05. New highscore, place 1 "
                             "\"Anna\". Review: expected 508.1, choices cost 12.3, luck 491.3");
    // With its review still to come, the box says where it follows.
    finished.review.reset();
    finished.reviewPending = true;
    recorder.GeKey(987);
    recorder.KollaScore(finished);
    EXPECT_EQ(dialogs.messages.back().text, "Final score: 987 p\n\nThe review of this game "
                                            "follows in the statistics as soon as the advisor "
                                            "is done.");
    EXPECT_EQ(events.back(), "log Session 14: Score: 987, time: 14:05. New highscore, place 2 "
                             "\"Anonymous\"");
}

// A settings file that cannot be written loses the result: the player hears so once, with the
// reason, and the log does not claim a new highscore.
TEST_F(ResultRecorderTest, AResultThatCannotBeSavedIsReportedAndNotLoggedAsSaved) {
    storePlaces({400, 300, 200, 190, 180, 170, 160, 150, 140, 130});
    profile.setReadOnly(true);
    dialogs.inputAnswers = {"Zoe"};
    finish(287, 845);
    EXPECT_EQ(events[3], "log Session 12: Score: 287, time: 14:05. Not saved: Read-only file system");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, recorder.notSavedText("Read-only file system"));
    EXPECT_EQ(stored("n3"), "was 3");
    EXPECT_EQ(topTen.NewPlace, 0) << "no place shown as new";
}

// A history that cannot take the game is told and logged like the settings file, in the same
// one box; the top ten is recorded as before. A damaged history set aside is told too.
TEST_F(ResultRecorderTest, AGameTheHistoryCannotTakeIsReportedAndTheTopTenStillRecorded) {
    storePlaces({400, 300, 200, 190, 180, 170, 160, 150, 140, 130});
    historyOutcome = {false, "disk I/O error", "History-damaged-1.db"};
    dialogs.inputAnswers = {"Zoe"};
    finish(287, 845);
    EXPECT_EQ(stored("n3") + " " + stored("p3"), "Zoe 287");
    EXPECT_EQ(events[3], "log Session 12: Score: 287, time: 14:05. New highscore, place 3 "
                         "\"Zoe\". Damaged history set aside as History-damaged-1.db. Not in "
                         "the history: disk I/O error");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              ResultRecorder::historySetAsideText(texts, "History-damaged-1.db") + "\n\n" +
                  ResultRecorder::notInHistoryText(texts, "disk I/O error"));
}

// Two copies of the game on one settings file: the second records a game while the first
// shows its name box, and neither result is lost.
TEST(ResultRecorderTwoCopies, AResultRecordedWhileTheNameBoxIsOpenStays) {
    TempFolder folder;
    const std::string ini = folder.write(
        "Vexa.ini", "[Highscore]\nalltime=174\np1=174\nn1=Al\nk1=1\n[Session]\ntotal=5\n");
    struct Copy {
        explicit Copy(const std::string& ini)
            : topTen(profile, ini, texts),
              recorder(RecorderWiring{.profile = profile,
                                      .iniFile = ini,
                                      .texts = texts,
                                      .dialogs = dialogs,
                                      .clock = clock,
                                      .random = random,
                                      .topTen = topTen,
                                      .sndA = [](int) {},
                                      .writeLog = [](const std::string&) {},
                                      .keepInHistory = [](const PlayedGame&) {
                                          return GameHistory::Outcome{true, "", ""};
                                      }}) {}
        void record(int points, const std::string& name) {
            dialogs.inputAnswers = {name};
            recorder.GeKey(points);
            recorder.KollaScore({.TotalScore = points, .stopTimerPlay = [] {}, .Restart = [] {}});
        }
        FileProfile profile;
        FakeTexts texts;
        FakeDialogs dialogs;
        FakeClock clock;
        FakeRandom random;
        TopTen topTen;
        ResultRecorder recorder;
    };
    Copy a(ini);
    Copy b(ini);
    a.dialogs.whileAsking = [&b] { b.record(194, "Bo"); };
    a.record(180, "Ann");

    FileProfile profile;
    std::string places;
    for (const char* key : {"p1", "n1", "p2", "n2", "p3", "n3", "alltime"}) {
        places += profile.GetINI("Highscore", key, ini) + "|";
    }
    EXPECT_EQ(places, "194|Bo|180|Ann|174|Al|194|");
    EXPECT_EQ(profile.GetINI("Session", "total", ini), "7");
    EXPECT_EQ(a.topTen.NewPlace, 2);
}

TEST_F(ResultRecorderTest, AStreamOfGamesKeepsTheBestTenInOrderAskingOnlyThoseThatEnter) {
    storePlaces({10, 20, 30, 40, 50, 60, 70, 80, 90, 100}); // a hand-edited list out of order
    std::mt19937 generator(20020222);
    std::uniform_int_distribution<int> score(0, 700);
    std::vector<std::pair<int, std::string>> games;
    for (int i = 0; i < 300; ++i) {
        games.emplace_back(score(generator), "G" + std::to_string(i));
        dialogs.inputAnswers = {games.back().second};
        finish(games.back().first, 100);
        dialogs.inputAnswers.clear();
    }
    // The best ten; among equal scores the earlier game stays above.
    std::stable_sort(games.begin(), games.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (int i = 1; i <= 10; ++i) {
        const auto& [points, name] = games[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(stored("p" + std::to_string(i)), std::to_string(points)) << i;
        EXPECT_EQ(stored("n" + std::to_string(i)), name) << i;
    }
    // Only the games that enter are asked for a name, hear the fanfare and say so in the log.
    const auto entered = std::count_if(events.begin(), events.end(), [](const std::string& e) {
        return e.find("New highscore") != std::string::npos;
    });
    EXPECT_EQ(static_cast<std::size_t>(entered), dialogs.inputs.size());
    EXPECT_EQ(std::count(events.begin(), events.end(), "sound 105"), entered);
}

} // namespace
} // namespace brisvane::testing
