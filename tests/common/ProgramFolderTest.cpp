#include "common/ProgramFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

const std::vector<std::string> DataFiles = {"Vexa.ini", "English.lan", "Version.txt"};

class ProgramFolderTest : public ::testing::Test {
protected:
    TempFolder exe;
    TempFolder home;
    static bool writable(const fs::path&) { return true; }
    static bool readOnly(const fs::path&) { return false; }
};

TEST_F(ProgramFolderTest, AWritableFolderWithTheDataIsUsedAsItIs) {
    exe.write("English.lan", "[Language]\n");
    const auto folder = ProgramFolder::choose(exe.path(), home.path(), DataFiles, writable);
    EXPECT_EQ(folder.path(), exe.path());
    EXPECT_FALSE(home.exists("brisvane"));
}

TEST_F(ProgramFolderTest, AnInstalledCopySeedsAFolderOfThePlayersOwnOnce) {
    exe.write("Vexa.ini", "[Highscore]\np1=0\n");
    exe.write("English.lan", "[Language]\nb1=Brisvane\n");
    // Version.txt is not installed: seeding goes on without it.
    const auto first = ProgramFolder::choose(exe.path(), home.path(), DataFiles, readOnly);
    EXPECT_EQ(first.path(), home.path() / "brisvane");
    EXPECT_EQ(home.read("brisvane/Vexa.ini"), "[Highscore]\np1=0\n");
    EXPECT_EQ(home.read("brisvane/English.lan"), "[Language]\nb1=Brisvane\n");
    EXPECT_FALSE(home.exists("brisvane/Version.txt"));

    // The player's highscores survive the next start, and a newer installation too.
    home.write("brisvane/Vexa.ini", "[Highscore]\np1=345\n");
    exe.write("Version.txt", "7.03\n");
    const auto second = ProgramFolder::choose(exe.path(), home.path(), DataFiles, readOnly);
    EXPECT_EQ(second.path(), first.path());
    EXPECT_EQ(home.read("brisvane/Vexa.ini"), "[Highscore]\np1=345\n");
    EXPECT_EQ(home.read("brisvane/Version.txt"), "7.03\n");
}

TEST_F(ProgramFolderTest, WithoutAnyPlaceOfItsOwnTheProgramStillFindsItsData) {
    exe.write("Vexa.ini", "[Options]\n");
    home.write("brisvane", "a file in the folder's place");
    EXPECT_EQ(ProgramFolder::choose(exe.path(), home.path(), DataFiles, readOnly).path(),
              exe.path());
    EXPECT_EQ(ProgramFolder::choose(exe.path(), fs::path(), DataFiles, readOnly).path(),
              exe.path());
}

TEST(ProgramFolderDataHome, FollowsTheXdgRules) {
    EXPECT_EQ(ProgramFolder::dataHome("/srv/data", "/home/anna"), fs::path("/srv/data"));
    EXPECT_EQ(ProgramFolder::dataHome("relative/data", "/home/anna"),
              fs::path("/home/anna/.local/share"));
    EXPECT_EQ(ProgramFolder::dataHome("", "/home/anna"), fs::path("/home/anna/.local/share"));
    EXPECT_EQ(ProgramFolder::dataHome(nullptr, "/home/anna"), fs::path("/home/anna/.local/share"));
    EXPECT_EQ(ProgramFolder::dataHome(nullptr, nullptr), fs::path());
}

TEST(ProgramFolderFiles, NamesAreMatchedWithoutRegardToCaseWhenTheExactOneIsAbsent) {
    TempFolder dir;
    const ProgramFolder folder(dir.path());
    dir.write("beep.wav", "");
    dir.write("DOINK.WAV", "");
    dir.write("Doink.wav", "");
    dir.write("Roll.wav", "");
    dir.write("roll.wav", "");

    EXPECT_EQ(folder.resolve("Beep.wav"), dir.file("beep.wav"));
    EXPECT_EQ(folder.resolve("doink.wav"), dir.file("DOINK.WAV"));  // first in byte order
    EXPECT_EQ(folder.resolve("roll.wav"), dir.file("roll.wav"));    // the exact name first
    EXPECT_EQ(folder.resolve("Vexa.log"), dir.file("Vexa.log"));    // to be created
    EXPECT_EQ(folder.resolve(""), "");                              // never the folder itself
    EXPECT_EQ(ProgramFolder(dir.path() / "gone").resolve("beep.wav"),
              (dir.path() / "gone" / "beep.wav").string());
}

TEST(ProgramFolderFiles, TheInstalledDataAreTheFilesBesideTheBinary) {
    TempFolder dir;
    dir.write("brisvane", "binary");
    fs::permissions(dir.file("brisvane"), fs::perms::owner_exec, fs::perm_options::add);
    dir.write("Vexa.ini", "");
    dir.write("Beep.wav", "");
    fs::create_directory(dir.path() / "docs");
    EXPECT_EQ(ProgramFolder::dataFilesIn(dir.path()),
              (std::vector<std::string>{"Beep.wav", "Vexa.ini"}));
}

}  // namespace
}  // namespace brisvane
