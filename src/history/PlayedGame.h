#pragma once
// One finished game as the player's history keeps it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/Ports.h"
#include "game/Scoring.h"

namespace brisvane {

// How a finished game went against the advisor (see the advisor's review).
struct GameReview {
    double expectedStart = 0; // the advisor's expected final score before the first roll
    double cost = 0;          // points the player's choices cost against the advisor's best
    double luck = 0;          // final score - expected start + cost
};

struct PlayedGame {
    enum class Source { Played, Log };

    std::int64_t id = 0; // the history's number of the game, once stored
    DateTime ended;      // local date and time of the game's end
    int points = 0;
    int playSeconds = 0;
    // Each category's points (category k at k-1) and the upper bonus (0 or 100); unknown for
    // a game taken in from the log.
    std::optional<std::array<int, CategoryCount>> scores;
    std::optional<int> bonus;
    bool advised = false; // advice was shown during the game
    std::string language; // the language played in ("" when unknown)
    std::optional<GameReview> review;
    // The game's steps as a recorded game (advisor::formatRecord), so it can be reviewed again;
    // "" when the game was not written down whole. Kept apart: a list of games is loaded
    // without, and GameHistory::record gives it.
    std::string record;
    Source source = Source::Played;

    // Yatzy filled; false when the scores are unknown.
    bool yatzy() const { return scores && (*scores)[CategoryCount - 1] > 0; }
};

} // namespace brisvane
