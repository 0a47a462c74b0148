#include "evaluation/pupil_numbers_chart.h"

#include "evaluation/pupil_numbers_table.h"
#include "output/codepage.h"
#include "output/text_routines.h"

namespace tev {

BarChart PupilNumbersChart(const StringGrid& table, const std::string& title,
                           const std::string& fileStem) {
    BarChart chart;
    chart.title = title;
    chart.fileStem = fileStem;
    chart.axisTitle = "Klassenstufe";
    chart.valueTitle = Win("Schüler");
    chart.stacked = true;
    chart.series = {{Win("9jähr. Zug"), {}}, {Win("8jähr. Zug"), {}}};
    const int sumRow = table.RowCount() - 1;
    const char* const levels[] = {"5", "6", "7", "8", "9", "10", "11", "Jgst.1", "Jgst.2"};
    for (int group = 1; group <= 9; ++group) {
        chart.categories.push_back(levels[group - 1]);
        chart.series[0].values.push_back(ParseInt(table.Cells(GroupColumn(group, 2), sumRow)));
        chart.series[1].values.push_back(ParseInt(table.Cells(GroupColumn(group, 4), sumRow)));
    }
    return chart;
}

} // namespace tev
