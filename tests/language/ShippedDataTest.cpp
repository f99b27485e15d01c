// The language files and the settings file that the distribution ships, read as the program
// reads them.

#include <filesystem>
#include <gtest/gtest.h>

#include "common/Numbers.h"
#include "common/ProgramFolder.h"
#include "common/Text.h"
#include "display/DotFont.h"
#include "language/Language.h"
#include "settings/FileProfile.h"

namespace brisvane {
namespace {

const std::pair<char, int> Families[] = {{'b', 8}, {'c', 20}, {'d', 8}, {'h', 9}, {'s', 40}};

class ShippedData : public ::testing::Test {
protected:
    std::string ini(const std::string& key) {
        return profile.GetINI("Language", key, data.file("Vexa.ini"));
    }
    // Makes language `n` of the shipped list the current one.
    void choose(int n) {
        language.setLanguageFile(data.resolve(ini("l" + std::to_string(n) + "p")));
    }

    FileProfile profile;
    const ProgramFolder data{std::filesystem::path(BRISVANE_SOURCE_DIR) / "data"};
    Language language{profile, data, data.file("Vexa.ini")};
};

TEST_F(ShippedData, TheDefaultLanguageIsEnglish) {
    language.updateLanguageFile();
    EXPECT_EQ(language.info("international"), "English");
    EXPECT_EQ(language.T("c1") + ", " + language.T("c8") + ", " + language.T("c13") + ", " +
                  language.T("c18") + ", " + language.T("c20"),
              "Ones, Two pairs, Small straight, Tower, Yatzy");
    EXPECT_EQ(text::dropLast(language.T("b7")), "Clear highscore") << "the clear button";
}

TEST_F(ShippedData, EveryListedLanguageHasEveryTextTheProgramShows) {
    const struct {
        const char* shown;
        const char* national;
        const char* international;
        const char* categories; // c1, c8, c13, c17, c20
    } expected[] = {
        {"English", "English", "English", "Ones, Two pairs, Small straight, House, Yatzy"},
        {"Svenska", "Svenska", "Swedish", "Ettor, Två par, Liten stege, Hus, Yatzy"},
        {"Deutsch", "Deutsch", "German", "Einser, Zwei Paare, Kleine Straße, Haus, Yatzy"},
    };
    ASSERT_EQ(intValue(ini("antal")), 3);
    for (int n = 1; n <= 3; ++n) {
        const auto& row = expected[n - 1];
        EXPECT_EQ(ini("l" + std::to_string(n) + "n"), row.shown);
        EXPECT_EQ(ini("l" + std::to_string(n) + "m"), "No");
        choose(n);
        ASSERT_TRUE(std::filesystem::is_regular_file(language.LanguageFile())) << row.shown;
        EXPECT_EQ(language.info("national"), row.national);
        EXPECT_EQ(language.info("international"), row.international);
        EXPECT_EQ(language.info("Version"), "5.0");
        EXPECT_EQ(language.info("ForVexaVersion"), "6.003+");
        EXPECT_EQ(language.info("Filename"), std::string(row.international) + ".lan");
        EXPECT_FALSE(language.info("Author").empty());
        // Each family runs without a gap up to its last key and stops there, as the
        // translator counts the keys of a family up to the first gap.
        for (const auto& [family, count] : Families) {
            for (int k = 1; k <= count + 1; ++k) {
                EXPECT_EQ(language.T(family + std::to_string(k)).empty(), k > count)
                    << row.shown << " " << family << k;
            }
        }
        EXPECT_EQ(language.T("c1") + ", " + language.T("c8") + ", " + language.T("c13") + ", " +
                      language.T("c17") + ", " + language.T("c20"),
                  row.categories);
        // The display shows its texts in full: one page each, every character in its font.
        for (int k = 1; k <= 8; ++k) {
            const std::string said = language.T("d" + std::to_string(k));
            EXPECT_LE(text::length(said), 13u) << row.shown << " d" << k;
            for (const char32_t c : text::toCodePoints(text::toUpper(said))) {
                EXPECT_TRUE(DotFont::contains(c)) << row.shown << " d" << k << ": " << said;
            }
        }
        EXPECT_LE(text::length(language.T("d2")) + 6, 13u) << "the total said after it";
    }
}

} // namespace
} // namespace brisvane
