#include "program/StatisticsWindow.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "common/FileIo.h"
#include "common/Numbers.h"
#include "history/HistoryTexts.h"
#include "scores/ResultRecorder.h"
#include "program/StatisticsTexts.h"

namespace brisvane {
namespace {

namespace T = statisticstext;

// "2024-03-09 20:15", with ":05" for the seconds when asked.
std::string stamp(const DateTime& t, bool seconds = false) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return seconds ? text + std::string(":") + (t.second < 10 ? "0" : "") +
                         std::to_string(t.second)
                   : text;
}

// A text as one CSV field: quoted, quotes doubled, and a leading = + - @ defused, so that a
// spreadsheet never takes it for a formula.
std::string csvText(const std::string& value) {
    std::string field = "\"";
    if (!value.empty() && std::string_view("=+-@").find(value[0]) != std::string_view::npos) {
        field += "'";
    }
    for (const char c : value) {
        field += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return field + "\"";
}

} // namespace

StatisticsWindow::StatisticsWindow(Wiring wiring)
    : frmStatistics(makeControl("frmStatistics", 0, 0, Width, Height)),
      optLast100(makeControl("optLast100", 240, 120, 2400, 300)),
      optMonth(makeControl("optMonth", 2760, 120, 2400, 300)),
      optAll(makeControl("optAll", 5280, 120, 2400, 300)),
      lblRates(makeControl("lblRates", 7800, 120, 3960, 300)),
      lblGames(makeControl("lblGames", 8400, 480, 3360, 285)),
      lstGames(makeControl("lstGames", 8400, 780, 3360, 7500)),
      cmdExport(makeControl("cmdExport", 8400, 8460, 1620, 375)),
      cmdClose(makeControl("cmdClose", 10140, 8460, 1620, 375)),
      lblEmpty(makeControl("lblEmpty", 240, 4200, 7920, 600)),
      lblChoices(makeControl("lblChoices", 0, 0, 0, 0)),
      lblReplay(makeControl("lblReplay", 0, 0, 0, 0)), w_(std::move(wiring)) {
    if (!w_.replay) {
        throw std::logic_error("the statistics window's replay is not wired");
    }
    chtPoints.objectName = "chtPoints";
    chtHistogram.objectName = "chtHistogram";
    chtCategories.objectName = "chtCategories";
    chtFilled.objectName = "chtFilled";
    chtLuck.objectName = "chtLuck";
    lblEmpty.visible = false;
}

std::vector<Control*> StatisticsWindow::controls() {
    return {&optLast100, &optMonth, &optAll,   &lblRates,   &lblGames,  &lstGames,
            &cmdExport,  &cmdClose, &lblEmpty, &lblChoices, &lblReplay};
}

std::vector<Chart*> StatisticsWindow::charts() {
    return {&chtPoints, &chtHistogram, &chtCategories, &chtFilled, &chtLuck};
}

void StatisticsWindow::Load() {
    visible = true;
    historyChanged();
}

void StatisticsWindow::historyChanged() {
    if (!visible) {
        loaded_ = false; // read afresh at the next opening
        return;
    }
    const std::int64_t chosen =
        selectedRow >= 0 ? gameRow(static_cast<std::size_t>(selectedRow)).id : 0;
    std::vector<PlayedGame> games;
    const GameHistory::Outcome outcome = w_.history.load(games);
    if (!outcome.setAside.empty()) {
        w_.dialogs.message(w_.programTitle,
                           ResultRecorder::historySetAsideText(w_.texts, outcome.setAside));
    }
    all_ = outcome.ok ? std::move(games) : std::vector<PlayedGame>();
    loaded_ = outcome.ok;
    lblEmpty.toolTip = outcome.ok ? "" : outcome.why;
    applyTexts();
    show();
    // The game chosen stays chosen: a review written into its row, or a game added, moves
    // nothing under the player's eyes.
    for (std::size_t i = 0; chosen != 0 && i < shown_.size(); ++i) {
        if (shown_[i].id == chosen) {
            selectedRow = static_cast<int>(shown_.size() - 1 - i);
            showChoices();
        }
    }
    if (!outcome.ok) {
        lblEmpty.caption =
            text(historytext::Unreadable, {outcome.why});
    }
    notify();
}

void StatisticsWindow::choosePeriod(Period chosen) {
    period = chosen;
    show();
    notify();
}

void StatisticsWindow::chooseGame(int row) {
    selectedRow = row >= 0 && static_cast<std::size_t>(row) < gameCount() ? row : -1;
    showChoices();
    notify();
}

void StatisticsWindow::replayChanged() {
    if (visible && replayPending_) {
        askReplay();
        notify();
    }
}

void StatisticsWindow::clickClose() {
    visible = false;
    notify();
}

void StatisticsWindow::languageChanged() {
    if (visible) {
        applyTexts();
        show();
        notify();
    }
}

std::string StatisticsWindow::title() const {
    return text(T::Title);
}

void StatisticsWindow::applyTexts() {
    frmStatistics.caption = title();
    optLast100.caption = text(T::Last100);
    optMonth.caption = text(T::ThisMonth);
    optAll.caption = text(T::AllGames);
    lblGames.caption = text(T::YourGames);
    gameColumns = {text(T::Date), text(T::Points), text(T::Cost),
                   text(T::Luck)};
    cmdExport.caption = text(T::Export);
    cmdExport.toolTip = text(T::ExportHelp);
    cmdClose.caption = text(T::Close);
    chtPoints.tabTitle = text(T::Points);
    chtHistogram.tabTitle = text(T::SpreadTab);
    chtCategories.tabTitle = text(T::CategoriesTab);
    chtFilled.tabTitle = text(T::FilledTab);
    chtLuck.tabTitle = text(T::Luck);
    lblChoices.caption = text(T::CostliestChoices);
}

void StatisticsWindow::show() {
    optLast100.bold = period == Period::Last100;
    optMonth.bold = period == Period::ThisMonth;
    optAll.bold = period == Period::All;
    shown_ = gamesIn(all_, period, w_.clock.now());
    lblEmpty.visible = shown_.empty();
    lblEmpty.caption = all_.empty() ? text(T::NoGamesYet)
                                    : text(T::NoGamesInPeriod);
    ++revision;
    drawPoints();
    drawHistogram();
    drawCategories();
    drawLuck();
    showRates(shown_);
    selectedRow = -1;
    showChoices();
    lstGames.toolTip = text(T::GameCount, {std::to_string(shown_.size())});
    cmdExport.enabled = !shown_.empty();
}

void StatisticsWindow::showRates(const std::vector<PlayedGame>& games) {
    const HistoryFigures f = figuresOf(games);
    const auto percent = [](double share) {
        return std::to_string(static_cast<int>(share * 100 + 0.5)) + " %";
    };
    lblRates.caption = f.scored == 0 ? std::string()
                                     : text(T::Rates,
                                            {percent(f.bonusRate), percent(f.yatzyRate)});
}

StatisticsWindow::GameRow StatisticsWindow::gameRow(std::size_t row) const {
    const PlayedGame& g = shown_.at(shown_.size() - 1 - row);
    GameRow shown;
    shown.id = g.id;
    shown.date = stamp(g.ended);
    shown.points = std::to_string(g.points);
    if (g.review) {
        shown.cost = decimal(g.review->cost);
        shown.luck = decimal(g.review->luck);
    }
    return shown;
}

std::string StatisticsWindow::csv() const {
    std::string out = "ended,points,play_seconds,bonus,advised,language,expected_start,"
                      "choices_cost,luck";
    for (int k = 1; k <= CategoryCount; ++k) {
        out += "," + std::string(categoryName(k));
    }
    out += "\n";
    const auto figure = [](double value) { return oneDecimal(value); };
    for (const PlayedGame& g : shown_) {
        out += stamp(g.ended, true) + "," + std::to_string(g.points) + "," +
               std::to_string(g.playSeconds) + "," + (g.bonus ? std::to_string(*g.bonus) : "") +
               "," + (g.advised ? "1" : "0") + "," + csvText(g.language) + ",";
        out += g.review ? figure(g.review->expectedStart) + "," + figure(g.review->cost) + "," +
                              figure(g.review->luck)
                        : std::string(",,");
        for (std::size_t k = 0; k < CategoryCount; ++k) {
            out += "," + (g.scores ? std::to_string((*g.scores)[k]) : std::string());
        }
        out += "\n";
    }
    return out;
}

void StatisticsWindow::clickExport() {
    const auto file = w_.dialogs.chooseSaveFile(text(T::Export), "CSV (*.csv)|*.csv",
                                                "Games.csv");
    if (!file) {
        return;
    }
    const std::string bytes = csv();
    ReplacementFile out(*file);
    if (!out.valid() || !out.write(bytes.data(), bytes.size()) || !out.commit()) {
        const std::string why = std::strerror(errno);
        w_.dialogs.message(w_.programTitle,
                           text(T::NotWritten, {*file, why}));
    }
}

std::string StatisticsWindow::text(const TextKey& key,
                                   const std::vector<std::string>& values) const {
    return textOf(w_.texts, key, values);
}

std::string StatisticsWindow::decimal(double value) const {
    return oneDecimal(value, w_.locale.decimalSeparator());
}

void StatisticsWindow::notify() const {
    if (changed_) {
        changed_();
    }
}

} // namespace brisvane
