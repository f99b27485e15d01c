#include "common/ProgramFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

const std::vector<std::string> DataFiles = {"Vexa.ini", "English.lan", "Version.txt"};

TEST(ProgramFolder, AnInstalledCopySeedsAFolderOfThePlayersOwnOnceAndAWritableOneIsUsedAsItIs) {
    TempFolder exe;
    TempFolder home;
    const auto readOnly = [](const fs::path&) { return false; };
    const auto writable = [](const fs::path&) { return true; };
    exe.write("English.lan", "[Language]\n");
    EXPECT_EQ(ProgramFolder::choose(exe.path(), home.path(), DataFiles, writable).path(),
              exe.path());
    exe.write("Vexa.ini", "[Highscore]\np1=0\n"); // Version.txt is not installed
    const auto first = ProgramFolder::choose(exe.path(), home.path(), DataFiles, readOnly);
    EXPECT_EQ(first.path(), home.path() / "brisvane");
    EXPECT_EQ(home.read("brisvane/Vexa.ini"), "[Highscore]\np1=0\n");
    EXPECT_FALSE(home.exists("brisvane/Version.txt"));

    // The player's highscores survive the next start, and a newer installation too.
    home.write("brisvane/Vexa.ini", "[Highscore]\np1=345\n");
    exe.write("Version.txt", "7.03\n");
    EXPECT_EQ(ProgramFolder::choose(exe.path(), home.path(), DataFiles, readOnly).path(),
              first.path());
    EXPECT_EQ(home.read("brisvane/Vexa.ini"), "[Highscore]\np1=345\n");
    EXPECT_EQ(home.read("brisvane/Version.txt"), "7.03\n");
    // Without any place of its own the program still finds its data.
    EXPECT_EQ(ProgramFolder::choose(exe.path(), fs::path(), DataFiles, readOnly).path(),
              exe.path());
}

TEST(ProgramFolder, TheDataHomeFollowsTheXdgRules) {
    EXPECT_EQ(ProgramFolder::dataHome("/srv/data", "/home/anna"), fs::path("/srv/data"));
    EXPECT_EQ(ProgramFolder::dataHome("relative", "/home/anna"), "/home/anna/.local/share");
    EXPECT_EQ(ProgramFolder::dataHome(nullptr, nullptr), fs::path());
}

TEST(ProgramFolder, NamesAreMatchedWithoutRegardToCaseWhenTheExactOneIsAbsent) {
    TempFolder dir;
    const ProgramFolder folder(dir.path());
    for (const char* name : {"beep.wav", "DOINK.WAV", "Doink.wav", "Roll.wav", "roll.wav"}) {
        dir.write(name, "");
    }
    EXPECT_EQ(folder.resolve("Beep.wav"), dir.file("beep.wav"));
    EXPECT_EQ(folder.resolve("doink.wav"), dir.file("DOINK.WAV")); // first in byte order
    EXPECT_EQ(folder.resolve("roll.wav"), dir.file("roll.wav"));   // the exact name first
    EXPECT_EQ(folder.resolve("Vexa.log"), dir.file("Vexa.log"));   // to be created
    EXPECT_EQ(folder.resolve(""), "");                             // never the folder itself

    // The installed data are the plain files beside the binary.
    fs::permissions(dir.file("Roll.wav"), fs::perms::owner_exec, fs::perm_options::add);
    fs::create_directory(dir.path() / "docs");
    EXPECT_EQ(ProgramFolder::dataFilesIn(dir.path()),
              (std::vector<std::string>{"DOINK.WAV", "Doink.wav", "beep.wav", "roll.wav"}));
}

} // namespace
} // namespace brisvane
