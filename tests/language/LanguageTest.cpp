#include "language/Language.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "settings/FileProfile.h"
#include "support/TempFolder.h"

namespace brisvane {
namespace {

// Two installed languages on disk, the second selected.
class LanguageTest : public ::testing::Test {
protected:
    LanguageTest() {
        folder.write("Vexa.ini", "[Language]\nantal=2\nselected=2\nl1n=English\nl1p=English.lan\n"
                                 "l2n=Deutsch\nl2p=Deutsch.lan\nl3n=Svenska\nl3p=Swedish.lan\n");
        folder.write("English.lan", "[Language]\nc13=Small straight\n");
        folder.write("deutsch.LAN",
                     "[Language]\nc13=Kleine Straße\n[Info]\ninternational=German\n");
    }

    testing::TempFolder folder;
    FileProfile profile;
    const std::string ini = folder.file("Vexa.ini");
    Language language{profile, ProgramFolder(folder.path()), ini};
};

TEST_F(LanguageTest, TheSelectedLanguageGivesTheTextsWhateverTheCaseOfItsFileName) {
    EXPECT_EQ(language.T("c13"), "") << "nothing applied yet";
    language.updateLanguageFile();
    EXPECT_EQ(language.LanguageFile(), folder.file("deutsch.LAN"));
    EXPECT_EQ(language.T("c13"), "Kleine Straße");
    EXPECT_EQ(language.T("c14"), "") << "a key the file lacks";
    EXPECT_EQ(language.UplinkLan("https://example.org/help"),
              "https://example.org/help?lan=German");

    profile.SetINI("Language", "selected", "4", ini); // no l4p
    language.updateLanguageFile();
    EXPECT_EQ(language.T("c13"), "");
    std::filesystem::create_directory(folder.file("Broken.lan"));
    language.setLanguageFile(folder.file("Broken.lan"));
    EXPECT_EQ(language.T("c13"), "") << "an unreadable file shows blanks, not an error";
}

TEST_F(LanguageTest, ChoosingByNameTakesAnExactMatchAmongTheInstalledOnes) {
    for (const char* stranger : {"english", "English ", "Svenska", ""}) {
        EXPECT_FALSE(language.chooseByName(stranger)) << stranger;
    }
    EXPECT_EQ(profile.GetINI("Language", "selected", ini), "2");
    EXPECT_TRUE(language.chooseByName("English"));
    EXPECT_EQ(profile.GetINI("Language", "selected", ini), "1");
    EXPECT_EQ(language.T("c13"), "Small straight");

    std::filesystem::permissions(ini, std::filesystem::perms::owner_read);
    EXPECT_TRUE(language.chooseByName("Deutsch")) << "the settings cannot be written";
    EXPECT_EQ(language.T("c13"), "Kleine Straße") << "the choice holds for this run";
}

TEST(LanguageWorkFiles, NamesFollowTheInternationalNameAndTheFileName) {
    EXPECT_EQ(Language::newLanguageWorkFile("Finnish"), "Finnish.nla");
    EXPECT_EQ(Language::modifiedLanguageFile("Swedish"), "Swedish2.lan");
    EXPECT_EQ(Language::modificationCopy("games/brisvane/Français.lan"),
              "games/brisvane/Français.mla");
    // Names the rule cannot serve still get a copy of their own, never the file itself.
    EXPECT_EQ(Language::modificationCopy("lan"), "lan.mla");
    EXPECT_EQ(Language::modificationCopy("Old.mla"), "Old.mla.mla");
    EXPECT_EQ(Language::modificationCopy(""), "");
}

} // namespace
} // namespace brisvane
