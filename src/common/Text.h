#pragma once
// UTF-8 text helpers. Every length and cut the program makes on a player-visible text counts
// characters (code points), not bytes, so names and captions in any language stay whole.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brisvane::text {

bool isValidUtf8(std::string_view bytes);

// Windows-1252 bytes to UTF-8 (older settings and language files).
std::string fromWindows1252(std::string_view bytes);

// One line of text as UTF-8: kept when it is valid UTF-8, else taken as Windows-1252.
std::string decodeLine(std::string_view bytes);

// UTF-16 code units (without a byte-order mark) as UTF-8; unpaired surrogates and an odd last
// byte become U+FFFD.
std::string fromUtf16(std::string_view bytes, bool bigEndian);

// The contents of a text file as UTF-8. A UTF-8 byte-order mark is dropped; a UTF-16 one
// (either byte order) decodes the rest as UTF-16. Otherwise each line is decoded on its own
// (decodeLine), so a single line of Windows-1252 leaves every UTF-8 line as it is.
std::string decodeFile(std::string_view bytes);

// Number of characters.
std::size_t length(std::string_view s);

// The first `count` characters (all of `s` when shorter).
std::string left(std::string_view s, std::size_t count);

// `count` characters starting at character `start` (0-based).
std::string mid(std::string_view s, std::size_t start, std::size_t count = std::string_view::npos);

// `s` without its last character ("" stays "").
std::string dropLast(std::string_view s);

// Upper case for ASCII and the Latin-1 letters (ä -> Ä, é -> É); other characters unchanged.
std::string toUpper(std::string_view s);

// Case-blind equality for ASCII and the Latin-1 letters.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The code points of `s` in order; an invalid byte yields U+FFFD and is skipped.
std::u32string toCodePoints(std::string_view s);
std::string fromCodePoint(char32_t c);

std::string trim(std::string_view s);
// The part of `s` that trim() keeps, without a copy.
std::string_view trimmed(std::string_view s);

// `pattern` with "%1" to "%9" replaced by the values in order (a language text such as
// "The log %1 cannot be written (%2)."); a place without a value, and what a value brings
// in, stay as they are.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace brisvane::text
