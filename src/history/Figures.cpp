#include "history/Figures.h"

#include <algorithm>
#include <iterator>

namespace brisvane {

HistoryFigures figuresOf(const std::vector<PlayedGame>& games) {
    HistoryFigures f;
    std::vector<int> points;
    double sum = 0;
    double cost = 0;
    double luck = 0;
    int bonuses = 0;
    int yatzies = 0;
    for (const PlayedGame& g : games) {
        points.push_back(g.points);
        sum += g.points;
        f.best = std::max(f.best, g.points);
        if (g.scores) {
            ++f.scored;
            bonuses += g.bonus.value_or(0) > 0 ? 1 : 0;
            yatzies += g.yatzy() ? 1 : 0;
        }
        if (g.review) {
            ++f.reviewed;
            cost += g.review->cost;
            luck += g.review->luck;
        }
    }
    f.games = static_cast<int>(games.size());
    if (f.games > 0) {
        f.mean = sum / f.games;
        std::sort(points.begin(), points.end());
        const std::size_t half = points.size() / 2;
        f.median = points.size() % 2 == 1 ? points[half] : (points[half - 1] + points[half]) / 2.0;
    }
    if (f.scored > 0) {
        f.bonusRate = static_cast<double>(bonuses) / f.scored;
        f.yatzyRate = static_cast<double>(yatzies) / f.scored;
    }
    if (f.reviewed > 0) {
        f.costMean = cost / f.reviewed;
        f.luckMean = luck / f.reviewed;
    }
    return f;
}

} // namespace brisvane

namespace brisvane {

std::vector<PlayedGame> gamesIn(const std::vector<PlayedGame>& games, Period period,
                                const DateTime& today) {
    constexpr std::size_t Last = 100;
    switch (period) {
    case Period::Last100:
        return {games.size() > Last ? games.end() - Last : games.begin(), games.end()};
    case Period::ThisMonth: {
        std::vector<PlayedGame> month;
        std::copy_if(games.begin(), games.end(), std::back_inserter(month),
                     [&today](const PlayedGame& g) {
                         return g.ended.year == today.year && g.ended.month == today.month;
                     });
        return month;
    }
    case Period::All:
        break;
    }
    return games;
}

std::vector<double> movingAverage(const std::vector<double>& values, std::size_t window) {
    std::vector<double> averages;
    averages.reserve(values.size());
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sum += values[i];
        if (i >= window) {
            sum -= values[i - window];
        }
        averages.push_back(sum / static_cast<double>(std::min(i + 1, window)));
    }
    return averages;
}

std::vector<Bin> histogram(const std::vector<PlayedGame>& games, int width) {
    if (games.empty() || width <= 0) {
        return {};
    }
    const auto [low, high] = std::minmax_element(
        games.begin(), games.end(),
        [](const PlayedGame& a, const PlayedGame& b) { return a.points < b.points; });
    const auto binOf = [width](int points) { return std::max(points, 0) / width; };
    const int first = binOf(low->points);
    std::vector<Bin> bins(static_cast<std::size_t>(binOf(high->points) - first + 1));
    for (std::size_t i = 0; i < bins.size(); ++i) {
        bins[i].from = (first + static_cast<int>(i)) * width;
    }
    for (const PlayedGame& g : games) {
        ++bins[static_cast<std::size_t>(binOf(g.points) - first)].count;
    }
    return bins;
}

std::array<CategoryFigures, CategoryCount> categoryFigures(const std::vector<PlayedGame>& games) {
    std::array<CategoryFigures, CategoryCount> figures{};
    int scored = 0;
    for (const PlayedGame& g : games) {
        if (!g.scores) {
            continue;
        }
        ++scored;
        for (std::size_t k = 0; k < figures.size(); ++k) {
            figures[k].mean += (*g.scores)[k];
            figures[k].filledRate += (*g.scores)[k] > 0 ? 1 : 0;
        }
    }
    for (CategoryFigures& f : figures) {
        f.mean = scored > 0 ? f.mean / scored : 0;
        f.filledRate = scored > 0 ? f.filledRate / scored : 0;
    }
    return figures;
}

} // namespace brisvane
