// The charts of the statistics window, drawn from the games of the period shown.
#include <algorithm>
#include <cstdio>

#include "common/Numbers.h"
#include "common/Text.h"
#include "program/StatisticsTexts.h"
#include "program/StatisticsWindow.h"

namespace brisvane {
namespace {

namespace T = statisticstext;

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
    c.title = text(T::PointsTitle);
    c.xTitle = text(T::Game);
    c.yTitle = text(T::Points);
    c.series = {series(c.yTitle, ChartSeries::Kind::Dots, colour::Silver),
                series(text(T::Average), ChartSeries::Kind::Line, colour::Yellow),
                series(text(T::BestEver), ChartSeries::Kind::Dots, colour::LightRed)};
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
        c.summary = text(T::NoGamesInPeriod);
        return;
    }
    const HistoryFigures f = figuresOf(shown_);
    c.note = text(T::BestEverOn, {std::to_string(best->points), date(best->ended)});
    c.summary = text(T::PointsSummary,
                     {std::to_string(f.games), date(shown_.front().ended),
                      date(shown_.back().ended), decimal(f.mean), std::to_string(f.best),
                      decimal(c.series[1].y.back())}) +
                " " + c.note + ".";
}

void StatisticsWindow::drawHistogram() {
    Chart& c = chtHistogram;
    c.title = text(T::FinalPoints);
    c.xTitle = text(T::Points);
    c.yTitle = text(T::Games);
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
        c.summary = text(T::NoGamesInPeriod);
        return;
    }
    const HistoryFigures f = figuresOf(shown_);
    c.note = text(T::MeanMedian, {decimal(f.mean), decimal(f.median)});
    // The advisor's expected score at the start of a game is the mean of its own play.
    const auto reviewed = std::find_if(all_.rbegin(), all_.rend(),
                                       [](const PlayedGame& g) { return g.review.has_value(); });
    if (reviewed != all_.rend()) {
        c.note += "; " + text(T::AdvisorMean,
                              {decimal(reviewed->review->expectedStart)});
    }
    c.summary = text(T::SpreadSummary,
                     {std::to_string(f.games), std::to_string(BinWidth),
                      c.categories[static_cast<std::size_t>(most - bins.data())],
                      std::to_string(most->count)}) +
                " " + c.note + ".";
}

void StatisticsWindow::drawCategories() {
    Chart& means = chtCategories;
    Chart& filled = chtFilled;
    means.title = text(T::CategoryMeans);
    filled.title = text(T::FilledTitle);
    means.yTitle = text(T::Points);
    filled.yTitle = "%";
    means.categories.clear();
    means.series = {series(text(T::You), ChartSeries::Kind::Bars, colour::Yellow)};
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
            text(T::NoScores);
        means.note = filled.note = filled.summary = means.summary;
        return;
    }
    means.note = filled.note = "";
    means.summary = text(T::Labelled, {means.title, meanList}) + ".";
    filled.summary = text(T::Labelled, {filled.title, filledList}) + ".";
}

void StatisticsWindow::drawLuck() {
    Chart& c = chtLuck;
    c.title = text(T::LuckTitle);
    c.xTitle = text(T::Game);
    c.yTitle = text(T::Points);
    c.series = {series(text(T::Luck), ChartSeries::Kind::Line, colour::Silver),
                series(text(T::ChoicesCost), ChartSeries::Kind::Line,
                       colour::LightRed)};
    std::vector<double> luck;
    std::vector<double> cost;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (shown_[i].review) {
            c.series[0].x.push_back(static_cast<double>(i + 1));
            luck.push_back(shown_[i].review->luck);
            cost.push_back(shown_[i].review->cost);
        }
    }
    c.series[0].y = movingAverage(luck, AverageOf);
    c.series[1].x = c.series[0].x;
    c.series[1].y = movingAverage(cost, AverageOf);
    if (luck.empty()) {
        c.note = c.summary = text(T::NoReviews);
        return;
    }
    c.note.clear();
    c.summary = text(T::LuckSummary,
                     {std::to_string(std::min(luck.size(), AverageOf)),
                      decimal(c.series[1].y.back()), decimal(c.series[0].y.back())});
}

} // namespace brisvane
