#pragma once
// A report's bar chart in a window of its own: title, legend, axis titles and the values on
// the bars; it resizes with the window and closes with Escape.
#include "output/bar_chart.h"

#include <QWidget>

class QChartView;

namespace tev {

class ChartWindow : public QWidget {
    Q_OBJECT

public:
    ChartWindow(const BarChart& chart, QWidget* parent = nullptr);
    QChartView* view() const { return view_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QChartView* view_ = nullptr;
};

} // namespace tev
