#pragma once
// The table of the pupil numbers report: one row per school with, for every class level,
// classes, pupils of the class table and pupils and girls of the two tracks; a sum row,
// subtotals of groups and the cuts for the second and the compact file.
#include "sheet/sheet_grids.h"
#include "sheet/string_grid.h"

#include <string>
#include <vector>

namespace tev {

inline constexpr int kPupilNumbersCols = 68;
// Levels 5 to 11, the two final years, the sum and the preparatory classes.
inline constexpr int kPupilNumbersGroups = 11;
inline constexpr int kPreparatoryGroup = 11;

// The six columns of group g (1-based): classes, total, 9-year total and girls, 8-year total
// and girls.
inline constexpr int GroupColumn(int group, int offset) {
    return 6 * group - 4 + offset;
}

// 5 rows, the heading row and the column widths; column 1 (the key) hidden.
void PreparePupilNumbersTable(StringGrid& table);

// Fills the cells of all groups in the row from the loaded school's grids and returns the
// school's discrepancy text (";   Klst 5:  58  +2?" per level), empty when its class table
// and its track tables agree.
std::string FillPupilNumbersRow(StringGrid& table, int row, const SheetGrids& grids,
                                int schoolYearCode);

// The last row becomes "Summe" with the sums of the rows above; columns summing to 0 are hidden.
void AddPupilNumbersSums(StringGrid& table);

// Every block of two or more school rows gets the sums of its rows in the empty row after it,
// with "zus." and the first keyLength characters of the block's last key in column 1.
void AddGroupSubtotals(StringGrid& table, int keyLength);

// The second file's cuts: a discrepancy cell keeps its first three characters, a sum cell
// loses what follows its number; the output box lines (beyond "Hinweis:") are appended as rows.
void CutForDiscrepancyList(StringGrid& table, int lastSchoolRow,
                           const std::vector<std::string>& outputLines);

// Two columns per group (classes and total), with their widths.
void CompactPupilNumbers(StringGrid& table);

} // namespace tev
