#pragma once
// The figures drawn from a list of games: how many, their mean, median and best, how often
// the bonus and Yatzy were made, and what the reviewed games' choices cost and luck gave.

#include <vector>

#include "history/PlayedGame.h"

namespace brisvane {

struct HistoryFigures {
    int games = 0;
    double mean = 0;
    double median = 0;
    int best = 0;
    // Over the games whose category scores are known (not those taken in from the log).
    int scored = 0;
    double bonusRate = 0; // share of those games with the bonus
    double yatzyRate = 0; // share of those games with Yatzy filled
    // Over the games with a review.
    int reviewed = 0;
    double costMean = 0; // the mean cost of the player's choices
    double luckMean = 0;
};

HistoryFigures figuresOf(const std::vector<PlayedGame>& games);

} // namespace brisvane
