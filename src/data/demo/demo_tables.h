#pragma once
// The tables of one demo school year, filled into the sheet's grids (shaped and headed for
// the year beforehand), and their sums.
#include "data/demo/demo_cohorts.h"
#include "sheet/sheet_grids.h"

#include <string>

namespace tev::demo {

struct DemoYearInput {
    const DemoSchool& school;
    const SchoolProfile& profile;
    const SchoolYearFigures& figures;
};

// Every table of the school year, shaped and headed for the year, filled and summed.
void BuildDemoTables(SheetGrids& grids, const DemoYearInput& input);

// Tables 1.1, 1.8, 1.2 and 2.1 to 2.4.
void FillPupilTables(SheetGrids& grids, const DemoYearInput& input);
// Tables 3.1 to 3.4, 4.1 to 4.4 and 5.2.
void FillSchoolTables(SheetGrids& grids, const DemoYearInput& input);
// Tables 5.1, 6.1, 7.1, 8.3 and 9.1.
void FillCourseTables(SheetGrids& grids, const DemoYearInput& input);

// The sums and derived cells of one table (number as two digits) or of all, as the sheet
// computes them on every edit.
void SumDemoTable(SheetGrids& grids, int table, int year, const std::string& regional);
void SumDemoTables(SheetGrids& grids, int year, const std::string& regional);

// Cell texts of numbers: empty for 0, as the sheet writes them.
std::string Num(int value);
int CellValue(const StringGrid& grid, int col, int row);
void AddToCell(StringGrid& grid, int col, int row, int delta);

// The grid of a track's pupil table: SG11 for the 9-year, SG18 for the 8-year track.
StringGrid& PupilGrid(SheetGrids& grids, int track);

} // namespace tev::demo
