#include "sheet/table_headings.h"

#include "output/codepage.h"
#include "sheet/heading_writers.h"
#include "sheet/sheet_tabs.h"
#include "sheet/table_titles.h"

#include <algorithm>
#include <map>

namespace tev {

namespace headings {

void Reshape(StringGrid& grid, int cols, int rows, int fixedCols, int fixedRows) {
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    grid.SetFixedCols(fixedCols);
    grid.SetFixedRows(fixedRows);
    grid.ResetSizes();
}

void SetColumnTexts(StringGrid& grid, int col, int firstRow,
                    std::initializer_list<const char*> utf8Texts) {
    int row = firstRow;
    for (const char* text : utf8Texts)
        grid.SetCells(col, row++, Win(text));
}

} // namespace headings

bool SetTableHeadings(SheetGrids& grids, int tableNumber, int schoolYearCode, int screenWidth,
                      const TableRowLists& lists) {
    StringGrid* grid = grids.FindTable(tableNumber);
    if (grid == nullptr) return false;
    const headings::Input in{schoolYearCode, CourseRegimeFor(schoolYearCode), screenWidth, lists};
    using namespace headings;
    switch (tableNumber) {
    case 11:
        PupilTable(*grid, in, false);
        break;
    case 18:
        PupilTable(*grid, in, true);
        break;
    case 12:
        ClassTable(*grid, in);
        break;
    case 21:
        PromotionTable(*grid, in);
        break;
    case 22:
        OriginTable(*grid, in);
        break;
    case 23:
        NationalityTable(*grid, in);
        break;
    case 24:
        BirthYearTable(*grid, in);
        break;
    case 31:
        WorkingGroupTable(*grid, in, false);
        break;
    case 32:
        LeaverTable(*grid, in);
        break;
    case 33:
        SportsTable(*grid, in);
        break;
    case 34:
        BoarderTable(*grid, in);
        break;
    case 41:
        ResidenceTable(*grid, in);
        break;
    case 42:
        HomeTownTable(*grid, in);
        break;
    case 43:
        InclusionTable(*grid, in);
        break;
    case 44:
        IslamicEducationTable(*grid, in);
        break;
    case 51:
    case 61:
        CourseTable(*grid, in, tableNumber);
        break;
    case 52:
        WorkingGroupTable(*grid, in, true);
        break;
    case 71:
        CourseSizeTable(*grid, in);
        break;
    case 72:
        CourseCombinationTable(*grid, in);
        break;
    case 81:
        CourseExchangeTable(*grid, in, false);
        break;
    case 82:
        CourseExchangeTable(*grid, in, true);
        break;
    case 83:
        GradeTable(*grid, in);
        break;
    case 91:
        HoursTable(*grid, in);
        break;
    case 92:
        TargetHoursTable(*grid, grids.Find("SG91"), grids.Find("SG92shadow"));
        break;
    default:
        return false;
    }
    return true;
}

const std::vector<int>& HeadedTables(int schoolYearCode) {
    thread_local std::map<int, std::vector<int>> byYear;
    auto [it, added] = byYear.try_emplace(schoolYearCode);
    if (!added) return it->second;
    std::vector<int>& tables = it->second;
    std::vector<int> listed = TabTables(schoolYearCode);
    listed.insert(listed.end(), {51, 61, 91});
    for (int table : listed)
        if (std::find(tables.begin(), tables.end(), table) == tables.end()) tables.push_back(table);
    return tables;
}

void SetAllTableHeadings(SheetGrids& grids, int schoolYearCode, int screenWidth,
                         const TableRowLists& lists) {
    for (int table : HeadedTables(schoolYearCode))
        SetTableHeadings(grids, table, schoolYearCode, screenWidth, lists);
}

} // namespace tev
