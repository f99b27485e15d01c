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
        folder.write("English.lan", "[Language]\nc13=Small straight\nc21=Spare\ns80=Roll\n");
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
    EXPECT_EQ(language.T("s80"), "Roll") << "a key of the program's own the file lacks: English";
    EXPECT_EQ(language.T("c21"), "Spare") << "the same past the twenty categories";
    EXPECT_EQ(language.info("international"), "German");

    std::filesystem::create_directory(folder.file("Broken.lan"));
    language.setLanguageFile(folder.file("Broken.lan"));
    EXPECT_EQ(language.T("c13"), "") << "an unreadable file shows blanks, not an error";
}

// Settings made before a version that brings new languages: the shipped files come into the
// list once, under their own names; a player's own files and the listed ones do not.
TEST_F(LanguageTest, ShippedLanguagesTheListLacksAreAddedOnce) {
    folder.write("Dansk.lan", "[Info]\nnational=Dansk\nStatus=Official\n");
    folder.write("Mine.lan", "[Info]\nnational=Mein\nStatus=Inofficial\n");
    folder.write("DEUTSCH.lan", "[Info]\nnational=Deutsch\nStatus=Official\n");
    folder.write("Notes.txt", "[Info]\nnational=Notes\nStatus=Official\n");
    EXPECT_EQ(language.listShippedLanguages(), 1);
    EXPECT_EQ(profile.GetINI("Language", "antal", ini), "3");
    EXPECT_EQ(profile.GetINI("Language", "l3n", ini), "Dansk");
    EXPECT_EQ(profile.GetINI("Language", "l3p", ini), "Dansk.lan");
    EXPECT_EQ(profile.GetINI("Language", "l3m", ini), "No");
    EXPECT_EQ(profile.GetINI("Language", "selected", ini), "2") << "the player's choice stays";
    EXPECT_EQ(language.listShippedLanguages(), 0);
    EXPECT_EQ(profile.GetINI("Language", "antal", ini), "3");
}

// A settings file whose list names no readable language never leaves the windows blank: the
// reference language is chosen again, and put back into the list when it is missing there.
TEST_F(LanguageTest, AListThatNamesNoReadableFileFallsBackToEnglishAndIsRestored) {
    profile.SetINI("Language", "selected", "3", ini); // Swedish.lan is not there
    language.updateLanguageFile();
    EXPECT_EQ(language.T("c13"), "Small straight");
    EXPECT_EQ(profile.GetINI("Language", "selected", ini), "1");

    folder.write("Vexa.ini", ""); // emptied
    language.updateLanguageFile();
    EXPECT_EQ(language.T("c13"), "Small straight");
    EXPECT_EQ(folder.read("Vexa.ini"),
              "[Language]\nantal=1\nselected=1\nl1n=English\nl1p=English.lan\nl1m=No\n");

    profile.SetINI("Language", "selected", "2", ini); // a readable list with a gap in a file
    profile.SetINI("Language", "l2p", "deutsch.lan", ini);
    language.updateLanguageFile();
    EXPECT_EQ(language.T("c14"), "") << "single missing keys stay blank";
}

TEST_F(LanguageTest, ChoosingByNameTakesAnExactMatchAmongTheInstalledOnes) {
    profile.SetINI("Language", "antal", "4", ini);
    profile.SetINI("Language", "l4n", "Deutsch", ini); // the same name again: the first counts
    profile.SetINI("Language", "l4p", "English.lan", ini);
    for (const char* stranger : {"english", "English ", "Suomi", ""}) {
        EXPECT_FALSE(language.chooseByName(stranger)) << stranger;
    }
    EXPECT_EQ(profile.GetINI("Language", "selected", ini), "2");
    EXPECT_TRUE(language.chooseByName("Deutsch"));
    EXPECT_EQ(profile.GetINI("Language", "selected", ini), "2");
    EXPECT_TRUE(language.chooseByName("English"));
    EXPECT_EQ(profile.GetINI("Language", "selected", ini), "1");
    EXPECT_EQ(language.T("c13"), "Small straight");

    std::filesystem::permissions(ini, std::filesystem::perms::owner_read);
    EXPECT_TRUE(language.chooseByName("Deutsch")) << "the settings cannot be written";
    EXPECT_EQ(language.T("c13"), "Kleine Straße") << "the choice holds for this run";
}

// (The names of a new language's work file and of a saved modification: the work's tests.)
TEST(LanguageWorkFiles, AModificationsCopyIsNamedAfterTheFileAndNeverIsTheFileItself) {
    EXPECT_EQ(Language::modificationCopy("games/brisvane/Français.lan"),
              "games/brisvane/Français.mla");
    // Names the rule cannot serve still get a copy of their own, never the file itself.
    EXPECT_EQ(Language::modificationCopy("lan"), "lan.mla");
    EXPECT_EQ(Language::modificationCopy("Old.mla"), "Old.mla.mla");
    EXPECT_EQ(Language::modificationCopy(""), "");
}

} // namespace
} // namespace brisvane
