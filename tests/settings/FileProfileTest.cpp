#include "settings/FileProfile.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <vector>

#include "common/FileIo.h"
#include "common/Text.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

class FileProfileTest : public ::testing::Test {
protected:
    unsigned permissions(const std::string& path) const {
        return static_cast<unsigned>(fs::status(path).permissions()) & 0777u;
    }
    // Files of the folder beside its lock file.
    std::size_t files() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder.path()), {})) -
               (folder.exists(FileProfile::LockFileName) ? 1 : 0);
    }

    TempFolder folder;
    FileProfile profile;
    std::string ini = folder.file("Vexa.ini");
};

TEST_F(FileProfileTest, AMissingFileReadsEmptyAndTheFirstWriteCreatesItPrivate) {
    EXPECT_EQ(profile.GetINI("Options", "WriteLog", ini), "");
    EXPECT_TRUE(profile.SetINI("Options", "WriteLog", "No", ini));
    EXPECT_TRUE(profile.SetINI("Highscore", "n1", "Åsa", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), "[Options]\nWriteLog=No\n[Highscore]\nn1=Åsa\n");
    EXPECT_EQ(permissions(ini), 0600u);
    EXPECT_EQ(profile.GetINI("options", "writelog", ini), "No");
    EXPECT_EQ(files(), 1u) << "no leftovers";
}

TEST_F(FileProfileTest, OlderFilesReadAsTheirLettersLongValuesWholeAndTheRewriteIsUtf8) {
    std::string older; // Windows-1252, where é is one byte
    std::string utf8;
    for (int i = 0; i < 1000; ++i) {
        older += "\xE9x";
        utf8 += "éx";
    }
    folder.write("Vexa.ini", "[Alarm]\r\nMess=\x80 " + older + "\r\n");
    EXPECT_EQ(profile.GetINI("Alarm", "Mess", ini), "€ " + utf8);
    EXPECT_TRUE(profile.SetINI("Alarm", "Status", "On", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), "[Alarm]\r\nMess=€ " + utf8 + "\r\nStatus=On\r\n");
}

TEST_F(FileProfileTest, AnUnreadableFileReadsAsAbsentIsReportedOnceAndIsNeverWritten) {
    std::vector<std::string> reports;
    profile.setProblemHandler(
        [&](const std::string& file, const std::string& why) { reports.push_back(file + ": " + why); });
    fs::create_directory(ini); // cannot be read, not even by the superuser
    EXPECT_EQ(profile.GetINI("Options", "WriteLog", ini), "");
    EXPECT_EQ(profile.GetINI("Options", "WarnExit", ini), "");
    EXPECT_EQ(reports, std::vector<std::string>{ini + ": Is a directory"});
    std::string why;
    EXPECT_FALSE(profile.SetINIs(ini, {{"Options", "WriteLog", "No"}}, &why)) << "never raises";
    EXPECT_EQ(why, "Is a directory");
    fs::remove(ini);
    folder.write("Vexa.ini", "[Options]\nWriteLog=No\n");
    EXPECT_EQ(profile.GetINI("Options", "WriteLog", ini), "No") << "readable again";
}

TEST_F(FileProfileTest, AFailedWriteReturnsFalseAndLosesNothing) {
    EXPECT_FALSE(profile.SetINI("Options", "WarnExit", "No", folder.file("gone/Vexa.ini")));
    // A read-only file stays as it is, also for a user whom permissions do not stop.
    const std::string original = "[Options]\nWarnExit=Yes\n; mine\n";
    folder.write("Vexa.ini", original);
    fs::permissions(ini, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(profile.SetINI("Options", "WarnExit", "No", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), original);

    // A write cut off half-way, as on a full disk, leaves the old file whole.
    fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit diskFull = saved;
    diskFull.rlim_cur = 1024;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &diskFull);
    const bool written = profile.SetINI("Alarm", "Mess", std::string(5000, 'x'), ini);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(folder.read("Vexa.ini"), original);
    EXPECT_EQ(files(), 1u) << "no leftovers";
}

TEST_F(FileProfileTest, AReadOnlyFolderMakesWritesFail) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into read-only folders";
    }
    folder.write("Vexa.ini", "[Options]\nWarnExit=Yes\n");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(profile.SetINI("Options", "WarnExit", "No", ini));
    EXPECT_EQ(profile.GetINI("Options", "WarnExit", ini), "Yes");
}

TEST_F(FileProfileTest, ALinkedFileStaysLinkedAndKeepsItsPermissionsUnlessMarkedPrivate) {
    folder.write("Vexa.ini", "[Users]\nantal=0\n");
    fs::permissions(ini, static_cast<fs::perms>(0644));
    fs::create_symlink(ini, folder.file("Linked.ini"));
    EXPECT_TRUE(profile.SetINI("Users", "antal", "1", folder.file("Linked.ini")));
    EXPECT_TRUE(fs::is_symlink(folder.file("Linked.ini")));
    EXPECT_EQ(permissions(ini), 0644u);
    profile.markPrivate(ini); // the settings file holds passwords
    EXPECT_TRUE(profile.SetINI("Users", "pass1", "secret", ini));
    EXPECT_EQ(permissions(ini), 0600u);
    EXPECT_EQ(profile.GetINI("Users", "antal", ini), "1");
}

TEST_F(FileProfileTest, ABatchIsOneReplacementAllOrNothing) {
    folder.write("Vexa.ini", "; mine\n[Highscore]\np1=345.0\n");
    EXPECT_TRUE(profile.SetINIs(ini, {{"Highscore", "p1", "1", true},
                                      {"Highscore", "p2", "0", true},
                                      {"Session", "total", "7"}}));
    EXPECT_EQ(folder.read("Vexa.ini"), "; mine\n[Highscore]\np1=345.0\np2=0\n[Session]\ntotal=7\n");
    std::string why;
    EXPECT_FALSE(profile.SetINIs(ini, {{"Session", "total", "8"}, {"Bad", "a=b", "x"}}, &why));
    EXPECT_EQ(profile.GetINI("Session", "total", ini), "7") << "none of a failed batch";
    EXPECT_FALSE(why.empty());
    fs::permissions(ini, fs::perms::owner_read);
    EXPECT_FALSE(profile.SetINIs(ini, {{"Session", "total", "8"}}, &why));
    EXPECT_EQ(why, "Permission denied");
}

// A hand edit that keeps the size (and even the time stamp) is still seen at the next read,
// and changes the file's revision, as every write does; reading alone keeps it.
TEST_F(FileProfileTest, AHandEditOfTheSameSizeCountsAtOnce) {
    EXPECT_EQ(profile.revision(ini), 0u) << "absent";
    folder.write("Vexa.ini", "[Options]\nWarnExit=Yes\n");
    EXPECT_EQ(profile.GetINI("Options", "WarnExit", ini), "Yes");
    const std::uint64_t first = profile.revision(ini);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(profile.revision(ini), first);
    const auto stamp = fs::last_write_time(ini);
    folder.write("Vexa.ini", "[Options]\nWarnExit=Nah\n");
    fs::last_write_time(ini, stamp);
    const std::uint64_t edited = profile.revision(ini);
    EXPECT_NE(edited, first);
    EXPECT_EQ(profile.GetINI("Options", "WarnExit", ini), "Nah");
    ASSERT_TRUE(profile.SetINI("Options", "WarnExit", "Yes", ini));
    EXPECT_NE(profile.revision(ini), edited);
}

// After one run as the superuser in the player's folder, the file still belongs to the player.
TEST_F(FileProfileTest, AReplacementKeepsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a file to another user";
    }
    folder.write("Vexa.ini", "[Users]\nantal=0\n");
    ASSERT_EQ(::chown(ini.c_str(), 65534, 65534), 0);
    fs::permissions(ini, static_cast<fs::perms>(0640));
    EXPECT_TRUE(profile.SetINI("Users", "antal", "1", ini));
    struct stat st {};
    ASSERT_EQ(::stat(ini.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(permissions(ini), 0640u);
}

// Another copy of the game cannot write while one holds the lock, however deeply nested.
TEST_F(FileProfileTest, ALockKeepsOtherWritersOutUntilItsLastHolderLetsGo) {
    const std::string lockFile = folder.file(FileProfile::LockFileName);
    {
        const ProfileLock outer = profile.lock(ini);
        {
            const ProfileLock inner = profile.lock(ini);
            EXPECT_TRUE(profile.SetINI("Session", "total", "1", ini)) << "a write inside it";
        }
        EXPECT_FALSE(lockExclusively(lockFile, 0).valid()) << "still held by the outer lock";
    }
    EXPECT_TRUE(lockExclusively(lockFile, 0).valid());
}

TEST_F(FileProfileTest, LeftoversOfKilledWritesAreRemovedAtStartOnlyWhenOld) {
    folder.write("Vexa.ini", "[Users]\n");
    folder.write(".Vexa.ini.a1B2c3", "half");  // a write killed long ago
    folder.write(".Vexa.ini.x9Y8z7", "fresh"); // another copy writing right now
    folder.write(".Vexa.ini.keep", "not ours");
    folder.write(".Other.ini.a1B2c3", "not ours");
    folder.write(".partial-Q1w2E3", "a killed unpack");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name :
         {".Vexa.ini.a1B2c3", ".Vexa.ini.keep", ".Other.ini.a1B2c3", ".partial-Q1w2E3"}) {
        fs::last_write_time(folder.file(name), old);
    }
    FileProfile::removeStaleTemporaries(ini);
    removeStaleFiles(folder.path().string(), ReplacementFile::PartialPrefix);
    EXPECT_FALSE(fs::exists(folder.file(".Vexa.ini.a1B2c3")));
    EXPECT_FALSE(fs::exists(folder.file(".partial-Q1w2E3")));
    for (const char* name : {"Vexa.ini", ".Vexa.ini.x9Y8z7", ".Vexa.ini.keep", ".Other.ini.a1B2c3"}) {
        EXPECT_TRUE(fs::exists(folder.file(name))) << name;
    }
}

} // namespace
} // namespace brisvane
