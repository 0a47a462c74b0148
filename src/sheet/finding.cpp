#include "sheet/finding.h"

namespace tev {

const char* SeverityText(FindingSeverity severity) {
    return severity == FindingSeverity::Error ? "Fehler" : "Hinweis";
}

std::string TableNumberText(int table) {
    if (table <= 0) return "";
    return std::to_string(table / 10) + "." + std::to_string(table % 10);
}

std::string FindingCsvLine(const Finding& finding, const std::vector<std::string>& lines) {
    auto number = [](int value) { return value < 0 ? std::string() : std::to_string(value); };
    const bool inTable = finding.place.table > 0;
    std::string text = finding.line >= 0 && finding.line < static_cast<int>(lines.size())
                           ? lines[finding.line]
                           : std::string();
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return std::string(SeverityText(finding.severity)) + ";" +
           TableNumberText(finding.place.table) + ";" + (inTable ? number(finding.place.col) : "") +
           ";" + (inTable ? number(finding.place.row) : "") + ";" + text;
}

const Finding* FindingOfLine(const std::vector<Finding>& findings, int line) {
    for (const Finding& finding : findings) {
        if (finding.line == line) return &finding;
    }
    return nullptr;
}

} // namespace tev
