#pragma once
// The finished games of the event log, as the history takes them in on its first start. The
// game's line is the recording's own:
//   2002-02-22 00:37:41  Session 12: Score: 287, time: 14:05. New highscore, place 3 "Anna".
// optionally followed by ". Review: expected 508.1, choices cost 12.3, luck -15.8" and by
// " (advised)". Other events, lines in other forms and damaged lines are passed over.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/PlayedGame.h"

namespace brisvane {

// The game of one log line (without its line break), or nothing when it is not one.
std::optional<PlayedGame> parseGameLine(std::string_view line);

// The games of the log file `path`, oldest first; none when it is absent or unreadable.
std::vector<PlayedGame> gamesOfLog(const std::string& path);

} // namespace brisvane
