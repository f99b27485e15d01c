#include "windows/ChartModule.h"

#include <QLabel>
#include <cstdio>
#include <utility>

#include "program/Chart.h"
#include "windows/ModulePath.h"

namespace brisvane {

ChartModule::ChartModule(QString path)
    : module_(path.isEmpty() ? modulePath(ModuleFileName) : path) {}

void ChartModule::load() {
    if (std::exchange(tried_, true)) {
        return;
    }
    create_ = reinterpret_cast<Create>(module_.resolve("brisvaneCreateChart"));
    show_ = reinterpret_cast<Show>(module_.resolve("brisvaneShowChart"));
    if (create_ == nullptr || show_ == nullptr) {
        create_ = nullptr;
        std::fprintf(stderr, "brisvane: charts shown as text: %s\n",
                     qUtf8Printable(module_.errorString()));
    }
}

bool ChartModule::loaded() {
    load();
    return create_ != nullptr;
}

QWidget* ChartModule::create(QWidget* parent) {
    QWidget* widget = loaded() ? create_(parent) : nullptr;
    if (widget == nullptr) {
        auto* label = new QLabel(parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFocusPolicy(Qt::StrongFocus);
        widget = label;
    }
    return widget;
}

void ChartModule::show(QWidget* widget, const Chart& chart) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(QString::fromStdString(chart.title + "\n\n" + chart.summary));
        label->setAccessibleName(QString::fromStdString(chart.title));
        label->setAccessibleDescription(QString::fromStdString(chart.summary));
        return;
    }
    show_(widget, &chart);
}

} // namespace brisvane
