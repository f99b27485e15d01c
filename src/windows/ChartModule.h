#pragma once
// The statistics window's charts as the program links them: drawn by a module beside the
// binary (brisvane-charts.so, built with Qt Charts), loaded when the window first opens. So Qt
// Charts costs neither start-up time nor memory in a game whose statistics are never looked at.
// Without the module a chart is shown as its summary in words, and the reason said once on
// stderr.

#include <QLibrary>
#include <QString>

class QWidget;

namespace brisvane {

struct Chart;

class ChartModule {
public:
    static constexpr const char* ModuleFileName = "brisvane-charts.so";

    // `modulePath` defaults to ModuleFileName beside the binary or in the installed module
    // folder.
    explicit ChartModule(QString modulePath = {});

    // A widget that draws charts (a text label without the module), owned by `parent`.
    QWidget* create(QWidget* parent);
    // Shows `chart` in a widget made by create().
    void show(QWidget* widget, const Chart& chart);
    bool loaded();

private:
    void load();

    using Create = QWidget* (*)(QWidget*);
    using Show = void (*)(QWidget*, const Chart*);
    QLibrary module_;
    bool tried_ = false;
    Create create_ = nullptr;
    Show show_ = nullptr;
};

} // namespace brisvane
