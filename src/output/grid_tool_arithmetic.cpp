// Column arithmetic of the grid tool: two columns, a column and a constant, whole numbers.
#include "output/grid_tool_numbers.h"
#include "output/grid_tool_ops.h"
#include "output/text_routines.h"

#include <cmath>
#include <limits>

namespace tev {
namespace {

// The column to write into; a new one is appended for kNewColumn. -1 when there is none.
int TargetColumn(StringGrid& grid, int target) {
    if (target == kNewColumn) return grid.InsertCol(grid.ColCount()) ? grid.ColCount() - 1 : -1;
    return ColInside(grid, target) ? target : -1;
}

// The heading row is row 0 when it is fixed; otherwise row 0 holds data.
void SetHeading(StringGrid& grid, int col, const std::string& heading) {
    if (grid.FixedRows() > 0) grid.SetCells(col, 0, heading);
}

std::string Heading(const StringGrid& grid, int col) {
    return Trim(grid.Cells(col, 0));
}

char Symbol(ColumnOperator op) {
    switch (op) {
    case ColumnOperator::Add:
        return '+';
    case ColumnOperator::Subtract:
        return '-';
    case ColumnOperator::Multiply:
        return '*';
    case ColumnOperator::Divide:
        return '/';
    }
    return '?';
}

double Apply(double a, double b, ColumnOperator op) {
    switch (op) {
    case ColumnOperator::Add:
        return a + b;
    case ColumnOperator::Subtract:
        return a - b;
    case ColumnOperator::Multiply:
        return a * b;
    case ColumnOperator::Divide:
        return b == 0 ? std::numeric_limits<double>::quiet_NaN() : a / b;
    }
    return 0;
}

std::string Joined(std::string_view a, std::string_view b, JoinMode join) {
    const char* between = join == JoinMode::Underscore ? "_" : join == JoinMode::Blank ? " " : "";
    return Trim(a) + between + Trim(b);
}

std::string Result(std::string_view a, std::string_view b, ColumnOperator op, JoinMode join) {
    if (op == ColumnOperator::Add && join != JoinMode::Numeric) return Joined(a, b, join);
    return ResultText(Apply(CellValue(a), CellValue(b), op));
}

} // namespace

int CombineColumns(StringGrid& grid, int s2, int s1, ColumnOperator op, JoinMode join, int target) {
    if (!ColInside(grid, s2) || !ColInside(grid, s1)) return -1;
    target = TargetColumn(grid, target);
    if (target < 0) return -1;
    SetHeading(grid, target, Heading(grid, s2) + Symbol(op) + Heading(grid, s1));
    for (int row = FirstDataRow(grid); row < grid.RowCount(); ++row) {
        const std::string a = grid.Cells(s2, row);
        const std::string b = grid.Cells(s1, row);
        const bool blank = IsBlankCell(a) && IsBlankCell(b);
        grid.SetCells(target, row, blank ? std::string() : Result(a, b, op, join));
    }
    return target;
}

int CombineWithConstant(StringGrid& grid, int s1, ColumnOperator op, JoinMode join,
                        std::string_view constant, int target) {
    if (!ColInside(grid, s1)) return -1;
    target = TargetColumn(grid, target);
    if (target < 0) return -1;
    SetHeading(grid, target, Heading(grid, s1) + Symbol(op) + Trim(constant));
    for (int row = FirstDataRow(grid); row < grid.RowCount(); ++row) {
        const std::string a = grid.Cells(s1, row);
        grid.SetCells(target, row, IsBlankCell(a) ? std::string() : Result(a, constant, op, join));
    }
    return target;
}

int TruncateColumn(StringGrid& grid, int col, bool round, int target) {
    if (!ColInside(grid, col)) return -1;
    target = TargetColumn(grid, target);
    if (target < 0) return -1;
    SetHeading(grid, target, (round ? "round(" : "trunc(") + Heading(grid, col) + ")");
    for (int row = FirstDataRow(grid); row < grid.RowCount(); ++row) {
        const std::string cell = grid.Cells(col, row);
        const double value = CellValue(cell);
        grid.SetCells(target, row,
                      IsBlankCell(cell)
                          ? std::string()
                          : ResultText(round ? std::round(value) : std::trunc(value)));
    }
    return target;
}

} // namespace tev
