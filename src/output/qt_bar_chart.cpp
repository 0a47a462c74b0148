#include "output/qt_bar_chart.h"

#include "output/codepage.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QColor>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

namespace tev {

QString ChartText(const std::string& text) {
    return QString::fromStdString(Utf8FromWin(text));
}

QChart* MakeBarChart(const BarChart& chart) {
    auto* qchart = new QChart;
    qchart->setTitle(ChartText(chart.title));
    QFont titleFont = qchart->titleFont();
    titleFont.setPointSize(titleFont.pointSize() + 3);
    titleFont.setBold(true);
    qchart->setTitleFont(titleFont);
    qchart->legend()->setVisible(true);
    qchart->legend()->setAlignment(Qt::AlignBottom);

    QAbstractBarSeries* series = chart.stacked
                                     ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                     : static_cast<QAbstractBarSeries*>(new QBarSeries);
    double highest = 0;
    for (const auto& one : chart.series) {
        auto* set = new QBarSet(ChartText(one.name));
        // The theme writes labels in white, which vanishes above the bars.
        set->setLabelColor(chart.stacked ? QColor(Qt::white) : QColor(40, 40, 40));
        for (size_t i = 0; i < chart.categories.size(); ++i) {
            const double value = i < one.values.size() ? one.values[i] : 0.0;
            *set << value;
            highest = std::max(highest, value);
        }
        series->append(set);
    }
    if (chart.stacked) {
        highest = 0;
        for (size_t i = 0; i < chart.categories.size(); ++i) {
            double sum = 0;
            for (const auto& one : chart.series)
                if (i < one.values.size()) sum += one.values[i];
            highest = std::max(highest, sum);
        }
    }
    series->setLabelsVisible(true);
    series->setLabelsPosition(chart.stacked ? QAbstractBarSeries::LabelsCenter
                                            : QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat("@value");
    qchart->addSeries(series);

    auto* categories = new QBarCategoryAxis;
    for (const auto& category : chart.categories)
        categories->append(ChartText(category));
    categories->setTitleText(ChartText(chart.axisTitle));
    qchart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto* values = new QValueAxis;
    // Room above the highest bar for its label.
    values->setRange(0, highest > 0 ? highest * 1.12 : 1.0);
    values->setLabelFormat("%d");
    values->applyNiceNumbers();
    values->setTitleText(ChartText(chart.valueTitle));
    qchart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    return qchart;
}

} // namespace tev
