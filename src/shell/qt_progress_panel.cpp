#include "shell/qt_progress_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

namespace tev {

PieGauge::PieGauge(QWidget* parent) : QWidget(parent) {
    setObjectName("Gauge1");
    setMinimumSize(72, 72);
    setAttribute(Qt::WA_TransparentForMouseEvents); // clicks belong to the panel
}

void PieGauge::SetMaximum(int maximum) {
    maximum_ = std::max(maximum, 1);
    update();
}

void PieGauge::SetPosition(int position) {
    const int shown = Percent();
    position_ = std::clamp(position, 0, maximum_);
    // A long run paints its gauge once a per cent, not once a school.
    if (Percent() != shown) update();
}

int PieGauge::Percent() const {
    return static_cast<int>(static_cast<long long>(position_) * 100 / maximum_);
}

void PieGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 4;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(circle);
    painter.setBrush(QColor(220, 0, 0));
    // Qt counts angles in sixteenths of a degree, counter-clockwise from three o'clock.
    const int span = -static_cast<int>(360LL * 16 * position_ / maximum_);
    if (span != 0) painter.drawPie(circle, 90 * 16, span);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const QString text = QString::number(Percent()) + " %";
    const QRectF box = painter.fontMetrics().boundingRect(text).adjusted(-3, -1, 3, 1);
    QRectF label(0, 0, box.width(), box.height());
    label.moveCenter(circle.center());
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(label, 3, 3);
    painter.setPen(Qt::black);
    painter.drawText(label, Qt::AlignCenter, text);
}

ProgressPanel::ProgressPanel(QWidget* parent) : QFrame(parent), gauge_(new PieGauge(this)) {
    setObjectName("Panel3");
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString::fromUtf8("Klick hält den laufenden Durchgang an"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(gauge_);
    hide();
}

void ProgressPanel::Start(int maximum) {
    gauge_->SetMaximum(maximum);
    gauge_->SetPosition(0);
    show();
}

void ProgressPanel::Step(int position) {
    gauge_->SetPosition(position);
}

void ProgressPanel::End() {
    hide();
}

void ProgressPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Running()) {
        hide();
        emit aborted();
    }
    QFrame::mousePressEvent(event);
}

} // namespace tev
