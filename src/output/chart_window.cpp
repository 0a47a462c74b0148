#include "output/chart_window.h"

#include "output/qt_bar_chart.h"
#include "output/qt_texts.h"

#include <QChartView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace tev {

ChartWindow::ChartWindow(const BarChart& chart, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("ChartWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ChartText(chart.title));
    view_ = new QChartView(MakeBarChart(chart), this);
    view_->setObjectName("ChartView");
    view_->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setMinimumSize(400, 300);
    const QRect screen = AvailableScreen(parent);
    resize(std::min(900, screen.width() - 40), std::min(620, screen.height() - 60));
}

void ChartWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tev
