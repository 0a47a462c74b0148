// The sheet's edit handler and the recomputation of every table's sums.
#include "sheet/record_mapping.h"

#include "output/text_routines.h"
#include "sheet/hours_columns.h"
#include "sheet/sheet_tabs.h"
#include "sheet/table_sums.h"

namespace tev {
namespace {

// Tables 8.1 and 8.2 name their subjects as the schools write them; rows 1..RowCount - 2
// (the "Insgesamt" rows keep their text through the normalisation).
void NormaliseExchangeSubjects(StringGrid& grid) {
    constexpr int kSubjectCol = 1;
    for (int row = 1; row <= grid.RowCount() - 2; ++row) {
        const std::string& subject = grid.Cells(kSubjectCol, row);
        if (!Trim(subject).empty()) grid.SetCells(kSubjectCol, row, CanonicalSubject(subject));
    }
}

} // namespace

void OnCellEdited(Sheet& sheet, StringGrid& grid, int col, int row, std::string_view text) {
    grid.SetCells(col, row, text);
    RecomputeTable(sheet, grid);
}

void RecomputeTable(Sheet& sheet, StringGrid& grid) {
    switch (GridTableNumber(grid.Name())) {
    case 11:
    case 18:
        sums::PupilTable(sheet, grid);
        break;
    case 12:
        sums::ClassTable(grid);
        break;
    case 21:
        sums::PromotionTable(grid);
        break;
    case 22:
        sums::OriginTable(grid);
        break;
    case 23:
        sums::NationalityTable(grid);
        break;
    case 24:
        sums::BirthYearTable(grid);
        break;
    case 31:
    case 52:
        sums::WorkingGroupTable(grid);
        break;
    case 32:
        sums::LeaverTable(grid);
        break;
    case 33:
        sums::SportsTable(grid);
        break;
    case 41:
        sums::ResidenceTable(sheet, grid);
        break;
    case 42:
        sums::HomeTownTable(sheet, grid);
        break;
    case 43:
        sums::InclusionTable(sheet, grid);
        break;
    case 44:
        sums::IslamicEducationTable(grid);
        break;
    case 51:
    case 61:
        sums::CourseTable(grid);
        break;
    case 71:
        sums::CourseSizeTable(sheet, grid);
        break;
    case 72:
        sums::CourseCombinationTable(grid);
        break;
    case 81:
    case 82:
        sums::CourseExchangeTable(grid);
        break;
    case 83:
        sums::GradeTable(grid);
        break;
    case 91:
        sums::HoursTable(sheet, grid);
        break;
    default:
        break; // 3.4 and 9.2 have no sums
    }
}

void UpdAll(Sheet& sheet) {
    for (const int table : TabTables(sheet.schoolYearCode)) {
        StringGrid* grid = sheet.grids.FindTable(table);
        if (grid == nullptr) continue;
        if (table == 81 || table == 82) NormaliseExchangeSubjects(*grid);
        if (table == 91) CheckHoursColumns(sheet);
        RecomputeTable(sheet, *grid);
    }
    SetCourseHeadings(sheet);
}

void SetCourseHeadings(Sheet& sheet) {
    for (int table : {51, 61})
        if (StringGrid* grid = sheet.grids.FindTable(table))
            grid->FillRow(0, CourseHeadingRow(table, sheet.courseRegime));
}

void FillClassTotals41(Sheet& sheet) {
    if (StringGrid* grid41 = sheet.grids.FindTable(41)) sums::ClassTotals41(sheet, *grid41);
}

} // namespace tev
