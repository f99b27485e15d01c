#pragma once
// The figures drawn from a list of games: how many, their mean, median and best, how often
// the bonus and Yatzy were made, and what the reviewed games' choices cost and luck gave; and
// the series the statistics window plots.

#include <array>
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

// The games a chart shows.
enum class Period { Last100, ThisMonth, All };
// The games of `period` out of `games` (oldest first), in the same order; "this month" is the
// month of `today`.
std::vector<PlayedGame> gamesIn(const std::vector<PlayedGame>& games, Period period,
                                const DateTime& today);

// For each value, the mean of it and the values before it, at most `window` of them (so the
// first values average fewer).
std::vector<double> movingAverage(const std::vector<double>& values, std::size_t window);

// Counts of points in bins of `width`: [from, from + width), from the bin of the lowest to the
// bin of the highest; none for no points.
struct Bin {
    int from = 0;
    int count = 0;
};
std::vector<Bin> histogram(const std::vector<PlayedGame>& games, int width);

// Per category, over the games whose scores are known: the mean points (0 counts) and the
// share of games in which it was filled.
struct CategoryFigures {
    double mean = 0;
    double filledRate = 0;
};
std::array<CategoryFigures, CategoryCount> categoryFigures(const std::vector<PlayedGame>& games);

} // namespace brisvane
