#pragma once
// What a submitted result must keep to enter the world table: the game's own scoring and entry
// key, taken from the core so that the service and the game can never disagree.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brisvane::server {

// The highest total the rules allow: every category at its best over all 46,656 rolls, plus the
// upper bonus when the upper categories' best reaches it.
int highestScore();

// Versions of the game whose results the service takes (`ver` and `rev` as the game sends them).
bool isKnownVersion(int version, int revision);

// Whether `key` is one of the nine keys the game makes for these points, date and version.
bool keyMatches(std::string_view key, int points, int dateNumber, int version);

// Month + 100 * two-digit year with a month of 1..12.
bool isDateNumber(int dateNumber);
// The date number of `now` where the day begins first (UTC+14), so that no player's own month
// counts as the future.
int latestDateNumber(std::chrono::system_clock::time_point now);
// The date number of `now` in UTC: "this month" of the world table.
int currentDateNumber(std::chrono::system_clock::time_point now);

// A whole decimal number without sign, as the game writes them; nothing else.
std::optional<int> parseCount(std::string_view text);

enum class NameProblem { None, Empty, TooLong, ControlCharacter, BlankAtEdge, NotUtf8 };
inline constexpr std::size_t NameMaxCharacters = 20;
NameProblem checkName(std::string_view name);
// The name as uniqueness sees it: lower case, so "Åsa" and "åSA" are one account.
std::string nameKey(std::string_view name);

} // namespace brisvane::server
