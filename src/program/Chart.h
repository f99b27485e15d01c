#pragma once
// A chart as the statistics window's model describes it and the chart module draws it: plain
// data, no toolkit type, so the module that draws with Qt Charts needs nothing of the core's
// code.

#include <cstdint>
#include <string>
#include <vector>

namespace brisvane {

struct ChartSeries {
    enum class Kind {
        Dots, // one dot per point
        Line, // points joined
        Bars, // one bar per category of the chart, beside the bars of the other series
    };
    std::string name;
    Kind kind = Kind::Line;
    std::vector<double> x; // Bars: unused
    std::vector<double> y;
    std::uint32_t colour = 0; // 0x00BBGGRR
};

struct Chart {
    std::string objectName;
    std::string title;   // shown above it, and its accessible name
    std::string tabTitle; // the short name of its page
    std::string note;    // figures shown under the title ("" for none)
    std::string summary; // what it shows, in words, for a screen reader
    std::string xTitle;
    std::string yTitle;
    std::vector<std::string> categories; // Bars: the names along the bottom
    std::vector<ChartSeries> series;
};

} // namespace brisvane
