#include "settings/FileProfile.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Text.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

unsigned permissionsOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 0777u;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class FileProfileTest : public ::testing::Test {
protected:
    TempFolder folder;
    FileProfile profile;
    std::string ini = folder.file("Vexa.ini");
};

TEST_F(FileProfileTest, AMissingFileReadsEmptyAndTheFirstWriteCreatesItForItsOwnerOnly) {
    EXPECT_EQ(profile.GetINI("Options", "WriteLog", ini), "");
    EXPECT_FALSE(folder.exists("Vexa.ini"));

    EXPECT_TRUE(profile.SetINI("Options", "WriteLog", "No", ini));
    EXPECT_TRUE(profile.SetINI("Highscore", "n1", "Åsa", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), "[Options]\nWriteLog=No\n[Highscore]\nn1=Åsa\n");
    EXPECT_EQ(permissionsOf(ini), 0600u);
    EXPECT_EQ(profile.GetINI("options", "writelog", ini), "No");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"Vexa.ini"});  // no leftovers
}

TEST_F(FileProfileTest, AHandEditTakesEffectAtTheNextRead) {
    folder.write("Vexa.ini", "[Options]\r\nPlaySound=Yes\r\n");
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", ini), "Yes");

    folder.write("Vexa.ini", "[Options]\r\nPlaySound=No\r\n");
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", ini), "No");

    // An edit that keeps the size, saved later (the clock of the file system may be coarse).
    const auto saved = fs::last_write_time(ini);
    folder.write("Vexa.ini", "[Options]\r\nPlaySound=On\r\n");
    fs::last_write_time(ini, saved + std::chrono::seconds(2));
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", ini), "On");

    // Our own writes are seen at once, and the edit by hand is not undone by them.
    EXPECT_TRUE(profile.SetINI("Options", "WarnExit", "Yes", ini));
    EXPECT_EQ(profile.GetINI("Options", "WarnExit", ini), "Yes");
    EXPECT_EQ(folder.read("Vexa.ini"), "[Options]\r\nPlaySound=On\r\nWarnExit=Yes\r\n");

    fs::remove(ini);
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", ini), "");
}

TEST_F(FileProfileTest, LongValuesReadAsTheirFirst1023CharactersAndStayWholeOnDisk) {
    std::string longValue;
    for (int i = 0; i < 2000; ++i) {
        longValue += i % 2 == 0 ? "é" : "x";  // two-byte and one-byte characters
    }
    folder.write("Vexa.ini", "[Alarm]\nMess=" + longValue + "\n");
    const std::string read = profile.GetINI("Alarm", "Mess", ini);
    EXPECT_EQ(text::length(read), 1023u);
    EXPECT_EQ(read, text::left(longValue, 1023));

    EXPECT_TRUE(profile.SetINI("Alarm", "Status", "On", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), "[Alarm]\nMess=" + longValue + "\nStatus=On\n");
}

TEST_F(FileProfileTest, OlderEncodingsAreReadAndTheFileIsRewrittenAsUtf8) {
    folder.write("Swedish.lan", "[Language]\r\nc1=Ettor\r\nc13=Liten stege\r\nd5=Sex lika!\r\n"
                                "[Info]\r\nnational=Svenska \xE5\xE4\xF6\r\n");
    const std::string lan = folder.file("Swedish.lan");
    EXPECT_EQ(profile.GetINI("Info", "national", lan), "Svenska åäö");
    EXPECT_TRUE(profile.SetINI("Info", "Updated", "2002-02-22", lan));
    EXPECT_EQ(folder.read("Swedish.lan"),
              "[Language]\r\nc1=Ettor\r\nc13=Liten stege\r\nd5=Sex lika!\r\n"
              "[Info]\r\nnational=Svenska åäö\r\nUpdated=2002-02-22\r\n");

    folder.write("Bom.lan", "\xEF\xBB\xBF[Language]\r\nb1=Brisvane\r\n");
    const std::string bom = folder.file("Bom.lan");
    EXPECT_EQ(profile.GetINI("Language", "b1", bom), "Brisvane");
    EXPECT_TRUE(profile.SetINI("Language", "b2", "?", bom));
    EXPECT_EQ(folder.read("Bom.lan"), "\xEF\xBB\xBF[Language]\r\nb1=Brisvane\r\nb2=?\r\n");
}

TEST_F(FileProfileTest, EmptyAndBinaryFilesReadAsHoldingNoKeys) {
    folder.write("empty.lan", "");
    EXPECT_EQ(profile.GetINI("Language", "b1", folder.file("empty.lan")), "");

    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 7919) % 256));
    }
    folder.write("picture.gif", binary);
    EXPECT_EQ(profile.GetINI("Language", "b1", folder.file("picture.gif")), "");
}

TEST_F(FileProfileTest, OnlyAFileThatExistsButCannotBeReadIsAnError) {
    // A path through a regular file cannot exist: that is an absent file, not an error.
    folder.write("plain", "x");
    EXPECT_EQ(profile.GetINI("Options", "WriteLog", folder.file("plain") + "/Vexa.ini"), "");

    // A folder in the file's place cannot be read, not even by the superuser.
    fs::create_directory(ini);
    try {
        profile.GetINI("Options", "WriteLog", ini);
        FAIL() << "reading a folder as settings file must fail";
    } catch (const ProfileError& error) {
        EXPECT_EQ(error.source(), "GetINI");
        EXPECT_STREQ(error.what(), "Cannot read from INI File.");
        EXPECT_EQ(error.code(), EISDIR);
        EXPECT_FALSE(error.detail().empty());
    }
    EXPECT_FALSE(profile.SetINI("Options", "WriteLog", "No", ini));  // and never raises
    EXPECT_TRUE(fs::is_directory(ini));
}

TEST_F(FileProfileTest, AFailedWriteReturnsFalseAndLosesNothing) {
    const std::string original = "[Options]\nWarnExit=Yes\n; mine\n";

    // A missing folder, and one whose place a regular file takes.
    EXPECT_FALSE(profile.SetINI("Options", "WarnExit", "No", folder.file("gone/Vexa.ini")));
    folder.write("plain", "x");
    EXPECT_FALSE(profile.SetINI("Options", "WarnExit", "No", folder.file("plain/Vexa.ini")));

    // A read-only file stays as it is, also for a user whom permissions do not stop.
    folder.write("Vexa.ini", original);
    fs::permissions(ini, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(profile.SetINI("Options", "WarnExit", "No", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), original);
    EXPECT_EQ(profile.GetINI("Options", "WarnExit", ini), "Yes");
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"Vexa.ini", "plain"}));
}

TEST_F(FileProfileTest, AReadOnlyFolderMakesWritesFail) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into read-only folders; the full-disk and "
                        "read-only-file cases cover the failure path";
    }
    folder.write("Vexa.ini", "[Options]\nWarnExit=Yes\n");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(profile.SetINI("Options", "WarnExit", "No", ini));
    EXPECT_EQ(profile.GetINI("Options", "WarnExit", ini), "Yes");
}

// Makes every file write beyond `bytes` fail as on a full disk, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(FileProfileTest, AWriteInterruptedHalfWayLeavesTheOldFileWhole) {
    const std::string original = "[Highscore]\np1=345\nn1=Anna\n";
    folder.write("Vexa.ini", original);
    {
        FileSizeLimit diskFull(1024);
        EXPECT_FALSE(profile.SetINI("Alarm", "Mess", std::string(5000, 'x'), ini));
    }
    EXPECT_EQ(folder.read("Vexa.ini"), original);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"Vexa.ini"});
    EXPECT_EQ(profile.GetINI("Highscore", "n1", ini), "Anna");
}

TEST_F(FileProfileTest, ATemporaryFileLeftByACrashIsNeitherReadNorInTheWay) {
    folder.write("Vexa.ini", "[Highscore]\np1=345\n");
    folder.write(".Vexa.ini.Ab3xYz", "[Highscore]\np1=9");  // half written when power went
    EXPECT_EQ(profile.GetINI("Highscore", "p1", ini), "345");
    EXPECT_TRUE(profile.SetINI("Highscore", "p2", "120", ini));
    EXPECT_EQ(folder.read("Vexa.ini"), "[Highscore]\np1=345\np2=120\n");
    EXPECT_EQ(folder.read(".Vexa.ini.Ab3xYz"), "[Highscore]\np1=9");
}

TEST_F(FileProfileTest, ReplacingAFileKeepsItsPermissionsAndLinks) {
    folder.write("English.lan", "[Language]\nb1=Brisvane\n");
    const std::string lan = folder.file("English.lan");
    fs::permissions(lan, static_cast<fs::perms>(0644));
    EXPECT_TRUE(profile.SetINI("Language", "b2", "?", lan));
    EXPECT_EQ(permissionsOf(lan), 0644u);

    // The settings file holds passwords: once marked private, a write takes the others' access.
    folder.write("Vexa.ini", "[Users]\nantal=0\n");
    fs::permissions(ini, static_cast<fs::perms>(0644));
    profile.markPrivate(ini);
    EXPECT_TRUE(profile.SetINI("Users", "pass1", "secret", ini));
    EXPECT_EQ(permissionsOf(ini), 0600u);

    // A settings file linked from elsewhere stays linked.
    const std::string link = folder.file("Linked.ini");
    fs::create_symlink(ini, link);
    EXPECT_TRUE(profile.SetINI("Users", "antal", "1", link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(profile.GetINI("Users", "antal", ini), "1");
}

}  // namespace
}  // namespace brisvane
