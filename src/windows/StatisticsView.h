#pragma once
// The statistics window in Qt: a modeless window in the game's dark look with the period
// choice, the charts on pages of their own (drawn by the chart module, see ChartModule), the
// list of games and the export. It shows the model and forwards every choice to it; its
// widgets, and the chart module, are made when the window first opens.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "windows/ChartModule.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeView;

namespace brisvane {

class EventGuard;
class GameListModel;
class StatisticsWindow;
struct Control;

class StatisticsView : public QDialog {
    Q_OBJECT
public:
    StatisticsView(StatisticsWindow& model, EventGuard& guard, ChartModule& charts,
                   QWidget* parent);

    // Brings every widget in line with the model; the charts and the list only when the model
    // drew them afresh.
    void render();

protected:
    void reject() override;

private:
    struct Page {
        QWidget* chart;
        QLabel* note;
    };
    void buildWidgets();
    QWidget* buildCharts();
    QWidget* buildList();
    void renderTexts();
    void renderCharts();
    void renderList();
    void renderChoices();
    template <typename Handler> void run(const char* where, Handler handler);

    StatisticsWindow& m_;
    EventGuard& guard_;
    ChartModule& charts_;
    std::vector<std::pair<QRadioButton*, const Control*>> periods_;
    QLabel* rates_ = nullptr;
    QLabel* empty_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::vector<Page> pages_;
    QLabel* gamesTitle_ = nullptr;
    QTreeView* games_ = nullptr;
    GameListModel* list_ = nullptr;
    QLabel* choicesTitle_ = nullptr;
    QLabel* replay_ = nullptr;
    QListWidget* choices_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* close_ = nullptr;
    unsigned drawn_ = 0; // the model's revision shown
    bool rendering_ = false;
};

// Shows the statistics window whenever the program opens it: makes the view (and loads the
// chart module) the first time, re-renders it on every change of the model, hides it when
// the model closes.
class StatisticsViewHost : public QObject {
    Q_OBJECT
public:
    // `chartModule`: where the chart module is; by default beside the binary (ChartModule).
    StatisticsViewHost(StatisticsWindow& model, EventGuard& guard, QWidget* owner,
                       QString chartModule = {});
    ~StatisticsViewHost() override;

    StatisticsView* view() const { return view_; }
    void sync();

private:
    StatisticsWindow& model_;
    EventGuard& guard_;
    QPointer<QWidget> owner_;
    QString chartModule_;
    std::unique_ptr<ChartModule> charts_;
    QPointer<StatisticsView> view_;
};

} // namespace brisvane
