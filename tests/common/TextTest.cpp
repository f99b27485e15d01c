#include <gtest/gtest.h>

#include "common/Numbers.h"
#include "common/Text.h"

namespace brisvane {
namespace {

// (A name cut to twenty characters, not bytes: the recorder's test.)
TEST(Text, CutsCountCharactersNotBytesAndLatinLettersAreUpperCasedAndCompared) {
    EXPECT_EQ(text::dropLast("Clear highscore&"), "Clear highscore");
    EXPECT_EQ(text::dropLast("ä"), "");
    EXPECT_EQ(text::mid("räksmörgås", 3, 4), "smör");
    EXPECT_EQ(text::toUpper("total: 12 äöü é"), "TOTAL: 12 ÄÖÜ É");
    EXPECT_TRUE(text::equalsIgnoreCase("Språk", "SPRÅK"));
    EXPECT_FALSE(text::equalsIgnoreCase("Status", "Statu"));
}

TEST(Text, FilesInWindows1252OrWithBomDecodeToUtf8) {
    EXPECT_EQ(text::decodeFile("\xEF\xBB\xBF[Language]"), "[Language]");
    EXPECT_EQ(text::decodeFile("S\xE5 \x80 5"), "Så € 5");
    EXPECT_FALSE(text::isValidUtf8("\xED\xA0\x80")); // a lone surrogate
}

TEST(Text, FillPutsEachValueInItsPlaceAndLeavesTheRest) {
    EXPECT_EQ(text::fill("The log %1 cannot be written (%2).", {"Vexa.log", "Disk full"}),
              "The log Vexa.log cannot be written (Disk full).");
    EXPECT_EQ(text::fill("%2 \u00e0 %1", {"a", "b"}), "b \u00e0 a") << "a translation may reorder";
    EXPECT_EQ(text::fill("100% %1 %3", {"%2", "x"}), "100% %2 %3") << "values are not filled again";
}

TEST(Numbers, IntegerPartNeverFailsOnBadText) {
    EXPECT_EQ(integerPart("abc"), 0);
    EXPECT_EQ(integerPart(" 345"), 345);
    EXPECT_EQ(integerPart("12.9"), 12);
    EXPECT_EQ(integerPart("-7"), -7);
    EXPECT_EQ(integerPart("99999999999999999999999"), INT64_MAX);
    EXPECT_EQ(intValue("99999999999"), INT32_MAX);
}

} // namespace
} // namespace brisvane
