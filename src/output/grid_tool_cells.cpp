// Rows, columns and cells of the grid tool as wholes: swap, copy, clear, delete.
#include "output/grid_tool_numbers.h"
#include "output/grid_tool_ops.h"
#include "output/text_routines.h"

#include <algorithm>

namespace tev {

int FirstDataRow(const StringGrid& grid) {
    return grid.FixedRows();
}

void SwapCols(StringGrid& grid, int a, int b) {
    if (!ColInside(grid, a) || !ColInside(grid, b) || a == b) return;
    for (int row = 0; row < grid.RowCount(); ++row) {
        const std::string first = grid.Cells(a, row);
        grid.SetCells(a, row, grid.Cells(b, row));
        grid.SetCells(b, row, first);
    }
}

void SwapRows(StringGrid& grid, int a, int b) {
    if (!RowInside(grid, a) || !RowInside(grid, b) || a == b) return;
    const std::vector<std::string> first = grid.Row(a);
    CopyRow(grid, b, a);
    for (int col = 0; col < grid.ColCount(); ++col)
        grid.SetCells(col, b, first[col]);
}

void CopyCol(StringGrid& grid, int from, int to) {
    if (!ColInside(grid, from) || !ColInside(grid, to)) return;
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.SetCells(to, row, grid.Cells(from, row));
}

void CopyRow(StringGrid& grid, int from, int to) {
    if (!RowInside(grid, from) || !RowInside(grid, to)) return;
    for (int col = 0; col < grid.ColCount(); ++col)
        grid.SetCells(col, to, grid.Cells(col, from));
}

void ClearCol(StringGrid& grid, int col) {
    ClearCells(grid, {col, 0}, {col, grid.RowCount() - 1});
}

void ClearRow(StringGrid& grid, int row) {
    ClearCells(grid, {0, row}, {grid.ColCount() - 1, row});
}

void ClearCells(StringGrid& grid, GridCell a, GridCell b) {
    for (int row = std::min(a.row, b.row); row <= std::max(a.row, b.row); ++row)
        for (int col = std::min(a.col, b.col); col <= std::max(a.col, b.col); ++col)
            grid.SetCells(col, row, "");
}

int EmptyZeros(StringGrid& grid, GridCell from) {
    int emptied = 0;
    for (int row = std::max(from.row, 0); row < grid.RowCount(); ++row) {
        for (int col = std::max(from.col, 0); col < grid.ColCount(); ++col) {
            if (Trim(grid.Cells(col, row)) != "0") continue;
            grid.SetCells(col, row, "");
            ++emptied;
        }
    }
    return emptied;
}

int DeleteBlankRows(StringGrid& grid, int firstCol, int lastCol) {
    firstCol = std::max(firstCol, 0);
    lastCol = std::min(lastCol, grid.ColCount() - 1);
    // No column to look at says nothing about a row.
    if (firstCol > lastCol) return 0;
    int deleted = 0;
    for (int row = grid.RowCount() - 1; row >= FirstDataRow(grid); --row) {
        bool blank = true;
        for (int col = firstCol; col <= lastCol; ++col)
            blank = blank && IsBlankCell(grid.Cells(col, row));
        if (!blank) continue;
        grid.DeleteRows(row, row);
        ++deleted;
    }
    return deleted;
}

} // namespace tev
