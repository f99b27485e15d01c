// Unpack and DelRes as the player meets them through the tools menu: the resource files appear
// in the program folder and are recorded in the settings file, and go again; a hostile package
// or a hand-edited record touches nothing it must not.

#include "package/Resources.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "package/PackageFormat.h"
#include "settings/FileProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

namespace fs = std::filesystem;
using package::RawEntry;

class ResourcesTest : public ::testing::Test {
protected:
    ResourcesTest()
        : resources(
              Resources::Wiring{profile, ini, programFolder, dialogs, texts, "Brisvane", "Vexa.log",
                                [this](const std::string& line) { log.push_back(line); },
                                [this](const std::string& where, const std::exception& error) {
                                    log.push_back(where + ": " + error.what());
                                }}) {
        folder.write("Vexa.ini", "[Options]\nPlaySound=Yes\n");
        resources.showBusy = [this](bool busy) { busyCalls.push_back(busy); };
    }

    void writePackage(const std::vector<std::pair<std::string, std::string>>& files) {
        std::vector<RawEntry> entries;
        std::string contents;
        for (const auto& [name, bytes] : files) {
            entries.push_back({name, static_cast<std::int32_t>(bytes.size())});
            contents += bytes;
        }
        folder.write("Res.pac", package::encodeDirectory(entries) + contents);
    }
    std::string get(const std::string& key) { return profile.GetINI("Resources", key, ini); }

    testing::TempFolder folder;
    ProgramFolder programFolder{folder.path()};
    std::string ini = folder.file("Vexa.ini");
    FileProfile profile;
    testing::FakeDialogs dialogs;
    testing::FakeTexts texts;
    std::vector<std::string> log;
    std::vector<bool> busyCalls;
    Resources resources;
};

TEST_F(ResourcesTest, UnpackOfThreeFilesRecordsThemAndDelResRemovesThemAndTheRecord) {
    writePackage({{"Felt.jpg", "felt"}, {"Slate.jpg", "slate"}, {"notes.txt", ""}});
    resources.Unpack();
    EXPECT_EQ(folder.read("Felt.jpg"), "felt");
    EXPECT_EQ(folder.read("Slate.jpg"), "slate");
    EXPECT_TRUE(folder.exists("notes.txt"));
    EXPECT_EQ(get("del") + get("del1") + get("del2") + get("del3"), "3Felt.jpgSlate.jpgnotes.txt");
    EXPECT_EQ(profile.GetINI("Options", "PlaySound", ini), "Yes") << "other settings stay";
    EXPECT_EQ(busyCalls, (std::vector<bool>{true, false}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(log.empty());

    resources.DelRes();
    EXPECT_FALSE(folder.exists("Felt.jpg"));
    EXPECT_FALSE(folder.exists("Slate.jpg"));
    EXPECT_FALSE(folder.exists("notes.txt"));
    EXPECT_TRUE(folder.exists("Res.pac"));
    EXPECT_EQ(get("del"), "0");
    EXPECT_EQ(get("del1") + get("del2") + get("del3"), "");
    EXPECT_TRUE(log.empty());
}

TEST_F(ResourcesTest, AMissingOrDamagedPackageIsReportedAndNothingIsRecorded) {
    for (const std::string& bytes : {std::string(), std::string("LBFP\x01\x00\x00\x00", 8)}) {
        if (!bytes.empty()) {
            folder.write("Res.pac", bytes);
        }
        resources.Unpack();
    }
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].title, "Brisvane");
    EXPECT_EQ(dialogs.messages[0].text, "Specified package not found.");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(busyCalls.empty());
    EXPECT_EQ(get("del"), "");
}

TEST_F(ResourcesTest, UnpackWritesAndRecordsOnlyPlainNewFilesAndLogsTheOthers) {
    folder.write("Vexa.log", "old log\n");
    writePackage({{"good.txt", "good"},
                  {"../evil.txt", "evil"},
                  {"vexa.ini", "[Highscore]\np1=99999\n"},
                  {"Vexa.log", "forged"},
                  {"RES.PAC", "x"},
                  {"also.txt", "also"}});
    resources.Unpack();
    EXPECT_EQ(folder.read("good.txt"), "good");
    EXPECT_EQ(folder.read("also.txt"), "also");
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "evil.txt"));
    EXPECT_EQ(folder.read("Vexa.log"), "old log\n");
    EXPECT_EQ(get("del") + " " + get("del1") + " " + get("del2"), "2 good.txt also.txt");
    EXPECT_EQ(profile.GetINI("Highscore", "p1", ini), "");
    EXPECT_EQ(
        log, (std::vector<std::string>{"Unpack left out \"../evil.txt\": not a plain file name",
                                       "Unpack left out \"vexa.ini\": a file of the program itself",
                                       "Unpack left out \"Vexa.log\": a file of the program itself",
                                       "Unpack left out \"RES.PAC\": a file of the program itself"}));
}

TEST_F(ResourcesTest, AnEntryThatCannotBeWrittenIsLoggedAndOnlyWhatIsUnpackedIsRecorded) {
    fs::create_directory(folder.path() / "busy.txt"); // a folder where an earlier file went
    profile.SetINIs(ini, {{"Resources", "del", "1"}, {"Resources", "del1", "busy.txt"}});
    writePackage({{"busy.txt", "x"}, {"ok.txt", "ok"}});
    resources.Unpack();
    EXPECT_EQ(log, std::vector<std::string>{"Unpack could not write \"busy.txt\""});
    EXPECT_EQ(get("del"), "2");
    EXPECT_EQ(get("del1") + "|" + get("del2"), "busy.txt|ok.txt");
    EXPECT_EQ(busyCalls, (std::vector<bool>{true, false}));
}

// A package entry named like the player's own file (a translation in progress) leaves that
// file as it is and says so, and DelRes never takes it.
TEST_F(ResourcesTest, FilesUnpackDidNotMakeAreLeftAloneNamedAndNeverRemoved) {
    folder.write("Swedish.lan", "mine");
    folder.write("German.nla", "work");
    writePackage({{"Swedish.lan", "shipped"}, {"German.nla", "x"}, {"Felt.jpg", "felt"}});
    resources.Unpack();
    EXPECT_EQ(folder.read("Swedish.lan"), "mine");
    EXPECT_EQ(folder.read("German.nla"), "work");
    EXPECT_EQ(folder.read("Felt.jpg"), "felt");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Unpack left these files alone, as it did not make them: Swedish.lan, German.nla.");

    folder.write("Felt.jpg", "old"); // its own file, unpacked before, it replaces
    resources.Unpack();
    EXPECT_EQ(folder.read("Felt.jpg"), "felt");
    EXPECT_EQ(get("del") + get("del1"), "1Felt.jpg");
    resources.DelRes();
    EXPECT_FALSE(folder.exists("Felt.jpg"));
    EXPECT_EQ(folder.read("Swedish.lan"), "mine");
}

TEST_F(ResourcesTest, ASettingsFileThatCannotBeWrittenUnpacksNothingAndSaysWhy) {
    writePackage({{"Felt.jpg", "felt"}});
    fs::permissions(ini, fs::perms::owner_read);
    resources.Unpack();
    EXPECT_FALSE(folder.exists("Felt.jpg"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Nothing was unpacked: the settings file " + ini +
                  " cannot be written (Permission denied), and without it the files could not "
                  "be removed again.");
}

// (Each kind of name left alone is the unpacking's test: the same checks.)
TEST_F(ResourcesTest, DelResDeletesOnlyRecordedPlainNamesOfTheProgramFolder) {
    folder.write("outside.txt", "keep");
    folder.write("mine.txt", "unpacked");
    profile.SetINI("Resources", "del", "4", ini);
    profile.SetINI("Resources", "del1", "../" + folder.path().filename().string() + "/outside.txt",
                   ini);
    profile.SetINI("Resources", "del2", "Vexa.ini", ini);
    profile.SetINI("Resources", "del3", "gone-already.txt", ini);
    profile.SetINI("Resources", "del4", "mine.txt", ini);
    resources.DelRes();
    EXPECT_EQ(folder.read("outside.txt"), "keep");
    EXPECT_FALSE(folder.exists("mine.txt"));
    EXPECT_EQ(get("del"), "0");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(get("del" + std::to_string(i)), "") << i;
    }
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], "DelRes left \"Vexa.ini\" alone: not a file unpacked into the program "
                      "folder");
}

TEST_F(ResourcesTest, AFailedDeletionStopsThereAndKeepsTheRecordsNotYetHandled) {
    folder.write("first.txt", "1");
    fs::create_directory(folder.path() / "stuck");
    folder.write("stuck/inside", "x");
    folder.write("third.txt", "3");
    profile.SetINI("Resources", "del", "3", ini);
    profile.SetINI("Resources", "del1", "first.txt", ini);
    profile.SetINI("Resources", "del2", "stuck", ini);
    profile.SetINI("Resources", "del3", "third.txt", ini);
    resources.DelRes();
    EXPECT_FALSE(folder.exists("first.txt"));
    EXPECT_TRUE(folder.exists("third.txt"));
    EXPECT_EQ(get("del") + "|" + get("del1") + "|" + get("del2") + "|" + get("del3"),
              "3||stuck|third.txt");
    EXPECT_EQ(log, std::vector<std::string>{"Error 75: Path/File access error"});
}

TEST_F(ResourcesTest, ANonNumericOrHugeCountDoesNoHarm) {
    folder.write("a.txt", "a");
    profile.SetINI("Resources", "del1", "a.txt", ini);
    for (const char* count : {"abc", "-4", "99999999999"}) {
        profile.SetINI("Resources", "del", count, ini);
        resources.DelRes();
        EXPECT_EQ(get("del"), "0") << count;
    }
    EXPECT_FALSE(folder.exists("a.txt")) << "the huge count still handled the first record";
}

} // namespace
} // namespace brisvane
