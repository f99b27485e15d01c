// The language file and settings file that the distribution ships, read as the program reads
// them.

#include <filesystem>
#include <gtest/gtest.h>

#include "common/ProgramFolder.h"
#include "common/Text.h"
#include "language/Language.h"
#include "settings/FileProfile.h"

namespace brisvane {
namespace {

class ShippedDataTest : public ::testing::Test {
protected:
    FileProfile profile;
    ProgramFolder data{std::filesystem::path(BRISVANE_SOURCE_DIR) / "data"};
    std::string ini = data.file("Vexa.ini");
    Language language{profile, data, ini};

    void SetUp() override { language.updateLanguageFile(); }
};

TEST_F(ShippedDataTest, TheDefaultLanguageIsEnglishAndHasEveryTextTheProgramShows) {
    EXPECT_EQ(language.LanguageFile(), data.file("English.lan"));
    // Each family runs without a gap up to its last key and stops there, as the translator
    // counts the keys of a family up to the first gap.
    for (const auto& [family, count] :
         {std::pair{'b', 8}, {'c', 20}, {'d', 8}, {'h', 9}, {'s', 28}}) {
        for (int n = 1; n <= count; ++n) {
            const std::string key = family + std::to_string(n);
            EXPECT_NE(language.T(key), "") << key;
        }
        EXPECT_EQ(language.T(family + std::to_string(count + 1)), "") << family;
    }
}

TEST_F(ShippedDataTest, EnglishTextsMatchTheProgramsOwnEnglish) {
    const std::vector<std::pair<std::string, std::string>> fixed = {
        {"s2", "User"},
        {"s3", "Warn before:"},
        {"s4", "Exit the program"},
        {"s5", "Start a new game"},
        {"s6", "Visit the homepage"},
        {"s7", "Sound"},
        {"s8", "Mute"},
        {"s14", "Language"},
        {"s15", "View"},
        {"s16", "Splashscreen"},
        {"s17", "Time"},
        {"s18", "Alarm"},
        {"s19", "Settings"},
        {"s20", "Help text"},
        {"s23", "Enter member username and password"},
        {"s25", "Close"},
        {"s27", "Red square"},
        {"s28", "Translate"}};
    for (const auto& [key, text] : fixed) {
        EXPECT_EQ(language.T(key), text) << key;
    }
    const char* const categories[] = {"Ones",           "Twos",
                                      "Threes",         "Fours",
                                      "Fives",          "Sixes",
                                      "One pair",       "Two pairs",
                                      "Three pairs",    "Three of a kind",
                                      "Four of a kind", "Five of a kind",
                                      "Small straight", "Large straight",
                                      "Full straight",  "Hut",
                                      "House",          "Tower",
                                      "Chance",         "Yatzy"};
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(language.T("c" + std::to_string(k)), categories[k - 1]) << k;
    }
    // The clear button shows the question without its last character.
    EXPECT_EQ(text::dropLast(language.T("b7")), "Clear highscore");
    // The display messages fit on one page of the dot-matrix display.
    for (int n = 1; n <= 8; ++n) {
        EXPECT_LE(text::length(language.T("d" + std::to_string(n))), 13u) << n;
    }
    EXPECT_EQ(language.info("international"), "English");
    EXPECT_EQ(language.info("Version"), "5.0");
    EXPECT_EQ(language.info("ForVexaVersion"), "6.003+");
}

}  // namespace
}  // namespace brisvane
