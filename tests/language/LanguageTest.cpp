#include "language/Language.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "settings/FileProfile.h"
#include "settings/MemoryProfile.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

using testing::TempFolder;

class LanguageTest : public ::testing::Test {
protected:
    TempFolder folder;
    MemoryProfile profile;
    const std::string ini = folder.file("Vexa.ini");
    Language language{profile, ProgramFolder(folder.path()), ini};

    void install(int number, const std::string& name, const std::string& file) {
        const std::string i = std::to_string(number);
        profile.SetINI("Language", "l" + i + "n", name, ini);
        profile.SetINI("Language", "l" + i + "p", file, ini);
    }
};

TEST_F(LanguageTest, TheSelectedLanguageGivesTheTexts) {
    install(1, "English", "English.lan");
    install(2, "Deutsch", "Deutsch.lan");
    profile.SetINI("Language", "antal", "2", ini);
    profile.SetINI("Language", "selected", "2", ini);
    profile.SetINI("Language", "c13", "Kleine Straße", folder.file("Deutsch.lan"));
    profile.SetINI("Language", "c13", "Small straight", folder.file("English.lan"));

    EXPECT_EQ(language.T("c13"), "");  // nothing applied yet
    language.updateLanguageFile();
    EXPECT_EQ(language.LanguageFile(), folder.file("Deutsch.lan"));
    EXPECT_EQ(language.T("c13"), "Kleine Straße");
    EXPECT_EQ(language.T("c14"), "");  // a key the file lacks
}

TEST_F(LanguageTest, AMissingSelectionOrFileNameLeavesEveryTextBlank) {
    profile.SetINI("Language", "c1", "Ones", folder.file("English.lan"));
    install(1, "English", "English.lan");
    language.updateLanguageFile();  // no `selected`
    EXPECT_EQ(language.LanguageFile(), "");
    EXPECT_EQ(language.T("c1"), "");

    profile.SetINI("Language", "selected", "3", ini);  // no l3p
    language.updateLanguageFile();
    EXPECT_EQ(language.T("c1"), "");
}

TEST_F(LanguageTest, ChoosingByNameTakesTheFirstExactMatch) {
    install(1, "English", "English.lan");
    install(2, "Svenska (mod)", "Swedish2.lan");
    install(3, "Deutsch", "Deutsch.lan");
    install(4, "Svenska", "Swedish.lan");
    install(5, "Svenska (mod)", "Swedish3.lan");
    profile.SetINI("Language", "antal", "5", ini);
    profile.SetINI("Language", "selected", "1", ini);
    const int writes = profile.writeCount();

    for (const char* stranger : {"svenska", "Svenska ", "Suomi", ""}) {
        EXPECT_FALSE(language.chooseByName(stranger)) << stranger;
    }
    EXPECT_EQ(profile.writeCount(), writes);

    EXPECT_TRUE(language.chooseByName("Svenska (mod)"));
    EXPECT_EQ(profile.GetINI("Language", "selected", ini), "2");
    EXPECT_EQ(language.LanguageFile(), folder.file("Swedish2.lan"));

    // Only the first `antal` languages are installed.
    profile.SetINI("Language", "antal", "3", ini);
    EXPECT_FALSE(language.chooseByName("Svenska"));
}

TEST_F(LanguageTest, AChoiceHoldsForThisRunWhenTheSettingsCannotBeWritten) {
    install(1, "English", "English.lan");
    install(2, "Deutsch", "Deutsch.lan");
    profile.SetINI("Language", "antal", "2", ini);
    profile.setReadOnly(true);
    EXPECT_TRUE(language.chooseByName("Deutsch"));
    EXPECT_EQ(language.LanguageFile(), folder.file("Deutsch.lan"));
}

TEST_F(LanguageTest, HelpPagesAreAskedForInTheLanguageInUse) {
    const std::string lan = folder.file("Swedish.lan");
    language.setLanguageFile(lan);
    EXPECT_EQ(language.UplinkLan("https://example.org/help"), "https://example.org/help?lan=");
    profile.SetINI("Info", "international", "Swedish", lan);
    EXPECT_EQ(language.UplinkLan("https://example.org/help"),
              "https://example.org/help?lan=Swedish");
}

TEST_F(LanguageTest, LanguageFilesAreFoundWhateverTheCaseOfTheirNames) {
    folder.write("deutsch.LAN", "[Language]\nc1=Einer\n");
    FileProfile files;
    Language fromDisk{files, ProgramFolder(folder.path()), ini};
    files.SetINI("Language", "selected", "1", ini);
    files.SetINI("Language", "l1p", "Deutsch.lan", ini);
    fromDisk.updateLanguageFile();
    EXPECT_EQ(fromDisk.T("c1"), "Einer");

    // An unreadable language file shows blanks instead of stopping the window.
    std::filesystem::create_directory(folder.file("Broken.lan"));
    fromDisk.setLanguageFile(folder.file("Broken.lan"));
    EXPECT_EQ(fromDisk.T("c1"), "");
}

TEST(LanguageWorkFiles, NamesFollowTheInternationalNameAndTheFileName) {
    EXPECT_EQ(Language::newLanguageWorkFile("Finnish"), "Finnish.nla");
    EXPECT_EQ(Language::modifiedLanguageFile("Swedish"), "Swedish2.lan");
    EXPECT_EQ(Language::modificationCopy("Swedish.lan"), "Swedish.mla");
    EXPECT_EQ(Language::modificationCopy("games/brisvane/Français.lan"),
              "games/brisvane/Français.mla");
    EXPECT_EQ(Language::modificationCopy("Deutsch.txt"), "Deutsch.mla");
    // Names the rule cannot serve still get a copy of their own, never the file itself.
    EXPECT_EQ(Language::modificationCopy("games/ab"), "games/ab.mla");
    EXPECT_EQ(Language::modificationCopy("lan"), "lan.mla");
    EXPECT_EQ(Language::modificationCopy("Old.mla"), "Old.mla.mla");
    EXPECT_EQ(Language::modificationCopy(""), "");
}

}  // namespace
}  // namespace brisvane
