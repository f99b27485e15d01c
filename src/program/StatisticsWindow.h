#pragma once
// The statistics window as a model: the player's history of games as charts and a list.
// - points over the games: each game a dot, the mean of the last 20 games as a line, the best
//   game ever marked; for the last 100 games, this month or all;
// - the final points as a histogram, with the player's mean and median beside the advisor's
//   mean in its own play;
// - per category the player's mean points, and how often each was filled;
// - the bonus and Yatzy rates; luck and the cost of choices over the reviewed games;
// - the list of games (date, points, cost, luck), newest first, and its export as CSV;
// - the chosen game's costliest choices, its record of steps reviewed again by the advisor.
// Every chart carries a summary in words for a screen reader. The history is read when the
// window is first opened, not at start-up. Qt-free: StatisticsView draws it.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/Controls.h"
#include "common/Ports.h"
#include "common/TextKey.h"
#include "common/Texts.h"
#include "history/Figures.h"
#include "history/GameHistory.h"
#include "program/Chart.h"
#include "program/Replay.h"

namespace brisvane {

class StatisticsWindow {
public:
    // The most choices the replay of a game lists, the costliest first.
    static constexpr std::size_t ShownChoices = 10;
    static constexpr std::size_t AverageOf = 20; // games in a moving average
    static constexpr int BinWidth = 50;          // points per bar of the histogram
    static constexpr int Width = 12000;          // twips
    static constexpr int Height = 9000;

    struct Wiring {
        GameHistory& history;
        const Texts& texts;
        const Locale& locale;
        const Clock& clock;
        Dialogs& dialogs;
        std::string programTitle;
        // The review of a game's record of steps, asked again whenever replayChanged() says
        // that an answer not yet final has moved on.
        std::function<Replay(const std::string& record)> replay;
    };

    // One line of the list of games.
    struct GameRow {
        std::int64_t id = 0;
        std::string date; // "2024-03-09 20:15"
        std::string points;
        std::string cost; // "" without a review
        std::string luck;
    };

    explicit StatisticsWindow(Wiring wiring);
    StatisticsWindow(const StatisticsWindow&) = delete;
    StatisticsWindow& operator=(const StatisticsWindow&) = delete;

    // ---- Controls ----
    Control frmStatistics; // the window; its caption is the title
    Control optLast100;    // the three periods
    Control optMonth;
    Control optAll;
    Control lblRates; // the bonus and Yatzy rates
    Control lblGames; // the title of the list of games
    Control lstGames;
    Control cmdExport;
    Control cmdClose;
    Control lblEmpty; // says why there is nothing to show; hidden otherwise
    Control lblChoices; // the title of the chosen game's costliest choices
    Control lblReplay;  // the chosen game's review, or why there is none
    std::vector<std::string> choiceLines; // its costliest choices, the costliest first
    std::vector<Control*> controls();

    Chart chtPoints;
    Chart chtHistogram;
    Chart chtCategories;
    Chart chtFilled;
    Chart chtLuck;
    std::vector<Chart*> charts();

    std::vector<std::string> gameColumns; // the list's headings
    // The list of games, newest first; a row is made when it is asked for, so a long list
    // costs only the rows a view shows.
    std::size_t gameCount() const { return shown_.size(); }
    GameRow gameRow(std::size_t row) const;
    int selectedRow = -1;

    Period period = Period::Last100;
    bool visible = false;
    // Raised whenever the charts and the list are drawn afresh, so a view redraws them only then.
    unsigned revision = 0;

    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // The window's title, also the caption of the tools menu's entry.
    std::string title() const;

    // ---- Operations ----
    // Opening: reads the history and shows the period chosen last.
    void Load();
    void choosePeriod(Period chosen);
    void chooseGame(int row);
    // A replay that was not ready when asked (the advisor being prepared, the review under
    // way) may be ready now: the chosen game's is asked again.
    void replayChanged();
    // Asks where to write the games of the list, and writes them there as CSV.
    void clickExport();
    void clickClose();
    // The language changed: every text is written again.
    void languageChanged();
    // A game was added to the history: it is shown at once while the window is open.
    void historyChanged();

    // The games of the list as CSV: a heading line, then one game a line, oldest first.
    std::string csv() const;

private:
    void applyTexts();
    void show();
    // The charts of the games shown (StatisticsCharts.cpp).
    void drawPoints();
    void drawHistogram();
    void drawCategories();
    void drawLuck();
    void showRates(const std::vector<PlayedGame>& games);
    // The chosen game replayed by the advisor (StatisticsReplay.cpp).
    void showChoices();
    void askReplay(); // of replayRecord_
    void showReview(const advisor::Review& review);
    std::string choiceLine(const advisor::ReviewedChoice& choice) const;
    std::string text(const TextKey& key, const std::vector<std::string>& values = {}) const;
    std::string decimal(double value) const;
    void notify() const;

    Wiring w_;
    std::vector<PlayedGame> all_; // every game, oldest first
    std::vector<PlayedGame> shown_;
    bool loaded_ = false;
    std::string replayRecord_;   // the chosen game's record of steps; "" when it has none
    bool replayPending_ = false; // its replay was not final when asked
    std::function<void()> changed_;
};

} // namespace brisvane
