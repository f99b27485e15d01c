#include "common/ProgramFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "history/Sqlite.h"
#include "settings/EventLog.h"
#include "settings/FileProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// Started once as the superuser for the player (an installed copy under "sudo -E"), the game
// leaves every folder and file it makes to the player.
TEST(ProgramFolder, WhatTheSuperuserMakesInAPlayersFolderIsThePlayers) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a file to another user";
    }
    TempFolder exe;
    TempFolder home;
    ASSERT_EQ(::chown(home.path().c_str(), 65534, 65534), 0);
    exe.write("Vexa.ini", "[Highscore]\np1=0\n");
    exe.write("English.lan", "[Language]\n");
    const auto folder = ProgramFolder::choose(exe.path(), home.path() / ".local" / "share",
                                              {"Vexa.ini", "English.lan", "Version.txt"},
                                              [](const fs::path&) { return false; });
    FileProfile profile;
    ASSERT_TRUE(profile.SetINI("Info", "Author", "Al", folder.file("German.nla")));
    testing::FakeClock clock;
    EventLog{profile, clock, folder.file("Vexa.ini"), folder.file("Vexa.log")}.WriteLog("Hi");
    ReplacementFile unpacked(folder.file("a.txt"));
    ASSERT_TRUE(unpacked.write("a", 1) && unpacked.commit());
    sql::Database(folder.file("History.db"), sql::Database::Mode::ReadWrite, 0)
        .exec("PRAGMA journal_mode = WAL; CREATE TABLE t(x)");
    for (const char* name : {".local", ".local/share", ".local/share/brisvane"}) {
        struct stat st {};
        ASSERT_EQ(::stat((home.path() / name).c_str(), &st), 0) << name;
        EXPECT_EQ(st.st_uid, 65534u) << name;
    }
    for (const char* name : {"Vexa.ini", "English.lan", ".shipped", "German.nla", "Vexa.log",
                             "a.txt", "History.db", FileProfile::LockFileName}) {
        struct stat st {};
        ASSERT_EQ(::stat(folder.file(name).c_str(), &st), 0) << name;
        EXPECT_EQ(st.st_uid, 65534u) << name;
        EXPECT_EQ(st.st_gid, 65534u) << name;
    }
}

// An installed copy: the binary in prefix/bin, the data read-only in prefix/share/brisvane.
struct Installed {
    TempFolder prefix;
    TempFolder home;
    fs::path bin = prefix.path() / "bin";
    fs::path data = ProgramFolder::installedData(bin);

    Installed() {
        fs::create_directories(bin);
        fs::create_directories(data);
        ship("Vexa.ini", "[Options]\nPlaySound=Yes\n");
        ship("English.lan", "[Language]\nv1\n");
        ship("dice.wav", "RIFF1");
    }
    void ship(const std::string& name, const std::string& bytes) const {
        prefix.write(fs::relative(data / name, prefix.path()).string(), bytes);
        fs::permissions(data / name, fs::perms::owner_read | fs::perms::owner_write |
                                         fs::perms::group_read | fs::perms::others_read);
    }
    ProgramFolder start() const { return ProgramFolder::locate(bin, home.path()); }
    std::string own(const std::string& name) const { return home.read("brisvane/" + name); }
};

TEST(ProgramFolder, AnInstalledCopyStartsInAPlayersOwnFolderSeededFromItsData) {
    Installed installed;
    EXPECT_EQ(installed.data, installed.prefix.path() / "share" / "brisvane");
    const ProgramFolder folder = installed.start();
    EXPECT_EQ(folder.path(), installed.home.path() / "brisvane") << "never the shared folder";
    EXPECT_EQ(installed.own("English.lan"), "[Language]\nv1\n");
    // Every user can read the installed settings; the player's copy holds passwords.
    EXPECT_EQ(fs::status(installed.home.path() / "brisvane/Vexa.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(installed.data / "Vexa.ini").permissions() & fs::perms::others_read,
              fs::perms::others_read);

    // Without a home the installed data is still found, for reading.
    EXPECT_EQ(ProgramFolder::locate(installed.bin, fs::path()).path(), installed.data);
    // Without data anywhere nothing of the binary's folder is taken for it.
    TempFolder bare;
    bare.write("README", "not game data");
    EXPECT_EQ(ProgramFolder::locate(bare.path(), installed.home.path()).path(),
              installed.home.path() / "brisvane");
    EXPECT_FALSE(installed.home.exists("brisvane/README"));
    // A copy with its data beside the binary keeps to it.
    installed.prefix.write("bin/English.lan", "[Language]\n");
    EXPECT_EQ(installed.start().path(), installed.bin);
}

TEST(ProgramFolder, ANewerInstallationRefreshesTheShippedFilesButNeverThePlayersOwn) {
    Installed installed;
    installed.start();
    installed.home.write("brisvane/Vexa.ini", "[Highscore]\np1=345\n");
    installed.home.write("brisvane/dice.wav", "RIFF-the-players-own-edit");
    installed.home.write("brisvane/Vexa.log", "log\n");

    installed.ship("Vexa.ini", "[Options]\nPlaySound=Yes\nNewKey=1\n");
    installed.ship("English.lan", "[Language]\nversion 2\n");
    installed.ship("dice.wav", "RIFF2");
    installed.ship("Svenska.lan", "[Language]\n");
    installed.start();
    EXPECT_EQ(installed.own("Vexa.ini"), "[Highscore]\np1=345\n");
    EXPECT_EQ(installed.own("English.lan"), "[Language]\nversion 2\n");
    EXPECT_EQ(installed.own("dice.wav"), "RIFF-the-players-own-edit");
    EXPECT_EQ(installed.own("Svenska.lan"), "[Language]\n");
    EXPECT_EQ(installed.own("Vexa.log"), "log\n");

    // A start without an upgrade changes nothing, and leaves no work files behind.
    installed.home.write("brisvane/English.lan", "[Language]\ntranslated by the player\n");
    installed.start();
    EXPECT_EQ(installed.own("English.lan"), "[Language]\ntranslated by the player\n");
    for (const auto& entry : fs::directory_iterator(installed.home.path() / "brisvane")) {
        EXPECT_NE(entry.path().extension(), ".new") << entry.path();
    }
}

TEST(ProgramFolder, CopiesSeededBeforeCopiesWereRecordedAreRefreshedOnlyWhenUntouched) {
    Installed installed;
    fs::create_directory(installed.home.path() / "brisvane");
    installed.home.write("brisvane/English.lan", "[Language]\nv1\n"); // as shipped
    installed.home.write("brisvane/dice.wav", "RIFF-edited");         // not as shipped
    installed.start();
    installed.ship("English.lan", "[Language]\nversion 2\n");
    installed.ship("dice.wav", "RIFF2");
    installed.start();
    EXPECT_EQ(installed.own("English.lan"), "[Language]\nversion 2\n");
    EXPECT_EQ(installed.own("dice.wav"), "RIFF-edited");
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
