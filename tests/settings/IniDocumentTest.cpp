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

TEST(IniDocument, KeysMatchWhateverTheirCaseAndAWriteChangesOnlyItsOwnLine) {
    auto doc = IniDocument::parse("\xEF\xBB\xBF; settings\r\n"
                                  "orphan=before any section\r\n"
                                  "[Options]\r\n"
                                  "  WarnExit = Yes   \r\n"
                                  "warnexit=second\r\n"
                                  "\r\n"
                                  "[Ärende]\r\n"
                                  "# When=7:05\r\n"
                                  "just some words\r\n"
                                  "mess=x=y\r\n"
                                  "[OPTIONS]\r\n"
                                  "ShowTime=No");
    EXPECT_EQ(valueOf(doc, "options", "WARNEXIT"), "Yes");
    EXPECT_EQ(valueOf(doc, "ärende", "MESS"), "x=y");
    EXPECT_EQ(valueOf(doc, "Options", "ShowTime"), "<absent>") << "the first section counts";
    EXPECT_EQ(valueOf(doc, "", "orphan"), "<absent>");
    ASSERT_TRUE(doc.set("options", "warnexit", "No"));
    ASSERT_TRUE(doc.set("Options", "ShowTime", "Yes"));
    ASSERT_TRUE(doc.set("ÄRENDE", "When", "14:30"));
    ASSERT_TRUE(doc.set("Session", "total", "1"));
    EXPECT_EQ(doc.serialise(), "\xEF\xBB\xBF; settings\r\n"
                               "orphan=before any section\r\n"
                               "[Options]\r\n"
                               "  WarnExit = No\r\n"
                               "warnexit=second\r\n"
                               "ShowTime=Yes\r\n"
                               "\r\n"
                               "[Ärende]\r\n"
                               "# When=7:05\r\n"
                               "just some words\r\n"
                               "mess=x=y\r\n"
                               "When=14:30\r\n"
                               "[OPTIONS]\r\n"
                               "ShowTime=No\r\n"
                               "[Session]\r\n"
                               "total=1\r\n");
}

// One line typed in an 8-bit editor must not garble the rest: each line is decoded on its own.
// A UTF-16 file is read as UTF-16 and written back as UTF-8, with a byte-order mark.
TEST(IniDocument, EachLineIsDecodedOnItsOwnAndUtf16FilesAreRead) {
    auto doc = IniDocument::parse("[Highscore]\nn1=\xC3\x85sa\nn2=Zo\xC3\xAB\n[Alarm]\nMess=Caf\xE9\n");
    EXPECT_EQ(valueOf(doc, "Highscore", "n1"), "Åsa");
    EXPECT_EQ(valueOf(doc, "Highscore", "n2"), "Zoë");
    EXPECT_EQ(valueOf(doc, "Alarm", "Mess"), "Café");
    ASSERT_TRUE(doc.set("Highscore", "n3", "Örjan"));
    EXPECT_EQ(doc.serialise(),
              "[Highscore]\nn1=Åsa\nn2=Zoë\nn3=Örjan\n[Alarm]\nMess=Café\n");

    const std::u16string wide = u"[Language]\r\nc1=Ettor \U0001F3B2\r\n";
    for (const bool bigEndian : {false, true}) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit : wide) {
            const char high = static_cast<char>(unit >> 8);
            const char low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        auto utf16 = IniDocument::parse(bytes);
        EXPECT_EQ(valueOf(utf16, "language", "C1"), "Ettor \U0001F3B2");
        ASSERT_TRUE(utf16.set("Language", "c2", "Tvåor"));
        EXPECT_EQ(utf16.serialise(), "\xEF\xBB\xBF[Language]\r\nc1=Ettor \U0001F3B2\r\nc2=Tvåor\r\n");
    }
}

// As the desktop's profile files: one pair of quotes around a value is not part of it, '#'
// starts no comment, and names are trimmed alike for reading and writing.
TEST(IniDocument, QuotesCommentsAndBlanksAroundNames) {
    auto doc = IniDocument::parse("[Options]\nWarnExit=\"Yes\"\nPlaySound=\"\n#Tag=1\n;Note=2\n");
    EXPECT_EQ(valueOf(doc, "Options", "WarnExit"), "Yes");
    EXPECT_EQ(valueOf(doc, "Options", "PlaySound"), "\"");
    EXPECT_EQ(valueOf(doc, "Options", "#Tag"), "1");
    EXPECT_EQ(valueOf(doc, "Options", "Note"), "<absent>");
    EXPECT_EQ(valueOf(doc, " Options ", " WarnExit "), "Yes");
    ASSERT_TRUE(doc.set(" Alarm ", " Mess ", "\"quoted\""));
    EXPECT_EQ(valueOf(doc, "Alarm", "Mess"), "\"quoted\"");
    EXPECT_EQ(valueOf(IniDocument::parse(doc.serialise()), "Alarm", "Mess"), "\"quoted\"");
}

TEST(IniDocument, AValueCannotAddLinesOrKeys) {
    auto doc = IniDocument::parse("[Alarm]\nMess=\n[Users]\nantal=0\n");
    ASSERT_TRUE(doc.set("Alarm", "Mess", "Tea\r\n[Users]\nantal=5"));
    EXPECT_FALSE(doc.set("Alarm", "a=b", "v"));
    EXPECT_EQ(doc.serialise(), "[Alarm]\nMess=Tea  [Users] antal=5\n[Users]\nantal=0\n");
}

// Any text at all: parsing never fails, valid UTF-8 comes back unchanged, and a written value
// reads back (blanks around it aside), also after the text is parsed again.
TEST(IniDocument, AnyTextSurvivesParsingAndEveryWriteReadsBack) {
    const std::vector<std::string> pieces = {
        "[Options]", "[options]", "[Alarm", "]",    "[",    "WarnExit=Yes", "warnexit = No ",
        "=",         "==",        ";c",     "#c",   " ",    "\t",           "\r\n", "\"",
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
        ASSERT_TRUE(text::isValidUtf8(doc.serialise())); // files are always written as UTF-8
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

TEST(IniDocument, RewritingAValueWithLeadingBlanksKeepsTheLine) {
    auto doc = IniDocument::parse("[Alarm]\nMess = Lunch\n");
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(doc.set("Alarm", "Mess", "  Break"));
        EXPECT_EQ(doc.serialise(), "[Alarm]\nMess =  Break\n") << "write " << i;
        doc = IniDocument::parse(doc.serialise());
    }
}

} // namespace
} // namespace brisvane
