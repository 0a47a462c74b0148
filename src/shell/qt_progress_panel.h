#pragma once
// The progress gauge of long runs: a red pie on a panel. The panel's visibility is the run
// flag of every loop over schools; a click on the panel hides it and so stops the loop.
#include <QFrame>
#include <QWidget>

namespace tev {

class PieGauge : public QWidget {
    Q_OBJECT
public:
    explicit PieGauge(QWidget* parent = nullptr);

    void SetMaximum(int maximum);
    void SetPosition(int position);
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    // 0..100
    int Percent() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int maximum_ = 100;
    int position_ = 0;
};

class ProgressPanel : public QFrame {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    void Start(int maximum);
    void Step(int position);
    void End();
    bool Running() const { return !isHidden(); }
    PieGauge* gauge() const { return gauge_; }

signals:
    // The user stopped the run.
    void aborted();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    PieGauge* gauge_;
};

} // namespace tev
