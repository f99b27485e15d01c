#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "game/AutoPlayer.h"
#include "game/GameFixture.h"
#include "package/PackageFormat.h"
#include "package/PackageWriter.h"
#include "program/Program.h"
#include "program/ProgramFixture.h"
#include "support/ScriptedAdvice.h"

namespace brisvane::testing {
namespace {

using ProgramTest = ProgramFixture;

// The advice switch of the tools menu, a game played with it and one without: the advised
// game counts and is logged, but leaves the top ten to players; both get their review, the
// second after its end (the review still ran), into its row of the history.
TEST_F(ProgramTest, AnAdvisedGameIsLoggedAsSuchAndLeavesTheTopTenToPlayers) {
    auto advice = std::make_unique<ScriptedAdvice>();
    advice->choices = {rollAgain({6, 0, 0, 0, 0, 0}, 499.5)};
    advice->answer = advisor::Review{499.5, 10, 300, 40, 40};
    program.advice().prepare = [&advice](const advisor::Progress&) { return std::move(advice); };
    program.mainShell().Load();
    ASSERT_TRUE(program.menuWindow().choose("xx_advice"));
    EXPECT_TRUE(program.menuWindow().xx_meny.entry("xx_advice").checked());
    worker.runAll();
    program.advice().tickTimerAdvice();

    worker.immediate = true; // the review is done before the end shows
    const int advised = AutoPlayer(program.game()).playGame().TotalScore;
    EXPECT_EQ(ini("Highscore", "p1"), "0"); // no place; what the end says: the recorder's test
    EXPECT_EQ(ini("Session", "total"), "1");
    const std::string log = folder.read("Vexa.log");
    EXPECT_NE(log.find("Score: " + std::to_string(advised)), std::string::npos);
    EXPECT_NE(log.find(". Review: expected 499.5, choices cost 10.0, luck "), std::string::npos);

    ASSERT_TRUE(program.menuWindow().choose("xx_advice"));
    EXPECT_FALSE(program.menuWindow().xx_meny.entry("xx_advice").checked());
    dialogs.inputAnswers.push_back(std::string("Bo"));
    worker.immediate = false;
    random.fallback = 0.5; // another game than the first, so another review
    const int alone = AutoPlayer(program.game()).playGame().TotalScore;
    EXPECT_EQ(ini("Highscore", "p1") + " " + ini("Highscore", "n1"),
              std::to_string(alone) + " Bo");
    const std::string both = folder.read("Vexa.log");
    const std::string second = both.substr(log.size());
    EXPECT_EQ(second.find(". Review"), std::string::npos) << second;
    EXPECT_NE(dialogs.messages.back().text.find("follows in the statistics"), std::string::npos);
    worker.runAll();
    program.advice().tickTimerAdvice();

    // Both are in the history, with their review and their steps to review them again.
    std::vector<PlayedGame> games;
    ASSERT_TRUE(program.history().load(games).ok);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].points, advised);
    EXPECT_TRUE(games[0].advised && !games[1].advised);
    EXPECT_EQ(games[1].language, "English");
    ASSERT_TRUE(games[1].review);
    EXPECT_DOUBLE_EQ(games[1].review->cost, 10);
    const auto record = program.history().record(games[1].id);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->rfind("roll ", 0), 0u) << *record;
}

// The window closed within the end step's delay: the game is recorded before the program goes.
TEST_F(ProgramTest, ClosingWhileAFinishedGameWaitsForItsEndStepRecordsItFirst) {
    program.mainShell().Load();
    playUntilTheEnd(program.game());
    bool ended = false;
    program.mainShell().endProgram = [&ended] { ended = true; };
    dialogs.yesNoAnswers = {true}; // "Exit?" Yes, at once
    dialogs.inputAnswers.push_back(std::string("Quick"));
    program.mainShell().clickExit();
    EXPECT_TRUE(ended);
    EXPECT_EQ(ini("Session", "total"), "1");
    EXPECT_EQ(ini("Highscore", "n1"), "Quick");
}

// A hand-edited count of billions counts what the file holds, and the game starts as usual.
TEST_F(ProgramTest, AHugeCountOfLanguagesOrAccountsCountsWhatTheFileHolds) {
    program.openSettingsWindow("all");
    const std::vector<std::string> listed = program.settings().List1.items;
    setIni("Language", "antal", "2000000000");
    setIni("Users", "antal", "2000000000");
    setIni("Users", "user1", "Anna");
    EXPECT_EQ(program.language().listShippedLanguages(), 0) << "English is listed already";
    program.mainShell().Load();
    program.openSettingsWindow("all");
    EXPECT_EQ(program.settings().List1.items, listed);
    EXPECT_EQ(program.settings().List3.items, std::vector<std::string>{"Anna"});
    EXPECT_EQ(program.accounts().count(), 1);
}

// What unpacking does is the resources' own; here, that the tools menu's entries reach it with
// the program's folder and log.
TEST_F(ProgramTest, APackageUnpacksIntoTheProgramFolderAndIsRemovedAgain) {
    folder.write("felt.txt", "felt");
    package::writePackage(folder.file("Res.pac"), {{"Felt.jpg", folder.file("felt.txt")}});
    ASSERT_TRUE(program.menuWindow().choose("xx_unpack"));
    EXPECT_EQ(folder.read("Felt.jpg"), "felt");
    ASSERT_TRUE(program.menuWindow().choose("xx_delres"));
    EXPECT_FALSE(folder.exists("Felt.jpg"));
    EXPECT_TRUE(dialogs.messages.empty());

    // A package entry that is refused reaches the event log.
    folder.write("Res.pac", package::encodeDirectory({{"../up.txt", 1}}) + "x");
    program.menuWindow().choose("xx_unpack");
    EXPECT_NE(folder.read("Vexa.log").find("Unpack left out \"../up.txt\": not a plain file name."),
              std::string::npos);
}

} // namespace
} // namespace brisvane::testing
