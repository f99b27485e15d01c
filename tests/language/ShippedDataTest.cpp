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

TEST(ShippedData, TheDefaultLanguageIsEnglishAndHasEveryTextTheProgramShows) {
    FileProfile profile;
    const ProgramFolder data{std::filesystem::path(BRISVANE_SOURCE_DIR) / "data"};
    Language language{profile, data, data.file("Vexa.ini")};
    language.updateLanguageFile();
    EXPECT_EQ(language.info("international"), "English");
    // Each family runs without a gap up to its last key and stops there, as the translator
    // counts the keys of a family up to the first gap.
    for (const auto& [family, count] :
         {std::pair{'b', 8}, {'c', 20}, {'d', 8}, {'h', 9}, {'s', 28}}) {
        for (int n = 1; n <= count + 1; ++n) {
            EXPECT_EQ(language.T(family + std::to_string(n)).empty(), n > count) << family << n;
        }
    }
    EXPECT_EQ(language.T("c1") + ", " + language.T("c8") + ", " + language.T("c13") + ", " +
                  language.T("c18") + ", " + language.T("c20"),
              "Ones, Two pairs, Small straight, Tower, Yatzy");
    EXPECT_EQ(text::dropLast(language.T("b7")), "Clear highscore") << "the clear button";
    for (int n = 1; n <= 8; ++n) {
        EXPECT_LE(text::length(language.T("d" + std::to_string(n))), 13u) << "one display page";
    }
}

} // namespace
} // namespace brisvane
