// The headless tool as scripts use it: its output formats, repeatable games, and a clear
// refusal of bad arguments.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "history/GameHistory.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

const std::string Tool = BRISVANE_BINARY_DIR "/tools/brisvane-sim";

// The exit status and the lines the tool writes; `streams` picks what is captured
// ("2>/dev/null" for stdout, "2>&1 >/dev/null" for stderr).
std::pair<int, std::vector<std::string>> run(const std::string& args,
                                             const std::string& streams = "2>/dev/null") {
    FILE* pipe = popen((Tool + " " + args + " " + streams).c_str(), "r");
    std::string out;
    char buffer[65536];
    for (std::size_t n = 0; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe));) {
        out.append(buffer, n);
    }
    const int raw = pipe == nullptr ? -1 : pclose(pipe);
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, lines};
}

TEST(BrisvaneSim, EvalShowsWhatEachCategoryGivesNowForOneRollOrAllInAscendingOrder) {
    ASSERT_TRUE(std::filesystem::exists(Tool)) << "the test binary depends on the tool";
    const auto [status, out] = run("eval 6 6 6 6 5 5 --closed 18,6 --rolls-left 0");
    EXPECT_EQ(status, 0);
    // Each category's number, name and points; the closed ones give nothing.
    ASSERT_EQ(out.size(), 22u);
    EXPECT_EQ(out[4] + "|" + out[5] + "|" + out[15] + "|" + out[17] + "|" + out[19],
              "5 Fives 10|6 Sixes 0|16 Hut 28|18 Tower 0|20 Yatzy 0");
    EXPECT_EQ(out[20] + "|" + out[21], "any 1|suggest 19");

    const auto [allStatus, all] = run("eval --all --rolls-left 0 --closed 19,1");
    EXPECT_EQ(allStatus, 0);
    ASSERT_EQ(all.size(), 46656u);
    EXPECT_EQ(all[0], "111111 0 0 0 0 0 0 2 0 0 3 4 5 0 0 0 0 0 0 0 100 1 20");
    EXPECT_EQ(all[999], "115454 0 0 0 8 10 0 10 18 20 0 0 0 0 0 0 0 0 0 0 0 1 9");
    EXPECT_EQ(all[46655], "666666 0 0 0 0 0 36 12 0 0 18 24 30 0 0 0 0 0 0 0 100 1 20");
}

TEST(BrisvaneSim, PlayPrintsItsStatisticsAndTheSameSeedPlaysTheSameGames) {
    auto [status, first] = run("play --games 40 --seed 9");
    EXPECT_EQ(status, 0);
    ASSERT_EQ(first.size(), 11u);
    const std::vector<std::string> names = {
        "games",         "mean",       "stdev",           "min",
        "max",           "bonus-rate", "yatzy-rate",      "mean-95",
        "unfilled-rate", "player",     "games-per-second"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(first[i].substr(0, first[i].find(' ')), names[i]);
    }
    EXPECT_EQ(first[0], "games 40");
    EXPECT_EQ(first[9], "player hint");
    first.pop_back(); // the only line that depends on the machine
    auto again = run("play --games 40 --seed 9").second;
    again.pop_back();
    EXPECT_EQ(again, first);
    EXPECT_NE(run("play --games 40 --seed 10").second[1], first[1]);
}

TEST(BrisvaneSim, BadArgumentsGetOneUsageLineAndStatusTwo) {
    for (const char* args : {"",
                             "frobnicate",
                             "eval 1 2 3 4 5",
                             "eval 1 2 3 4 5 7",
                             "eval --all 1",
                             "eval 1 2 3 4 5 6 --closed 21",
                             "eval 1 2 3 4 5 6 --closed 3,",
                             "eval --all --rolls-left 61",
                             "eval --all --rolls-left",
                             "play",
                             "play --games x",
                             "play --games 5 --fast",
                             "play --games 5 --player wizard",
                             "play --games 5 --tables",
                             "exact extra",
                             "advise 1 2 3 4 5",
                             "advise 1 2 3 4 5 6 --upper",
                             "advise --rolls-left 61",
                             "advise --joined 1",
                             "values --states 0",
                             "values --playouts",
                             "values --games 5",
                             "review",
                             "review a b",
                             "history",
                             "history a --record",
                             "history a --record x"}) {
        const auto [status, out] = run(args);
        EXPECT_EQ(status, 2) << args;
        EXPECT_TRUE(out.empty()) << args;
        const auto err = run(args, "2>&1 >/dev/null").second;
        ASSERT_EQ(err.size(), 1u) << args;
        EXPECT_EQ(err[0].rfind("usage: brisvane-sim", 0), 0u) << args;
    }
}

// A mistake in what the advice or a review is given is said before the tables are made.
TEST(BrisvaneSim, AdviseAndReviewRefuseMistakesBeforeTheyNeedTheTables) {
    using Run = std::pair<int, std::vector<std::string>>;
    testing::TempFolder folder;
    const std::string tables = " --tables " + (folder.path() / "tables").string();
    EXPECT_EQ(
        run("advise 1 2 3 4 5 6" + tables, "2>&1 >/dev/null"),
        (Run{2, {"brisvane-sim: advise needs --rolls-left N, the rolls the game has left"}}));
    const auto record = folder.path() / "game.txt";
    std::ofstream(record) << "roll 1 2 3 4 5 6\nfill Sevens\n";
    EXPECT_EQ(
        run("review " + record.string() + tables, "2>&1 >/dev/null"),
        (Run{1, {"brisvane-sim: line 2: no category \"Sevens\" (Ones .. Yatzy, or 1..20)"}}));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "tables"));
    EXPECT_EQ(run("review " + (folder.path() / "missing.txt").string()).first, 1);
}

// The figures of a small history, worked out by hand: 300 with the bonus and Yatzy, 200
// without, both reviewed; 250 taken in from the log, with neither scores nor review.
TEST(BrisvaneSim, HistoryPrintsTheFiguresOfAHistoryAndARecordToReviewAgain) {
    testing::TempFolder folder;
    folder.write("Vexa.log", "2024-01-02 10:05:09  Session 1: Score: 250, time: 14:05.\r\n");
    GameHistory history(folder.file("History.db"), folder.file("Vexa.log"));
    for (const auto& [points, bonus, yatzy, cost, luck] :
         {std::tuple{300, 100, 100, 10.0, 5.0}, std::tuple{200, 0, 0, 20.0, -15.0}}) {
        PlayedGame g;
        g.points = points;
        g.bonus = bonus;
        g.scores.emplace()[CategoryCount - 1] = yatzy;
        g.review = GameReview{500, cost, luck};
        g.record = "roll 1 2 3 4 5 6\n";
        ASSERT_TRUE(history.add(g).ok);
    }
    const std::string file = folder.file("History.db");
    EXPECT_EQ(run("history " + file), (std::pair<int, std::vector<std::string>>{
                                          0,
                                          {"games 3", "mean 250.00", "median 250.0", "best 300",
                                           "bonus-rate 0.5000", "yatzy-rate 0.5000",
                                           "reviewed 2", "cost-mean 15.00", "luck-mean -5.00"}}));
    EXPECT_EQ(run("history " + file + " --record 2").second,
              std::vector<std::string>{"roll 1 2 3 4 5 6"});
    EXPECT_EQ(run("history " + file + " --record 1").first, 1) << "the log's game has none";

    const std::string damaged = folder.write("Damaged.db", std::string(5000, 'x'));
    EXPECT_EQ(run("history " + damaged, "2>&1").second,
              std::vector<std::string>{"brisvane-sim: " + damaged +
                                       ": file is not a database"});
    EXPECT_EQ(folder.read("Damaged.db"), std::string(5000, 'x')) << "only read";
}

} // namespace
} // namespace brisvane
