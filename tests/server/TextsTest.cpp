#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "server/Texts.h"

namespace brisvane::server {
namespace {

// The international name of every language file the game ships.
std::vector<std::string> shippedLanguages() {
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(BRISVANE_SOURCE_DIR "/data")) {
        if (file.path().extension() != ".lan") {
            continue;
        }
        std::ifstream in(file.path());
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("international=", 0) == 0) {
                names.push_back(line.substr(14, line.find_last_not_of("\r") - 13));
            }
        }
    }
    return names;
}

TEST(TextsTest, EveryLanguageTheGameShipsHasEveryTextOfThePages) {
    const auto names = shippedLanguages();
    ASSERT_GE(names.size(), 3U);
    for (const std::string& name : names) {
        const Texts& t = textsFor(name);
        EXPECT_EQ(t.lan, name);
        // A text left out of a language's table is empty: the page would show nothing there.
        const auto* first = reinterpret_cast<const std::string_view*>(&t);
        for (std::size_t i = 0; i < sizeof(Texts) / sizeof(std::string_view); ++i) {
            EXPECT_FALSE(first[i].empty()) << name << ", text number " << i;
        }
    }
    EXPECT_EQ(textsFor("Klingon").lan, "English");
}

TEST(TextsTest, ValuesFillTheirPlaces) {
    EXPECT_EQ(fill("%1 points by %2: place %3", {"287", "Åsa", "4"}), "287 points by Åsa: place 4");
    EXPECT_EQ(fill("100%", {}), "100%");
}

} // namespace
} // namespace brisvane::server
