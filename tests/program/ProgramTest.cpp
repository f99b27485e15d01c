#include <gtest/gtest.h>

#include <filesystem>

#include "common/Numbers.h"
#include "game/AutoPlayer.h"
#include "program/Program.h"
#include "settings/FileProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane::testing {
namespace {

// The program on a real program folder seeded from the shipped data, with fake platform
// services: what a player's first start looks like, file for file.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        for (const char* name : {"Vexa.ini", "English.lan"}) {
            std::filesystem::copy_file(std::filesystem::path(BRISVANE_SOURCE_DIR) / "data" / name,
                                       folder.path() / name);
        }
        random.fallback = 0.99; // sixes unless a test scripts otherwise
    }

    std::string ini(const std::string& section, const std::string& key) {
        return profile.GetINI(section, key, program.IniFile());
    }

    TempFolder folder;
    FileProfile profile;
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeShell shell;
    FakeDialogs dialogs;
    FakeScreen screen;
    FakeLocale locale;
    Program program{ProgramFolder(folder.path()), profile,
                    Platform{clock, random, sound, shell, dialogs, screen, locale}};
};

TEST_F(ProgramTest, AFinishedGameIsRecordedInTheSettingsAndTheLogAndTheNextGameStarts) {
    program.mainShell().Load();
    EXPECT_EQ(program.language().LanguageFile(), folder.file("English.lan"));
    EXPECT_EQ(program.display().SayText(), program.language().T("d1")) << "the greeting";
    dialogs.inputAnswers.push_back(std::string("Åsa"));

    const std::string score = std::to_string(AutoPlayer(program.game()).playGame().TotalScore);

    // An empty top ten takes any score: the name was asked and the game holds place 1.
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(ini("Highscore", "p1"), score);
    EXPECT_EQ(ini("Highscore", "n1"), "Åsa");
    EXPECT_EQ(ini("Highscore", "name"), "Åsa");
    EXPECT_EQ(ini("Highscore", "alltime"), score);
    EXPECT_EQ(ini("Session", "total"), "1");
    EXPECT_FALSE(ini("Highscore", "k1").empty());
    const std::string log = folder.read("Vexa.log");
    EXPECT_NE(log.find("Session 1: Score: " + score), std::string::npos);
    EXPECT_NE(log.find("New highscore, place 1 \"Åsa\".\r\n"), std::string::npos);
    // The final score box, then a fresh game.
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_NE(dialogs.messages.back().text.find(score + " p"), std::string::npos);
    EXPECT_EQ(program.game().state().RollsLeft, 60);
    EXPECT_EQ(program.topTen().Topp(1).caption, "1. " + score + " Åsa");
    // The sounds of the game come from the program folder.
    ASSERT_FALSE(sound.played.empty());
    EXPECT_EQ(sound.played.front().path, folder.file("dice.wav"));
    EXPECT_EQ(Program::versionText(), "7.03");
}

TEST_F(ProgramTest, GamesInARowKeepTheTableSortedAndCountEveryGame) {
    program.mainShell().Load();
    AutoPlayer player(program.game());
    int best = 0;
    for (int i = 0; i < 12; ++i) {
        random.fallback = (i % 6 + 0.5) / 6.0; // a different flavour of luck each game
        random.script.clear();
        best = std::max(best, player.playGame().TotalScore);
    }
    EXPECT_EQ(ini("Session", "total"), "12");
    EXPECT_EQ(intValue(ini("Highscore", "alltime")), best);
    for (int place = 1; place < 10; ++place) {
        EXPECT_GE(intValue(ini("Highscore", "p" + std::to_string(place))),
                  intValue(ini("Highscore", "p" + std::to_string(place + 1))));
    }
}

TEST_F(ProgramTest, ALanguageChosenInTheSettingsReachesTheWindowAtTheNextUpdate) {
    program.mainShell().Load();
    EXPECT_EQ(program.game().btn[12].caption, "  Small straight");
    folder.write("Svenska.lan", "[Language]\nc13=Liten stege\nd2=Summa\n");
    profile.SetINI("Language", "antal", "2", program.IniFile());
    profile.SetINI("Language", "l2n", "Svenska", program.IniFile());
    profile.SetINI("Language", "l2p", "Svenska.lan", program.IniFile());
    ASSERT_TRUE(program.language().chooseByName("Svenska"));

    program.LanUpdate();

    EXPECT_EQ(program.game().btn[12].caption, "  Liten stege");
    EXPECT_EQ(program.mainShell().disp_Total.caption, "  SUMMA");
    // A language file without the key leaves the caption blank, with its two blanks.
    EXPECT_EQ(program.game().btn[0].caption, "  ");
}

} // namespace
} // namespace brisvane::testing
