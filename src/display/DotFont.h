#pragma once
// The 5 x 7 font of the dot-matrix display. Only capitals, digits and some punctuation have a
// glyph; the display upper-cases every page before it looks characters up.

#include <cstdint>

namespace brisvane {

// The 35 dots of one character place: bit (column * 7 + row) is set when that dot is lit,
// columns 0..4 from the left, rows 0..6 from the top. Inside a place the display numbers its
// dots in the same order, so bit k is dot k of the place.
using GlyphBits = std::uint64_t;

class DotFont {
public:
    static constexpr int Columns = 5;
    static constexpr int Rows = 7;
    static constexpr int DotsPerGlyph = Columns * Rows;
    static constexpr int GlyphCount = 78;

    // The glyph of `c`, matched exactly (no case folding). A character outside the font is a
    // blank place.
    static GlyphBits glyph(char32_t c);
    static bool contains(char32_t c);

    static bool lit(GlyphBits glyph, int column, int row) {
        return ((glyph >> (column * Rows + row)) & 1U) != 0;
    }
};

} // namespace brisvane
