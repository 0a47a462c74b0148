#pragma once
// A label (or panel) that reports where it was pressed: the program's labels act as buttons
// whose effect depends on the spot that was clicked.
#include <QLabel>
#include <QMouseEvent>

namespace tev {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr)
        : QLabel(text, parent) {
        setCursor(Qt::PointingHandCursor);
    }

signals:
    void pressed(QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
        QLabel::mousePressEvent(event);
    }
};

} // namespace tev
