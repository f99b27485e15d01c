#include "program/AdvicePanel.h"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "advisor/AdvisorPlayer.h"
#include "common/Numbers.h"
#include "common/Text.h"
#include "program/ChoiceText.h"

namespace brisvane {
namespace {

using advisor::Choice;
using advisor::Position;

// Thrown into the preparation by its progress calls when the panel goes away.
struct Stopped {};

bool samePosition(const Position& a, const Position& b) {
    return a.open == b.open && a.upper == b.upper && a.total == b.total &&
           a.rollsLeft == b.rollsLeft && a.rolled == b.rolled && (!a.rolled || a.dice == b.dice);
}

// The alternatives the tool tip lists after the advisor's own choice.
constexpr std::size_t ShownAlternatives = 3;

} // namespace

AdvicePanel::AdvicePanel(Wiring wiring)
    : lblAdvice(makeControl("lblAdvice", 1050, 4530, 6800, 285)), w_(std::move(wiring)) {
    lblAdvice.foreColor = colour::Yellow;
    lblAdvice.visible = false;
}

AdvicePanel::~AdvicePanel() {
    if (preparation_ != nullptr) {
        preparation_->stop = true;
        w_.worker->wait();
    }
}

void AdvicePanel::toggle() {
    on_ = !on_;
    // Not kept when the file cannot be written: the switch still holds for this run.
    w_.profile.SetINI(Section, Key, on_ ? "Yes" : "No", w_.iniFile);
    if (on_) {
        startPreparing();
    }
    show();
}

void AdvicePanel::newGame() {
    if (!loaded_) {
        loaded_ = true;
        on_ = w_.profile.GetINI(Section, Key, w_.iniFile) == "Yes";
        if (on_) {
            startPreparing();
        }
    }
    advised_ = false;
}

void AdvicePanel::gameChanged() {
    const GameState& state = w_.game.state();
    recorder_.observe(state);
    // Prepared from the first roll on, so the review is ready when the game ends.
    if (state.RollsLeft < GameModel::StartRolls) {
        startPreparing();
    }
    show();
}

void AdvicePanel::startPreparing() {
    if (preparation_ != nullptr || w_.worker == nullptr || !prepare) {
        return;
    }
    preparation_ = std::make_shared<Preparation>();
    w_.worker->start([work = preparation_, prepare = prepare] {
        try {
            work->source = prepare([&work](double share) {
                if (work->stop) {
                    throw Stopped{};
                }
                work->permille = static_cast<int>(std::lround(share * 1000));
            });
        } catch (const Stopped&) {
        } catch (const std::exception& error) {
            work->failure = error.what();
        } catch (...) {
            work->failure = "unknown error";
        }
        work->done.store(true, std::memory_order_release);
    });
    TimerAdvice.start();
}

void AdvicePanel::tickTimerAdvice() {
    if (!TimerAdvice.enabled) {
        return;
    }
    bool changed = false;
    if (preparing() && preparation_->done.load(std::memory_order_acquire)) {
        prepared_ = true;
        source_ = std::move(preparation_->source);
        failure_ = source_ != nullptr ? "" : preparation_->failure;
        changed = true;
    }
    // The statistics window shows how far the preparation is, as the label does.
    changed = changed || preparing();
    if (replayRunning_ && replay_->done.load(std::memory_order_acquire)) {
        replayRunning_ = false;
        changed = true;
        if (!replayNext_.empty()) {
            startReplay(std::exchange(replayNext_, std::string()));
        }
    }
    if (!preparing() && !replayRunning_) {
        TimerAdvice.stop();
    }
    show();
    if (changed && replayChanged) {
        replayChanged();
    }
}

Replay AdvicePanel::replay(const std::string& record) {
    if (source_ == nullptr) {
        startPreparing();
        if (preparing()) {
            return {Replay::State::Preparing, {}, "", preparation_->permille / 10};
        }
        return {Replay::State::Unavailable, {}, failure_};
    }
    if (replay_ != nullptr && replay_->record == record) {
        if (!replayRunning_) {
            return replay_->answer;
        }
        replayNext_.clear(); // wanted again while it runs: nothing asked meanwhile need follow
        return {Replay::State::Reviewing, {}, ""};
    }
    if (replayRunning_) {
        replayNext_ = record;
    } else {
        startReplay(record);
    }
    return {Replay::State::Reviewing, {}, ""};
}

void AdvicePanel::startReplay(const std::string& record) {
    replay_ = std::make_shared<ReplayWork>();
    replay_->record = record;
    replayRunning_ = true;
    w_.worker->start([work = replay_, review = source_->reviewer()] {
        // Filled in place: the answer waits in `work`, made empty.
        Replay& answer = work->answer;
        try {
            answer.review = review(advisor::parseRecord(work->record));
            answer.state = Replay::State::Reviewed;
        } catch (const std::invalid_argument& error) {
            answer.state = Replay::State::Refused;
            answer.why = error.what();
        } catch (const std::exception& error) {
            answer.state = Replay::State::Unavailable;
            answer.why = error.what();
        }
        work->done.store(true, std::memory_order_release);
    });
    TimerAdvice.start();
}

std::optional<advisor::Review> AdvicePanel::review() {
    tickTimerAdvice(); // an advisor that has just become ready serves this game already
    if (source_ == nullptr || !recorder_.complete()) {
        return std::nullopt;
    }
    try {
        return source_->review(recorder_.steps());
    } catch (const std::invalid_argument&) {
        // A game the record does not hold whole (a new game started before its end).
        return std::nullopt;
    }
}

std::string AdvicePanel::recordText() const {
    return recorder_.complete() ? advisor::formatRecord(recorder_.steps()) : std::string();
}

std::string AdvicePanel::switchCaption() const {
    return text("s29");
}

void AdvicePanel::show() {
    rollAgain.fill(false);
    lblAdvice.toolTip.clear();
    lblAdvice.visible = on_;
    if (!on_) {
        lblAdvice.caption.clear();
        return;
    }
    const std::string title = switchCaption();
    if (source_ == nullptr) {
        const bool failed = prepared_;
        if (failed || w_.worker == nullptr || !prepare) {
            lblAdvice.caption = labelled(title, text("s35"));
            lblAdvice.toolTip = failure_;
        } else {
            const int percent = preparation_ == nullptr ? 0 : preparation_->permille / 10;
            lblAdvice.caption =
                labelled(title, text("s34") + " " + std::to_string(percent) + " %");
        }
        return;
    }
    if (w_.game.TimerEnd.enabled) {
        lblAdvice.visible = false; // the game is over
        return;
    }
    showChoices(advisor::positionOf(w_.game));
}

void AdvicePanel::showChoices(const Position& position) {
    if (!rankedFor_ || !samePosition(*rankedFor_, position)) {
        rankedFor_ = position;
        try {
            choices_ = source_->rank(position);
        } catch (const std::invalid_argument&) {
            // A state the advisor does not know (the test button's jump to the last roll).
            choices_.clear();
        }
    }
    if (choices_.empty()) {
        lblAdvice.visible = false;
        return;
    }
    const Choice& best = choices_.front();
    lblAdvice.caption = labelled(switchCaption(), describe(best));
    std::string tip = labelled(text("s33"), points(best.expected));
    for (std::size_t i = 1; i < choices_.size() && i <= ShownAlternatives; ++i) {
        std::string line = describe(choices_[i]);
        // A line of its own begins with a capital, where the phrase begins with a letter.
        if (!line.empty() && line[0] >= 'a' && line[0] <= 'z') {
            line[0] = static_cast<char>(line[0] - 'a' + 'A');
        }
        tip += '\n';
        tip += labelled(line, points(choices_[i].expected));
    }
    lblAdvice.toolTip = tip;
    if (position.rolled) {
        advised_ = true;
        markDice(best);
    }
}

void AdvicePanel::markDice(const Choice& choice) {
    if (choice.kind != Choice::Kind::Roll) {
        return;
    }
    const GameState& state = w_.game.state();
    advisor::Counts wanted = choice.rollAgain;
    // Dice the player has already picked up count first, so a pick that agrees stays marked.
    for (const int held : {0, 1}) {
        for (std::size_t i = 0; i < 6; ++i) {
            const int face = state.DiceValue[i];
            if (state.DiceHeld[i] != held || face < 1 || face > 6) {
                continue;
            }
            auto& left = wanted[static_cast<std::size_t>(face - 1)];
            if (left > 0) {
                --left;
                rollAgain[i] = true;
            }
        }
    }
}

std::string AdvicePanel::describe(const Choice& choice) const {
    return describeChoice(w_.texts, choice);
}

std::string AdvicePanel::points(double value) const {
    return oneDecimal(value, w_.locale.decimalSeparator());
}

std::string AdvicePanel::text(const char* key) const {
    return w_.texts.T(key);
}

std::string AdvicePanel::labelled(const std::string& label, const std::string& value) const {
    return text::fill(text("s126"), {label, value});
}

} // namespace brisvane
