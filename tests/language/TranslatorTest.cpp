#include <gtest/gtest.h>

#include "language/KeyOrder.h"
#include "language/LanguageWork.h"
#include "language/Translator.h"
#include "settings/FileProfile.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace brisvane::testing {
namespace {

// A reference with d1..d8, s1..s28, b1..b8, h1..h9 and c1..c20, as the shipped one.
std::string reference(std::initializer_list<std::pair<char, int>> families) {
    std::string text = "[Language]\n";
    for (const auto& [family, count] : families) {
        for (int n = 1; n <= count; ++n) {
            text += family + std::to_string(n) + "=English " + family + std::to_string(n) + "\n";
        }
    }
    return text;
}

TEST(KeyOrderTest, PositionsRunThroughTheFamiliesInTranslatorOrderUpToTheirFirstGaps) {
    TempFolder folder;
    FileProfile profile;
    const std::string english = folder.write(
        "English.lan", reference({{'c', 20}, {'h', 9}, {'b', 8}, {'s', 28}, {'d', 8}}));
    const KeyOrder order = KeyOrder::fromReference(profile, english);

    EXPECT_EQ(order.total(), 73);
    const std::pair<int, const char*> table[] = {
        {1, "d1"},  {8, "d8"},  {9, "s1"},  {36, "s28"}, {37, "b1"},
        {44, "b8"}, {45, "h1"}, {53, "h9"}, {54, "c1"},  {73, "c20"},
    };
    for (const auto& [position, key] : table) {
        EXPECT_EQ(order.keyAt(position), key) << position;
        EXPECT_EQ(order.positionOf(key), position) << key;
    }
    for (const int outside : {0, -1, 74}) {
        EXPECT_EQ(order.keyAt(outside), "") << outside;
    }
    for (const char* stranger : {"d9", "c21", "x1", "d0", "d01", "d", "", "s1a"}) {
        EXPECT_EQ(order.positionOf(stranger), 0) << stranger;
    }

    // A family ends at its first gap (a missing reference: the translator window's test).
    folder.write("Gaps.lan", "[Language]\nd1=Welcome\nd2=Total\nd4=Never offered\ns1=No user\n");
    const KeyOrder gaps = KeyOrder::fromReference(profile, folder.file("Gaps.lan"));
    EXPECT_EQ(gaps.count('d'), 2);
    EXPECT_EQ(gaps.total(), 3);
    EXPECT_EQ(gaps.keyAt(3), "s1");
    EXPECT_EQ(gaps.positionOf("d4"), 0);
}

// The settings and work files of a program folder with the shipped reference.
class LanguageWorkTest : public ::testing::Test {
protected:
    LanguageWorkTest() {
        folder.write("English.lan",
                     reference({{'d', 8}, {'s', 28}, {'b', 8}, {'h', 9}, {'c', 20}}));
        folder.write("Vexa.ini", "[Language]\nantal=2\nselected=1\nl1n=English\nl1p=English.lan\n"
                                 "l1m=No\nl2n=Deutsch\nl2p=German.lan\nl2m=No\n"
                                 "[Process]\np=2\np2=0\npL=0\n");
        clock.current = DateTime{2026, 3, 5, 14, 7, 9, 0};
    }
    std::string ini(const std::string& section, const std::string& key) {
        return profile.GetINI(section, key, iniFile);
    }

    TempFolder folder;
    FileProfile profile;
    FakeClock clock;
    std::string iniFile = folder.file("Vexa.ini");
    std::vector<std::string> logged;
    LanguageWork work{
        LanguageWork::Wiring{profile, ProgramFolder(folder.path()), iniFile, clock,
                             [this](const std::string& line) { logged.push_back(line); }}};
};

TEST_F(LanguageWorkTest, ANewLanguageStartsTheNextEntryAndAWorkFileThatDescribesIt) {
    EXPECT_EQ(work.startNewLanguage("Anna", "Deutsch", "German"), 3);

    const std::pair<const char*, const char*> settings[] = {
        {"p", "3"},        {"p2", "1"},     {"pL", "3"},  {"p3p", "German.nla"}, {"p3n", "Deutsch"},
        {"p3i", "German"}, {"p3a", "Anna"}, {"p3x", "1"}, {"p3s", "Processing"},
    };
    for (const auto& [key, value] : settings) {
        EXPECT_EQ(ini("Process", key), value) << key;
    }
    const std::string nla = folder.file("German.nla");
    const std::pair<const char*, const char*> description[] = {
        {"Author", "Anna"},     {"International", "German"}, {"National", "Deutsch"},
        {"Version", "5.0"},     {"Filename", "German.lan"},  {"ForVexaVersion", "6.003+"},
        {"Date", "2026-03-05"}, {"Format", "yyyy-mm-dd"},    {"Status", "Inofficial"},
    };
    for (const auto& [key, value] : description) {
        EXPECT_EQ(profile.GetINI("Info", key, nla), value) << key;
    }
    EXPECT_TRUE(work.anyInProgress());
    EXPECT_EQ(work.namesInProgress(), std::vector<std::string>{"Deutsch"});
    EXPECT_EQ(work.currentWorkFile(), nla);
}

TEST_F(LanguageWorkTest, NamesThatAreNoSafeFileStemOrAreTakenAreRefused) {
    work.startNewLanguage("Anna", "Deutsch", "German");
    const std::pair<const char*, bool> names[] = {
        {"Low German", true},
        {"Serbo-Croatian_2", true},
        {"../Vexa", false},
        {"Fran\u00e7ais", false},
        {"Dutch ", false},
        {"GERMAN", false}, // the entry in progress has that work file
    };
    for (const auto& [name, allowed] : names) {
        EXPECT_EQ(!work.refuseNewLanguage("Anna", "Native", name).has_value(), allowed) << name;
    }
    EXPECT_EQ(work.refuseNewLanguage("", "Native", "Dutch"), "You must fill in ALL fields.");
    folder.write("Dutch.nla", "[Language]\nd1=Welkom\n");
    EXPECT_TRUE(work.refuseNewLanguage("Anna", "Nederlands", "Dutch").has_value())
        << "an existing work file is never taken over";
    std::filesystem::remove(folder.file("German.nla"));
    EXPECT_TRUE(work.refuseNewLanguage("Anna", "Deutsch", "German").has_value())
        << "a language in progress keeps its name when its work file is gone";
}

TEST_F(LanguageWorkTest, SavingANewLanguageListsItAndClosesItsEntry) {
    work.startNewLanguage("Anna", "Deutsch", "German");
    work.startNewLanguage("Olle", "Svenska", "Swedish");
    work.chooseEntry("Deutsch");
    ASSERT_EQ(work.pL(), 3);

    ASSERT_TRUE(work.saveNewLanguage().saved);

    EXPECT_EQ(ini("Language", "antal"), "3");
    EXPECT_EQ(ini("Language", "selected"), "3");
    EXPECT_EQ(ini("Language", "l3n"), "Deutsch (new)");
    EXPECT_EQ(ini("Language", "l3p"), "German.nla");
    EXPECT_EQ(ini("Language", "l3m"), "No");
    EXPECT_EQ(ini("Process", "p3s"), "2026-03-05 14:07:09");
    EXPECT_EQ(ini("Process", "p2"), "1");
    EXPECT_EQ(ini("Process", "pL"), "4") << "the next entry still in progress";
    EXPECT_EQ(logged, std::vector<std::string>{"New language: Deutsch"});
}

TEST_F(LanguageWorkTest, AModificationIsSavedAsTheSecondFileOfItsLanguageAndListedOnce) {
    folder.write("German.lan", "[Language]\nd1=Willkommen\n[Info]\ninternational=German\n"
                               "national=Deutsch\n");
    const std::string modFile = work.installedFile(2);
    ASSERT_TRUE(work.prepareModification(2, modFile));
    EXPECT_EQ(folder.read("German.mla"), folder.read("German.lan"));
    EXPECT_EQ(ini("Language", "l2m"), "Yes");
    // A second modification keeps the work copy and what was done in it.
    profile.SetINI("Language", "d1", "Hallo", folder.file("German.mla"));
    ASSERT_TRUE(work.prepareModification(2, modFile));
    EXPECT_EQ(profile.GetINI("Language", "d1", folder.file("German.mla")), "Hallo");

    for (int save = 0; save < 2; ++save) {
        ASSERT_TRUE(work.saveModification(folder.file("German.mla")).saved);
    }
    const std::string saved = folder.file("German2.lan");
    EXPECT_EQ(profile.GetINI("Language", "d1", saved), "Hallo");
    EXPECT_EQ(profile.GetINI("Info", "Updated", saved), "2026-03-05");
    EXPECT_EQ(profile.GetINI("Info", "Status", saved), "Inofficial");
    EXPECT_EQ(profile.GetINI("Info", "Version", saved), "5.0");
    EXPECT_EQ(profile.GetINI("Info", "ForVexaVersion", saved), "6.003+");
    EXPECT_EQ(ini("Language", "antal"), "3") << "listed once, however often saved";
    EXPECT_EQ(ini("Language", "l3n"), "Deutsch (mod)");
    EXPECT_EQ(ini("Language", "l3p"), "German2.lan");
    EXPECT_EQ(ini("Language", "l3m"), "No");
    EXPECT_EQ(ini("Language", "selected"), "3");
    EXPECT_EQ(logged, (std::vector<std::string>{"Modified language: Deutsch",
                                                "Modified language: Deutsch"}));
}

TEST_F(LanguageWorkTest, AModificationWithoutAUsableWorkCopyWritesNothing) {
    const auto before = folder.read("Vexa.ini");
    EXPECT_FALSE(work.saveModification(folder.file("German.mla")).saved) << "missing";

    // A work copy whose name in English would leave the program folder.
    folder.write("Evil.mla", "[Info]\ninternational=../../Evil\n");
    EXPECT_FALSE(work.saveModification(folder.file("Evil.mla")).saved);

    EXPECT_EQ(folder.read("Vexa.ini"), before);
    EXPECT_TRUE(logged.empty());
    EXPECT_FALSE(folder.exists("2.lan"));
}

TEST_F(LanguageWorkTest, TheTranslatorCountsProgressAndStaysInsideTheKeys) {
    work.startNewLanguage("Anna", "Deutsch", "German");
    Translator translator(profile, ProgramFolder(folder.path()), work);
    translator.open(TranslationJob{"New", {}, 0});
    ASSERT_EQ(translator.LanTotal(), 73);
    for (int p = 1; p <= 30; ++p) {
        translator.jump(p);
        ASSERT_TRUE(translator.write("Text " + std::to_string(p)));
    }
    translator.checkLan();
    EXPECT_EQ(translator.LanDone(), 30);
    EXPECT_EQ(translator.percentText(), "41%");
    EXPECT_EQ(translator.barWidth(), 561) << "1365 x 30 / 73 = 560.96 twips";
    EXPECT_FALSE(translator.complete());

    translator.jump(500);
    EXPECT_EQ(translator.LanKey(), "c20");
    translator.jump(-3);
    EXPECT_EQ(translator.LanKey(), "d1");
    EXPECT_FALSE(translator.save().saved) << "an unfinished language is not saved";
}

} // namespace
} // namespace brisvane::testing
