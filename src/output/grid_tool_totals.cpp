// Rows the grid tool computes below a table: sums, means and shares.
#include "output/grid_tool_numbers.h"
#include "output/grid_tool_ops.h"
#include "output/text_routines.h"

#include <algorithm>

namespace tev {
namespace {

// The first column whose cells a new row repeats from the row above.
constexpr int kFirstRepeatedCol = 2;
constexpr int kShareDecimals = 1;

// A new last row: the label in column 0 and the columns firstRepeated..fromCol-1 repeated
// from the row `from` (-1: the row above). -1 when the grid is full.
int AppendLabelledRow(StringGrid& grid, int fromCol, const std::string& label,
                      int firstRepeated = kFirstRepeatedCol, int from = -1) {
    const int row = grid.RowCount();
    if (!grid.InsertRow(row)) return -1;
    if (from < 0) from = row - 1;
    if (fromCol > 0) grid.SetCells(0, row, label);
    for (int col = std::max(firstRepeated, 1); col < fromCol; ++col)
        grid.SetCells(col, row, grid.Cells(col, from));
    return row;
}

// The sum of the cells rows first, first + step, ... up to last; blank when all are blank.
std::string SumText(const StringGrid& grid, int col, int first, int last, int step) {
    double sum = 0;
    bool any = false;
    for (int row = first; row <= last; row += step) {
        const std::string& cell = grid.Cells(col, row);
        if (IsBlankCell(cell)) continue;
        sum += CellValue(cell);
        any = true;
    }
    return any ? ResultText(sum) : std::string();
}

} // namespace

int AppendSumRows(StringGrid& grid, int fromCol, int count) {
    const int first = FirstDataRow(grid);
    const int last = grid.RowCount() - 1;
    count = std::clamp(count, 1, std::max(last - first + 1, 1));
    fromCol = std::max(fromCol, 0);
    for (int k = 0; k < count; ++k) {
        const int row =
            AppendLabelledRow(grid, fromCol, count == 1 ? "zus" : "zus" + std::to_string(k + 1));
        if (row < 0) return k;
        for (int col = fromCol; col < grid.ColCount(); ++col)
            grid.SetCells(col, row, SumText(grid, col, first + k, last, count));
    }
    return count;
}

bool AppendQuotientRow(StringGrid& grid, int fromCol, int firstRow, int lastRow) {
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, grid.RowCount() - 1);
    fromCol = std::max(fromCol, 0);
    const int row = AppendLabelledRow(grid, fromCol, "quot");
    if (row < 0) return false;
    const int rows = lastRow - firstRow + 1;
    for (int col = fromCol; col < grid.ColCount() && rows > 0; ++col) {
        const std::string sum = SumText(grid, col, firstRow, lastRow, 1);
        grid.SetCells(col, row, sum.empty() ? sum : ResultText(CellValue(sum) / rows));
    }
    return true;
}

int AppendShareRows(StringGrid& grid, int fromRow, int baseRow, int fromCol) {
    const int last = grid.RowCount() - 1;
    if (fromRow < 0 || fromRow > last || baseRow < 0 || baseRow > last) return 0;
    fromCol = std::max(fromCol, 0);
    int appended = 0;
    for (int source = fromRow; source <= last; ++source) {
        // The share row carries its source row's texts, so that it can be told which it is.
        const int row =
            AppendLabelledRow(grid, fromCol, Trim(grid.Cells(0, source)) + " %", 1, source);
        if (row < 0) break;
        ++appended;
        for (int col = fromCol; col < grid.ColCount(); ++col) {
            const std::string& cell = grid.Cells(col, source);
            const double base = CellValue(grid.Cells(col, baseRow));
            if (IsBlankCell(cell) || base == 0) continue;
            grid.SetCells(col, row, ResultText(100 * CellValue(cell) / base, kShareDecimals));
        }
    }
    return appended;
}

} // namespace tev
