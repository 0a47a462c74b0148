#pragma once
// The chart of the pupil numbers report: pupils per class level by track, from its sum row.
#include "output/bar_chart.h"
#include "sheet/string_grid.h"

#include <string>

namespace tev {

// The table before it is compacted (all six columns per level); its last row is "Summe".
BarChart PupilNumbersChart(const StringGrid& table, const std::string& title,
                           const std::string& fileStem);

} // namespace tev
