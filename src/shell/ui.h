#pragma once
// Everything the engine asks of the user or shows to the user goes through this interface.
// The window program implements it with real dialogs; the command line and the tests answer
// from a queue (ScriptedUi).
#include <string>
#include <vector>

namespace tev {

class PrintCanvas;
struct GridTool;
struct BarChart;
struct CourseOverviewState;

enum class YesNoCancel { Yes, No, Cancel };

// A range or line choice in the text output window. Lines are 1-based.
struct RangeRequest {
    std::string title; // caption and options in the program's title format
    std::vector<std::string> items;
    int first = 1; // in: start line; out: chosen first line
    int last = 1;  // out: chosen last line
    int mode = 0;  // font and size class
    bool multi = false;
    bool all = false; // out: the user pressed "alle"
};

struct OptionRequest {
    std::string caption;
    std::vector<std::string> options;
    int preset = 1; // 1-based; the answer of "--defaults"
    int mode = 0;
};

struct TextRequest {
    std::string caption;
    std::string prompt;
    std::string mask;
    int width = 0;
    int maxLength = 255;
    std::string value; // in: preset text; out: typed text
    bool password = false;
};

class Ui {
public:
    virtual ~Ui() = default;

    virtual void ShowInfo(const std::string& text) = 0;
    // An information box that tells how it was closed: true for Escape instead of OK.
    virtual bool ShowInfoEscaped(const std::string& text) {
        ShowInfo(text);
        return false;
    }
    virtual YesNoCancel AskYesNoCancel(const std::string& text, bool withCancel) = 0;
    // False when cancelled.
    virtual bool SelectRange(RangeRequest& request) = 0;
    // The chosen option (1-based), 0 when cancelled.
    virtual int ChooseOption(const OptionRequest& request) = 0;
    // False when cancelled; request.value holds the typed text otherwise.
    virtual bool AskText(TextRequest& request) = 0;
    // A file of the directory matching the pattern; empty when cancelled.
    virtual std::string ChooseFile(const std::string& title, const std::string& directory,
                                   const std::string& pattern) = 0;
    // Lines shown for information only (the viewer with a close button).
    virtual void ShowLines(const std::vector<std::string>& lines, const std::string& title) = 0;
    // The printer selection of this face for the printer; false when the face has none for it.
    virtual bool ChoosePrinter(PrintCanvas& /*printer*/) { return false; }
    // The grid tool over a report's table (output/grid_tool.h), where the user reworks it
    // with the popup entries. True when closed with OK; the tool's grid then holds the
    // reworked table. Cancelled, the grid is as it was given (files saved meanwhile stay).
    virtual bool ShowGridTool(GridTool& tool) = 0;
    // A report's chart (output/bar_chart.h). A face that draws no charts leaves it out.
    virtual void ShowChart(const BarChart& /*chart*/) {}
    // The course overview window over the state, modal; false when the face has none (the
    // command then asks for subjects and schools itself).
    virtual bool ShowCourseOverview(CourseOverviewState& /*state*/) { return false; }

    // The progress gauge of long runs. Its visibility is the run flag: a loop over schools
    // stops when ProgressRunning() turns false.
    virtual void ProgressStart(int maximum) = 0;
    virtual void ProgressStep(int position) = 0;
    virtual void ProgressEnd() = 0;
    virtual bool ProgressRunning() const = 0;
    // Lets pending user actions run between two schools.
    virtual void ProcessMessages() = 0;
};

} // namespace tev
