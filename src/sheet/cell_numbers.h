#pragma once
// Cells read as numbers and sums written back: a cell counts ParseInt of its text (empty or
// not a number is 0); a sum is written right-aligned in 3 characters, zero as empty text.
#include "output/text_routines.h"
#include "sheet/string_grid.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace tev {

// 64 bits, so that sums and differences of any two cells cannot overflow.
inline int64_t CellNumber(const StringGrid& grid, int col, int row) {
    return ParseInt(grid.Cells(col, row));
}
// The record keeps signed 16-bit numbers; larger values saturate.
inline int16_t CellNumber16(const StringGrid& grid, int col, int row) {
    return static_cast<int16_t>(std::clamp<int32_t>(ParseInt(grid.Cells(col, row)),
                                                    std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// Empty for 0, else right-aligned in 3 characters (wider numbers keep all their digits).
std::string SumText(int64_t value);
void SetSum(StringGrid& grid, int col, int row, int64_t value);

// Sums over a column (rows first..last) or a row (columns first..last); cells outside the
// grid count 0.
int64_t SumOfRows(const StringGrid& grid, int col, int firstRow, int lastRow);
int64_t SumOfCols(const StringGrid& grid, int row, int firstCol, int lastCol);

// For each column first..lastCol: the cell in totalRow becomes the sum of rows from..to.
void SetColumnSums(StringGrid& grid, int totalRow, int from, int to, int firstCol, int lastCol);
// For each row first..lastRow: the cell in totalCol becomes the sum of columns from..to.
void SetRowSums(StringGrid& grid, int totalCol, int from, int to, int firstRow, int lastRow);

} // namespace tev
