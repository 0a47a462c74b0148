#pragma once
// The sums and derived cells of the sheet's tables, and the transfer of the grids into the
// numeric school record. The grids are the authoritative copy; the record follows them.
#include "sheet/sheet.h"

#include <string_view>

namespace tev {

// Every grid emptied and shaped for the school year (also sets the sheet's year and regime).
void ShapeSheetForYear(Sheet& sheet, int schoolYearCode);

// Tables 1.1, 1.8 and rows 1 to 8 of table 1.2 into the record.
void WriteBack11(Sheet& sheet);
// WriteBack11, tables 5.1 and 6.1, then the hours of 9.1 and 9.2.
void WriteBackCourses(Sheet& sheet);
// Tables 5.1 and 6.1 alone.
void WriteBackCourseTables(Sheet& sheet);
void WriteBackHours(Sheet& sheet);

// The sheet's one edit handler: stores the text and recomputes the table's sums.
void OnCellEdited(Sheet& sheet, StringGrid& grid, int col, int row, std::string_view text);
// The sums of one table, as after an edit of any of its cells.
void RecomputeTable(Sheet& sheet, StringGrid& grid);
// Every table's sums recomputed; the course headings rewritten for the regime.
void UpdAll(Sheet& sheet);
// The heading rows of 5.1 and 6.1 for the sheet's course regime.
void SetCourseHeadings(Sheet& sheet);
// "Klassen insgesamt" of table 4.1 from the class counts of 9.1 (and 1.2).
void FillClassTotals41(Sheet& sheet);
// Table 9.2 from the hidden SG92shadow, or the note that WnnZEP supports it now; writes the
// record-backed tables into the record first.
void DeriveTargetHours(Sheet& sheet);
// What the sheet does after a data set file was read (mode 0 load, 1 import).
void AfterLoad(Sheet& sheet, int mode);

} // namespace tev
