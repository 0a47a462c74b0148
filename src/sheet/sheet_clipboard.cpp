#include "sheet/sheet_clipboard.h"

#include "sheet/cell_editability.h"
#include "sheet/sheet_commands.h"
#include "sheet/sheet_pages.h"

#include <algorithm>

namespace tev {
namespace {

std::vector<std::vector<std::string>> SplitTable(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::vector<std::string>& cells = rows.emplace_back();
        size_t from = 0;
        for (size_t tab = line.find('\t'); tab != std::string_view::npos;
             tab = line.find('\t', from)) {
            cells.emplace_back(line.substr(from, tab - from));
            from = tab + 1;
        }
        cells.emplace_back(line.substr(from));
    }
    return rows;
}

bool TakesPaste(const Engine& engine, const StringGrid& grid, int col, int row) {
    if (col < grid.FixedCols() || row < grid.FixedRows()) return false;
    if (col >= grid.ColCount() || row >= grid.RowCount()) return false;
    return IsTypedEntryAllowed(grid, col) &&
           IsCellEditable(grid, col, row, engine.sheet.schoolYearCode, engine.sheet.schoolNumber)
               .editable;
}

bool Replay(Engine& engine, const std::vector<CellChange>& step, bool back) {
    if (step.empty()) return false;
    auto apply = [&](const CellChange& change) {
        if (StringGrid* grid = engine.sheet.grids.Find(change.grid))
            SetSheetCell(engine.sheet, *grid, change.col, change.row,
                         back ? change.before : change.after);
    };
    if (back) {
        std::for_each(step.rbegin(), step.rend(), apply);
    } else {
        std::for_each(step.begin(), step.end(), apply);
    }
    RefreshSheetCellTexts(engine);
    return true;
}

} // namespace

std::string CopySheetCells(const Engine& engine, const std::string& gridName, CellRange range) {
    const StringGrid* grid = engine.sheet.grids.Find(gridName);
    if (grid == nullptr) return {};
    const int right = std::min(range.right, grid->ColCount() - 1);
    const int bottom = std::min(range.bottom, grid->RowCount() - 1);
    std::string text;
    for (int row = std::max(range.top, 0); row <= bottom; ++row) {
        for (int col = std::max(range.left, 0); col <= right; ++col) {
            if (col > std::max(range.left, 0)) text += '\t';
            text += grid->Cells(col, row);
        }
        text += '\n';
    }
    return text;
}

int PasteSheetCells(Engine& engine, const std::string& gridName, CellRange selection,
                    std::string_view text) {
    StringGrid* grid = engine.sheet.grids.Find(gridName);
    if (grid == nullptr) return 0;
    std::vector<std::vector<std::string>> rows = SplitTable(text);
    if (rows.empty()) return 0;
    const bool fill = rows.size() == 1 && rows[0].size() == 1;
    const int height = fill ? selection.bottom - selection.top + 1 : static_cast<int>(rows.size());
    std::vector<CellChange> step;
    for (int dy = 0; dy < height && selection.top + dy < grid->RowCount(); ++dy) {
        const std::vector<std::string>& cells = rows[fill ? 0 : dy];
        const int width =
            fill ? selection.right - selection.left + 1 : static_cast<int>(cells.size());
        for (int dx = 0; dx < width && selection.left + dx < grid->ColCount(); ++dx) {
            const int col = selection.left + dx;
            const int row = selection.top + dy;
            if (!TakesPaste(engine, *grid, col, row)) continue;
            std::string value = cells[fill ? 0 : dx];
            std::replace(value.begin(), value.end(), ';', ',');
            step.push_back({gridName, col, row, grid->Cells(col, row), value});
            SetSheetCell(engine.sheet, *grid, col, row, value);
        }
    }
    const int written = static_cast<int>(step.size());
    engine.sheet.history.RecordStep(std::move(step));
    RefreshSheetCellTexts(engine);
    return written;
}

bool UndoSheetEdit(Engine& engine) {
    return Replay(engine, engine.sheet.history.TakeUndo(), true);
}

bool RedoSheetEdit(Engine& engine) {
    return Replay(engine, engine.sheet.history.TakeRedo(), false);
}

} // namespace tev
