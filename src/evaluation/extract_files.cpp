#include "evaluation/extract_files.h"

#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"

#include <algorithm>

namespace tev {

std::string YearFilePrefix(const std::string& yearSuffix) {
    std::string prefix = "20";
    for (char c : yearSuffix) {
        if (c != '.') prefix += c;
    }
    return prefix;
}

std::string YearFileName(const std::string& yearSuffix, const std::string& name) {
    const std::string prefix = YearFilePrefix(yearSuffix);
    return !name.empty() && name.front() == '_' ? prefix + name : prefix + "_" + name;
}

std::string YearSuffixOf(int schoolYearCode) {
    const int digits = ((schoolYearCode % 100) + 100) % 100;
    return std::string(".") + static_cast<char>('0' + digits / 10) +
           static_cast<char>('0' + digits % 10);
}

std::vector<std::string> SaveExtractLists(Engine& engine, const std::vector<ExtractList>& lists) {
    std::vector<std::string> failed;
    for (const auto& list : lists) {
        if (!SaveLinesReplacing(engine, list.name, list.lines)) failed.push_back(list.name);
    }
    return failed;
}

void ReportExtractSaved(Engine& engine, const std::string& done,
                        const std::vector<std::string>& failed) {
    if (failed.empty()) {
        engine.services.messages.ShowInfo(done);
        return;
    }
    std::string text = Win("nicht gespeichert:");
    for (const auto& name : failed)
        text += "\r" + name;
    engine.services.messages.ShowInfo(text);
}

void ShowLinesInUpperTable(Engine& engine, const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> cells;
    size_t width = 1;
    for (const auto& line : lines) {
        cells.push_back(SplitFields(line));
        width = std::max(width, cells.back().size());
    }
    StringGrid& table = engine.upperTable;
    table.Clear();
    table.SetColCount(static_cast<int>(std::min<size_t>(width, kMaxGridCols)));
    table.SetRowCount(static_cast<int>(std::clamp<size_t>(cells.size(), 1, kMaxGridRows)));
    for (int row = 0; row < table.RowCount() && row < static_cast<int>(cells.size()); ++row) {
        const auto& fields = cells[static_cast<size_t>(row)];
        for (int col = 0; col < table.ColCount() && col < static_cast<int>(fields.size()); ++col)
            table.SetCells(col, row, fields[static_cast<size_t>(col)]);
    }
    engine.window.upperTableVisible = true;
}

} // namespace tev
