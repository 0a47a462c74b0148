// The sheet shaped for a school year, and what it does after a data set file was read.
#include "sheet/record_mapping.h"
#include "sheet/table_titles.h"

namespace tev {
namespace {

constexpr int kPupilRowHeight = 22;
constexpr int kLastSequenceRow = 34;
constexpr int kLanguageColWidth = 120;

void RewriteHeadings(Sheet& sheet, int table) {
    SetTableHeadings(sheet.grids, table, sheet.schoolYearCode, sheet.screenWidth, sheet.rowLists);
}

bool CellContains(const Sheet& sheet, int table, int col, int row, std::string_view text) {
    const StringGrid* grid = sheet.grids.FindTable(table);
    return grid != nullptr && grid->Cells(col, row).find(text) != std::string::npos;
}

// Headings that changed between form years; files of older forms keep theirs where the
// older layout shows.
void RewriteChangedHeadings(Sheet& sheet) {
    SetCourseHeadings(sheet);
    RewriteHeadings(sheet, 71);
    RewriteHeadings(sheet, 21);
    if (StringGrid* grid41 = sheet.grids.FindTable(41); grid41 && grid41->Cells(6, 0).empty())
        SetResidenceTableLabels(*grid41);
    const int year = sheet.schoolYearCode;
    if (year >= 113) {
        for (int table : {22, 32, 83})
            RewriteHeadings(sheet, table);
    } else if (year == 112) {
        if (!CellContains(sheet, 32, 9, 0, "ohne")) RewriteHeadings(sheet, 32);
        if (!CellContains(sheet, 83, 1, 0, "G8")) RewriteHeadings(sheet, 83);
    }
}

void RestorePupilTableSizes(Sheet& sheet) {
    for (int table : {11, 18}) {
        StringGrid* grid = sheet.grids.FindTable(table);
        if (grid == nullptr) continue;
        for (int row = 1; row <= kLastSequenceRow; ++row)
            grid->SetRowHeight(row, kPupilRowHeight);
        if (table == 11) grid->SetColWidth(0, kLanguageColWidth);
    }
}

} // namespace

void ShapeSheetForYear(Sheet& sheet, int schoolYearCode) {
    sheet.schoolYearCode = schoolYearCode;
    sheet.courseRegime = CourseRegimeFor(schoolYearCode);
    sheet.headedGrids.Shape(sheet.grids, schoolYearCode, sheet.screenWidth, sheet.rowLists);
}

void DeriveTargetHours(Sheet& sheet) {
    WriteBack11(sheet);
    WriteBackCourseTables(sheet);
    RewriteHeadings(sheet, 92);
    // The record's target hours follow the table as it is now shown.
    WriteBackHours(sheet);
}

void AfterLoad(Sheet& sheet, int mode) {
    RewriteChangedHeadings(sheet);
    if (mode != 0) return;
    RestorePupilTableSizes(sheet);
    DeriveTargetHours(sheet);
    RewriteHeadings(sheet, 34);
}

} // namespace tev
