#include <gtest/gtest.h>

#include "scores/EntryKey.h"
#include "server/Query.h"
#include "server/Rules.h"

namespace brisvane::server {
namespace {

TEST(RulesTest, EveryKeyOfAGameMatchesItsPointsDateAndVersionAndNothingElse) {
    EXPECT_TRUE(keyMatches("56589792707", 287, 202, 700));
    EXPECT_TRUE(keyMatches("5-2559792707", 1200, 202, 700));
    EXPECT_FALSE(keyMatches("56589792707", 288, 202, 700));
    EXPECT_FALSE(keyMatches("56589792707", 287, 203, 700));
    EXPECT_FALSE(keyMatches("56589792707", 287, 202, 600));
    EXPECT_FALSE(keyMatches("", 287, 202, 700));
    // Every one of the nine keys of a game matches, and nothing else.
    for (int r = 1; r <= 9; ++r) {
        EXPECT_TRUE(keyMatches(entryKey(r, 412, 1226, 700), 412, 1226, 700)) << r;
    }
    EXPECT_FALSE(keyMatches(entryKey(10, 412, 1226, 700), 412, 1226, 700));
    EXPECT_FALSE(keyMatches(entryKey(0, 412, 1226, 700), 412, 1226, 700));
}

TEST(RulesTest, HighestScoreIsEveryCategoryAtItsBestPlusTheBonus) {
    // Upper 6+12+...+36 = 126 earns the bonus; the lower fourteen at their best add 423.
    EXPECT_EQ(highestScore(), 126 + 423 + 100);
}

TEST(RulesTest, DatesAreMonthsAndTheFutureBeginsAfterTheEarliestTimeZone) {
    EXPECT_TRUE(isDateNumber(202));
    EXPECT_TRUE(isDateNumber(1112));
    EXPECT_FALSE(isDateNumber(1113));
    EXPECT_FALSE(isDateNumber(1100));
    // 31 December 2026, 11:00 UTC: already January 2027 at UTC+14.
    const auto lastDay = std::chrono::sys_days{std::chrono::year{2026} / 12 / 31} + std::chrono::hours(11);
    EXPECT_EQ(currentDateNumber(lastDay), 2612);
    EXPECT_EQ(latestDateNumber(lastDay), 2701);
}

TEST(RulesTest, NamesAreOneToTwentyPrintableCharactersAndOneAccountWhateverTheCase) {
    EXPECT_EQ(checkName("Tom & Åsa å"), NameProblem::None);
    EXPECT_EQ(checkName("ÅÄÖåäöÅÄÖåäöÅÄÖåäöÅÄ"), NameProblem::None);
    EXPECT_EQ(checkName("ÅÄÖåäöÅÄÖåäöÅÄÖåäöÅÄÖ"), NameProblem::TooLong);
    EXPECT_EQ(checkName(""), NameProblem::Empty);
    EXPECT_EQ(checkName("a\tb"), NameProblem::ControlCharacter);
    EXPECT_EQ(checkName("a\u202Eb"), NameProblem::ControlCharacter);
    EXPECT_EQ(checkName(" ab"), NameProblem::BlankAtEdge);
    EXPECT_EQ(checkName("a\xff"), NameProblem::NotUtf8);
    EXPECT_EQ(nameKey("ÅSA Öberg"), nameKey("åsa öBERG"));
    EXPECT_EQ(nameKey("ΣΩ"), nameKey("σω"));
    EXPECT_NE(nameKey("asa"), nameKey("åsa"));
}

TEST(QueryTest, SubmissionsAndFormsDecodeToTheirValues) {
    const auto q = parseSubmission("user=Tom%20%26%20%C3%85sa&pass=p%2Bw%3D1&ver=700&rev=3&date=1226"
                                   "&points=287&key=56589792707&lan=Swedish&screen=1280x1024&os=N%2FA");
    EXPECT_TRUE(q.repeated.empty());
    EXPECT_EQ(q.fields.at("user"), "Tom & Åsa");
    EXPECT_EQ(q.fields.at("pass"), "p+w=1");
    EXPECT_EQ(q.fields.at("os"), "N/A");
    EXPECT_EQ(q.fields.size(), 10U);

    // An unencoded ampersand belongs to the value before it.
    const auto raw = parseSubmission("user=Tom & Åsa&pass=a&b+c&ver=700&rev=3&date=1226&points=2&key=k");
    EXPECT_EQ(raw.fields.at("user") + "|" + raw.fields.at("pass") + "|" + raw.fields.at("key"),
              "Tom & Åsa|a&b+c|k");
    // A field named twice is ambiguous; Windows-1252 bytes become UTF-8.
    EXPECT_EQ(parseSubmission("user=a&pass=x&pass=y").repeated, "pass");
    EXPECT_EQ(parseSubmission("user=%C5sa&pass=x").fields.at("user"), "Åsa");
    EXPECT_EQ(parseForm("name=Tom+%26+%C3%85sa&x=%zz").at("name"), "Tom & Åsa");
    EXPECT_EQ(parseForm("name=Tom+%26+%C3%85sa&x=%zz").at("x"), "%zz");
}

} // namespace
} // namespace brisvane::server
