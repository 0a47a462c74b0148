#pragma once
// The grid tool's operations on a table, each on explicit columns and rows (0-based). The data
// rows of a table are the rows below its fixed ones; computed rows are appended below the last
// row, computed columns are written into a given column or appended (kNewColumn).
#include "sheet/string_grid.h"

#include <string_view>

namespace tev {

// A cell of a grid; -1 when not set.
struct GridCell {
    int col = -1;
    int row = -1;
    bool IsSet() const { return col >= 0 && row >= 0; }
};

inline constexpr int kNewColumn = -1;

// The first row below the fixed ones.
int FirstDataRow(const StringGrid& grid);
inline bool ColInside(const StringGrid& grid, int col) {
    return col >= 0 && col < grid.ColCount();
}
inline bool RowInside(const StringGrid& grid, int row) {
    return row >= 0 && row < grid.RowCount();
}

// Rows and columns as wholes (cells outside the grid are left alone).
void SwapCols(StringGrid& grid, int a, int b);
void SwapRows(StringGrid& grid, int a, int b);
void CopyCol(StringGrid& grid, int from, int to);
void CopyRow(StringGrid& grid, int from, int to);
void ClearCol(StringGrid& grid, int col);
void ClearRow(StringGrid& grid, int row);
// Empties the rectangle between two corners given in any order.
void ClearCells(StringGrid& grid, GridCell a, GridCell b);
// From the cell on, to the right and downwards, every cell "0" becomes empty; returns how many.
int EmptyZeros(StringGrid& grid, GridCell from);
// Deletes the data rows whose cells in the columns firstCol..lastCol are all blank; returns how
// many rows went (none when no column lies in that range).
int DeleteBlankRows(StringGrid& grid, int firstCol, int lastCol);

// Column arithmetic: in every data row, target = S2 op S1 (or S1 op constant). Rows whose
// operands are all blank get an empty cell, a division by zero too; row 0, when it is a fixed
// row, gets the heading "<heading S2> op <heading S1>". "+" may join the texts instead of
// adding the numbers. Returns the target column, -1 when a column is outside the grid or no
// column can be appended.
enum class ColumnOperator { Add, Subtract, Multiply, Divide };
enum class JoinMode { Numeric, Direct, Underscore, Blank };
int CombineColumns(StringGrid& grid, int s2, int s1, ColumnOperator op, JoinMode join, int target);
int CombineWithConstant(StringGrid& grid, int s1, ColumnOperator op, JoinMode join,
                        std::string_view constant, int target);
// The column's numbers cut (or rounded half away from zero) to whole numbers.
int TruncateColumn(StringGrid& grid, int col, bool round, int target);

// Sum rows from column fromCol on over the data rows: one row "zus" with the sums of every
// data row, or with count n > 1 the rows "zus1".."zusn", row k summing every n-th data row
// starting at data row k. The columns 2..fromCol-1 of a new row repeat the row above. Returns
// the number of rows appended (fewer when the grid is full).
int AppendSumRows(StringGrid& grid, int fromCol, int count = 1);
// One row "quot" with the mean of the rows firstRow..lastRow, from column fromCol on (the sum
// divided by the number of rows). False when the grid is full.
bool AppendQuotientRow(StringGrid& grid, int fromCol, int firstRow, int lastRow);
// For every row from fromRow to the last, a row appended below the table with its share of the
// base row in per cent, from column fromCol on ("<label> %"); blank where the base is 0.
// Returns the number of rows appended.
int AppendShareRows(StringGrid& grid, int fromRow, int baseRow, int fromCol);

// Sorts the rows firstRow..lastRow ascending by the column, as numbers or as plain texts;
// rows with equal keys keep their order.
void SortRows(StringGrid& grid, int col, bool numeric, int firstRow, int lastRow);

// Widths of the columns from fromCol on (heights of the rows from fromRow on) set to the
// value, raised to it or lowered to it.
enum class SizeRule { Exactly, AtLeast, AtMost };
void SetColWidths(StringGrid& grid, int fromCol, int width, SizeRule rule);
void SetRowHeights(StringGrid& grid, int fromRow, int height, SizeRule rule);
// Data columns whose data cells are all blank get the width (0 hides them); data rows likewise
// the height. Returns how many were changed.
int NarrowBlankCols(StringGrid& grid, int width);
int LowerBlankRows(StringGrid& grid, int height);

} // namespace tev
