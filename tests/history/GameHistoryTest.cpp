// The player's history as a file on disk: what a game leaves in it, the log taken in once, a
// damaged file set aside, two programs writing at once, and failures reported.

#include "history/GameHistory.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "history/LogImport.h"
#include "history/Sqlite.h"
#include "support/TempFolder.h"

namespace brisvane::testing {
namespace {

PlayedGame aGame(int points, int minute = 0) {
    PlayedGame g;
    g.ended = {2024, 3, 9, 20, minute, 5};
    g.points = points;
    g.playSeconds = 845;
    std::array<int, CategoryCount> scores{};
    scores[5] = 24;
    scores[19] = points > 500 ? 100 : 0;
    g.scores = scores;
    g.bonus = 100;
    g.language = "Swedish";
    g.review = GameReview{508.25, 12.5, -3.75};
    g.record = "roll 1 2 3 4 5 6\nfill Chance\n";
    return g;
}

const char* const Log =
    "2024-01-02 10:00:00  Clear highscore.\r\n"
    "2024-01-02 10:05:09  Session 1: Score: 287, time: 14:05. New highscore, place 3 \"Anna\".\r\n"
    "2024-01-02 11:00:00  Session 2: Score: 412, time: 9:07. Review: expected 508.1, choices "
    "cost 12.3, luck -84.4 (advised).\r\n"
    "02/01/2024 11:30:00  Session 3: Score: 300, time: 1:00.\r\n" // not our own stamp
    "2024-01-02 12:00:00  Session 4: Score: 300, time: 1:00\r\n"   // cut off: no period
    "2024-01-03 09:00:00  Session 5: Score: 199, time: 2:30. Not saved: Read-only file system.\n";

class GameHistoryTest : public ::testing::Test {
protected:
    std::string db() const { return folder.file("History.db"); }
    GameHistory history(GameHistory::Options options = {}) {
        return GameHistory(db(), folder.file("Vexa.log"), options);
    }
    std::vector<PlayedGame> games() {
        std::vector<PlayedGame> all;
        EXPECT_TRUE(history().load(all).ok);
        return all;
    }
    TempFolder folder;
};

TEST(LogImport, OurOwnGameLinesAreTakenAndEverythingElsePassedOver) {
    const auto anna = parseGameLine(
        "2024-01-02 10:05:09  Session 1: Score: 287, time: 14:05. New highscore, place 3 "
        "\"Anna (advised)\".\r");
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->points, 287);
    EXPECT_EQ(anna->playSeconds, 845);
    EXPECT_EQ(anna->ended.day * 10000 + anna->ended.hour * 100 + anna->ended.minute, 21005);
    EXPECT_FALSE(anna->advised) << "a name is not a mark";
    EXPECT_FALSE(anna->review || anna->scores);

    const auto advised = parseGameLine("2024-01-02 11:00:00  Session 2: Score: 412, time: 9:07. "
                                       "Review: expected 508.1, choices cost 12.3, luck -84.4 "
                                       "(advised).");
    ASSERT_TRUE(advised && advised->review);
    EXPECT_TRUE(advised->advised);
    EXPECT_DOUBLE_EQ(advised->review->luck, -84.4);

    for (const char* odd : {"2024-01-02 10:00:00  Clear highscore.",
                            "2024-13-02 10:00:00  Session 1: Score: 287, time: 14:05.",
                            "2024-01-02 10:00:00  Session 1: Score: 287, time: 14:65.",
                            "2024-01-02 10:00:00  Session 1: Score: 2x7, time: 14:05.",
                            "2024-01-02 10:00:00  Session 1: Score: 287, time: 14:05", ""}) {
        EXPECT_FALSE(parseGameLine(odd)) << odd;
    }
}

TEST_F(GameHistoryTest, AGameKeepsItsFiguresAndRecordAndTheLogIsTakenInOnce) {
    folder.write("Vexa.log", Log);
    ASSERT_TRUE(history().add(aGame(612)).ok);
    // Lines the log gets later belong to games the history recorded itself.
    folder.write("Vexa.log", std::string(Log) + "2024-03-09 20:01:00  Session 6: Score: 612, "
                                                "time: 14:05.\r\n");
    ASSERT_TRUE(history().add(aGame(401, 1)).ok);

    const std::vector<PlayedGame> all = games();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].points, 287);
    EXPECT_EQ(all[1].points, 412);
    EXPECT_EQ(all[2].points, 199);
    EXPECT_EQ(all[0].source, PlayedGame::Source::Log);
    EXPECT_FALSE(all[0].scores || all[0].bonus || history().record(all[0].id));
    EXPECT_TRUE(all[1].advised && all[1].review);

    const PlayedGame& kept = all[3];
    EXPECT_EQ(kept.points, 612);
    EXPECT_EQ(kept.ended.year * 100 + kept.ended.month, 202403);
    EXPECT_EQ(kept.ended.second, 5);
    EXPECT_EQ(kept.playSeconds, 845);
    EXPECT_EQ(kept.scores, aGame(612).scores);
    EXPECT_EQ(kept.bonus, 100);
    EXPECT_EQ(kept.language, "Swedish");
    ASSERT_TRUE(kept.review);
    EXPECT_DOUBLE_EQ(kept.review->cost, 12.5);
    EXPECT_EQ(history().record(kept.id), aGame(612).record);
    EXPECT_EQ(GameHistory::readRecord(db(), kept.id), aGame(612).record);
}

// A game recorded before its review was done waits, with its record and no figures, until the
// figures are written into its row; the log's games have nothing to review.
TEST_F(GameHistoryTest, AGameWhoseReviewIsPendingGetsItsFiguresLater) {
    folder.write("Vexa.log", Log);
    PlayedGame pending = aGame(401);
    pending.review.reset();
    const GameHistory::Outcome first = history().add(pending);
    ASSERT_TRUE(history().add(aGame(612, 1)).ok);
    pending.record = "roll 6 6 6 6 6 6\nfill Sixes\n";
    const GameHistory::Outcome second = history().add(pending);
    ASSERT_TRUE(first.ok && second.ok && first.id != second.id);

    std::vector<GameHistory::Unreviewed> waiting;
    ASSERT_TRUE(history().unreviewed(waiting).ok);
    ASSERT_EQ(waiting.size(), 2u);
    EXPECT_EQ(waiting[0].id, first.id);
    EXPECT_EQ(waiting[0].record, aGame(401).record);
    EXPECT_EQ(waiting[1].id, second.id);

    ASSERT_TRUE(history().setReview(first.id, GameReview{505, 7.5, -2}).ok);
    ASSERT_TRUE(history().unreviewed(waiting).ok);
    ASSERT_EQ(waiting.size(), 1u);
    EXPECT_EQ(waiting[0].id, second.id);
    for (const PlayedGame& g : games()) {
        if (g.id == first.id) {
            ASSERT_TRUE(g.review);
            EXPECT_DOUBLE_EQ(g.review->cost, 7.5);
            EXPECT_DOUBLE_EQ(g.review->luck, -2);
        }
    }
}

// A file that is not a history is renamed aside, byte for byte, and a new one begun with the
// log's games; the game that found it is not lost.
TEST_F(GameHistoryTest, ADamagedFileIsSetAsideAndANewHistoryBegun) {
    folder.write("Vexa.log", Log);
    const std::string garbage(3000, 'x');
    folder.write("History.db", garbage);
    const GameHistory::Outcome outcome = history().add(aGame(612));
    EXPECT_TRUE(outcome.ok) << outcome.why;
    EXPECT_EQ(outcome.setAside, "History-damaged-1.db");
    EXPECT_EQ(folder.read("History-damaged-1.db"), garbage);
    EXPECT_EQ(games().size(), 4u);

    // Broken inside: a history whose pages were overwritten half-way.
    std::string bytes = folder.read("History.db");
    ASSERT_GT(bytes.size(), 4096u);
    bytes.replace(bytes.size() / 2, bytes.size() / 2, std::string(bytes.size() / 2, '\xA5'));
    folder.write("History.db", bytes);
    std::vector<PlayedGame> all;
    const GameHistory::Outcome loaded = history().load(all);
    EXPECT_TRUE(loaded.ok) << loaded.why;
    EXPECT_EQ(loaded.setAside, "History-damaged-2.db");
    EXPECT_EQ(all.size(), 3u) << "the log's games again";
    EXPECT_TRUE(std::filesystem::exists(folder.file("History-damaged-1.db")));
}

// Two programs at once: each adds its games, and the log is taken in by one of them only.
TEST_F(GameHistoryTest, TwoProgramsRecordingAtOnceBothKeepEveryGame) {
    folder.write("Vexa.log", Log);
    constexpr int Each = 40;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int failed = 0;
        for (int i = 0; i < Each; ++i) {
            failed += history().add(aGame(1000 + i)).ok ? 0 : 1;
        }
        ::_exit(failed);
    }
    for (int i = 0; i < Each; ++i) {
        const GameHistory::Outcome outcome = history().add(aGame(2000 + i));
        EXPECT_TRUE(outcome.ok) << outcome.why;
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(games().size(), 3u + 2 * Each);
}

// A full disk, a history of a newer version and a folder that cannot be written are reported,
// and nothing already kept is touched.
TEST_F(GameHistoryTest, FailuresAreReportedAndLoseNothingKept) {
    ASSERT_TRUE(history().add(aGame(300)).ok);
    GameHistory::Options full;
    full.maxPages = 3;
    PlayedGame big = aGame(301);
    big.record = std::string(100000, '#');
    GameHistory::Outcome outcome = history(full).add(big);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.why, "database or disk is full");
    EXPECT_EQ(games().size(), 1u);


    {
        sql::Database raw(db(), sql::Database::Mode::ReadWrite);
        raw.exec("PRAGMA user_version = 7");
    }
    outcome = history().add(aGame(302));
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.why.find("newer version"), std::string::npos) << outcome.why;
    EXPECT_EQ(outcome.setAside, "") << "a newer history is not damaged";
    EXPECT_THROW(GameHistory::read(db()), std::runtime_error);

    // A folder that cannot be written (the superuser writes into a read-only one, so a folder
    // that is a file stands in): reported, and no file taken for damaged.
    folder.write("NotAFolder", "");
    GameHistory blocked(folder.file("NotAFolder") + "/History.db", folder.file("Vexa.log"));
    outcome = blocked.add(aGame(303));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.why, "unable to open database file");
    EXPECT_EQ(outcome.setAside, "");
}

} // namespace
} // namespace brisvane::testing
