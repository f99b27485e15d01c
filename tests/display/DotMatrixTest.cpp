#include <gtest/gtest.h>

#include <string>

#include "common/Text.h"
#include "display/DotFont.h"
#include "display/DotMatrix.h"
#include "support/Fakes.h"

namespace brisvane {
namespace {

// Every character of the display font; O comes before 0, whose glyph is the same.
const std::u32string FontCharacters =
    U"ABCDEFGHIJKLMNOPQRSTUVWXYZÁÉÍÜÅÄÖØÆÑ0123456789!?*_-+<>=^{}.:/@¿¡ ";

// The glyph as a player sees it: seven rows of five, '#' lit.
std::string art(GlyphBits glyph) {
    std::string out;
    for (int row = 0; row < DotFont::Rows; ++row) {
        for (int column = 0; column < DotFont::Columns; ++column) {
            out += DotFont::lit(glyph, column, row) ? '#' : '.';
        }
        out += '\n';
    }
    return out;
}

// Reads the display back into text by recognising each place's glyph ('~' when none fits).
std::string shown(const DotMatrix& display) {
    std::u32string out;
    for (int place = 0; place < DotMatrix::Places; ++place) {
        char32_t read = U'~';
        for (const char32_t c : FontCharacters) {
            if (DotFont::glyph(c) == display.placeGlyph(place)) {
                read = c;
                break;
            }
        }
        out += read;
    }
    std::string utf8;
    for (const char32_t c : out) {
        utf8 += text::fromCodePoint(c);
    }
    return utf8;
}

int litDots(const DotMatrix& display) {
    int lit = 0;
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        lit += display.dotLit(i) ? 1 : 0;
    }
    return lit;
}

TEST(DotFont, HasAGlyphForExactlyTheDisplayCharacters) {
    ASSERT_EQ(FontCharacters.size(), static_cast<std::size_t>(DotFont::GlyphCount));
    for (char32_t c = 0; c < 0x3000; ++c) {
        const bool inFont = FontCharacters.find(c) != std::u32string::npos;
        EXPECT_EQ(DotFont::contains(c), inFont) << "U+" << std::hex << static_cast<unsigned>(c);
        if (!inFont) {
            EXPECT_EQ(DotFont::glyph(c), 0U);
        } else if (c != U' ') {
            EXPECT_NE(DotFont::glyph(c), 0U) << text::fromCodePoint(c) << " lights nothing";
        }
    }
    EXPECT_EQ(DotFont::glyph(U' '), 0U);
}

TEST(DotFont, GlyphsStandUprightAndUnmirrored) {
    EXPECT_EQ(art(DotFont::glyph(U'A')), "..#..\n"
                                         ".#.#.\n"
                                         "#...#\n"
                                         "#####\n"
                                         "#...#\n"
                                         "#...#\n"
                                         "#...#\n");
    EXPECT_EQ(art(DotFont::glyph(U'F')), "#####\n"
                                         "#....\n"
                                         "#....\n"
                                         "####.\n"
                                         "#....\n"
                                         "#....\n"
                                         "#....\n");
    EXPECT_EQ(art(DotFont::glyph(U'7')), "#####\n"
                                         "....#\n"
                                         "...#.\n"
                                         "..#..\n"
                                         "..#..\n"
                                         "..#..\n"
                                         "..#..\n");
    EXPECT_EQ(art(DotFont::glyph(U'Ä')), ".#.#.\n"
                                         ".....\n"
                                         ".###.\n"
                                         "#...#\n"
                                         "#####\n"
                                         "#...#\n"
                                         "#...#\n");
    EXPECT_EQ(art(DotFont::glyph(U':')), ".....\n"
                                         ".##..\n"
                                         ".##..\n"
                                         ".....\n"
                                         ".....\n"
                                         ".##..\n"
                                         ".##..\n");
}

TEST(DotMatrix, DotsSitOnTheirGridInTwips) {
    const auto at = [](int index) {
        const TwipRect r = DotMatrix::dotRect(index);
        return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
               std::to_string(r.width) + "x" + std::to_string(r.height);
    };
    EXPECT_EQ(at(0), "600,8100 75x75");   // place 1, top left
    EXPECT_EQ(at(6), "600,8640 75x75");   // down the first column
    EXPECT_EQ(at(7), "690,8100 75x75");   // second column
    EXPECT_EQ(at(34), "960,8640 75x75");  // bottom right of place 1
    EXPECT_EQ(at(35), "1110,8100 75x75"); // place 2 after the gap
    EXPECT_EQ(at(454), "7080,8640 75x75");

    // No two dots overlap, and the dots of a place never stray into the next.
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        const TwipRect a = DotMatrix::dotRect(i);
        for (int j = i + 1; j < DotMatrix::DotCount; ++j) {
            const TwipRect b = DotMatrix::dotRect(j);
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            ASSERT_TRUE(apart) << "Digit(" << i << ") overlaps Digit(" << j << ")";
        }
    }
}

class DotMatrixTest : public ::testing::Test {
protected:
    testing::FakeTexts texts;
    int total = 0;
    DotMatrix display{texts, [this] { return total; }};
};

TEST_F(DotMatrixTest, ShowsAShortMessageLeftAlignedOnOnePage) {
    display.Say("Total: 12");
    EXPECT_EQ(shown(display), "TOTAL: 12    ");
    EXPECT_FALSE(display.Timer1().enabled);

    display.Say("Exactly13char");
    EXPECT_EQ(shown(display), "EXACTLY13CHAR");
    EXPECT_FALSE(display.Timer1().enabled);
}

TEST_F(DotMatrixTest, ShowsLowerCaseAsCapitalsAndUnknownCharactersAsBlanks) {
    display.Say("yatzy! ä ñ é");
    EXPECT_EQ(shown(display), "YATZY! Ä Ñ É ");
    display.Say("a,b'c;d\"e%f&g");
    EXPECT_EQ(shown(display), "A B C D E F G");
}

TEST_F(DotMatrixTest, EmptyMessageDarkensEveryDot) {
    display.Say("WWWWWWWWWWWWWWWWWW");
    ASSERT_GT(litDots(display), 0);
    display.Say("");
    EXPECT_EQ(litDots(display), 0);
    EXPECT_FALSE(display.Timer1().enabled);
}

TEST_F(DotMatrixTest, PagesALongMessageEveryTimerTick) {
    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ!"); // 27 characters: three pages
    EXPECT_EQ(shown(display), "ABCDEFGHIJKLM");
    EXPECT_TRUE(display.Timer1().enabled);
    EXPECT_EQ(display.Timer1().interval, 2000);

    display.Timer1Tick();
    EXPECT_EQ(shown(display), "NOPQRSTUVWXYZ");
    EXPECT_TRUE(display.Timer1().enabled);

    display.Timer1Tick();
    EXPECT_EQ(shown(display), "!            ");
    EXPECT_FALSE(display.Timer1().enabled);
    EXPECT_EQ(display.SayPos(), 1);

    display.Timer1Tick(); // a late tick of a stopped timer changes nothing
    EXPECT_EQ(shown(display), "!            ");
}

TEST_F(DotMatrixTest, StopsRightAfterTheLastFullPage) {
    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ"); // 26 characters: two pages
    display.Timer1Tick();
    EXPECT_EQ(shown(display), "NOPQRSTUVWXYZ");
    EXPECT_FALSE(display.Timer1().enabled);
}

TEST_F(DotMatrixTest, CountsCharactersNotBytes) {
    display.Say("ÅÄÖÅÄÖÅÄÖÅÄÖÅ"); // 13 characters, 26 bytes
    EXPECT_EQ(shown(display), "ÅÄÖÅÄÖÅÄÖÅÄÖÅ");
    EXPECT_FALSE(display.Timer1().enabled);

    display.Say("åäöåäöåäöåäöåäö");
    display.Timer1Tick();
    EXPECT_EQ(shown(display), "ÄÖ           ");
}

TEST_F(DotMatrixTest, NewMessageReplacesOneBeingPagedAndGetsAFullFirstPage) {
    int changes = 0;
    display.setChangeHandler([&changes] { ++changes; });
    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ!");
    display.Timer1Tick();
    const unsigned startsBefore = display.Timer1().starts;

    display.Say("HELLO WORLD, WELCOME");
    EXPECT_EQ(shown(display), "HELLO WORLD  ");
    EXPECT_TRUE(display.Timer1().enabled);
    EXPECT_GT(display.Timer1().starts, startsBefore); // the view restarts its countdown
    display.Timer1Tick();
    EXPECT_EQ(shown(display), "WELCOME      ");
    EXPECT_EQ(changes, 4);
}

TEST_F(DotMatrixTest, NewGameStopsPagingButKeepsThePage) {
    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ!");
    display.Timer1Tick();
    display.Restart();
    EXPECT_FALSE(display.Timer1().enabled);
    EXPECT_EQ(display.SayPos(), 1);
    EXPECT_EQ(shown(display), "NOPQRSTUVWXYZ");
}

TEST_F(DotMatrixTest, SaysTheTotalAgainInTheNewLanguageOnce) {
    texts.texts["d2"] = "Summa";
    total = 42;
    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ!");
    display.SayTimerTick(); // not switched on yet
    EXPECT_EQ(shown(display), "ABCDEFGHIJKLM");

    display.startSayTimer();
    EXPECT_TRUE(display.SayTimer().enabled);
    EXPECT_EQ(display.SayTimer().interval, 100);
    display.SayTimerTick();
    EXPECT_EQ(display.SayText(), "Summa: 42");
    EXPECT_EQ(shown(display), "SUMMA: 42    ");
    EXPECT_FALSE(display.SayTimer().enabled);
    EXPECT_FALSE(display.Timer1().enabled);
}

TEST_F(DotMatrixTest, DrawsAPageDirectly) {
    display.Bin2Scroll("plain page text that runs on");
    EXPECT_EQ(shown(display), "PLAIN PAGE TE");
    EXPECT_FALSE(display.Timer1().enabled);
}

} // namespace
} // namespace brisvane
