#pragma once
// Numbers stored as texts (settings keys such as alltime, total, p1..p10, antal, selected),
// and numbers shown to the player.

#include <cstdint>
#include <string>
#include <string_view>

namespace brisvane {

// The integer part of a number text: leading blanks, an optional sign, then digits; whatever
// follows the digits is ignored ("12abc" and "12.9" are 12). An absent, empty or non-numeric
// text is 0. Values beyond the 64-bit range saturate. Never throws.
std::int64_t integerPart(std::string_view text);

// integerPart clamped to the int range.
int intValue(std::string_view text);

// `value` with one decimal and `separator` for the point ("508.1", "-12,3"); a value that
// rounds to zero has no sign.
std::string oneDecimal(double value, const std::string& separator = ".");

}  // namespace brisvane
