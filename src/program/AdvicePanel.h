#pragma once
// The advice of the game window: a switch (key H, the tools menu), remembered in the settings
// file as Options/Advice ("Yes" = on, off when absent). While it is on, after every roll the
// dice the advisor would roll again are marked, the label `lblAdvice` names its choice, and
// its tool tip gives the expected final score of that choice and of the next best ones.
// A game in which advice was shown is an advised game: it is logged as such and takes no
// place in the top ten.
//
// The panel also writes down every game as it is played, so that the end of a game can show
// the review: the advisor's expected score at the start, what the player's choices cost
// against its best, and what the dice gave or took. The review runs on the worker's thread,
// started as the game ends; one not done when the game is recorded follows into the history
// (reviewLater), as do those of games that ended before the advisor was ready.
//
// The advisor needs tables that take a moment to load (and, the first time, some seconds
// to solve). They are prepared on the worker's thread from the first roll on, or when the
// switch is turned on; meanwhile the label shows how far the work is. Qt-free.

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "advisor/AdviceSource.h"
#include "advisor/StepRecorder.h"
#include "common/Controls.h"
#include "common/ModelTimer.h"
#include "common/Ports.h"
#include "common/Profile.h"
#include "common/Texts.h"
#include "game/GameModel.h"
#include "program/Replay.h"

namespace brisvane {

class AdvicePanel {
public:
    struct Wiring {
        Profile& profile;
        std::string iniFile;
        const Texts& texts;
        const Locale& locale;
        const GameModel& game;
        Worker* worker = nullptr; // none: no advice and no review
    };
    static constexpr const char* Section = "Options";
    static constexpr const char* Key = "Advice";

    // Makes the advisor, on the worker's thread; `progress` gets the share done (0..1) and may
    // throw to stop the work.
    using Prepare =
        std::function<std::unique_ptr<advisor::AdviceSource>(const advisor::Progress& progress)>;

    explicit AdvicePanel(Wiring wiring);
    // Stops a preparation under way and waits for it.
    ~AdvicePanel();
    AdvicePanel(const AdvicePanel&) = delete;
    AdvicePanel& operator=(const AdvicePanel&) = delete;

    // How the advisor is made; unset, the game has no advice and no review.
    Prepare prepare;

    // ---- Controls ----
    Control lblAdvice;
    // Runs while the advisor is being prepared, to show how far it is.
    ModelTimer TimerAdvice{250};
    // Die i (at i-1) is one the advisor would pick up and roll again.
    std::array<bool, 6> rollAgain{};

    // ---- Operations ----
    bool on() const { return on_; }
    // The key H and the tools menu's entry: switches advice on or off and remembers it.
    void toggle();
    // The game changed: follows it and brings the advice up to date.
    void gameChanged();
    // A new game begins (before its first state is shown); the first one after start-up reads
    // the switch from the settings file.
    void newGame();
    // The language changed: the label's texts are written again.
    void languageChanged() { show(); }
    void tickTimerAdvice();

    // Whether advice was shown for a roll of the game on the table.
    bool advised() const { return advised_; }
    // The review of the game just finished, which began on the worker's thread as it ended:
    // Reviewed when it is done; Reviewing while it runs or waits for the advisor (it then
    // follows by reviewLater); Refused or Unavailable when none will come (the game was not
    // written down whole, or the advisor cannot be had).
    Replay gameReview();
    // The game on the table written down as a recorded game (advisor::formatRecord), for the
    // history; "" when it was not written down whole.
    std::string recordText() const;
    // The statistics window's replay: a recorded game reviewed again on the worker's thread, by
    // an advisor of its own over the same tables, so the game goes on meanwhile (a whole game
    // takes the advisor a moment). The answer for `record`: once the work is done, its review
    // or why there is none; until then, that the advisor is being prepared (which this
    // starts) or that the review runs. One review runs at a time: one asked for meanwhile
    // runs next (only the last one asked for).
    Replay replay(const std::string& record);
    // Called when an answer that was not final may have moved on: the advisor became ready,
    // or could not be made, or a review ended.
    std::function<void()> replayChanged;

    // Game `game` of the history, written down as `record`, waits for its review: it is
    // reviewed on the worker's thread, one game at a time, once the advisor is ready (after
    // a replay the statistics window waits for), and `reviewed` gets its figures. A game the
    // review refuses gets none; one the advisor cannot review now waits for the next start.
    void reviewLater(std::int64_t game, std::string record);
    std::function<void(std::int64_t game, const advisor::Review& review)> reviewed;
    // Called once the advisor has become ready, to give it the games still to review.
    std::function<void()> advisorReady;
    // Whether the advisor is ready to answer.
    bool ready() const { return source_ != nullptr; }
    // Whether the advisor is being prepared.
    bool preparing() const { return preparation_ != nullptr && !prepared_; }

    // The caption of the tools menu's entry.
    std::string switchCaption() const;

private:
    // What the worker's thread leaves behind; shared, so it outlives a panel that goes away
    // while the work still runs.
    struct Preparation {
        std::atomic<int> permille{0};
        std::atomic<bool> stop{false};
        std::atomic<bool> done{false};
        std::unique_ptr<advisor::AdviceSource> source;
        std::string failure;
    };

    // What a review on the worker's thread leaves behind.
    struct ReviewWork {
        std::string record;
        std::atomic<bool> done{false};
        Replay answer; // written before `done`
    };
    // A game of the history waiting for its review.
    struct Pending {
        std::int64_t game;
        std::string record;
    };
    // The reviews kept after their end, so an answer asked again is not worked out again.
    static constexpr std::size_t KeptAnswers = 4;

    void startPreparing();
    // The next review, if the advisor is ready and the worker idle: the statistics window's,
    // then the game just ended, then the history's oldest.
    void startNext();
    void startReview(const std::string& record);
    void reviewEnded();
    // The answer of a review of `record` that has ended; null when none.
    const Replay* answerFor(const std::string& record) const;
    // The history's games of `record` take `answer`.
    void settle(const std::string& record, const Replay& answer);
    // A game just over is reviewed at once, so its figures are there when its end shows.
    void reviewGameEnd();
    void show();
    void showChoices(const advisor::Position& position);
    void markDice(const advisor::Choice& choice);
    std::string text(const char* key) const;
    // "label: value" in the language's form.
    std::string labelled(const std::string& label, const std::string& value) const;
    std::string describe(const advisor::Choice& choice) const;
    std::string points(double value) const;

    Wiring w_;
    bool on_ = false;
    bool loaded_ = false;
    bool advised_ = false;
    advisor::StepRecorder recorder_;
    std::shared_ptr<Preparation> preparation_;
    bool prepared_ = false; // the preparation's outcome has been taken over
    std::unique_ptr<advisor::AdviceSource> source_;
    std::string failure_;
    // The choices of the position shown last, kept while the position stays.
    std::optional<advisor::Position> rankedFor_;
    std::vector<advisor::Choice> choices_;
    std::shared_ptr<ReviewWork> running_; // until its end has been taken over; null when idle
    std::deque<std::shared_ptr<const ReviewWork>> ended_; // the last ones, newest first
    std::string replayNext_; // the statistics window's, asked for while another ran; "" for none
    std::string gameEnd_;    // the game just over, waiting for the worker; "" for none
    std::vector<Pending> pending_; // oldest first
};

} // namespace brisvane
