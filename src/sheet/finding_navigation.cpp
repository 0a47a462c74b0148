#include "sheet/finding_navigation.h"

#include "sheet/sheet_commands.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_tabs.h"

#include <algorithm>

namespace tev {
namespace {

std::string GridNameOf(int table) {
    return "SG" + std::to_string(table);
}

int TabOfGrid(const Sheet& sheet, const std::string& grid) {
    const auto tabs = SheetTabs(sheet.schoolYearCode);
    for (size_t i = 0; i < tabs.size(); ++i) {
        if (tabs[i].page == SheetPage::Table && tabs[i].gridName == grid)
            return static_cast<int>(i);
    }
    return -1;
}

// The cell to select: the area's own, or the first data cell of its row, column or table.
SheetCell FirstCellOf(const StringGrid& grid, const CellArea& area) {
    const int col = area.col >= 0 ? area.col : std::min(grid.FixedCols(), grid.ColCount() - 1);
    const int row = area.row >= 0 ? area.row : std::min(grid.FixedRows(), grid.RowCount() - 1);
    return {std::clamp(col, 0, std::max(grid.ColCount() - 1, 0)),
            std::clamp(row, 0, std::max(grid.RowCount() - 1, 0))};
}

} // namespace

bool OpenFindingCell(Engine& engine, int line) {
    Sheet& sheet = engine.sheet;
    const Finding* finding = FindingOfLine(sheet.findingDetails, line);
    if (finding == nullptr || finding->place.table <= 0) return false;
    const CellArea area = finding->place;
    const std::string gridName = GridNameOf(area.table);
    const StringGrid* grid = sheet.grids.Find(gridName);
    const int tab = TabOfGrid(sheet, gridName);
    if (grid == nullptr || tab < 0) return false;
    ShowSheetTab(engine, tab);
    SheetWindowState& w = sheet.window;
    if (w.shownGrid != gridName) return false;
    w.highlight = {gridName, area.col, area.row};
    const SheetCell cell = FirstCellOf(*grid, area);
    SelectSheetCell(engine, cell.col, cell.row);
    w.currentCells[gridName] = cell;
    RefreshSheetCellTexts(engine);
    return true;
}

void SheetListLineDoubleClicked(Engine& engine, int line) {
    const auto tabs = SheetTabs(engine.sheet.schoolYearCode);
    const int tab = engine.sheet.window.tabIndex;
    const bool testPage =
        tab >= 0 && tab < static_cast<int>(tabs.size()) && tabs[tab].page == SheetPage::Test;
    if (testPage && OpenFindingCell(engine, line)) return;
    SheetListDoubleClicked(engine);
}

} // namespace tev
