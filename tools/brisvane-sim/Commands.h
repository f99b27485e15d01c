#pragma once
// The commands of brisvane-sim beyond eval, and the helpers they share with it.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "game/Scoring.h"

namespace brisvane::sim {

using Args = std::vector<std::string_view>;

// Prints the usage line and returns exit status 2.
int usageError();
// A whole non-negative decimal number no larger than `max`; nothing for anything else.
std::optional<std::uint64_t> parseNumber(std::string_view text, std::uint64_t max);
// "K,K,..." with each K in 1..20; an empty text closes nothing.
std::optional<CategorySet> parseClosed(std::string_view text);

int runPlay(const Args& args);
int runExact(const Args& args);
int runGaps(const Args& args);
int runFit(const Args& args);
int runAdvise(const Args& args);
int runValues(const Args& args);
int runReview(const Args& args);
int runHistory(const Args& args);

} // namespace brisvane::sim
