#pragma once
// Message and question boxes of the engine, with the record of the last answer.
#include "shell/trace_log.h"
#include "shell/ui.h"

#include <stdexcept>
#include <string>

namespace tev {

// The answer character of the last message box.
enum class DialogAnswer : char {
    None = 0,
    Yes = 'J',
    Cancel = 27,
    Abort = 'A',
    Retry = 'W',
    Ignore = 'I',
    No = 'N'
};

// An unrecoverable state: the faces end the program with exit code 1 when it reaches them.
class FatalStopError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Messages {
public:
    Messages(Ui& ui, const TraceLog& log) : ui_(ui), log_(log) {}

    Ui& ui() const { return ui_; }
    DialogAnswer lastAnswer() const { return lastAnswer_; }

    void ShowInfo(const std::string& text);
    // options: low 4 bits how often the question may be asked in a row (while the answer is
    // "Yes", or "No" with 512); 256 adds a Cancel button; a negative n counts as 256 - n.
    // A text starting with the code 254 loses two characters and gets its "|" marks turned
    // into line breaks.
    bool AskYesNo(const std::string& text, int options = 1);
    [[noreturn]] void FatalStop(const std::string& text);
    // Developers get a log line, everybody else the fatal stop.
    void StopOrLog(const std::string& text);

private:
    Ui& ui_;
    const TraceLog& log_;
    DialogAnswer lastAnswer_ = DialogAnswer::None;
};

} // namespace tev
