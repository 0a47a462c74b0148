#pragma once
// The window program's answers to the engine's questions: message boxes, the text output
// window, the text prompt, the file dialog, and the progress gauge of the main window.
#include "shell/ui.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace tev {

struct Engine;
class ProgressPanel;

class QtUi : public Ui {
public:
    // Dialogs open over this window.
    void SetParent(QWidget* parent) { parent_ = parent; }
    // Lets the text output window print.
    void SetEngine(Engine* engine) { engine_ = engine; }
    // The gauge of the main window; without one the run flag is kept here.
    void SetProgressPanel(ProgressPanel* panel);
    // Runs before pending messages are processed (at most a few times a second), so that the
    // window shows what a long run has done so far.
    void SetViewRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    // A text starting with the code 0 is fatal: shown with the closing note, then the
    // program stops (FatalStopError).
    void ShowInfo(const std::string& text) override;
    bool ShowInfoEscaped(const std::string& text) override;
    YesNoCancel AskYesNoCancel(const std::string& text, bool withCancel) override;
    bool SelectRange(RangeRequest& request) override;
    int ChooseOption(const OptionRequest& request) override;
    bool AskText(TextRequest& request) override;
    std::string ChooseFile(const std::string& title, const std::string& directory,
                           const std::string& pattern) override;
    void ShowLines(const std::vector<std::string>& lines, const std::string& title) override;
    // The system's print dialog for the window program's printer; false when it prints into
    // PDF files.
    bool ChoosePrinter(PrintCanvas& printer) override;
    bool ShowGridTool(GridTool& tool) override;
    // A window of its own beside the main window, closed by the user.
    void ShowChart(const BarChart& chart) override;
    bool ShowCourseOverview(CourseOverviewState& state) override;

    void ProgressStart(int maximum) override;
    void ProgressStep(int position) override;
    void ProgressEnd() override;
    bool ProgressRunning() const override;
    void ProcessMessages() override;

private:
    QWidget* parent() const { return parent_.data(); }

    QPointer<QWidget> parent_;
    Engine* engine_ = nullptr;
    QPointer<ProgressPanel> panel_;
    std::function<void()> refresh_;
    QElapsedTimer sinceRefresh_;
    QElapsedTimer sinceEvents_;
    bool running_ = false;
};

} // namespace tev
