#include "history/Figures.h"

#include <algorithm>

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
