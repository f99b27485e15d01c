#include "settings/IniDocument.h"

#include <gtest/gtest.h>
#include <random>

#include "common/Text.h"

namespace brisvane {
namespace {

std::string valueOf(const IniDocument& doc, std::string_view section, std::string_view key) {
    const std::string* value = doc.find(section, key);
    return value == nullptr ? "<absent>" : *value;
}

TEST(IniDocument, ReadsKeysWhateverTheirCaseAndSpacing) {
    const auto doc = IniDocument::parse("[Alarm]\n"
                                        "Status = On  \n"
                                        "\tWhen=7:05\n"
                                        "[Highscore]\n"
                                        "n1=Åsa Öberg\n"
                                        "[Ärende]\n"
                                        "mess=x=y\n");
    EXPECT_EQ(valueOf(doc, "alarm", "status"), "On");
    EXPECT_EQ(valueOf(doc, "ALARM", "when"), "7:05");
    EXPECT_EQ(valueOf(doc, "Highscore", "N1"), "Åsa Öberg");
    EXPECT_EQ(valueOf(doc, "ärende", "MESS"), "x=y");  // Latin-1 letters match case-blind too
    EXPECT_EQ(valueOf(doc, "Alarm", "n1"), "<absent>");
    EXPECT_EQ(valueOf(doc, "Session", "total"), "<absent>");
}

TEST(IniDocument, CommentsAndStrayLinesAreNotKeys) {
    const auto doc = IniDocument::parse("orphan=before any section\n"
                                        "[Options]\n"
                                        "; WriteLog=No\n"
                                        "# PlaySound=No\n"
                                        "just some words\n"
                                        "=no name\n"
                                        "ShowTime=No\n");
    EXPECT_EQ(valueOf(doc, "Options", "WriteLog"), "<absent>");
    EXPECT_EQ(valueOf(doc, "Options", "PlaySound"), "<absent>");
    EXPECT_EQ(valueOf(doc, "Options", "ShowTime"), "No");
    EXPECT_EQ(valueOf(doc, "", "orphan"), "<absent>");
}

TEST(IniDocument, TheFirstOfDuplicatesIsReadAndReplaced) {
    auto doc = IniDocument::parse("[Users]\n"
                                  "antal=1\n"
                                  "ANTAL=7\n"
                                  "[Other]\n"
                                  "[users]\n"
                                  "antal=9\n"
                                  "selected=2\n");
    EXPECT_EQ(valueOf(doc, "Users", "antal"), "1");
    // Only the first occurrence of a section counts, for reading and for writing.
    EXPECT_EQ(valueOf(doc, "Users", "selected"), "<absent>");
    ASSERT_TRUE(doc.set("users", "Antal", "2"));
    ASSERT_TRUE(doc.set("Users", "selected", "1"));
    EXPECT_EQ(doc.serialise(), "[Users]\n"
                               "antal=2\n"
                               "ANTAL=7\n"
                               "selected=1\n"
                               "[Other]\n"
                               "[users]\n"
                               "antal=9\n"
                               "selected=2\n");
}

TEST(IniDocument, ReplacingAValueKeepsEveryOtherByte) {
    const std::string before = "\xEF\xBB\xBF; settings\r\n"
                               "[Options]\r\n"
                               "  WarnExit = Yes   \r\n"
                               "PlaySound=Yes\r\n"
                               "\r\n"
                               "[Alarm]\r\n"
                               "Status=Off";
    auto doc = IniDocument::parse(before);
    ASSERT_TRUE(doc.set("options", "warnexit", "No"));
    ASSERT_TRUE(doc.set("Alarm", "status", "On"));
    EXPECT_EQ(doc.serialise(), "\xEF\xBB\xBF; settings\r\n"
                               "[Options]\r\n"
                               "  WarnExit = No\r\n"
                               "PlaySound=Yes\r\n"
                               "\r\n"
                               "[Alarm]\r\n"
                               "Status=On");
}

TEST(IniDocument, NewKeysJoinTheEndOfTheirSectionAndNewSectionsTheEndOfTheText) {
    auto doc = IniDocument::parse("[Options]\r\n"
                                  "WarnExit=No\r\n"
                                  "\r\n"
                                  "\r\n"
                                  "[Alarm]\r\n"
                                  "Status=Off");
    ASSERT_TRUE(doc.set("Options", "ShowTime", "Yes"));
    ASSERT_TRUE(doc.set("alarm", "When", "14:30"));
    ASSERT_TRUE(doc.set("Session", "total", "1"));
    EXPECT_EQ(doc.serialise(), "[Options]\r\n"
                               "WarnExit=No\r\n"
                               "ShowTime=Yes\r\n"
                               "\r\n"
                               "\r\n"
                               "[Alarm]\r\n"
                               "Status=Off\r\n"
                               "When=14:30\r\n"
                               "[Session]\r\n"
                               "total=1\r\n");
    EXPECT_EQ(valueOf(doc, "Session", "TOTAL"), "1");

    auto empty = IniDocument::parse("");
    ASSERT_TRUE(empty.set("Options", "WriteLog", "No"));
    EXPECT_EQ(empty.serialise(), "[Options]\nWriteLog=No\n");
}

TEST(IniDocument, AValueCannotAddLinesOrKeys) {
    auto doc = IniDocument::parse("[Alarm]\nMess=\n[Users]\nantal=0\n");
    ASSERT_TRUE(doc.set("Alarm", "Mess", "Tea\r\n[Users]\nantal=5"));
    EXPECT_EQ(valueOf(doc, "Users", "antal"), "0");
    EXPECT_EQ(valueOf(doc, "Alarm", "Mess"), "Tea  [Users] antal=5");

    for (const auto& [section, key] : {std::pair{"", "k"},
                                       {"S", ""},
                                       {"A]B", "k"},
                                       {"S", "a=b"},
                                       {"S\nT", "k"},
                                       {"S", "k\rj"},
                                       {"S", ";k"},
                                       {"S", "[k]"}}) {
        EXPECT_FALSE(doc.set(section, key, "v")) << section << "/" << key;
    }
    EXPECT_EQ(doc.serialise(), "[Alarm]\nMess=Tea  [Users] antal=5\n[Users]\nantal=0\n");
}

TEST(IniDocument, OlderFilesInWindows1252ReadAsTheirLetters) {
    const auto doc = IniDocument::parse("[Highscore]\r\nn1=\xC5sa \x80\r\n");
    EXPECT_EQ(valueOf(doc, "Highscore", "n1"), "Åsa €");
    EXPECT_EQ(doc.serialise(), "[Highscore]\r\nn1=Åsa €\r\n");
}

// Any text at all, settings-like or garbage: parsing never fails, a text that is valid UTF-8
// comes back unchanged, and a written value reads back (blanks around it aside), also after
// the text is parsed again, whatever surrounds it.
TEST(IniDocument, AnyTextSurvivesParsingAndEveryWriteReadsBack) {
    const std::vector<std::string> pieces = {
        "[Options]", "[options]", "[Alarm", "]",    "[",    "WarnExit=Yes", "warnexit = No ",
        "=",         "==",        ";c",     "#c",   " ",    "\t",           "\r\n",
        "\n",        "\r",        "Å",      "\xC5", "\x80", "\xEF\xBB\xBF", std::string(1, '\0'),
        "key",       "value"};
    std::mt19937 random(20020222);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> count(0, 30);
    for (int round = 0; round < 3000; ++round) {
        std::string input;
        for (int n = count(random); n > 0; --n) {
            input += pieces[pick(random)];
        }
        auto doc = IniDocument::parse(input);
        if (text::isValidUtf8(input)) {
            ASSERT_EQ(doc.serialise(), input);
        }
        const std::string value = pieces[pick(random)] + "v" + std::to_string(round);
        ASSERT_TRUE(doc.set("Options", "WarnExit", value));
        ASSERT_TRUE(text::isValidUtf8(doc.serialise()));  // files are always written as UTF-8
        // A value in the wrong encoding is taken as Windows-1252, so it cannot turn the
        // whole file into one that no longer reads as UTF-8.
        std::string expected = text::isValidUtf8(value) ? value : text::fromWindows1252(value);
        for (char& c : expected) {
            c = c == '\r' || c == '\n' ? ' ' : c;
        }
        expected = text::trim(expected);
        ASSERT_EQ(valueOf(doc, "OPTIONS", "warnEXIT"), expected) << "input: " << input;
        ASSERT_EQ(valueOf(IniDocument::parse(doc.serialise()), "options", "warnexit"), expected)
            << "input: " << input;
    }
}

}  // namespace
}  // namespace brisvane
