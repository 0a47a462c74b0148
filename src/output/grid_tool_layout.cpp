// Order and sizes of the grid tool's table: sorting rows, column widths and row heights.
#include "output/grid_tool_numbers.h"
#include "output/grid_tool_ops.h"

#include <algorithm>
#include <vector>

namespace tev {
namespace {

int Sized(int size, int value, SizeRule rule) {
    switch (rule) {
    case SizeRule::Exactly:
        return value;
    case SizeRule::AtLeast:
        return std::max(size, value);
    case SizeRule::AtMost:
        return std::min(size, value);
    }
    return size;
}

bool BlankCol(const StringGrid& grid, int col) {
    for (int row = FirstDataRow(grid); row < grid.RowCount(); ++row)
        if (!IsBlankCell(grid.Cells(col, row))) return false;
    return true;
}

bool BlankRow(const StringGrid& grid, int row) {
    for (int col = grid.FixedCols(); col < grid.ColCount(); ++col)
        if (!IsBlankCell(grid.Cells(col, row))) return false;
    return true;
}

} // namespace

void SortRows(StringGrid& grid, int col, bool numeric, int firstRow, int lastRow) {
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, grid.RowCount() - 1);
    if (col < 0 || col >= grid.ColCount() || firstRow >= lastRow) return;
    struct Keyed {
        double number;
        std::vector<std::string> cells;
    };
    std::vector<Keyed> rows;
    for (int row = firstRow; row <= lastRow; ++row)
        rows.push_back({CellValue(grid.Cells(col, row)), grid.Row(row)});
    std::stable_sort(rows.begin(), rows.end(), [&](const Keyed& a, const Keyed& b) {
        return numeric ? a.number < b.number : a.cells[col] < b.cells[col];
    });
    for (int row = firstRow; row <= lastRow; ++row) {
        const auto& cells = rows[row - firstRow].cells;
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCells(c, row, cells[c]);
    }
}

void SetColWidths(StringGrid& grid, int fromCol, int width, SizeRule rule) {
    for (int col = std::max(fromCol, 0); col < grid.ColCount(); ++col)
        grid.SetColWidth(col, Sized(grid.ColWidth(col), width, rule));
}

void SetRowHeights(StringGrid& grid, int fromRow, int height, SizeRule rule) {
    for (int row = std::max(fromRow, 0); row < grid.RowCount(); ++row)
        grid.SetRowHeight(row, Sized(grid.RowHeight(row), height, rule));
}

int NarrowBlankCols(StringGrid& grid, int width) {
    int changed = 0;
    for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) {
        if (!BlankCol(grid, col)) continue;
        grid.SetColWidth(col, width);
        ++changed;
    }
    return changed;
}

int LowerBlankRows(StringGrid& grid, int height) {
    int changed = 0;
    for (int row = FirstDataRow(grid); row < grid.RowCount(); ++row) {
        if (!BlankRow(grid, row)) continue;
        grid.SetRowHeight(row, height);
        ++changed;
    }
    return changed;
}

} // namespace tev
