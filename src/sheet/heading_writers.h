#pragma once
// Internal to the table headings: one writer per group of tables.
#include "sheet/sheet_grids.h"
#include "sheet/table_headings.h"

namespace tev::headings {

struct Input {
    int year;
    int regime;
    int screenWidth;
    const TableRowLists& lists;
};

// Sets counts and fixed rows/columns and puts every width and height back to the default.
void Reshape(StringGrid& grid, int cols, int rows, int fixedCols, int fixedRows);
// Writes UTF-8 texts (converted to CP1252) down a column from a row on.
void SetColumnTexts(StringGrid& grid, int col, int firstRow,
                    std::initializer_list<const char*> utf8Texts);

void PupilTable(StringGrid& grid, const Input& in, bool eightYearTrack); // 1.1, 1.8
void ClassTable(StringGrid& grid, const Input& in);                      // 1.2
void PromotionTable(StringGrid& grid, const Input& in);                  // 2.1
void OriginTable(StringGrid& grid, const Input& in);                     // 2.2
void NationalityTable(StringGrid& grid, const Input& in);                // 2.3
void BirthYearTable(StringGrid& grid, const Input& in);                  // 2.4

void WorkingGroupTable(StringGrid& grid, const Input& in, bool finalYears); // 3.1, 5.2
void LeaverTable(StringGrid& grid, const Input& in);                        // 3.2
void SportsTable(StringGrid& grid, const Input& in);                        // 3.3
void BoarderTable(StringGrid& grid, const Input& in);                       // 3.4
void ResidenceTable(StringGrid& grid, const Input& in);                     // 4.1
void HomeTownTable(StringGrid& grid, const Input& in);                      // 4.2
void InclusionTable(StringGrid& grid, const Input& in);                     // 4.3
void IslamicEducationTable(StringGrid& grid, const Input& in);              // 4.4

void CourseTable(StringGrid& grid, const Input& in, int tableNumber);       // 5.1, 6.1
void CourseSizeTable(StringGrid& grid, const Input& in);                    // 7.1
void CourseCombinationTable(StringGrid& grid, const Input& in);             // 7.2
void CourseExchangeTable(StringGrid& grid, const Input& in, bool incoming); // 8.1, 8.2
void GradeTable(StringGrid& grid, const Input& in);                         // 8.3

void HoursTable(StringGrid& grid, const Input& in); // 9.1
// 9.2 follows 9.1's shape and takes the imported target hours when there are any.
void TargetHoursTable(StringGrid& grid, const StringGrid* hours91, const StringGrid* shadow);

} // namespace tev::headings
