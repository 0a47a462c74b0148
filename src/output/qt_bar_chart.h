#pragma once
// A report's bar chart as a Qt Charts chart, for the chart window and the image files.
#include "output/bar_chart.h"

#include <QString>

class QChart;

namespace tev {

// An engine text (program code page) for the chart.
QString ChartText(const std::string& text);
// A new chart with title, legend, both axes with their titles and the values on the bars.
// The caller owns it.
QChart* MakeBarChart(const BarChart& chart);

} // namespace tev
