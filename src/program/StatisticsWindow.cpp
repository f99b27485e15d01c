#include "program/StatisticsWindow.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "common/FileIo.h"
#include "common/Numbers.h"

namespace brisvane {
namespace {

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
      lblEmpty(makeControl("lblEmpty", 240, 4200, 7920, 600)), w_(std::move(wiring)) {
    chtPoints.objectName = "chtPoints";
    chtHistogram.objectName = "chtHistogram";
    chtCategories.objectName = "chtCategories";
    chtFilled.objectName = "chtFilled";
    chtLuck.objectName = "chtLuck";
    lblEmpty.visible = false;
}

std::vector<Control*> StatisticsWindow::controls() {
    return {&optLast100, &optMonth, &optAll,    &lblRates, &lblGames,
            &lstGames,   &cmdExport, &cmdClose, &lblEmpty};
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
    std::vector<PlayedGame> games;
    const GameHistory::Outcome outcome = w_.history.load(games);
    if (!outcome.setAside.empty()) {
        w_.dialogs.message(w_.programTitle,
                           text("s67", "The history of your games was damaged. It has been set "
                                       "aside as %1 and a new history begun with the games of "
                                       "the log.",
                                {outcome.setAside}));
    }
    all_ = outcome.ok ? std::move(games) : std::vector<PlayedGame>();
    loaded_ = outcome.ok;
    lblEmpty.toolTip = outcome.ok ? "" : outcome.why;
    applyTexts();
    show();
    if (!outcome.ok) {
        lblEmpty.caption =
            text("s66", "The history of your games cannot be read (%1).", {outcome.why});
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
    notify();
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
    return text("s41", "Statistics");
}

void StatisticsWindow::applyTexts() {
    frmStatistics.caption = title();
    optLast100.caption = text("s42", "Last 100 games");
    optMonth.caption = text("s43", "This month");
    optAll.caption = text("s44", "All games");
    lblGames.caption = text("s58", "Your games");
    gameColumns = {text("s59", "Date"), text("s60", "Points"), text("s61", "Cost"),
                   textOr(w_.texts, "s38", "Luck")};
    cmdExport.caption = text("s62", "Export...");
    cmdExport.toolTip = text("s63", "Save the games of the list as a CSV file");
    cmdClose.caption = textOr(w_.texts, "s25", "Close");
    chtPoints.tabTitle = text("s60", "Points");
    chtHistogram.tabTitle = text("s76", "Spread");
    chtCategories.tabTitle = text("s77", "Categories");
    chtFilled.tabTitle = text("s78", "Filled");
    chtLuck.tabTitle = textOr(w_.texts, "s38", "Luck");
}

void StatisticsWindow::show() {
    optLast100.bold = period == Period::Last100;
    optMonth.bold = period == Period::ThisMonth;
    optAll.bold = period == Period::All;
    shown_ = gamesIn(all_, period, w_.clock.now());
    lblEmpty.visible = shown_.empty();
    lblEmpty.caption = all_.empty() ? text("s64", "No games yet: finish a game and it is kept here.")
                                    : text("s65", "No games in this period.");
    ++revision;
    drawPoints();
    drawHistogram();
    drawCategories();
    drawLuck();
    showRates(shown_);
    selectedRow = -1;
    lstGames.toolTip = text("s68", "%1 games", {std::to_string(shown_.size())});
    cmdExport.enabled = !shown_.empty();
}

void StatisticsWindow::showRates(const std::vector<PlayedGame>& games) {
    const HistoryFigures f = figuresOf(games);
    const auto percent = [](double share) {
        return std::to_string(static_cast<int>(share * 100 + 0.5)) + " %";
    };
    lblRates.caption = f.scored == 0 ? std::string()
                                     : text("s57", "Bonus in %1 of games, Yatzy in %2",
                                            {percent(f.bonusRate), percent(f.yatzyRate)});
}

StatisticsWindow::GameRow StatisticsWindow::gameRow(std::size_t row) const {
    const PlayedGame& g = shown_.at(shown_.size() - 1 - row);
    GameRow shown;
    shown.id = g.id;
    shown.date = stamp(g.ended);
    shown.points = std::to_string(g.points);
    if (g.review) {
        shown.cost = decimal(g.review->skill);
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
        out += g.review ? figure(g.review->expectedStart) + "," + figure(g.review->skill) + "," +
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
    const auto file = w_.dialogs.chooseSaveFile(text("s62", "Export..."), "CSV (*.csv)|*.csv",
                                                "Games.csv");
    if (!file) {
        return;
    }
    const std::string bytes = csv();
    ReplacementFile out(*file);
    if (!out.valid() || !out.write(bytes.data(), bytes.size()) || !out.commit()) {
        const std::string why = std::strerror(errno);
        w_.dialogs.message(w_.programTitle,
                           text("s69", "The games could not be written to %1 (%2).", {*file, why}));
    }
}

std::string StatisticsWindow::text(const char* key, const char* fallback,
                                   const std::vector<std::string>& values) const {
    return textWith(w_.texts, key, fallback, values);
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
