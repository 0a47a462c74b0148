#include "shell/qt_ui.h"

#include "evaluation/course_overview_window.h"
#include "output/ask_text_dialog.h"
#include "output/chart_window.h"
#include "output/grid_tool_dialog.h"
#include "output/qt_printer_canvas.h"
#include "output/qt_texts.h"
#include "output/text_output_dialog.h"
#include "shell/messages.h"
#include "shell/qt_progress_panel.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace tev {
namespace {

const char* const kTitle = "TEV";
// Showing a long run's lists costs far more than a school takes: they follow this often.
constexpr qint64 kViewRefreshMs = 250;
// During a run, events (the stop click, the gauge's paint) are let through this often: a
// school takes a fraction of a millisecond, a round of the event loop a good part of that.
constexpr qint64 kRunEventsMs = 10;
constexpr size_t kFatalTextLength = 200;

} // namespace

void QtUi::ShowInfo(const std::string& text) {
    if (!text.empty() && text[0] == '\0') {
        const std::string shown = text.substr(1, kFatalTextLength) +
                                  " Das Programm wird jetzt gewollt beendet!\r ggf. erneut "
                                  "normal starten.";
        QMessageBox::critical(parent(), kTitle, ShownText(shown));
        throw FatalStopError(text.substr(1));
    }
    QMessageBox::information(parent(), kTitle, ShownText(text));
}

bool QtUi::ShowInfoEscaped(const std::string& text) {
    QMessageBox box(QMessageBox::Information, "Info", ShownText(text), QMessageBox::Ok, parent());
    // Escape closes the box through a button of its own, so that it can be told from OK.
    QPushButton* escape = box.addButton(QMessageBox::Cancel);
    escape->hide();
    box.setEscapeButton(escape);
    box.exec();
    return box.clickedButton() == escape;
}

YesNoCancel QtUi::AskYesNoCancel(const std::string& text, bool withCancel) {
    QMessageBox box(QMessageBox::Question, kTitle, ShownText(text), QMessageBox::NoButton,
                    parent());
    QPushButton* yes = box.addButton("Ja", QMessageBox::YesRole);
    QPushButton* no = box.addButton("Nein", QMessageBox::NoRole);
    QPushButton* cancel =
        withCancel ? box.addButton("Abbrechen", QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(withCancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes) return YesNoCancel::Yes;
    if (withCancel && box.clickedButton() != no) return YesNoCancel::Cancel;
    return YesNoCancel::No;
}

bool QtUi::SelectRange(RangeRequest& request) {
    return TFormSelFrmD::SelectRange(request, engine_, parent());
}

int QtUi::ChooseOption(const OptionRequest& request) {
    return TFormSelFrmD::ChooseOption(request, engine_, parent());
}

bool QtUi::AskText(TextRequest& request) {
    return AskTextDialog::Ask(request, parent());
}

std::string QtUi::ChooseFile(const std::string& title, const std::string& directory,
                             const std::string& pattern) {
    // The office's file names come in either case.
    const QString shown = QString::fromStdString(pattern);
    QString filter = shown.isEmpty() ? QString("*") : shown;
    if (shown.toLower() != shown.toUpper()) filter = shown.toLower() + " " + shown.toUpper();
    const QString file = QFileDialog::getOpenFileName(
        parent(), ShownText(title), QString::fromStdString(directory), filter + ";;* (*)");
    return file.toStdString();
}

void QtUi::ShowLines(const std::vector<std::string>& lines, const std::string& title) {
    TFormSelFrmD::ShowLines(lines, title, engine_, parent());
}

bool QtUi::ChoosePrinter(PrintCanvas& printer) {
    auto* canvas = dynamic_cast<QtPrinterCanvas*>(&printer);
    if (!canvas || canvas->PrintsToPdf()) return false;
    QPrintDialog dialog(&canvas->printer(), parent());
    dialog.exec();
    return true;
}

bool QtUi::ShowGridTool(GridTool& tool) {
    return TInputDlg::Show(tool, engine_, parent());
}

void QtUi::ShowChart(const BarChart& chart) {
    auto* window = new ChartWindow(chart, parent());
    window->show();
    window->raise();
}

bool QtUi::ShowCourseOverview(CourseOverviewState& state) {
    if (!engine_) return false;
    TFormTev2 window(*engine_, state, parent());
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    window.exec();
    return true;
}

void QtUi::SetProgressPanel(ProgressPanel* panel) {
    panel_ = panel;
}

void QtUi::ProgressStart(int maximum) {
    running_ = true;
    sinceRefresh_.invalidate();
    sinceEvents_.invalidate();
    if (panel_) panel_->Start(maximum);
}

void QtUi::ProgressStep(int position) {
    if (panel_) panel_->Step(position);
}

void QtUi::ProgressEnd() {
    running_ = false;
    if (panel_) panel_->End();
}

bool QtUi::ProgressRunning() const {
    return panel_ ? panel_->Running() : running_;
}

void QtUi::ProcessMessages() {
    if (running_ && sinceEvents_.isValid() && sinceEvents_.elapsed() < kRunEventsMs) return;
    sinceEvents_.start();
    if (refresh_ && (!sinceRefresh_.isValid() || sinceRefresh_.elapsed() >= kViewRefreshMs)) {
        refresh_();
        sinceRefresh_.start();
    }
    // The click that stops the run and the gauge's paint come through here.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace tev
