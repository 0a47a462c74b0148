#include "data/demo/demo_tables.h"

#include "data/demo/demo_lists.h"
#include "output/text_routines.h"
#include "sheet/table_headings.h"

namespace tev::demo {

StringGrid& PupilGrid(SheetGrids& grids, int track) {
    return *grids.Find(track == kNineYear ? "SG11" : "SG18");
}

std::string Num(int value) {
    return value == 0 ? std::string() : std::to_string(value);
}

int CellValue(const StringGrid& grid, int col, int row) {
    return ParseInt(grid.Cells(col, row));
}

void AddToCell(StringGrid& grid, int col, int row, int delta) {
    grid.SetCells(col, row, Num(CellValue(grid, col, row) + delta));
}

void BuildDemoTables(SheetGrids& grids, const DemoYearInput& input) {
    const int year = input.figures.year;
    TableRowLists lists;
    lists.workingGroups = WorkingGroupsOfYear(year);
    SetAllTableHeadings(grids, year, kDefaultScreenWidth, lists);
    FillPupilTables(grids, input);
    FillSchoolTables(grids, input);
    FillCourseTables(grids, input);
    SumDemoTables(grids, year, input.school.regional);
}

} // namespace tev::demo
