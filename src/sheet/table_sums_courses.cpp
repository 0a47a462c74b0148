// Sums of tables 5.1, 6.1, 7.1, 7.2, 8.1 to 8.3 and 9.1.
#include "output/text_routines.h"
#include "sheet/cell_numbers.h"
#include "sheet/table_sums.h"

#include <vector>

namespace tev::sums {
namespace {

// Target hours per teacher with one decimal; empty when either number is 0, so a subject
// without teachers never divides by zero.
std::string TeacherRatio(int64_t targetHours, int64_t teachers) {
    return FormatRatio(static_cast<double>(targetHours), static_cast<double>(teachers), 0, 1);
}

} // namespace

void CourseTable(StringGrid& grid) {
    const int last = grid.RowCount() - 1;
    if (last < 1) return;
    // A row coded "ges" is a total, not a subject: from regime 2 the code list has one, and a
    // saved total row comes back into it when the file is read again.
    std::vector<int> subjectRows;
    for (int row = 1; row < last; ++row)
        if (TrimView(grid.Cells(0, row)) != "ges") subjectRows.push_back(row);
    for (int col = 1; col <= 10; ++col) {
        int64_t sum = 0;
        for (int row : subjectRows)
            sum += CellNumber(grid, col, row);
        SetSum(grid, col, last, sum);
    }
    grid.SetCells(0, last, "ges");
}

void CourseSizeTable(const Sheet& sheet, StringGrid& grid) {
    constexpr int kCoursesCol = 2;
    SetColumnSums(grid, 5, 1, 4, kCoursesCol, kCoursesCol);
    SetColumnSums(grid, 11, 7, 10, kCoursesCol, kCoursesCol);
    if (sheet.courseRegime <= 1) return;
    SetColumnSums(grid, 19, 13, 18, kCoursesCol, kCoursesCol);
    SetColumnSums(grid, 27, 21, 26, kCoursesCol, kCoursesCol);
}

void CourseCombinationTable(StringGrid& grid) {
    const int lastRow = grid.RowCount() - 1;
    const int lastCol = grid.ColCount() - 1;
    if (lastRow < 1 || lastCol < 1) return;
    SetRowSums(grid, lastCol, 1, lastCol - 1, 1, lastRow - 1);
    SetColumnSums(grid, lastRow, 1, lastRow - 1, 1, lastCol);
}

void CourseExchangeTable(StringGrid& grid) {
    // Jgst.1 and Jgst.2 of the 4-hour courses (rows 1..12) and of the 2-hour ones (14..25).
    SetColumnSums(grid, 13, 1, 12, 2, 3);
    SetColumnSums(grid, 26, 14, 25, 2, 3);
}

void GradeTable(StringGrid& grid) {
    const int lastCol = grid.ColCount() == 3 ? 2 : 1;
    SetColumnSums(grid, 32, 1, 31, 1, lastCol);
}

void HoursTable(Sheet& sheet, StringGrid& grid91) {
    constexpr int kTargetRow = 1; // "Klassen-Soll-Stunden"
    constexpr int kFirstLevelRow = 3;
    constexpr int kLastLevelRow = 11;
    constexpr int kLevelSumRow = 12;
    constexpr int kDifferenceRow = 13;
    constexpr int kTeacherRow = 17; // "Lehrer mit Lehrbef.."
    constexpr int kRatioRow = 19;
    constexpr int kLastSummedRow = 22;
    constexpr int kFirstSubjectCol = 3;
    const int together = grid91.ColCount() - 1;
    SetColumnSums(grid91, kLevelSumRow, kFirstLevelRow, kLastLevelRow, 1, together - 1);
    for (int col = kFirstSubjectCol; col < together; ++col) {
        const int64_t target = CellNumber(grid91, col, kTargetRow);
        SetSum(grid91, col, kDifferenceRow, CellNumber(grid91, col, kLevelSumRow) - target);
        grid91.SetCells(col, kRatioRow, TeacherRatio(target, CellNumber(grid91, col, kTeacherRow)));
    }
    for (int row = 1; row <= kLastSummedRow && row < grid91.RowCount(); ++row) {
        if (row == 2) continue; // pupils and classes, not hours
        if (row == kRatioRow) {
            // A sum of ratios means nothing; the school's ratio is that of its totals.
            grid91.SetCells(
                together, row,
                TeacherRatio(SumOfCols(grid91, kTargetRow, kFirstSubjectCol, together - 1),
                             SumOfCols(grid91, kTeacherRow, kFirstSubjectCol, together - 1)));
            continue;
        }
        SetSum(grid91, together, row, SumOfCols(grid91, row, kFirstSubjectCol, together - 1));
    }
    if (StringGrid* grid41 = sheet.grids.FindTable(41)) ClassTotals41(sheet, *grid41);
}

} // namespace tev::sums
