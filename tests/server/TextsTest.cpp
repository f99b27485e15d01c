#include <gtest/gtest.h>

#include "server/Texts.h"
#include "support/ShippedLanguages.h"

namespace brisvane::server {
namespace {

// A language file is named by its language's international name (the shipped data's test).
TEST(TextsTest, EveryLanguageTheGameShipsHasEveryTextOfThePages) {
    const auto files = testing::shippedLanguages();
    ASSERT_GE(files.size(), 3U);
    for (const std::string& file : files) {
        const std::string name = std::filesystem::path(file).stem().string();
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

} // namespace
} // namespace brisvane::server
