// The statistics window's replay of a chosen game: its record of steps reviewed again by the
// advisor, and the choices that cost the most, each with the position it was made in.
#include <algorithm>

#include "program/ChoiceText.h"
#include "program/StatisticsTexts.h"
#include "program/StatisticsWindow.h"

namespace brisvane {
namespace {

namespace T = statisticstext;

// Below this a choice cost nothing worth showing.
constexpr double Negligible = 0.1;

} // namespace

void StatisticsWindow::showChoices() {
    replayRecord_.clear();
    replayPending_ = false;
    if (selectedRow < 0) {
        choiceLines.clear();
        lblReplay.caption = text(T::ChooseAGame);
        return;
    }
    std::optional<std::string> record =
        w_.history.record(gameRow(static_cast<std::size_t>(selectedRow)).id);
    if (!record) {
        choiceLines.clear();
        lblReplay.caption = text(T::NoRecord);
        return;
    }
    replayRecord_ = std::move(*record);
    askReplay();
}

void StatisticsWindow::askReplay() {
    choiceLines.clear();
    const Replay replay = w_.replay(replayRecord_);
    replayPending_ =
        replay.state == Replay::State::Preparing || replay.state == Replay::State::Reviewing;
    switch (replay.state) {
    case Replay::State::Preparing:
        lblReplay.caption = text(T::AdvisorPreparing, {std::to_string(replay.percent)});
        return;
    case Replay::State::Reviewing:
        lblReplay.caption = text(T::Reviewing);
        return;
    case Replay::State::Unavailable:
        lblReplay.caption =
            text(T::AdvisorUnavailable) + (replay.why.empty() ? "" : "\n" + replay.why);
        return;
    case Replay::State::Refused:
        lblReplay.caption = text(T::Unreplayable, {replay.why});
        return;
    case Replay::State::Reviewed:
        showReview(replay.review);
        return;
    }
}

void StatisticsWindow::showReview(const advisor::Review& review) {
    lblReplay.caption = text(T::Labelled, {text(T::ExpectedStart), decimal(review.expectedStart)}) +
                        " · " + text(T::Labelled, {text(T::ChoicesCost), decimal(review.cost)}) +
                        " · " + text(T::Labelled, {text(T::Luck), decimal(review.luck)});
    std::vector<const advisor::ReviewedChoice*> costly;
    for (const advisor::ReviewedChoice& choice : review.choices) {
        if (choice.cost >= Negligible) {
            costly.push_back(&choice);
        }
    }
    // The costliest first; of equal cost, the earlier.
    std::stable_sort(costly.begin(), costly.end(),
                     [](const auto* a, const auto* b) { return a->cost > b->cost; });
    for (std::size_t i = 0; i < costly.size() && i < ShownChoices; ++i) {
        choiceLines.push_back(choiceLine(*costly[i]));
    }
    if (choiceLines.empty()) {
        choiceLines.push_back(text(T::NothingCost));
    }
}

std::string StatisticsWindow::choiceLine(const advisor::ReviewedChoice& choice) const {
    const advisor::Position& p = choice.position;
    std::string dice;
    for (const int face : p.dice) {
        dice += (dice.empty() ? "" : " ") + std::to_string(face);
    }
    std::string open;
    for (int k = 1; k <= CategoryCount; ++k) {
        if ((p.open & bitOf(k)) != 0) {
            open += (open.empty() ? "" : ", ") + categoryText(w_.texts, k);
        }
    }
    // The dice that were picked up and rolled again: those on the table less the kept ones.
    advisor::Counts rolled{};
    for (const int face : p.dice) {
        ++rolled[static_cast<std::size_t>(face - 1)];
    }
    int keptCount = 0;
    for (std::size_t f = 0; f < rolled.size(); ++f) {
        rolled[f] -= choice.kept[f];
        keptCount += choice.kept[f];
    }
    const std::string rollsLeft = std::to_string(p.rollsLeft);
    const std::string position =
        keptCount == 0 ? text(T::Position, {dice, rollsLeft, open})
                       : text(T::PositionPickedUp, {dice, facesText(rolled), rollsLeft, open});
    return position + "\n" +
           text(T::ChoiceCost, {describeChoice(w_.texts, choice.made),
                                describeChoice(w_.texts, choice.best), decimal(choice.cost)});
}

} // namespace brisvane
