// The statistics window's figures for a small history worked out by hand.
#include "program/StatisticsWindow.h"

#include <gtest/gtest.h>

#include "advisor/Review.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane::testing {
namespace {

// Four games: Feb 10 (210, no bonus or Yatzy, reviewed), Mar 1 (260, taken in from the log),
// Mar 5 (305, bonus and Yatzy, reviewed), Mar 9 (340, Yatzy, not reviewed); today is Mar 20.
class StatisticsWindowTest : public ::testing::Test {
protected:
    StatisticsWindowTest() {
        clock.current = {2024, 3, 20, 12, 0, 0};
        folder.write("Vexa.log", "2024-03-01 10:00:00  Session 1: Score: 260, time: 10:00.\r\n");
        add({2024, 2, 10, 20, 15, 7}, 210, 0, 0, GameReview{500, 20, -270});
        add({2024, 3, 5, 9, 0, 0}, 305, 100, 100, GameReview{500, 10, -185});
        add({2024, 3, 9, 9, 0, 0}, 340, 0, 100, std::nullopt);
        texts.texts = {{"c1", "  Ones"}, {"s45", "Points a game"}};
        locale.separator = ",";
    }
    void add(DateTime ended, int points, int bonus, int yatzy, std::optional<GameReview> review) {
        PlayedGame g;
        g.ended = ended;
        g.points = points;
        g.bonus = bonus;
        g.scores.emplace();
        (*g.scores)[0] = points == 210 ? 3 : 4; // Ones
        (*g.scores)[CategoryCount - 1] = yatzy;
        g.review = review;
        g.language = "Eng\"lish";
        g.record = "roll 1 2 3 4 5 " + std::to_string(points % 6 + 1) + "\n";
        ASSERT_TRUE(history.add(g).ok);
    }
    static std::vector<double> y(const Chart& chart, std::size_t series) {
        return chart.series.at(series).y;
    }

    TempFolder folder;
    GameHistory history{folder.file("History.db"), folder.file("Vexa.log")};
    FakeTexts texts;
    FakeLocale locale;
    FakeClock clock;
    FakeDialogs dialogs;
    // The advisor's answer to a replay: ready with `review`, or not yet.
    Replay replay{Replay::State::Preparing, {}, ""};
    std::vector<std::string> replayed;
    StatisticsWindow window{{history, texts, locale, clock, dialogs, "Brisvane",
                             [this](const std::string& record) {
                                 replayed.push_back(record);
                                 return replay;
                             }}};
};

TEST_F(StatisticsWindowTest, TheChartsOfAKnownHistoryShowItsFiguresForEachPeriod) {
    window.Load();
    window.choosePeriod(Period::All);
    EXPECT_EQ(window.chtPoints.title, "Points a game");
    EXPECT_EQ(y(window.chtPoints, 0), (std::vector<double>{210, 260, 305, 340}));
    const std::vector<double> average = y(window.chtPoints, 1);
    ASSERT_EQ(average.size(), 4u);
    EXPECT_DOUBLE_EQ(average[2], 775.0 / 3);
    EXPECT_DOUBLE_EQ(average[3], 278.75);
    EXPECT_EQ(window.chtPoints.series[2].x, std::vector<double>{4}) << "the best ever marked";
    EXPECT_EQ(window.chtPoints.note, "Best ever: 340 on 2024-03-09");

    EXPECT_EQ(window.chtHistogram.categories,
              (std::vector<std::string>{"200-249", "250-299", "300-349"}));
    EXPECT_EQ(y(window.chtHistogram, 0), (std::vector<double>{1, 1, 2}));
    EXPECT_EQ(window.chtHistogram.note,
              "Your mean 278,8, median 282,5; the advisor's mean 500,0");
    EXPECT_EQ(window.chtHistogram.summary,
              "4 games in steps of 50 points, most often 300-349 (2 games). " +
                  window.chtHistogram.note + ".");

    // Category scores of the three played games; the log's game has none.
    EXPECT_EQ(window.chtCategories.categories.front(), "Ones");
    EXPECT_DOUBLE_EQ(y(window.chtCategories, 0).front(), 11.0 / 3);
    EXPECT_DOUBLE_EQ(y(window.chtFilled, 0).back(), 200.0 / 3);
    EXPECT_EQ(window.lblRates.caption, "Bonus in 33 % of games, Yatzy in 67 %");
    // Luck and cost over the two reviewed games, at the places of those games.
    EXPECT_EQ(window.chtLuck.series[0].x, (std::vector<double>{1, 3}));
    EXPECT_EQ(y(window.chtLuck, 0), (std::vector<double>{-270, -227.5}));
    EXPECT_EQ(y(window.chtLuck, 1), (std::vector<double>{20, 15}));

    ASSERT_EQ(window.gameCount(), 4u);
    EXPECT_EQ(window.gameRow(0).date + " " + window.gameRow(0).points, "2024-03-09 09:00 340");
    EXPECT_EQ(window.gameRow(1).cost + " " + window.gameRow(1).luck, "10,0 -185,0");
    EXPECT_EQ(window.gameRow(2).cost, "") << "the log's game has no review";

    window.choosePeriod(Period::ThisMonth);
    EXPECT_EQ(y(window.chtPoints, 0), (std::vector<double>{260, 305, 340}));
    EXPECT_TRUE(window.chtPoints.series[2].x == std::vector<double>{3});
    EXPECT_EQ(window.lblRates.caption, "Bonus in 50 % of games, Yatzy in 100 %");
    EXPECT_TRUE(window.optMonth.bold && !window.optAll.bold);

    clock.current.year = 2025; // a month without games
    window.choosePeriod(Period::ThisMonth);
    EXPECT_TRUE(window.lblEmpty.visible);
    EXPECT_TRUE(window.gameCount() == 0 && !window.cmdExport.enabled);
}

// The export writes the games of the list, oldest first, with every figure; a place that
// cannot be written is said, not passed over.
TEST_F(StatisticsWindowTest, TheListIsExportedAsCsvAndAFailedWriteIsReported) {
    window.Load();
    window.choosePeriod(Period::ThisMonth);
    dialogs.fileAnswers = {folder.file("games.csv"), folder.file("no/such/folder/games.csv")};
    window.clickExport();
    const std::string csv = folder.read("games.csv");
    EXPECT_EQ(csv, window.csv());
    const std::size_t firstLine = csv.find('\n');
    EXPECT_EQ(csv.substr(0, 40), "ended,points,play_seconds,bonus,advised,");
    EXPECT_EQ(csv.substr(firstLine + 1, csv.find('\n', firstLine + 1) - firstLine - 1),
              "2024-03-01 10:00:00,260,600,,0,\"\"" + std::string(23, ',')) // 29 fields
        << "no figure of the log's game is made up";
    EXPECT_NE(csv.find("2024-03-05 09:00:00,305,0,100,0,\"Eng\"\"lish\",500.0,10.0,-185.0,4,0,"),
              std::string::npos);
    window.clickExport();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("The games could not be written to ", 0), 0u);
}

// A chosen game is replayed when the advisor has it: meanwhile the window says what it waits
// for and asks again when told; a game without a record, or an advisor that cannot be had,
// is said.
TEST_F(StatisticsWindowTest, AChosenGameSaysWhatItsReplayWaitsForAndAsksAgainWhenTold) {
    window.Load();
    window.choosePeriod(Period::All);
    EXPECT_EQ(window.lblReplay.caption, "Choose a game in the list to see its costliest choices.");
    window.chooseGame(2); // the log's game
    EXPECT_TRUE(replayed.empty());
    EXPECT_EQ(window.lblReplay.caption.rfind("This game has no record", 0), 0u);

    window.chooseGame(1); // the 305 of March 5
    EXPECT_EQ(replayed, std::vector<std::string>{"roll 1 2 3 4 5 6\n"});
    EXPECT_EQ(window.lblReplay.caption.rfind("The advisor is getting ready (0 %)", 0), 0u);
    replay.percent = 40;
    window.replayChanged();
    EXPECT_EQ(window.lblReplay.caption.rfind("The advisor is getting ready (40 %)", 0), 0u);
    replay.state = Replay::State::Reviewing;
    window.replayChanged();
    EXPECT_EQ(window.lblReplay.caption, "The advisor is replaying this game...");
    replay = {Replay::State::Refused, {}, "line 2: no roll is left"};
    window.replayChanged();
    EXPECT_EQ(window.lblReplay.caption,
              "The record of this game cannot be replayed (line 2: no roll is left).");
    window.replayChanged(); // a final answer is not asked again
    EXPECT_EQ(replayed.size(), 4u);

    replay = {Replay::State::Unavailable, {}, "No space left on device"};
    window.chooseGame(0);
    EXPECT_EQ(window.lblReplay.caption,
              "The advisor is not available.\nNo space left on device");
    EXPECT_TRUE(window.choiceLines.empty());
}

// A game of Chance alone over three rolls, where the advisor's values are known by hand: a die
// rolled with one roll left is worth 3.5, with two 4.25 (kept at 4.25 or more: 5 and 6); the
// start is worth 6 x 28/6 = 28. The player kept 4 4 5 6 (27.5 against 28 for rolling the 4s
// too) and filled 25 where rolling 3 3 again was worth 26.
TEST_F(StatisticsWindowTest, AReplayedGameShowsItsCostliestChoicesFirstWithTheirPositions) {
    const std::string record = "roll 1 2 4 4 5 6\nagain 1 2\nroll 3 3 4 4 5 6\nfill Chance\n";
    PlayedGame g;
    g.ended = {2024, 3, 19, 9, 0, 0};
    g.points = 25;
    g.record = record;
    ASSERT_TRUE(history.add(g).ok);
    advisor::Tables chanceOnly(
        advisor::TableLayout{bitOf(category::Chance), bitOf(category::Chance), 3});
    chanceOnly.solve();
    advisor::Advisor advisor(chanceOnly);
    replay = {Replay::State::Reviewed, advisor::review(advisor, advisor::parseRecord(record)), ""};

    window.Load();
    window.chooseGame(0);
    EXPECT_EQ(replayed, std::vector<std::string>{record});
    EXPECT_EQ(window.lblReplay.caption,
              "Expected at the start: 28,0 · Your choices cost: 1,5 · Luck: -1,5");
    EXPECT_EQ(window.choiceLines,
              (std::vector<std::string>{
                  "Dice 3 3 4 4 5 6 (3 3 picked up and rolled again); rolls left: 1; open: Chance\n"
                  "You: fill Chance (25). The advisor: roll again 3 3. Cost: 1,0 points.",
                  "Dice 1 2 4 4 5 6; rolls left: 2; open: Chance\n"
                  "You: roll again 1 2. The advisor: roll again 1 2 4 4. Cost: 0,5 points."}));
}

// An empty history and one that cannot be read say so in the window.
TEST_F(StatisticsWindowTest, NothingToShowIsSaidAndTheReasonOfAnUnreadableHistory) {
    std::filesystem::remove(folder.file("History.db"));
    std::filesystem::create_directory(folder.file("History.db"));
    window.Load();
    EXPECT_TRUE(window.lblEmpty.visible);
    EXPECT_EQ(window.lblEmpty.caption,
              "The history of your games cannot be read (unable to open database file).");
    EXPECT_EQ(window.gameCount(), 0u);
}

} // namespace
} // namespace brisvane::testing
