// The advice of the game window: the switch and its setting, the preparation on the worker,
// the marked dice, the caption and tool tip in the language, and what makes a game advised.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "../game/GameFixture.h"
#include "program/AdvicePanel.h"
#include "support/ScriptedAdvice.h"

namespace brisvane::testing {
namespace {

class AdvicePanelTest : public GameFixture {
protected:
    AdvicePanelTest() {
        panel->prepare = [this](const advisor::Progress& progress) {
            progress(0.42);
            return std::move(owned);
        };
        game.subscribe([this] { panel->gameChanged(); });
        start();
        panel->newGame();
    }
    // The worker's work done, and seen by the panel's timer.
    void prepared() {
        worker.runAll();
        panel->tickTimerAdvice();
    }
    const Control& label() const { return panel->lblAdvice; }

    FakeWorker worker;
    std::unique_ptr<ScriptedAdvice> owned = std::make_unique<ScriptedAdvice>();
    ScriptedAdvice& advice = *owned;
    std::unique_ptr<AdvicePanel> panel = std::make_unique<AdvicePanel>(
        AdvicePanel::Wiring{profile, Ini, texts, locale, game, &worker});
};

TEST_F(AdvicePanelTest, TheSwitchIsOffUntilTurnedOnIsRememberedAndShowsTheWorkUntilReady) {
    EXPECT_FALSE(panel->on());
    EXPECT_FALSE(label().visible);
    EXPECT_EQ(worker.started, 0) << "nothing is prepared before the first roll";

    panel->toggle();
    EXPECT_EQ(profile.GetINI("Options", "Advice", Ini), "Yes");
    EXPECT_TRUE(label().visible);
    EXPECT_EQ(label().caption, "Advice: getting ready 0 %");
    ASSERT_EQ(worker.started, 1);
    EXPECT_TRUE(panel->TimerAdvice.enabled);

    worker.runAll();
    EXPECT_FALSE(panel->ready()) << "taken over on the window's own thread only";
    panel->tickTimerAdvice();
    EXPECT_TRUE(panel->ready());
    EXPECT_FALSE(panel->TimerAdvice.enabled);
    EXPECT_EQ(label().caption, "Advice: roll all six");
    EXPECT_EQ(label().toolTip, "Expected final score: 500.0");
    EXPECT_FALSE(panel->advised()) << "advice on an empty table advises nothing";

    panel->toggle();
    EXPECT_EQ(profile.GetINI("Options", "Advice", Ini), "No");
    EXPECT_FALSE(label().visible);

    // The next start reads the switch at its first game and prepares at once.
    profile.SetINI("Options", "Advice", "Yes", Ini);
    FakeWorker second;
    AdvicePanel again(AdvicePanel::Wiring{profile, Ini, texts, locale, game, &second});
    again.prepare = [](const advisor::Progress&) { return std::make_unique<ScriptedAdvice>(); };
    again.newGame();
    EXPECT_TRUE(again.on());
    EXPECT_EQ(second.started, 1);
}

TEST_F(AdvicePanelTest, TheDiceToRollAgainAreMarkedThoseAlreadyPickedUpFirst) {
    locale.separator = ",";
    panel->toggle();
    prepared();
    advice.choices = {rollAgain({1, 1, 0, 0, 0, 0}, 510), fillWith(6, 6, 505.26),
                      fillWith(19, 19, 490), rollAgain({0, 2, 0, 0, 0, 0}, 480),
                      fillWith(7, 4, 470)};
    roll({2, 2, 5, 6, 1, 3});
    EXPECT_EQ(label().caption, "Advice: roll again 1 2");
    EXPECT_EQ(panel->rollAgain, (std::array<bool, 6>{true, false, false, false, true, false}));
    EXPECT_EQ(label().toolTip, "Expected final score: 510,0\nFill Sixes (6): 505,3\n"
                               "Fill Chance (19): 490,0\nRoll again 2 2: 480,0");

    game.clickDie(2); // the other 2: the mark moves to it
    EXPECT_EQ(panel->rollAgain, (std::array<bool, 6>{false, true, false, false, true, false}));
    EXPECT_EQ(advice.asked.size(), 2u) << "picking up does not change the position";

    advice.choices = {fillWith(19, 26, 512)};
    roll({6});
    EXPECT_EQ(label().caption, "Advice: fill Chance (26)");
    EXPECT_EQ(panel->rollAgain, (std::array<bool, 6>{}));
}

TEST_F(AdvicePanelTest, CaptionsComeFromTheLanguageWithTheirPlaceholders) {
    texts.texts.insert({{"s29", "Tipp"},
                        {"s30", "%1 neu würfeln"},
                        {"s32", "%1 eintragen"},
                        {"s33", "Erwartet"},
                        {"c6", "Sechser"}});
    panel->toggle();
    prepared();
    advice.choices = {fillWith(6, 24, 520), rollAgain({0, 0, 1, 0, 0, 0}, 515)};
    roll({6, 6, 6, 6, 3, 1});
    EXPECT_EQ(label().caption, "Tipp: Sechser (24) eintragen");
    EXPECT_EQ(label().toolTip, "Erwartet: 520.0\n3 neu würfeln: 515.0");
}

TEST_F(AdvicePanelTest, AGameIsAdvisedOnlyWhenAdviceWasShownForARoll) {
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(worker.started, 1) << "prepared from the first roll, for the review";
    panel->toggle(); // on, but not ready: nothing is advised yet
    EXPECT_FALSE(panel->advised());
    advice.choices = {fillWith(13, 21, 500)};
    prepared();
    EXPECT_TRUE(panel->advised());
    panel->toggle(); // off again: the game stays advised
    game.clickCategory(category::Chance);
    EXPECT_TRUE(panel->advised());

    game.clickNyttSpel();
    panel->newGame();
    EXPECT_FALSE(panel->advised());
}

// A game's review starts on the worker as the game ends, waiting for the advisor if need be;
// one not done when the game is recorded, and those of the history's games left pending, are
// written back one at a time as they end. A refused record gets no figures.
TEST_F(AdvicePanelTest, AGamesReviewRunsOnTheWorkerFromItsEndAndFollowsIntoTheHistory) {
    std::vector<std::int64_t> written;
    panel->reviewed = [&written](std::int64_t id, const advisor::Review& review) {
        EXPECT_DOUBLE_EQ(review.luck, -17);
        written.push_back(id);
    };
    const std::string earlier = "roll 1 2 3 4 5 6\nfill Chance\n";
    panel->advisorReady = [&] { panel->reviewLater(5, earlier); };
    playUntilTheEnd(game);
    const std::string record = panel->recordText();
    ASSERT_EQ(record.rfind("roll ", 0), 0u);
    EXPECT_EQ(panel->gameReview().state, Replay::State::Preparing) << "the advisor is not ready";
    prepared(); // ready: the game just over goes before the history's
    EXPECT_EQ(worker.started, 2);
    panel->reviewLater(7, record); // recorded meanwhile, its review pending
    EXPECT_EQ(panel->gameReview().state, Replay::State::Reviewing);
    prepared();
    EXPECT_EQ(panel->gameReview().state, Replay::State::Reviewed);
    EXPECT_EQ(written, std::vector<std::int64_t>{7});
    EXPECT_EQ(worker.started, 3) << "then the history's game";
    prepared();
    EXPECT_EQ(written, (std::vector<std::int64_t>{7, 5}));
    panel->reviewLater(8, record); // reviewed already: at once
    panel->reviewLater(9, "shake 1\n");
    panel->reviewLater(9, "shake 1\n"); // asked twice, reviewed once
    prepared();
    EXPECT_EQ(written, (std::vector<std::int64_t>{7, 5, 8}));
    EXPECT_EQ(worker.started, 4);
    EXPECT_FALSE(panel->TimerAdvice.enabled);
}

TEST_F(AdvicePanelTest, AFailedPreparationSaysWhyAndAPanelGoingAwayStopsItsWork) {
    panel->prepare = [](const advisor::Progress&) -> std::unique_ptr<advisor::AdviceSource> {
        throw std::runtime_error("No space left on device");
    };
    panel->toggle();
    prepared();
    EXPECT_EQ(label().caption, "Advice: not available");
    EXPECT_EQ(label().toolTip, "No space left on device");

    FakeWorker slow;
    int steps = 0;
    auto going = std::make_unique<AdvicePanel>(
        AdvicePanel::Wiring{profile, Ini, texts, locale, game, &slow});
    going->prepare = [&steps](const advisor::Progress& progress) {
        for (; steps < 1000; ++steps) {
            progress(steps / 1000.0);
        }
        return std::make_unique<ScriptedAdvice>();
    };
    going->toggle();
    going.reset(); // waits for the work, which stops at its next progress call
    EXPECT_TRUE(slow.pending.empty());
    EXPECT_EQ(steps, 0);
}

// The statistics window's replay runs on the worker once the advisor is ready, one review at a
// time, the last one asked for meanwhile next; each answer is kept for its record.
TEST_F(AdvicePanelTest, ARecordIsReviewedOnTheWorkerAndTheLastOneAskedForMeanwhileRunsNext) {
    int changes = 0;
    panel->replayChanged = [&changes] { ++changes; };
    const std::string a = "roll 1 2 3 4 5 6\nfill Chance\n";
    const std::string b = "roll 6 6 6 6 6 6\nfill Sixes\n";
    EXPECT_EQ(panel->replay(a).state, Replay::State::Preparing);
    prepared();
    EXPECT_EQ(changes, 1);

    advice.answer.finalScore = 21;
    EXPECT_EQ(panel->replay(a).state, Replay::State::Reviewing);
    advice.answer.finalScore = 36;
    EXPECT_EQ(panel->replay("not a record").state, Replay::State::Reviewing);
    EXPECT_EQ(panel->replay(b).state, Replay::State::Reviewing); // replaces the one before
    EXPECT_EQ(worker.started, 2); // the preparation and a's review
    prepared();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(worker.started, 3);
    EXPECT_EQ(panel->replay(b).state, Replay::State::Reviewing);
    prepared();
    const Replay done = panel->replay(b);
    ASSERT_EQ(done.state, Replay::State::Reviewed);
    EXPECT_EQ(done.review.finalScore, 36);
    EXPECT_FALSE(panel->TimerAdvice.enabled);

    EXPECT_EQ(panel->replay("shake 1\n").state, Replay::State::Reviewing);
    prepared();
    const Replay refused = panel->replay("shake 1\n");
    EXPECT_EQ(refused.state, Replay::State::Refused);
    EXPECT_EQ(refused.why.rfind("line 1: unknown step", 0), 0u);
}

} // namespace
} // namespace brisvane::testing
