// The statistics window as a player meets it: opened by its key, its charts drawn by the chart
// module and named for a screen reader, the period chosen by its buttons, a game by the
// arrow keys, closed by Escape;
// without the module, each chart is its summary in words.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include "MainRig.h"
#include "support/ScriptedAdvice.h"
#include "windows/DarkStyle.h"
#include "windows/StatisticsView.h"

namespace brisvane::testing {
namespace {

class StatisticsViewTest : public ::testing::Test {
protected:
    void open(const QString& module, std::initializer_list<int> played = {310, 402, 287}) {
        host = new StatisticsViewHost(rig.program.statistics(), rig.view->guard(), rig.view.get(),
                                      module);
        for (int points : played) {
            PlayedGame game;
            game.points = points;
            game.scores.emplace();
            ASSERT_TRUE(rig.program.history().add(game).ok);
        }
        rig.view->loadAndShow();
        rig.key(Qt::Key_T);
        ASSERT_NE(host->view(), nullptr);
    }
    template <typename W> W* find(const char* name) const { return &child<W>(host->view(), name); }

    MainRig rig;
    StatisticsViewHost* host = nullptr; // owned by the game window
};

TEST_F(StatisticsViewTest, TheKeyOpensTheChartsNamedForAReaderAndEscapeClosesIt) {
    open(QStringLiteral(BRISVANE_PROGRAM_DIR "/brisvane-charts.so"));
    StatisticsView* view = host->view();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Statistics"));
    EXPECT_EQ(find<QTabWidget>("tabCharts")->count(), 5);
    const StatisticsWindow& model = rig.program.statistics();
    auto* points = find<QGraphicsView>("chtPoints"); // a chart view of the module
    EXPECT_EQ(points->accessibleName().toStdString(), model.chtPoints.title);
    EXPECT_EQ(points->accessibleDescription().toStdString(), model.chtPoints.summary);
    EXPECT_EQ(points->focusPolicy(), Qt::StrongFocus) << "reached by Tab";
    auto* games = find<QTreeView>("lstGames");
    EXPECT_EQ(games->model()->rowCount(), 3);
    games->setFocus();
    QTest::keyClick(games, Qt::Key_Down); // a game chosen by keyboard shows its replay
    EXPECT_EQ(model.selectedRow, 0);
    EXPECT_EQ(find<QLabel>("lblReplay")->text().toStdString(), model.lblReplay.caption);

    auto* all = find<QRadioButton>("optAll");
    // Drawn as in the other dark dialogs: the desktop's own choices vanish on the dark ground.
    EXPECT_NE(dynamic_cast<DarkStyle*>(all->style()), nullptr);
    all->click();
    EXPECT_EQ(model.period, Period::All);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(model.visible);
    EXPECT_FALSE(view->isVisible());
}

// A game that ended before the advisor was ready shows no cost; replaying it gets the advisor
// ready, and its figures go into its row of the list while it stays chosen.
TEST_F(StatisticsViewTest, AGameReviewedLaterShowsItsFiguresInTheList) {
    PlayedGame pending;
    pending.points = 250;
    pending.ended = {2030, 1, 2, 3, 4, 5}; // the newest: the list's first row
    pending.record = "roll 1 2 3 4 5 6\nfill Chance\n";
    ASSERT_TRUE(rig.program.history().add(pending).ok);
    rig.program.advice().prepare = [](const advisor::Progress&) {
        return std::make_unique<ScriptedAdvice>();
    };
    open(QStringLiteral("no-such-module.so")); // each chart is then its summary in words
    EXPECT_TRUE(find<QLabel>("chtHistogram")->text().contains(
        QString::fromStdString(rig.program.statistics().chtHistogram.summary)));
    auto* games = find<QTreeView>("lstGames");
    const QModelIndex cost = games->model()->index(0, 2);
    EXPECT_EQ(games->model()->data(cost).toString(), QString());
    games->setFocus();
    QTest::keyClick(games, Qt::Key_Down); // the first row, the newest game
    const QString waiting = find<QLabel>("lblReplay")->text();
    EXPECT_TRUE(waiting.startsWith(QStringLiteral("The advisor is getting ready")));
    for (int step = 0; step < 2; ++step) { // the preparation, then the review
        rig.worker.runAll();
        rig.program.advice().tickTimerAdvice();
    }
    EXPECT_EQ(games->model()->data(games->model()->index(0, 2)).toString(), QStringLiteral("3.0"));
    EXPECT_EQ(games->currentIndex().row(), 0) << "the game stays chosen";
    EXPECT_TRUE(find<QLabel>("lblReplay")->text().contains(QStringLiteral("500.0")));
}

TEST_F(StatisticsViewTest, AFirstGameIsMarkedOnceAlongTheGamesAxis) {
    open(QStringLiteral(BRISVANE_PROGRAM_DIR "/brisvane-charts.so"), {185});
    auto* points = find<QGraphicsView>("chtPoints");
    QApplication::processEvents();
    // Halves of a game were marked "0 0 1 1 2": every number along the chart's axes differs.
    QStringList labels;
    for (QGraphicsItem* item : points->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        bool number = false;
        if (text != nullptr && text->isVisible()) {
            text->toPlainText().toDouble(&number);
        }
        if (number) {
            labels << text->toPlainText();
        }
    }
    ASSERT_TRUE(labels.contains(QStringLiteral("1"))) << labels.join(' ').toStdString();
    EXPECT_EQ(labels.removeDuplicates(), 0) << labels.join(' ').toStdString();
}

} // namespace
} // namespace brisvane::testing
