// The statistics window as a player meets it: opened by its key, its charts drawn by the chart
// module and named for a screen reader, the period chosen by its buttons, a game by the
// arrow keys, closed by Escape;
// without the module, each chart is its summary in words.
#include <gtest/gtest.h>

#include <QGraphicsView>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include "MainRig.h"
#include "windows/DarkStyle.h"
#include "windows/StatisticsView.h"

namespace brisvane::testing {
namespace {

class StatisticsViewTest : public ::testing::Test {
protected:
    void open(const QString& module) {
        host = new StatisticsViewHost(rig.program.statistics(), rig.view->guard(), rig.view.get(),
                                      module);
        for (int points : {310, 402, 287}) {
            PlayedGame game;
            game.points = points;
            game.scores.emplace();
            ASSERT_TRUE(rig.program.history().add(game).ok);
        }
        rig.view->loadAndShow();
        rig.key(Qt::Key_T);
        ASSERT_NE(host->view(), nullptr);
    }
    template <typename W> W* find(const char* name) const {
        W* found = host->view()->findChild<W*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::runtime_error(std::string("no widget named ") + name);
        }
        return found;
    }

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
    EXPECT_TRUE(model.lblReplay.caption.rfind("This game has no record", 0) == 0);

    auto* all = find<QRadioButton>("optAll");
    // Drawn as in the other dark dialogs: the desktop's own choices vanish on the dark ground.
    EXPECT_NE(dynamic_cast<DarkStyle*>(all->style()), nullptr);
    all->click();
    EXPECT_EQ(model.period, Period::All);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(model.visible);
    EXPECT_FALSE(view->isVisible());
}

TEST_F(StatisticsViewTest, WithoutTheChartModuleEachChartIsItsSummary) {
    open(QStringLiteral("no-such-module.so"));
    auto* histogram = find<QLabel>("chtHistogram");
    EXPECT_TRUE(histogram->text().contains(
        QString::fromStdString(rig.program.statistics().chtHistogram.summary)));
}

} // namespace
} // namespace brisvane::testing
