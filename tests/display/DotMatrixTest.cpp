#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "common/Text.h"
#include "display/DotFont.h"
#include "display/DotMatrix.h"
#include "support/Fakes.h"

namespace brisvane {
namespace {

// Every character of the display font; O comes before 0, whose glyph is the same.
const std::u32string FontCharacters =
    U"ABCDEFGHIJKLMNOPQRSTUVWXYZÁÀÂÇÉÈÊËÍÎÏÓÔÚÙÛÜÅÄÖØÆÑ0123456789!?*_-+<>=^{}.:/@¿¡ ";

// Reads the display back into text by recognising each place's glyph ('~' when none fits).
std::string shown(const DotMatrix& display) {
    std::string out;
    for (int place = 0; place < DotMatrix::Places; ++place) {
        const auto at = std::find_if(FontCharacters.begin(), FontCharacters.end(), [&](char32_t c) {
            return DotFont::glyph(c) == display.placeGlyph(place);
        });
        out += at == FontCharacters.end() ? "~" : text::fromCodePoint(*at);
    }
    return out;
}

TEST(DotFont, HasAGlyphOfItsOwnForExactlyTheDisplayCharacters) {
    for (char32_t c = 0; c < 0x3000; ++c) {
        const bool inFont = FontCharacters.find(c) != std::u32string::npos;
        EXPECT_EQ(DotFont::contains(c), inFont) << "U+" << std::hex << static_cast<unsigned>(c);
        EXPECT_EQ(DotFont::glyph(c) != 0, inFont && c != U' ') << text::fromCodePoint(c);
    }
    // No two characters share a glyph (but O and 0), so no accent is lost to a copied row.
    for (std::size_t i = 0; i < FontCharacters.size(); ++i) {
        for (std::size_t j = i + 1; j < FontCharacters.size(); ++j) {
            const bool same = FontCharacters[i] == U'O' && FontCharacters[j] == U'0';
            EXPECT_EQ(DotFont::glyph(FontCharacters[i]) == DotFont::glyph(FontCharacters[j]), same)
                << text::fromCodePoint(FontCharacters[i]) << text::fromCodePoint(FontCharacters[j]);
        }
    }
}

// Glyphs drawn as they look (upright, unmirrored), an account of the font that does not come
// from its own table: the seven rows from the top, each row five dots from the left, '#' for a
// lit dot.
const std::map<char32_t, std::string> Drawn = {
    {U'T', "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
    {U'O', ".###. #...# #...# #...# #...# #...# .###."},
    {U'A', "..#.. .#.#. #...# ##### #...# #...# #...#"},
    {U'L', "#.... #.... #.... #.... #.... #.... #####"},
    {U':', "..... .##.. .##.. ..... ..... .##.. .##.."},
    {U'1', "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###."},
    {U'2', ".###. #...# ....# ...#. ..#.. .#... #####"},
    {U'Å', ".###. .#.#. .###. #...# ##### #...# #...#"},
    {U'?', ".###. #...# ...#. ..#.. ..#.. ..... ..#.."},
    {U' ', "..... ..... ..... ..... ..... ..... ....."},
};

bool drawnLit(char32_t c, int column, int row) {
    return Drawn.at(c).at(static_cast<std::size_t>(row * 6 + column)) == '#';
}

TEST(DotMatrix, DotsSitOnTheirGridInTwips) {
    const TwipRect r = DotMatrix::dotRect(35 + 7 + 6); // place 2, second column, bottom row
    EXPECT_EQ((std::array<int, 4>{r.left, r.top, r.width, r.height}),
              (std::array<int, 4>{600 + 510 + 90, 8100 + 6 * 90, 75, 75}));
}

class DotMatrixTest : public ::testing::Test {
protected:
    testing::FakeTexts texts;
    int total = 0;
    DotMatrix display{texts, [this] { return total; }};
};

TEST_F(DotMatrixTest, APageLightsEveryDotOfItsCharactersInPlaceOrder) {
    display.Say("total: 12 Å?"); // lower case is drawn in capitals; the last place stays dark
    const std::u32string page = U"TOTAL: 12 Å? ";
    for (int dot = 0; dot < DotMatrix::Places * DotFont::DotsPerGlyph; ++dot) {
        const int place = dot / DotFont::DotsPerGlyph;
        const int column = dot % DotFont::DotsPerGlyph / DotFont::Rows;
        const int row = dot % DotFont::Rows;
        ASSERT_EQ(display.dotLit(dot), drawnLit(page[static_cast<std::size_t>(place)], column, row))
            << "dot " << dot;
    }
}

TEST_F(DotMatrixTest, ShowsAShortMessageOnOnePageAndPagesALongOneUntilItsLastPage) {
    display.Say("yatzy! ä ñ,é%"); // 13 characters, more bytes: one page
    EXPECT_EQ(shown(display), "YATZY! Ä Ñ É ") << "unknown characters are blanks";
    EXPECT_FALSE(display.Timer1().enabled);
    display.Say("");
    EXPECT_EQ(shown(display), "             ");

    int changes = 0;
    display.setChangeHandler([&changes] { ++changes; });
    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ!"); // 27 characters: three pages
    EXPECT_EQ(shown(display), "ABCDEFGHIJKLM");
    EXPECT_EQ(display.Timer1().interval, 2000);
    display.Timer1Tick();
    EXPECT_EQ(shown(display), "NOPQRSTUVWXYZ");
    display.Timer1Tick();
    EXPECT_EQ(shown(display), "!            ");
    EXPECT_FALSE(display.Timer1().enabled);
    EXPECT_EQ(changes, 3) << "the view hears of every page";

    display.Say("åäöåäöåäöåäöåäöåäöåäöåäöåä"); // 26 characters, more bytes: two pages
    display.Timer1Tick();
    EXPECT_EQ(shown(display), "ÄÖÅÄÖÅÄÖÅÄÖÅÄ");
    EXPECT_FALSE(display.Timer1().enabled);
}

TEST_F(DotMatrixTest, ANewMessageOrGameInterruptsThePaging) {
    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ!");
    display.Timer1Tick();
    const unsigned startsBefore = display.Timer1().starts;
    display.Say("HELLO WORLD, WELCOME");
    EXPECT_EQ(shown(display), "HELLO WORLD  ");
    EXPECT_GT(display.Timer1().starts, startsBefore) << "a full two seconds for its first page";
    display.Timer1Tick();
    EXPECT_EQ(shown(display), "WELCOME      ");

    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ!");
    display.Timer1Tick();
    display.Restart();
    EXPECT_FALSE(display.Timer1().enabled);
    EXPECT_EQ(shown(display), "NOPQRSTUVWXYZ") << "the page stays";
}

TEST_F(DotMatrixTest, SaysTheTotalAgainInTheNewLanguageOnce) {
    texts.texts["d2"] = "Summa";
    total = 42;
    display.Say("ABCDEFGHIJKLMNOPQRSTUVWXYZ!");
    display.startSayTimer();
    display.SayTimerTick();
    EXPECT_EQ(shown(display), "SUMMA: 42    ");
    EXPECT_FALSE(display.SayTimer().enabled || display.Timer1().enabled);
    display.Bin2Scroll("plain page text that runs on"); // a page drawn directly
    EXPECT_EQ(shown(display), "PLAIN PAGE TE");
}

} // namespace
} // namespace brisvane
