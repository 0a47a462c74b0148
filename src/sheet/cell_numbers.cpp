#include "sheet/cell_numbers.h"

#include "output/text_routines.h"

#include <algorithm>
#include <limits>

namespace tev {
namespace {

// Writes the 3-character field; the zero-as-blanks option.
constexpr uint16_t kSumFormat = 0x23;

} // namespace

std::string SumText(int64_t value) {
    if (value == 0) return {};
    const auto shown = static_cast<int32_t>(std::clamp<int64_t>(
        value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    return FormatInt(shown, kSumFormat);
}

void SetSum(StringGrid& grid, int col, int row, int64_t value) {
    grid.SetCells(col, row, SumText(value));
}

int64_t SumOfRows(const StringGrid& grid, int col, int firstRow, int lastRow) {
    int64_t sum = 0;
    for (int row = std::max(firstRow, 0); row <= std::min(lastRow, grid.RowCount() - 1); ++row)
        sum += CellNumber(grid, col, row);
    return sum;
}

int64_t SumOfCols(const StringGrid& grid, int row, int firstCol, int lastCol) {
    int64_t sum = 0;
    for (int col = std::max(firstCol, 0); col <= std::min(lastCol, grid.ColCount() - 1); ++col)
        sum += CellNumber(grid, col, row);
    return sum;
}

void SetColumnSums(StringGrid& grid, int totalRow, int from, int to, int firstCol, int lastCol) {
    for (int col = firstCol; col <= std::min(lastCol, grid.ColCount() - 1); ++col)
        SetSum(grid, col, totalRow, SumOfRows(grid, col, from, to));
}

void SetRowSums(StringGrid& grid, int totalCol, int from, int to, int firstRow, int lastRow) {
    for (int row = firstRow; row <= std::min(lastRow, grid.RowCount() - 1); ++row)
        SetSum(grid, totalCol, row, SumOfCols(grid, row, from, to));
}

} // namespace tev
