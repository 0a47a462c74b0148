#include "shell/messages.h"

#include <algorithm>

namespace tev {

void Messages::ShowInfo(const std::string& text) {
    ui_.ShowInfo(text);
    lastAnswer_ = DialogAnswer::Yes;
}

bool Messages::AskYesNo(const std::string& text, int options) {
    if (options < 0) options = 256 - options;
    std::string question = text;
    if (!question.empty() && static_cast<unsigned char>(question[0]) == 254) {
        question.erase(0, std::min<size_t>(2, question.size()));
        std::replace(question.begin(), question.end(), '|', '\r');
    }
    const bool withCancel = (options & 256) != 0;
    const YesNoCancel repeatOn = (options & 512) ? YesNoCancel::No : YesNoCancel::Yes;
    const int times = std::max(1, options & 15);
    YesNoCancel answer = YesNoCancel::No;
    for (int asked = 0; asked < times; ++asked) {
        answer = ui_.AskYesNoCancel(question, withCancel);
        if (answer != repeatOn) break;
    }
    switch (answer) {
    case YesNoCancel::Yes:
        lastAnswer_ = DialogAnswer::Yes;
        break;
    case YesNoCancel::No:
        lastAnswer_ = DialogAnswer::No;
        break;
    case YesNoCancel::Cancel:
        lastAnswer_ = DialogAnswer::Cancel;
        break;
    }
    return answer == YesNoCancel::Yes;
}

void Messages::FatalStop(const std::string& text) {
    ShowInfo(text);
    throw FatalStopError(text);
}

void Messages::StopOrLog(const std::string& text) {
    if (log_.enabled()) {
        log_.Write(text);
        return;
    }
    FatalStop(text);
}

} // namespace tev
