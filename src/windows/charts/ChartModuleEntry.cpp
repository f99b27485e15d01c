// The chart module (brisvane-charts.so): draws the statistics window's charts with Qt Charts,
// which the program itself never links, so they cost start-up nothing. Its two entries are the
// only symbols it exports; the program resolves them by name when the window first opens (see
// ChartModule). A chart arrives as plain data (program/Chart.h): the module needs no code of
// the core.
#include <QImage>
#include <QPainter>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <vector>

#include "program/Chart.h"
#include "windows/DarkPalette.h"

namespace {

using brisvane::Chart;
using brisvane::ChartSeries;

// A line over more points than the chart has pixels across looks the same with every k-th of
// them, and strokes in a fraction of the time.
constexpr std::size_t MostLinePoints = 600;

QColor colourOf(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>(bgr >> 8 & 0xFF),
                  static_cast<int>(bgr >> 16 & 0xFF));
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// A round dot of `colour`, `size` pixels across.
QImage dot(const QColor& colour, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0, 0, size, size));
    return image;
}

// The chart view, which paints the dots of a chart itself: Qt Charts makes an item of every
// dot of a scatter series, and strokes the path through every point of a line series even when
// it is not drawn, either of which takes a good part of a second for 10,000 games. Each set of
// dots has an empty scatter series of its colour for the legend and the axes.
class DotChartView : public QChartView {
public:
    using QChartView::QChartView;

    struct Dots {
        QScatterSeries* anchor;
        QList<QPointF> points;
        QImage picture;
    };
    std::vector<Dots> dots;

protected:
    void drawForeground(QPainter* painter, const QRectF& area) override {
        QChartView::drawForeground(painter, area);
        painter->save();
        painter->setClipRect(chart()->mapRectToScene(chart()->plotArea()));
        for (const Dots& set : dots) {
            const QPointF half(set.picture.width() / 2.0, set.picture.height() / 2.0);
            for (const QPointF& point : set.points) {
                const QPointF at = chart()->mapToScene(chart()->mapToPosition(point, set.anchor));
                painter->drawImage(at - half, set.picture);
            }
        }
        painter->restore();
    }
};

QValueAxis* valueAxis(const std::string& title, QChart* chart, Qt::Alignment side) {
    auto* axis = new QValueAxis;
    axis->setTitleText(q(title));
    axis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(axis, side);
    return axis;
}

QList<QPointF> pointsOf(const ChartSeries& source, std::size_t most) {
    const std::size_t n = std::min(source.x.size(), source.y.size());
    const std::size_t step = n <= most ? 1 : (n + most - 1) / most;
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(n / step + 1));
    for (std::size_t i = 0; i < n; i += step) {
        points.append(QPointF(source.x[i], source.y[i]));
    }
    if (n > 0 && (n - 1) % step != 0) {
        points.append(QPointF(source.x[n - 1], source.y[n - 1])); // the line ends where it ends
    }
    return points;
}

// One series of points: a line, or dots for the view to paint.
QXYSeries* seriesOf(const ChartSeries& source, DotChartView& view) {
    const QColor colour = colourOf(source.colour);
    if (source.kind == ChartSeries::Kind::Dots) {
        auto* anchor = new QScatterSeries;
        const int size = source.x.size() <= 1 ? 11 : 6; // a lone dot is a mark
        anchor->setMarkerSize(size);
        anchor->setColor(colour);
        anchor->setBorderColor(colour);
        anchor->setName(q(source.name));
        view.dots.push_back({anchor, pointsOf(source, source.x.size()), dot(colour, size)});
        return anchor;
    }
    auto* line = new QLineSeries;
    line->replace(pointsOf(source, MostLinePoints));
    line->setName(q(source.name));
    line->setPen(QPen(colour, 2));
    return line;
}

void showXY(QChart* chart, const Chart& data, DotChartView& view) {
    QValueAxis* x = valueAxis(data.xTitle, chart, Qt::AlignBottom);
    QValueAxis* y = valueAxis(data.yTitle, chart, Qt::AlignLeft);
    double low = 0;
    double high = 1;
    double last = 1;
    bool any = false;
    for (const ChartSeries& source : data.series) {
        QXYSeries* series = seriesOf(source, view);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        for (const double v : source.y) {
            low = any ? std::min(low, v) : v;
            high = any ? std::max(high, v) : v;
            any = true;
        }
        if (!source.x.empty()) {
            last = std::max(last, source.x.back());
        }
    }
    const double margin = std::max(1.0, (high - low) * 0.05);
    y->setRange(low - margin, high + margin);
    y->applyNiceNumbers();
    x->setRange(0, last + 1);
    x->applyNiceNumbers();
    // Games are counted whole: a tick at every whole step of the nice ones, so a short list
    // does not mark halves that read as the same game twice.
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(std::max(1.0, std::ceil((x->max() - x->min()) / (x->tickCount() - 1))));
    x->setLabelFormat(QStringLiteral("%i"));
}

// Bars stand up; with many categories they lie, one a row with its name before it, so every
// name can be read.
void showBars(QChart* chart, const Chart& data) {
    const bool lying = data.categories.size() > 10;
    QAbstractBarSeries* bars = lying ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                     : new QBarSeries;
    double high = 1;
    for (const ChartSeries& source : data.series) {
        auto* set = new QBarSet(q(source.name));
        set->setColor(colourOf(source.colour));
        set->setBorderColor(colourOf(source.colour));
        for (const double v : source.y) {
            set->append(v);
            high = std::max(high, v);
        }
        bars->append(set);
    }
    chart->addSeries(bars);
    auto* names = new QBarCategoryAxis;
    QStringList categories;
    for (const std::string& name : data.categories) {
        categories.append(q(name));
    }
    names->append(categories);
    names->setTitleText(q(data.xTitle));
    names->setTruncateLabels(false);
    chart->addAxis(names, lying ? Qt::AlignLeft : Qt::AlignBottom);
    bars->attachAxis(names);
    if (lying) {
        names->setReverse(true); // the first category on top
    }
    QValueAxis* values = valueAxis(data.yTitle, chart, lying ? Qt::AlignBottom : Qt::AlignLeft);
    values->setRange(0, high * 1.05);
    values->applyNiceNumbers();
    bars->attachAxis(values);
}

void styleAxes(QChart* chart) {
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsColor(brisvane::dark::Ink);
        axis->setTitleBrush(brisvane::dark::Ink);
        axis->setGridLineColor(brisvane::dark::Raised);
        axis->setLinePenColor(brisvane::dark::Outline);
    }
}

} // namespace

extern "C" Q_DECL_EXPORT QWidget* brisvaneCreateChart(QWidget* parent) {
    try {
        auto* view = new DotChartView(parent);
        view->setRenderHint(QPainter::Antialiasing);
        view->setFocusPolicy(Qt::StrongFocus); // a reader reaches it, and its summary, by Tab
        view->chart()->setBackgroundBrush(brisvane::dark::Ground);
        view->chart()->setBackgroundRoundness(0);
        view->chart()->legend()->setLabelColor(brisvane::dark::Ink);
        view->chart()->legend()->setAlignment(Qt::AlignBottom);
        view->setBackgroundBrush(brisvane::dark::Ground);
        return view;
    } catch (...) {
        return nullptr;
    }
}

// Draws `chart` into a widget made by brisvaneCreateChart, in place of what it showed.
extern "C" Q_DECL_EXPORT void brisvaneShowChart(QWidget* widget, const brisvane::Chart* data) {
    auto* view = dynamic_cast<DotChartView*>(widget);
    if (view == nullptr || data == nullptr) {
        return;
    }
    QChart* chart = view->chart();
    view->dots.clear();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    const bool bars =
        std::any_of(data->series.begin(), data->series.end(),
                    [](const ChartSeries& s) { return s.kind == ChartSeries::Kind::Bars; });
    if (bars) {
        showBars(chart, *data);
    } else {
        showXY(chart, *data, *view);
    }
    styleAxes(chart);
    chart->legend()->setVisible(data->series.size() > 1);
    view->setObjectName(q(data->objectName));
    view->setAccessibleName(q(data->title));
    view->setAccessibleDescription(q(data->summary));
    view->setToolTip(q(data->summary));
    view->viewport()->update();
}
