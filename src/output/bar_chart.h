#pragma once
// A bar chart a report offers beside its tables: categories along the axis, one bar per
// series and category. The window shows it, `tev-cli --charts` writes it as an image file.
#include <string>
#include <vector>

namespace tev {

struct BarSeries {
    std::string name;           // legend text (engine code page)
    std::vector<double> values; // one per category
};

struct BarChart {
    std::string title;     // window caption and chart title (engine code page)
    std::string fileStem;  // file name without extension for the image files, e.g. "KlStGr"
    std::string axisTitle; // below the categories
    std::string valueTitle;
    std::vector<std::string> categories;
    std::vector<BarSeries> series;
    bool stacked = false;
};

} // namespace tev
