// Sums of tables 3.1 to 3.3, 4.1 to 4.4 and 5.2.
#include "output/text_routines.h"
#include "sheet/cell_numbers.h"
#include "sheet/table_sums.h"

#include <initializer_list>

namespace tev::sums {
namespace {

// A leaver column headed " dar. ..." counts pupils already counted in the column before it
// (from 2013/14 the FH-Reife of J1 and J2, from 2016/17 also the two FSP degrees of class 9);
// every other column, "VKL" from 2017/18 included, counts leavers of its own.
bool IsSubCountColumn(const StringGrid& grid, int col) {
    return Trim(grid.Cells(col, 0)).starts_with("dar.");
}

int64_t SumOfListedRows(const StringGrid& grid, int col, std::initializer_list<int> rows) {
    int64_t sum = 0;
    for (int row : rows)
        sum += CellNumber(grid, col, row);
    return sum;
}

// Table 4.3: the class columns 5 to J2 add up to "zusammen".
constexpr int kFirstInclusionCol = 5;
constexpr int kLastInclusionCol = 13;
constexpr int kInclusionTotalCol = 14;

// From 2022/23 the categories have a "darunter zieldifferent" row; Lernen and Geistige
// Entwicklung are taught with different targets as a whole.
void InclusionTotalsWithTargetDifferent(StringGrid& grid) {
    for (int col = kFirstInclusionCol; col < grid.ColCount(); ++col) {
        if (col == kInclusionTotalCol) continue;
        SetSum(grid, col, 20, SumOfListedRows(grid, col, {1, 3, 6, 9, 12, 15, 17}));
        SetSum(grid, col, 21, SumOfListedRows(grid, col, {2, 4, 7, 10, 13, 16, 18}));
        SetSum(grid, col, 22, SumOfListedRows(grid, col, {1, 5, 8, 11, 14, 15, 19}));
    }
}

// Before 2022/23 each category has one "darunter weiblich" row; the last two rows total them.
void InclusionTotals(StringGrid& grid) {
    for (int col = kFirstInclusionCol; col < grid.ColCount(); ++col) {
        if (col == kInclusionTotalCol) continue;
        SetSum(grid, col, 15, SumOfListedRows(grid, col, {1, 3, 5, 7, 9, 11, 13}));
        SetSum(grid, col, 16, SumOfListedRows(grid, col, {2, 4, 6, 8, 10, 12, 14}));
    }
}

} // namespace

void WorkingGroupTable(StringGrid& grid) {
    const int last = grid.RowCount() - 1;
    if (last < 1) return;
    SetColumnSums(grid, last, 1, last - 1, 2, grid.ColCount() - 1);
    grid.SetCells(1, last, "Insgesamt");
}

void LeaverTable(StringGrid& grid) {
    const int together = grid.ColCount() - 1;
    for (int col = 1; col < together; ++col)
        SetSum(grid, col, 3, CellNumber(grid, col, 1) + CellNumber(grid, col, 2));
    for (int row = 1; row < grid.RowCount(); ++row) {
        int64_t leavers = 0;
        for (int col = 1; col < together; ++col)
            if (!IsSubCountColumn(grid, col)) leavers += CellNumber(grid, col, row);
        SetSum(grid, together, row, leavers);
    }
}

void SportsTable(StringGrid& grid) {
    bool anyone = false;
    for (int row = 2; row < grid.RowCount() && !anyone; ++row)
        for (int col = 1; col < grid.ColCount() && !anyone; ++col)
            anyone = CellNumber(grid, col, row) > 0;
    grid.SetCells(1, 0, anyone ? "ja" : "nein");
}

void ResidenceTable(Sheet& sheet, StringGrid& grid41) {
    constexpr int kFirstLevelCol = 2;
    constexpr int kLastLevelCol = 10;
    constexpr int kTogetherCol = 11;
    const int rows = grid41.RowCount();
    if (rows < 3) return;
    SetColumnSums(grid41, rows - 2, 1, rows - 3, kFirstLevelCol, kLastLevelCol);
    SetRowSums(grid41, kTogetherCol, kFirstLevelCol, kLastLevelCol, 1, rows - 1);
    ClassTotals41(sheet, grid41);
}

void HomeTownTable(const Sheet& sheet, StringGrid& grid) {
    constexpr int kNumberRow = 2;
    constexpr int kDistrictCol = 1; // other places of the district
    constexpr int kOtherDistrictsCol = 2;
    // Texts ("A" and after) are no numbers; digits, blanks and signs sort before "A".
    for (int col = 0; col <= kOtherDistrictsCol; ++col)
        if (Trim(grid.Cells(col, kNumberRow)) >= "A") grid.SetCells(col, kNumberRow, "");
    // A city that is its own district has no other places in its district.
    const std::string region = TrimRight(sheet.regionalNumber);
    const int64_t inDistrict = CellNumber(grid, kDistrictCol, kNumberRow);
    if (region.ends_with("000") && inDistrict != 0) {
        SetSum(grid, kOtherDistrictsCol, kNumberRow,
               CellNumber(grid, kOtherDistrictsCol, kNumberRow) + inDistrict);
        grid.SetCells(kDistrictCol, kNumberRow, "0");
    }
    const int together = grid.ColCount() - 1;
    SetSum(grid, together, kNumberRow, SumOfCols(grid, kNumberRow, 0, together - 1));
}

void InclusionTable(const Sheet& sheet, StringGrid& grid) {
    if (sheet.schoolYearCode >= 122)
        InclusionTotalsWithTargetDifferent(grid);
    else
        InclusionTotals(grid);
    SetRowSums(grid, kInclusionTotalCol, kFirstInclusionCol, kLastInclusionCol, 1,
               grid.RowCount() - 1);
}

void IslamicEducationTable(StringGrid& grid) {
    SetSum(grid, 0, 2, SumOfCols(grid, 2, 1, 9));
}

void ClassTotals41(const Sheet& sheet, StringGrid& grid41) {
    constexpr int kClassCountCol = 2;  // "#Kl." of table 9.1
    constexpr int kLevels = 9;         // 5..11, J1, J2; the tenth is their sum
    constexpr int kClassLevelCols = 7; // table 1.2 has columns for the classes 5..11 only
    const int last = grid41.RowCount() - 1;
    if (last < 1) return;
    const StringGrid* grid91 = sheet.grids.FindTable(91);
    const StringGrid* grid12 = sheet.grids.FindTable(12);
    const bool withPreparatory = sheet.schoolYearCode >= 116 && grid12 != nullptr;
    int64_t preparatorySoFar = 0;
    for (int k = 1; k <= kLevels + 1; ++k) {
        int64_t classes = grid91 != nullptr ? CellNumber(*grid91, kClassCountCol, k + 2) : 0;
        if (withPreparatory) {
            // A preparatory class of a level is a row 16..18 of 1.2 with pupils in its column.
            int64_t preparatory = 0;
            if (k <= kClassLevelCols) {
                for (int row = 16; row <= 18; ++row)
                    if (CellNumber(*grid12, k, row) > 0) ++preparatory;
                preparatorySoFar += preparatory;
            } else if (k == kLevels + 1) {
                preparatory = preparatorySoFar;
            }
            classes += preparatory;
        }
        SetSum(grid41, k + 1, last, classes);
    }
}

} // namespace tev::sums
