// The language files and the settings file that the distribution ships, read as the program
// reads them. Every shipped language file is checked, whether or not the test knows it.

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

#include "common/Numbers.h"
#include "common/ProgramFolder.h"
#include "common/Text.h"
#include "display/DotFont.h"
#include "language/KeyOrder.h"
#include "language/Language.h"
#include "settings/FileProfile.h"
#include "support/ShippedLanguages.h"

namespace brisvane {
namespace {

// The places a text has for values ("%1", "%2"), as a sorted list.
std::string placeholders(const std::string& text) {
    std::string places;
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9') {
            places += text[at + 1];
        }
    }
    std::sort(places.begin(), places.end());
    return places;
}

class ShippedData : public ::testing::Test {
protected:
    std::string ini(const std::string& key) {
        return profile.GetINI("Language", key, data.file("Vexa.ini"));
    }
    std::string listed(int n, char what) {
        return ini("l" + std::to_string(n) + what);
    }
    void choose(const std::string& fileName) {
        language.setLanguageFile(data.resolve(fileName));
    }

    FileProfile profile;
    const ProgramFolder data{std::filesystem::path(BRISVANE_SOURCE_DIR) / "data"};
    Language language{profile, data, data.file("Vexa.ini")};
};

TEST_F(ShippedData, TheSettingsListOffersEveryShippedLanguageOnceUnderItsOwnName) {
    const std::vector<std::string> shipped = testing::shippedLanguages();
    const std::set<std::string> files(shipped.begin(), shipped.end());
    EXPECT_GE(files.size(), 9u);
    std::set<std::string> offered;
    const int count = intValue(ini("antal"));
    for (int n = 1; n <= count; ++n) {
        EXPECT_TRUE(offered.insert(listed(n, 'p')).second) << listed(n, 'p') << " twice";
        EXPECT_EQ(listed(n, 'm'), "No");
        choose(listed(n, 'p'));
        EXPECT_EQ(listed(n, 'n'), language.info("national")) << listed(n, 'p');
    }
    EXPECT_EQ(offered, files);
}

TEST_F(ShippedData, EveryShippedLanguageHasEveryTextOfTheEnglishFile) {
    Language english{profile, data, data.file("Vexa.ini")};
    english.setLanguageFile(data.file("English.lan"));
    const KeyOrder keys = KeyOrder::fromReference(profile, data.file("English.lan"));
    ASSERT_GE(keys.total(), 85);
    for (const std::string& file : testing::shippedLanguages()) {
        choose(file);
        const std::string international = language.info("international");
        EXPECT_EQ(international + ".lan", file);
        EXPECT_EQ(language.info("Filename"), file);
        EXPECT_FALSE(language.info("national").empty()) << file;
        EXPECT_FALSE(language.info("Author").empty()) << file;
        EXPECT_EQ(language.info("Version"), "5.0") << file;
        EXPECT_EQ(language.info("ForVexaVersion"), "6.003+") << file;
        for (int position = 1; position <= keys.total(); ++position) {
            const std::string key = keys.keyAt(position);
            const std::string text = language.T(key);
            EXPECT_FALSE(text.empty()) << file << " " << key;
            EXPECT_EQ(placeholders(text), placeholders(english.T(key))) << file << " " << key;
        }
        // Each family stops where English's does, as the translator counts a family up to its
        // first gap: a key beyond it would never be offered for translation.
        for (const char family : KeyOrder::Families) {
            const std::string next = family + std::to_string(keys.count(family) + 1);
            EXPECT_EQ(language.T(next), "") << file << " " << next;
        }
    }
}

TEST_F(ShippedData, TheDisplayShowsEveryLanguageTextsWholeOnOnePage) {
    const KeyOrder keys = KeyOrder::fromReference(profile, data.file("English.lan"));
    for (const std::string& file : testing::shippedLanguages()) {
        choose(file);
        for (int k = 1; k <= keys.count('d'); ++k) {
            const std::string said = language.T("d" + std::to_string(k));
            EXPECT_LE(text::length(said), 13u) << file << " d" << k;
            for (const char32_t c : text::toCodePoints(text::toUpper(said))) {
                EXPECT_TRUE(DotFont::contains(c)) << file << " d" << k << ": " << said;
            }
        }
        EXPECT_LE(text::length(language.T("d2")) + 6, 13u) << file << ": the total said after it";
    }
}

} // namespace
} // namespace brisvane
