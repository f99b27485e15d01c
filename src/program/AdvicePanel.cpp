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
    reviewGameEnd();
    show();
}

void AdvicePanel::reviewGameEnd() {
    const bool canReview = source_ != nullptr || preparing();
    if (!w_.game.TimerEnd.enabled || !recorder_.complete() || !canReview) {
        return;
    }
    std::string record = advisor::formatRecord(recorder_.steps());
    if (record == gameEnd_ || answerFor(record) != nullptr ||
        (running_ != nullptr && running_->record == record)) {
        return;
    }
    gameEnd_ = std::move(record);
    startNext();
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
    bool becameReady = false;
    if (preparing() && preparation_->done.load(std::memory_order_acquire)) {
        prepared_ = true;
        source_ = std::move(preparation_->source);
        failure_ = source_ != nullptr ? "" : preparation_->failure;
        changed = true;
        becameReady = source_ != nullptr;
    }
    // The statistics window shows how far the preparation is, as the label does.
    changed = changed || preparing();
    if (running_ != nullptr && running_->done.load(std::memory_order_acquire)) {
        changed = true;
        reviewEnded();
    }
    show();
    // The statistics window asks first, so the replay a player waits for runs first.
    if (changed && replayChanged) {
        replayChanged();
    }
    if (becameReady && advisorReady) {
        advisorReady();
    }
    startNext();
    if (!preparing() && running_ == nullptr) {
        TimerAdvice.stop();
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
    if (const Replay* answer = answerFor(record)) {
        return *answer;
    }
    if (running_ != nullptr && running_->record == record) {
        replayNext_.clear(); // wanted again while it runs: nothing asked meanwhile need follow
    } else {
        replayNext_ = record; // only the last one asked for
        startNext();
    }
    return {Replay::State::Reviewing, {}, ""};
}

void AdvicePanel::reviewLater(std::int64_t game, std::string record) {
    if (const Replay* answer = answerFor(record)) {
        if (answer->state == Replay::State::Reviewed && reviewed) {
            const advisor::Review review = answer->review;
            reviewed(game, review);
        }
        return;
    }
    for (const Pending& p : pending_) {
        if (p.game == game) {
            return;
        }
    }
    pending_.push_back({game, std::move(record)});
    startNext();
}

void AdvicePanel::startNext() {
    if (source_ == nullptr || running_ != nullptr) {
        return;
    }
    std::string record = std::exchange(replayNext_, std::string());
    if (record.empty()) {
        record = std::exchange(gameEnd_, std::string());
    }
    if (record.empty() && !pending_.empty()) {
        record = pending_.front().record;
    }
    if (!record.empty()) {
        startReview(record);
    }
}

void AdvicePanel::startReview(const std::string& record) {
    running_ = std::make_shared<ReviewWork>();
    running_->record = record;
    w_.worker->start([work = running_, review = source_->reviewer()] {
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

void AdvicePanel::reviewEnded() {
    std::shared_ptr<const ReviewWork> work = std::exchange(running_, nullptr);
    ended_.push_front(work);
    if (ended_.size() > KeptAnswers) {
        ended_.pop_back();
    }
    settle(work->record, work->answer);
}

const Replay* AdvicePanel::answerFor(const std::string& record) const {
    for (const auto& work : ended_) {
        if (work->record == record) {
            return &work->answer;
        }
    }
    return nullptr;
}

void AdvicePanel::settle(const std::string& record, const Replay& answer) {
    std::vector<std::int64_t> games;
    std::erase_if(pending_, [&](const Pending& p) {
        if (p.record != record) {
            return false;
        }
        games.push_back(p.game);
        return true;
    });
    // A record refused keeps no figures; one the advisor could not review now waits for the
    // next start, still pending in the history.
    if (answer.state != Replay::State::Reviewed || !reviewed) {
        return;
    }
    for (const std::int64_t game : games) {
        reviewed(game, answer.review);
    }
}

Replay AdvicePanel::gameReview() {
    tickTimerAdvice(); // a review (or an advisor) that has just become ready serves this game
    if (!recorder_.complete()) {
        return {Replay::State::Unavailable, {}, ""};
    }
    if (const Replay* answer = answerFor(advisor::formatRecord(recorder_.steps()))) {
        return *answer;
    }
    if (source_ != nullptr) {
        return {Replay::State::Reviewing, {}, ""};
    }
    if (preparing()) {
        return {Replay::State::Preparing, {}, "", preparation_->permille / 10};
    }
    return {Replay::State::Unavailable, {}, failure_};
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
