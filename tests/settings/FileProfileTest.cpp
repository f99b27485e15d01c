#include "settings/FileProfile.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

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
    std::size_t files() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder.path()), {}));
    }

    TempFolder folder;
    FileProfile profile;
    std::string ini = folder.file("Vexa.ini");
};

TEST_F(FileProfileTest, AMissingFileReadsEmptyTheFirstWriteCreatesItPrivateAndEditsCount) {
    EXPECT_EQ(profile.GetINI("Options", "WriteLog", ini), "");
    EXPECT_TRUE(profile.SetINI("Options", "WriteLog", "No", ini));
    EXPECT_TRUE(profile.SetINI("Highscore", "n1", "Åsa", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), "[Options]\nWriteLog=No\n[Highscore]\nn1=Åsa\n");
    EXPECT_EQ(permissions(ini), 0600u);
    EXPECT_EQ(profile.GetINI("options", "writelog", ini), "No");
    EXPECT_EQ(files(), 1u) << "no leftovers";
    folder.write("Vexa.ini", "[Options]\nWriteLog=Yes\n"); // a hand edit counts at once
    EXPECT_EQ(profile.GetINI("Options", "WriteLog", ini), "Yes");
}

TEST_F(FileProfileTest, OlderFilesReadAsTheirLettersLongValuesCutAndTheRewriteIsUtf8) {
    std::string older; // Windows-1252, where é is one byte
    std::string utf8;
    for (int i = 0; i < 1000; ++i) {
        older += "\xE9x";
        utf8 += "éx";
    }
    folder.write("Vexa.ini", "[Alarm]\r\nMess=\x80 " + older + "\r\n");
    EXPECT_EQ(profile.GetINI("Alarm", "Mess", ini), text::left("€ " + utf8, 1023));
    EXPECT_TRUE(profile.SetINI("Alarm", "Status", "On", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), "[Alarm]\r\nMess=€ " + utf8 + "\r\nStatus=On\r\n");
}

TEST_F(FileProfileTest, OnlyAFileThatExistsButCannotBeReadIsAnError) {
    fs::create_directory(ini); // cannot be read, not even by the superuser
    try {
        profile.GetINI("Options", "WriteLog", ini);
        FAIL() << "reading a folder as settings file must fail";
    } catch (const ProfileError& error) {
        EXPECT_STREQ(error.what(), "Cannot read from INI File.");
    }
    EXPECT_FALSE(profile.SetINI("Options", "WriteLog", "No", ini)) << "and never raises";
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

} // namespace
} // namespace brisvane
