// Sums of tables 1.1, 1.8, 1.2 and 2.1 to 2.4.
#include "sheet/cell_numbers.h"
#include "sheet/pupil_table_rows.h"
#include "sheet/table_sums.h"

#include <algorithm>

namespace tev::sums {
namespace {

// Tables 1.1 and 1.8: columns of the class levels 5..J2, their row sum, and the rows that are
// sums or derived from other rows.
constexpr int kFirstLevelCol = 3;
constexpr int kLastClassCol = 9; // class 11
constexpr int kLastLevelCol = 11;
constexpr int kLevelSumCol = 12;
constexpr int kLastSequenceRow = pupil_rows::kLastLanguageRow;
constexpr int kPreparatoryRow = pupil_rows::kPreparatory;
constexpr int kLastCountedRow = pupil_rows::kFinalYears;
constexpr int kAllPupilsRow = pupil_rows::kAll;
constexpr int kGirlsRow = pupil_rows::kGirls;
constexpr int kPreparatoryGirlsRow = pupil_rows::kPreparatoryGirls;
constexpr int kRegularPupilsRow = pupil_rows::kRegular;
constexpr int kRegularGirlsRow = pupil_rows::kRegularGirls;

// Table 1.2 from 2016/17: regular classes a..n, their sum, three preparatory classes, their
// sum and the total.
constexpr int kClassTableRowsWithPreparatory = 21;
constexpr int kLastRegularClassRow = 14;
constexpr int kRegularSumRow = 15;
constexpr int kFirstPreparatoryRow = 16;
constexpr int kLastPreparatoryRow = 18;
constexpr int kPreparatorySumRow = 19;
constexpr int kTotalRow = 20;
constexpr int kLastClassLevelCol = 7;
constexpr int kExtraCol = 8;
constexpr int kOldTotalRow = 9;

// Older layouts kept the total of the classes a..h in row 9; such a total, found again in a
// wider grid, would count twice. Only a positive value is taken for a total, so that a text
// or an empty class i is never touched.
void EmptyOldTotalRow(StringGrid& grid, int lastClassRow) {
    for (int col = 1; col <= kLastClassLevelCol; ++col) {
        const int64_t rowNine = CellNumber(grid, col, kOldTotalRow);
        const int64_t others = SumOfRows(grid, col, 1, lastClassRow) - rowNine;
        if (rowNine > 0 && rowNine == others) grid.SetCells(col, kOldTotalRow, "");
    }
}

// Row 3 ("insgesamt") of tables 2.1 and 2.4 adds boys and girls.
void AddBoysAndGirls(StringGrid& grid, int lastCol) {
    for (int col = 1; col <= lastCol; ++col)
        SetSum(grid, col, 3, CellNumber(grid, col, 1) + CellNumber(grid, col, 2));
}

} // namespace

void PupilTable(const Sheet& sheet, StringGrid& grid) {
    SetColumnSums(grid, kAllPupilsRow, 1, kLastCountedRow, kFirstLevelCol, kLastLevelCol);
    if (sheet.schoolYearCode >= 116) {
        // Classes 5 to 11 count the language sequences; the final years have none, so their
        // regular pupils are all pupils but those of the preparatory classes.
        SetColumnSums(grid, kRegularPupilsRow, 1, kLastSequenceRow, kFirstLevelCol, kLastClassCol);
        for (int col = kLastClassCol + 1; col <= kLastLevelCol; ++col)
            SetSum(grid, col, kRegularPupilsRow,
                   CellNumber(grid, col, kAllPupilsRow) - CellNumber(grid, col, kPreparatoryRow));
        // Girls in regular classes: all girls but those of the preparatory classes.
        for (int col = kFirstLevelCol; col <= kLastLevelCol; ++col) {
            const int64_t regularGirls =
                CellNumber(grid, col, kGirlsRow) - CellNumber(grid, col, kPreparatoryGirlsRow);
            SetSum(grid, col, kRegularGirlsRow, std::max<int64_t>(regularGirls, 0));
        }
    }
    SetRowSums(grid, kLevelSumCol, kFirstLevelCol, kLastLevelCol, 1, grid.RowCount() - 1);
}

void ClassTable(StringGrid& grid) {
    const int rows = grid.RowCount();
    const bool withPreparatory = rows == kClassTableRowsWithPreparatory;
    const int lastClassRow = withPreparatory ? kLastRegularClassRow : rows - 2;
    if (rows > 10) EmptyOldTotalRow(grid, lastClassRow);
    if (!withPreparatory) {
        if (rows >= 2) SetColumnSums(grid, rows - 1, 1, rows - 2, 1, kLastClassLevelCol);
        return;
    }
    SetColumnSums(grid, kRegularSumRow, 1, kLastRegularClassRow, 1, kLastClassLevelCol);
    SetColumnSums(grid, kPreparatorySumRow, kFirstPreparatoryRow, kLastPreparatoryRow, 1,
                  kLastClassLevelCol);
    int64_t regular = 0;
    int64_t preparatory = 0;
    for (int col = 1; col <= kLastClassLevelCol; ++col) {
        const int64_t regularInLevel = CellNumber(grid, col, kRegularSumRow);
        const int64_t preparatoryInLevel = CellNumber(grid, col, kPreparatorySumRow);
        SetSum(grid, col, kTotalRow, regularInLevel + preparatoryInLevel);
        regular += regularInLevel;
        preparatory += preparatoryInLevel;
    }
    SetSum(grid, kExtraCol, 2, regular);
    SetSum(grid, kExtraCol, 3, preparatory);
    SetSum(grid, kExtraCol, 4, regular + preparatory);
}

void PromotionTable(StringGrid& grid) {
    constexpr int kTogetherCol = 8;
    AddBoysAndGirls(grid, kTogetherCol - 1);
    SetRowSums(grid, kTogetherCol, 1, kTogetherCol - 1, 1, 3);
}

void OriginTable(StringGrid& grid) {
    const int rows = grid.RowCount();
    if (rows >= 2) SetColumnSums(grid, rows - 1, 1, rows - 2, 1, 9);
}

void NationalityTable(StringGrid& grid) {
    const int rows = grid.RowCount();
    if (rows >= 2) SetColumnSums(grid, rows - 1, 1, rows - 2, 2, 2);
}

void BirthYearTable(StringGrid& grid) {
    constexpr int kTogetherCol = 14;
    AddBoysAndGirls(grid, kTogetherCol - 1);
    SetRowSums(grid, kTogetherCol, 1, kTogetherCol - 1, 1, 3);
}

} // namespace tev::sums
