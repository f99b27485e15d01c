#include "windows/StatisticsView.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "program/StatisticsWindow.h"
#include "windows/DarkPalette.h"
#include "windows/DarkStyle.h"
#include "windows/EventGuard.h"

namespace brisvane {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

// The list of games as a table the view asks for only the rows it shows.
class GameListModel : public QAbstractTableModel {
public:
    explicit GameListModel(StatisticsWindow& model, QObject* parent)
        : QAbstractTableModel(parent), m_(model) {}

    // The model's list changed as a whole.
    void reset() {
        beginResetModel();
        endResetModel();
    }
    void headingsChanged() { Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_.gameCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 4;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                           : Qt::AlignRight | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
            return {};
        }
        const StatisticsWindow::GameRow row = m_.gameRow(static_cast<std::size_t>(index.row()));
        const std::string* cells[] = {&row.date, &row.points, &row.cost, &row.luck};
        return q(*cells[index.column()]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole ||
            static_cast<std::size_t>(section) >= m_.gameColumns.size()) {
            return {};
        }
        return q(m_.gameColumns[static_cast<std::size_t>(section)]);
    }

private:
    StatisticsWindow& m_;
};

StatisticsView::StatisticsView(StatisticsWindow& model, EventGuard& guard, ChartModule& charts,
                               QWidget* parent)
    : QDialog(parent), m_(model), guard_(guard), charts_(charts) {
    setObjectName(QStringLiteral("frmStatistics"));
    setPalette(dark::palette(palette()));
    setAutoFillBackground(true);
    setModal(false);
    resize(1000, 680);
    buildWidgets();
    // The period choices drawn as in the other dark dialogs, so they stand out from the ground.
    auto* style = new DarkStyle;
    style->setParent(this);
    for (QRadioButton* choice : findChildren<QRadioButton*>()) {
        choice->setStyle(style);
    }
    render();
}

template <typename Handler> void StatisticsView::run(const char* where, Handler handler) {
    if (rendering_) {
        return;
    }
    guard_.run(where, handler);
}

void StatisticsView::buildWidgets() {
    auto* top = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    const std::pair<Control*, Period> choices[] = {{&m_.optLast100, Period::Last100},
                                                   {&m_.optMonth, Period::ThisMonth},
                                                   {&m_.optAll, Period::All}};
    for (const auto& [control, period] : choices) {
        auto* button = new QRadioButton(this);
        button->setObjectName(q(control->objectName));
        group->addButton(button);
        top->addWidget(button);
        periods_.emplace_back(button, control);
        connect(button, &QRadioButton::toggled, this, [this, period = period](bool on) {
            if (on) {
                run("Statistics period", [this, period] { m_.choosePeriod(period); });
            }
        });
    }
    top->addStretch();
    rates_ = new QLabel(this);
    rates_->setObjectName(q(m_.lblRates.objectName));
    top->addWidget(rates_);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildCharts(), 3);
    middle->addWidget(buildList(), 2);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    export_ = new QPushButton(this);
    export_->setObjectName(q(m_.cmdExport.objectName));
    connect(export_, &QPushButton::clicked, this,
            [this] { run("cmdExport click", [this] { m_.clickExport(); }); });
    close_ = new QPushButton(this);
    close_->setObjectName(q(m_.cmdClose.objectName));
    connect(close_, &QPushButton::clicked, this, [this] { reject(); });
    bottom->addWidget(export_);
    bottom->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
}

QWidget* StatisticsView::buildCharts() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(area);
    tabs_->setObjectName(QStringLiteral("tabCharts"));
    for (Chart* chart : m_.charts()) {
        auto* page = new QWidget(tabs_);
        auto* pageLayout = new QVBoxLayout(page);
        QWidget* drawing = charts_.create(page);
        drawing->setObjectName(q(chart->objectName));
        auto* note = new QLabel(page);
        note->setWordWrap(true);
        pageLayout->addWidget(drawing, 1);
        pageLayout->addWidget(note);
        tabs_->addTab(page, QString());
        pages_.push_back({drawing, note});
    }
    empty_ = new QLabel(area);
    empty_->setObjectName(q(m_.lblEmpty.objectName));
    empty_->setWordWrap(true);
    layout->addWidget(empty_);
    layout->addWidget(tabs_, 1);
    return area;
}

QWidget* StatisticsView::buildList() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    gamesTitle_ = new QLabel(area);
    gamesTitle_->setObjectName(q(m_.lblGames.objectName));
    games_ = new QTreeView(area);
    games_->setObjectName(q(m_.lstGames.objectName));
    list_ = new GameListModel(m_, games_);
    games_->setModel(list_);
    games_->setRootIsDecorated(false);
    games_->setUniformRowHeights(true);
    games_->setSelectionMode(QAbstractItemView::SingleSelection);
    games_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The widest a cell can be, measured once: measuring the cells of 10,000 games is slow.
    const QFontMetrics metrics(games_->font());
    const int widths[] = {metrics.horizontalAdvance(QStringLiteral("0000-00-00 00:00")),
                          metrics.horizontalAdvance(QStringLiteral("0000")),
                          metrics.horizontalAdvance(QStringLiteral("-000.0")),
                          metrics.horizontalAdvance(QStringLiteral("-000.0"))};
    for (int column = 0; column < 4; ++column) {
        games_->setColumnWidth(column, widths[column] + 24);
    }
    gamesTitle_->setBuddy(games_);
    connect(games_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const int row = current.isValid() ? current.row() : -1;
                // The list makes its first row current when it gets the focus, without marking
                // it: the game whose choices show is marked.
                if (current.isValid() && !games_->selectionModel()->isRowSelected(row)) {
                    games_->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
                }
                run("lstGames choice", [this, row] { m_.chooseGame(row); });
            });
    layout->addWidget(gamesTitle_);
    layout->addWidget(games_, 2);

    choicesTitle_ = new QLabel(area);
    choicesTitle_->setObjectName(q(m_.lblChoices.objectName));
    replay_ = new QLabel(area);
    replay_->setObjectName(q(m_.lblReplay.objectName));
    replay_->setWordWrap(true);
    choices_ = new QListWidget(area);
    choices_->setObjectName(QStringLiteral("lstChoices"));
    choices_->setWordWrap(true);
    choices_->setSpacing(3);
    choices_->setAlternatingRowColors(true);
    choicesTitle_->setBuddy(choices_);
    layout->addWidget(choicesTitle_);
    layout->addWidget(replay_);
    layout->addWidget(choices_, 3);
    return area;
}

void StatisticsView::render() {
    rendering_ = true;
    renderTexts();
    if (drawn_ != m_.revision) {
        drawn_ = m_.revision;
        renderCharts();
        renderList();
    }
    rendering_ = false;
}

void StatisticsView::renderTexts() {
    setWindowTitle(q(m_.frmStatistics.caption));
    for (const auto& [button, control] : periods_) {
        button->setText(q(control->caption));
        button->setChecked(control->bold);
    }
    rates_->setText(q(m_.lblRates.caption));
    empty_->setText(q(m_.lblEmpty.caption));
    empty_->setToolTip(q(m_.lblEmpty.toolTip));
    empty_->setVisible(m_.lblEmpty.visible);
    gamesTitle_->setText(q(m_.lblGames.caption));
    games_->setToolTip(q(m_.lstGames.toolTip));
    games_->setAccessibleName(q(m_.lblGames.caption));
    list_->headingsChanged();
    choicesTitle_->setText(q(m_.lblChoices.caption));
    replay_->setText(q(m_.lblReplay.caption));
    choices_->setAccessibleName(q(m_.lblChoices.caption));
    // What the replay waits for, or its figures, heard where the choices are reached.
    choices_->setAccessibleDescription(q(m_.lblReplay.caption));
    renderChoices();
    export_->setText(q(m_.cmdExport.caption));
    export_->setToolTip(q(m_.cmdExport.toolTip));
    export_->setEnabled(m_.cmdExport.enabled);
    close_->setText(q(m_.cmdClose.caption));
    const std::vector<Chart*> charts = m_.charts();
    for (std::size_t i = 0; i < charts.size(); ++i) {
        tabs_->setTabText(static_cast<int>(i), q(charts[i]->tabTitle));
        tabs_->setTabToolTip(static_cast<int>(i), q(charts[i]->title));
    }
}

void StatisticsView::renderCharts() {
    const std::vector<Chart*> charts = m_.charts();
    for (std::size_t i = 0; i < charts.size(); ++i) {
        charts_.show(pages_[i].chart, *charts[i]);
        pages_[i].note->setText(q(charts[i]->note));
        pages_[i].note->setVisible(!charts[i]->note.empty());
    }
}

void StatisticsView::renderChoices() {
    QStringList lines;
    for (const std::string& line : m_.choiceLines) {
        lines.append(q(line));
    }
    QStringList shown;
    for (int i = 0; i < choices_->count(); ++i) {
        shown.append(choices_->item(i)->text());
    }
    if (shown != lines) {
        choices_->clear();
        choices_->addItems(lines);
    }
}

void StatisticsView::renderList() {
    list_->reset();
    // A list drawn afresh keeps the game the model still has chosen.
    if (m_.selectedRow >= 0) {
        games_->selectionModel()->setCurrentIndex(list_->index(m_.selectedRow, 0),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    }
}

void StatisticsView::reject() {
    run("cmdClose click", [this] { m_.clickClose(); });
}

StatisticsViewHost::StatisticsViewHost(StatisticsWindow& model, EventGuard& guard, QWidget* owner,
                                       QString chartModule)
    : QObject(owner), model_(model), guard_(guard), owner_(owner),
      chartModule_(std::move(chartModule)) {
    model_.setChangeHandler([this] { sync(); });
}

StatisticsViewHost::~StatisticsViewHost() {
    model_.setChangeHandler({});
    delete view_.data();
}

void StatisticsViewHost::sync() {
    StatisticsView* view = view_.data();
    if (!model_.visible) {
        if (view != nullptr) {
            view->hide();
        }
        return;
    }
    if (view == nullptr) {
        charts_ = std::make_unique<ChartModule>(chartModule_);
        view = new StatisticsView(model_, guard_, *charts_, owner_);
        view_ = view;
    } else {
        view->render();
    }
    if (!view->isVisible()) {
        view->show();
        view->raise();
        view->activateWindow();
    }
}

} // namespace brisvane
