#include "sheet/headed_grids.h"

namespace tev {

void HeadedGrids::Shape(SheetGrids& grids, int schoolYearCode, int screenWidth,
                        const TableRowLists& lists) {
    for (auto& grid : grids.All())
        grid.Clear();
    // The nationalities of the previous school go; a new sheet has none.
    if (StringGrid* grid23 = grids.FindTable(23)) grid23->SetRowCount(2);
    if (Holds(schoolYearCode, screenWidth, lists)) {
        WriteBack(grids);
        return;
    }
    SetAllTableHeadings(grids, schoolYearCode, screenWidth, lists);
    made_ = true;
    schoolYearCode_ = schoolYearCode;
    screenWidth_ = screenWidth;
    lists_ = lists;
    Keep(grids);
}

bool HeadedGrids::Holds(int schoolYearCode, int screenWidth, const TableRowLists& lists) const {
    return made_ && schoolYearCode == schoolYearCode_ && screenWidth == screenWidth_ &&
           lists.workingGroups == lists_.workingGroups &&
           lists.nationalities == lists_.nationalities;
}

void HeadedGrids::Keep(const SheetGrids& grids) {
    kept_.clear();
    for (const int table : HeadedTables(schoolYearCode_)) {
        const StringGrid* found = grids.FindTable(table);
        if (found == nullptr) continue;
        const StringGrid& grid = *found;
        Kept& kept = kept_.emplace_back();
        kept.table = table;
        kept.cols = grid.ColCount();
        kept.fixedCols = grid.FixedCols();
        kept.fixedRows = grid.FixedRows();
        for (int col = 0; col < grid.ColCount(); ++col)
            kept.colWidths.push_back(grid.ColWidth(col));
        for (int row = 0; row < grid.RowCount(); ++row) {
            kept.rowHeights.push_back(grid.RowHeight(row));
            for (int col = 0; col < grid.ColCount(); ++col)
                if (!grid.Cells(col, row).empty())
                    kept.headings.push_back({col, row, grid.Cells(col, row)});
        }
    }
}

void HeadedGrids::WriteBack(SheetGrids& grids) const {
    for (const Kept& kept : kept_) {
        StringGrid* grid = grids.FindTable(kept.table);
        if (grid == nullptr) continue;
        grid->SetColCount(kept.cols);
        grid->SetRowCount(static_cast<int>(kept.rowHeights.size()));
        grid->SetFixedCols(kept.fixedCols);
        grid->SetFixedRows(kept.fixedRows);
        for (int col = 0; col < kept.cols; ++col)
            grid->SetColWidth(col, kept.colWidths[col]);
        for (int row = 0; row < static_cast<int>(kept.rowHeights.size()); ++row)
            grid->SetRowHeight(row, kept.rowHeights[row]);
        for (const Heading& heading : kept.headings)
            grid->SetCells(heading.col, heading.row, heading.text);
    }
}

} // namespace tev
