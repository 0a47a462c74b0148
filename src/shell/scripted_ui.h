#pragma once
// The Ui of the command line and of the tests: answers come from a queue given up front.
#include "output/bar_chart.h"
#include "shell/ui.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tev {

// A question found no answer left in the queue (and no defaults were allowed).
class UnansweredQuestion : public std::runtime_error {
public:
    explicit UnansweredQuestion(const std::string& question)
        : std::runtime_error(question), question_(question) {}
    const std::string& question() const { return question_; }

private:
    std::string question_;
};

// An answer that does not fit the question it was given to.
class UnusableAnswer : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptedUi : public Ui {
public:
    ScriptedUi() = default;
    explicit ScriptedUi(std::vector<std::string> answers);

    void AddAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
    // Every question with this caption takes this answer, without using up the queue.
    void SetStandingAnswer(std::string caption, std::string answer) {
        standing_.emplace_back(std::move(caption), std::move(answer));
    }
    // Questions left over take their preset answer instead of failing.
    void SetUseDefaults(bool on) { useDefaults_ = on; }
    // Called with every message text (engine code page); the CLI prints them to stderr.
    void SetMessageSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }
    // After this many steps of a long run the gauge is hidden, as a click on it would.
    void StopProgressAfter(int steps) { stopAfter_ = steps; }
    // The next grid tool shown applies these operations (as `tev-cli grid` takes them) in
    // order and closes with OK; without any it closes with OK at once.
    void AddGridOperations(std::vector<std::string> operations) {
        gridOperations_.push_back(std::move(operations));
    }

    // Called with every chart shown; the CLI writes them as image files.
    void SetChartSink(std::function<void(const BarChart&)> sink) { chartSink_ = std::move(sink); }
    const std::vector<BarChart>& charts() const { return charts_; }
    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<std::string>& questions() const { return questions_; }
    size_t answersLeft() const { return answers_.size(); }
    void ClearAnswers() { answers_.clear(); }

    void ShowInfo(const std::string& text) override;
    // The answer "abbruch" closes the box with Escape; any other stays for the next question.
    bool ShowInfoEscaped(const std::string& text) override;
    YesNoCancel AskYesNoCancel(const std::string& text, bool withCancel) override;
    bool SelectRange(RangeRequest& request) override;
    int ChooseOption(const OptionRequest& request) override;
    bool AskText(TextRequest& request) override;
    void ShowLines(const std::vector<std::string>& lines, const std::string& title) override;
    std::string ChooseFile(const std::string& title, const std::string& directory,
                           const std::string& pattern) override;
    // An operation that does not fit the table throws UnusableAnswer.
    bool ShowGridTool(GridTool& tool) override;
    void ShowChart(const BarChart& chart) override;

    void ProgressStart(int maximum) override;
    void ProgressStep(int position) override;
    void ProgressEnd() override { running_ = false; }
    bool ProgressRunning() const override { return running_; }
    void ProcessMessages() override {}

private:
    // The next answer, or nothing when the preset answer is to be used.
    bool NextAnswer(const std::string& question, std::string& answer);

    std::deque<std::string> answers_;
    std::deque<std::vector<std::string>> gridOperations_;
    std::vector<std::pair<std::string, std::string>> standing_;
    std::vector<std::string> messages_;
    std::vector<std::string> questions_;
    std::function<void(const std::string&)> sink_;
    std::vector<BarChart> charts_;
    std::function<void(const BarChart&)> chartSink_;
    bool useDefaults_ = false;
    bool running_ = false;
    int steps_ = 0;
    int stopAfter_ = -1;
};

} // namespace tev
