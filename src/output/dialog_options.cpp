#include "output/dialog_options.h"

#include "output/codepage.h"
#include "output/text_routines.h"

#include <algorithm>
#include <cctype>

namespace tev {
namespace {

bool Contains(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

} // namespace

DialogOptions ParseDialogOptions(std::string_view title) {
    DialogOptions options;
    auto next = [&](int code) {
        if (title.empty() || static_cast<unsigned char>(title.front()) != code) return false;
        title.remove_prefix(1);
        return true;
    };
    if (title.size() >= 2 && title.front() == '\0') {
        options.widthLimit = static_cast<unsigned char>(title[1]);
        title.remove_prefix(2);
    }
    if (next(1)) options.cancelHidden = true;
    if (next(2)) options.cancelCaption = Win("Schließen");
    if (next(3)) options.okCaption = "Weiter";
    if (next(4)) {
        options.listFileEditing = next(4) ? 2 : 1;
        options.okVisible = false;
        options.cancelCaption = Win("Schließen");
    }
    if (next(5)) options.deleteLine = true;
    if (next(6)) options.copyLine = true;
    if (next(7)) options.searchPanel = true;
    if (!title.empty() && title.front() >= 9 && title.front() <= 11) {
        options.step = title.front() - 10;
        options.separatorSkip = true;
        title.remove_prefix(1);
    }
    if (next(14)) {
        const size_t end = title.find('\x0e');
        const std::string_view lines = title.substr(0, end);
        if (!lines.empty()) options.extraLines = SplitFields(lines);
        title.remove_prefix(end == std::string_view::npos ? title.size() : end + 1);
    }
    if (title.size() >= 2 && title.front() == 27) {
        options.joinChar = title[1];
        title.remove_prefix(2);
    }
    options.title = std::string(title);
    return options;
}

RangeTitle SplitRangeTitle(std::string_view title) {
    const auto fields = SplitFields(title);
    RangeTitle result;
    result.caption = fields[0];
    if (fields.size() > 1) result.filter = fields[1];
    for (size_t i = 2; i < fields.size() && !fields[i].empty(); ++i)
        result.extraLines.push_back(fields[i]);
    return result;
}

ListedLines FillRangeLines(const std::vector<std::string>& items, const RangeTitle& title,
                           const DialogOptions& options) {
    ListedLines listed;
    auto take = [&](const std::string& filter) {
        for (size_t i = 0; i < items.size(); ++i) {
            if (!filter.empty() && !Contains(items[i], filter)) continue;
            listed.lines.push_back(items[i]);
            listed.itemNumbers.push_back(static_cast<int>(i) + 1);
        }
    };
    take(title.filter);
    if (listed.lines.empty() && !title.filter.empty()) {
        std::string retry = title.filter;
        retry[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(retry[0])));
        take(retry);
    }
    int number = static_cast<int>(items.size());
    for (const auto* extra : {&title.extraLines, &options.extraLines}) {
        for (const auto& line : *extra) {
            listed.lines.push_back(line);
            listed.itemNumbers.push_back(++number);
        }
    }
    if (options.widthLimit > 0) {
        for (auto& line : listed.lines) {
            if (line.size() > static_cast<size_t>(options.widthLimit))
                line.resize(options.widthLimit);
        }
    }
    listed.caption = title.caption;
    if (listed.caption.empty() && !listed.lines.empty()) {
        listed.caption = listed.lines.front();
        listed.lines.erase(listed.lines.begin());
        listed.itemNumbers.erase(listed.itemNumbers.begin());
    }
    return listed;
}

bool LineAcceptable(const std::string& line, const DialogOptions& options) {
    return !(options.separatorSkip && !line.empty() && line.front() == '-');
}

int AcceptedLine(const std::vector<std::string>& lines, int current, const DialogOptions& options) {
    const int count = static_cast<int>(lines.size());
    if (current < 0 || current >= count) return -1;
    if (LineAcceptable(lines[current], options)) return current;
    if (options.step == 0) return -1;
    for (int line = current + options.step; line >= 0 && line < count; line += options.step) {
        if (LineAcceptable(lines[line], options)) return line;
    }
    return -1;
}

} // namespace tev
