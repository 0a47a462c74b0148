#include "shell/scripted_ui.h"

#include "output/grid_tool_script.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tev {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsCancel(const std::string& answer) {
    const std::string a = Lower(answer);
    return a == "abbruch" || a == "cancel";
}

bool ReadNumber(std::string_view text, int& value) {
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

} // namespace

ScriptedUi::ScriptedUi(std::vector<std::string> answers)
    : answers_(answers.begin(), answers.end()) {}

bool ScriptedUi::NextAnswer(const std::string& question, std::string& answer) {
    questions_.push_back(question);
    for (const auto& [caption, standing] : standing_) {
        if (caption == question) {
            answer = standing;
            return true;
        }
    }
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
        return true;
    }
    if (useDefaults_) return false;
    throw UnansweredQuestion(question);
}

void ScriptedUi::ShowInfo(const std::string& text) {
    messages_.push_back(text);
    if (sink_) sink_(text);
}

bool ScriptedUi::ShowInfoEscaped(const std::string& text) {
    ShowInfo(text);
    if (answers_.empty() || !IsCancel(answers_.front())) return false;
    answers_.pop_front();
    return true;
}

YesNoCancel ScriptedUi::AskYesNoCancel(const std::string& text, bool withCancel) {
    std::string answer;
    if (!NextAnswer(text, answer)) return YesNoCancel::Yes;
    const std::string a = Lower(answer);
    if (a == "ja" || a == "yes" || a == "j" || a == "y") return YesNoCancel::Yes;
    if (a == "nein" || a == "no" || a == "n") return YesNoCancel::No;
    if (withCancel && IsCancel(a)) return YesNoCancel::Cancel;
    throw UnusableAnswer("answer \"" + answer + "\" does not fit the yes/no question: " + text);
}

bool ScriptedUi::SelectRange(RangeRequest& request) {
    const int count = static_cast<int>(request.items.size());
    std::string answer;
    request.all = false;
    if (!NextAnswer(request.title, answer)) {
        if (request.multi) {
            request.first = 1;
            request.last = count;
            request.all = true;
        } else {
            if (request.first < 1 || request.first > count) request.first = 1;
            request.last = request.first;
        }
        return count > 0;
    }
    if (IsCancel(answer)) return false;
    if (Lower(answer) == "alle") {
        request.first = 1;
        request.last = count;
        request.all = true;
        return count > 0;
    }
    int first = 0;
    int last = 0;
    const auto dash = answer.find('-');
    const bool ok = dash == std::string::npos
                        ? ReadNumber(answer, first) && (last = first, true)
                        : ReadNumber(std::string_view(answer).substr(0, dash), first) &&
                              ReadNumber(std::string_view(answer).substr(dash + 1), last);
    if (!ok || first < 1 || last < first || last > count || (!request.multi && first != last)) {
        throw UnusableAnswer("answer \"" + answer + "\" is no range of the " +
                             std::to_string(count) + " lines of: " + request.title);
    }
    request.first = first;
    request.last = last;
    return true;
}

int ScriptedUi::ChooseOption(const OptionRequest& request) {
    std::string answer;
    if (!NextAnswer(request.caption, answer)) return request.preset;
    if (IsCancel(answer)) return 0;
    for (size_t i = 0; i < request.options.size(); ++i) {
        if (request.options[i] == answer) return static_cast<int>(i) + 1;
    }
    int number = 0;
    if (ReadNumber(answer, number) && number >= 1 &&
        number <= static_cast<int>(request.options.size())) {
        return number;
    }
    throw UnusableAnswer("answer \"" + answer + "\" is none of the options of: " + request.caption);
}

bool ScriptedUi::AskText(TextRequest& request) {
    std::string answer;
    const std::string question = request.caption.empty() ? request.prompt : request.caption;
    if (!NextAnswer(question, answer)) return true;
    if (IsCancel(answer)) return false;
    if (static_cast<int>(answer.size()) > request.maxLength) answer.resize(request.maxLength);
    request.value = answer;
    return true;
}

void ScriptedUi::ShowLines(const std::vector<std::string>& lines, const std::string& title) {
    ShowInfo(title);
    for (const auto& line : lines)
        ShowInfo(line);
}

void ScriptedUi::ShowChart(const BarChart& chart) {
    charts_.push_back(chart);
    if (chartSink_) chartSink_(chart);
}

std::string ScriptedUi::ChooseFile(const std::string& title, const std::string& directory,
                                   const std::string&) {
    std::string answer;
    if (!NextAnswer(title, answer) || IsCancel(answer)) return {};
    if (answer.find('/') != std::string::npos) return answer;
    return directory + answer;
}

bool ScriptedUi::ShowGridTool(GridTool& tool) {
    questions_.push_back(tool.title);
    if (gridOperations_.empty()) return true;
    const std::vector<std::string> operations = std::move(gridOperations_.front());
    gridOperations_.pop_front();
    for (const auto& operation : operations) {
        std::string error;
        if (!ApplyGridOperation(tool, operation, error))
            throw UnusableAnswer("grid operation \"" + operation + "\": " + error);
    }
    return true;
}

void ScriptedUi::ProgressStart(int) {
    running_ = true;
    steps_ = 0;
}

void ScriptedUi::ProgressStep(int) {
    ++steps_;
    if (stopAfter_ >= 0 && steps_ >= stopAfter_) running_ = false;
}

} // namespace tev
