#pragma once
// Shapes and headings of the sheet's tables: column and row counts, fixed rows and columns,
// heading row, label columns, column widths and row heights, per school year.
#include "sheet/sheet_grids.h"

#include <string>
#include <vector>

namespace tev {

// Widths that follow the screen are computed for this width unless the caller knows better.
inline constexpr int kDefaultScreenWidth = 1024;

// Rows that come from lists kept outside the school's data.
struct TableRowLists {
    // Working groups of table 3.1, from the configured first entry on: characters 1-4 the
    // number, characters 6-29 the subject.
    std::vector<std::string> workingGroups;
    // Lines of the nationality list ("nnn Name"); they label the rows of table 2.3 only when
    // there are exactly as many as the table has nationality rows.
    std::vector<std::string> nationalities;
};

// Writes the shape and headings of one table (number as two digits, 11 for 1.1) into its
// grid. Tables whose rows are data (2.3) keep their rows; all others get the shape of an
// empty table, data cells outside the headings keep their texts. False for a number that is
// no table of the sheet.
bool SetTableHeadings(SheetGrids& grids, int tableNumber, int schoolYearCode,
                      int screenWidth = kDefaultScreenWidth, const TableRowLists& lists = {});

// The tables of a year's tabs and 5.1, 6.1 and 9.1, each once, in tab order.
const std::vector<int>& HeadedTables(int schoolYearCode);
// SetTableHeadings for each of the HeadedTables of the school year.
void SetAllTableHeadings(SheetGrids& grids, int schoolYearCode,
                         int screenWidth = kDefaultScreenWidth, const TableRowLists& lists = {});

// Pieces the sheet writes again after a load, without changing a table's shape:
// the heading row of 5.1 or 6.1 for a course regime 1..5,
std::string CourseHeadingRow(int tableNumber, int courseRegime);
// the fixed subject list of 5.1 or 6.1 under course regime 1 (SubjectIndexTable indices,
// in row order from row 1; empty for other tables),
const std::vector<int>& RegimeOneCourseSubjects(int tableNumber);
// the heading row and the two total row labels of table 4.1 at its current row count.
void SetResidenceTableLabels(StringGrid& grid41);

} // namespace tev
