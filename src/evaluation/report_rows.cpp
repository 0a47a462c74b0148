#include "evaluation/report_rows.h"

#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"

#include <algorithm>

namespace tev {

void FillGridRows(StringGrid& grid, const std::vector<CellRow>& rows, int minCols) {
    size_t cols = static_cast<size_t>(std::max(minCols, 1));
    for (const auto& row : rows)
        cols = std::max(cols, row.size());
    grid.SetColCount(static_cast<int>(cols));
    grid.SetRowCount(static_cast<int>(std::max<size_t>(rows.size(), 2)));
    grid.Clear();
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            grid.SetCells(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
}

std::string YearDigits(const Engine& engine) {
    const std::string& suffix = engine.startup.yearSuffix;
    return suffix.size() >= 3 ? suffix.substr(1, 2) : std::string("00");
}

int AllPupilsRow(const Engine& engine) {
    return engine.startup.schoolYearCode < 116 ? 37 : 55;
}

int SheetNumber(const Engine& engine, int table, int col, int row) {
    const StringGrid* grid = engine.sheet.grids.FindTable(table);
    return grid ? ParseInt(grid->Cells(col, row)) : 0;
}

bool SaveReportCsv(Engine& engine, const std::string& name, const StringGrid& grid,
                   std::string_view title) {
    if (SaveGridCsv(engine, name, grid, title)) return true;
    engine.ui().ShowInfo(name + Win(" konnte nicht gespeichert werden."));
    return false;
}

} // namespace tev
