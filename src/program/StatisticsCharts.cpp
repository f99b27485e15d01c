// The charts of the statistics window, drawn from the games of the period shown.
#include <algorithm>
#include <cstdio>

#include "common/Numbers.h"
#include "common/Text.h"
#include "program/StatisticsWindow.h"

namespace brisvane {
namespace {

ChartSeries series(std::string name, ChartSeries::Kind kind, std::uint32_t colour) {
    ChartSeries s;
    s.name = std::move(name);
    s.kind = kind;
    s.colour = colour;
    return s;
}

std::string date(const DateTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    return text;
}

std::string percent(double share) {
    return std::to_string(static_cast<int>(share * 100 + 0.5)) + " %";
}

} // namespace

void StatisticsWindow::drawPoints() {
    Chart& c = chtPoints;
    c.title = text("s45", "Points per game");
    c.xTitle = text("s49", "Game");
    c.yTitle = text("s60", "Points");
    c.series = {series(c.yTitle, ChartSeries::Kind::Dots, colour::Silver),
                series(text("s46", "Average of 20 games"), ChartSeries::Kind::Line, colour::Yellow),
                series(text("s47", "Best ever"), ChartSeries::Kind::Dots, colour::LightRed)};
    const auto best = std::max_element(all_.begin(), all_.end(), [](const auto& a, const auto& b) {
        return a.points < b.points;
    });
    std::vector<double> points;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        points.push_back(shown_[i].points);
        c.series[0].x.push_back(static_cast<double>(i + 1));
        if (shown_[i].id == best->id) {
            c.series[2].x.push_back(static_cast<double>(i + 1));
            c.series[2].y.push_back(shown_[i].points);
        }
    }
    c.series[0].y = points;
    c.series[1].x = c.series[0].x;
    c.series[1].y = movingAverage(points, AverageOf);
    if (shown_.empty()) {
        c.note.clear();
        c.summary = text("s65", "No games in this period.");
        return;
    }
    const HistoryFigures f = figuresOf(shown_);
    c.note = text("s48", "Best ever: %1 on %2", {std::to_string(best->points), date(best->ended)});
    c.summary = text("s50", "%1 games from %2 to %3: mean %4, best %5; the last 20 average %6.",
                     {std::to_string(f.games), date(shown_.front().ended),
                      date(shown_.back().ended), decimal(f.mean), std::to_string(f.best),
                      decimal(c.series[1].y.back())}) +
                " " + c.note + ".";
}

void StatisticsWindow::drawHistogram() {
    Chart& c = chtHistogram;
    c.title = text("s51", "Final points");
    c.xTitle = text("s60", "Points");
    c.yTitle = text("s52", "Games");
    c.categories.clear();
    c.series = {series(c.yTitle, ChartSeries::Kind::Bars, colour::Yellow)};
    const std::vector<Bin> bins = histogram(shown_, BinWidth);
    const Bin* most = nullptr;
    for (const Bin& bin : bins) {
        c.categories.push_back(std::to_string(bin.from) + "-" +
                               std::to_string(bin.from + BinWidth - 1));
        c.series[0].y.push_back(bin.count);
        most = most == nullptr || bin.count > most->count ? &bin : most;
    }
    if (most == nullptr) {
        c.note.clear();
        c.summary = text("s65", "No games in this period.");
        return;
    }
    const HistoryFigures f = figuresOf(shown_);
    c.note = text("s53", "Your mean %1, median %2", {decimal(f.mean), decimal(f.median)});
    // The advisor's expected score at the start of a game is the mean of its own play.
    const auto reviewed = std::find_if(all_.rbegin(), all_.rend(),
                                       [](const PlayedGame& g) { return g.review.has_value(); });
    if (reviewed != all_.rend()) {
        c.note += "; " + text("s54", "the advisor's mean %1",
                              {decimal(reviewed->review->expectedStart)});
    }
    c.summary = text("s55", "%1 games in steps of %2 points, most often %3 (%4 games).",
                     {std::to_string(f.games), std::to_string(BinWidth),
                      c.categories[static_cast<std::size_t>(most - bins.data())],
                      std::to_string(most->count)}) +
                " " + c.note + ".";
}

void StatisticsWindow::drawCategories() {
    Chart& means = chtCategories;
    Chart& filled = chtFilled;
    means.title = text("s56", "Mean points per category");
    filled.title = text("s70", "How often each category was filled");
    means.yTitle = text("s60", "Points");
    filled.yTitle = "%";
    means.categories.clear();
    means.series = {series(text("s71", "You"), ChartSeries::Kind::Bars, colour::Yellow)};
    filled.series = {series(filled.title, ChartSeries::Kind::Bars, colour::Silver)};
    const auto figures = categoryFigures(shown_);
    std::string meanList;
    std::string filledList;
    for (int k = 1; k <= CategoryCount; ++k) {
        const CategoryFigures& f = figures[static_cast<std::size_t>(k - 1)];
        std::string name = textOr(w_.texts, "c" + std::to_string(k), "");
        name = text::trim(name.empty() ? std::string(categoryName(k)) : name);
        means.categories.push_back(name);
        means.series[0].y.push_back(f.mean);
        filled.series[0].y.push_back(f.filledRate * 100);
        meanList += (k > 1 ? ", " : "") + name + " " + decimal(f.mean);
        filledList += (k > 1 ? ", " : "") + name + " " + percent(f.filledRate);
    }
    filled.categories = means.categories;
    if (figuresOf(shown_).scored == 0) {
        means.summary =
            text("s72", "No category scores: the games taken in from the log have none.");
        means.note = filled.note = filled.summary = means.summary;
        return;
    }
    means.note = filled.note = "";
    means.summary = means.title + ": " + meanList + ".";
    filled.summary = filled.title + ": " + filledList + ".";
}

void StatisticsWindow::drawLuck() {
    Chart& c = chtLuck;
    c.title = text("s73", "Luck and the cost of your choices, average of 20 reviewed games");
    c.xTitle = text("s49", "Game");
    c.yTitle = text("s60", "Points");
    c.series = {series(textOr(w_.texts, "s38", "Luck"), ChartSeries::Kind::Line, colour::Silver),
                series(textOr(w_.texts, "s37", "Your choices cost"), ChartSeries::Kind::Line,
                       colour::LightRed)};
    std::vector<double> luck;
    std::vector<double> cost;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (shown_[i].review) {
            c.series[0].x.push_back(static_cast<double>(i + 1));
            luck.push_back(shown_[i].review->luck);
            cost.push_back(shown_[i].review->skill);
        }
    }
    c.series[0].y = movingAverage(luck, AverageOf);
    c.series[1].x = c.series[0].x;
    c.series[1].y = movingAverage(cost, AverageOf);
    if (luck.empty()) {
        c.note = c.summary = text("s74", "No reviewed games in this period.");
        return;
    }
    c.note.clear();
    c.summary = text("s75", "Over the last %1 reviewed games your choices cost %2 points a game "
                            "on average, and luck gave %3.",
                     {std::to_string(std::min(luck.size(), AverageOf)),
                      decimal(c.series[1].y.back()), decimal(c.series[0].y.back())});
}

} // namespace brisvane
