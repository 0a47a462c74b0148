#pragma once
// Internal to the record mapping: the rule of each table that recomputes its sums and derived
// cells after an edit. Columns and rows count from 0, headings included.
#include "sheet/sheet.h"

namespace tev::sums {

void PupilTable(const Sheet& sheet, StringGrid& grid); // 1.1, 1.8
void ClassTable(StringGrid& grid);                     // 1.2
void PromotionTable(StringGrid& grid);                 // 2.1
void OriginTable(StringGrid& grid);                    // 2.2
void NationalityTable(StringGrid& grid);               // 2.3
void BirthYearTable(StringGrid& grid);                 // 2.4

void WorkingGroupTable(StringGrid& grid);                  // 3.1, 5.2
void LeaverTable(StringGrid& grid);                        // 3.2
void SportsTable(StringGrid& grid);                        // 3.3
void ResidenceTable(Sheet& sheet, StringGrid& grid41);     // 4.1
void HomeTownTable(const Sheet& sheet, StringGrid& grid);  // 4.2
void InclusionTable(const Sheet& sheet, StringGrid& grid); // 4.3
void IslamicEducationTable(StringGrid& grid);              // 4.4

void CourseTable(StringGrid& grid);                         // 5.1, 6.1
void CourseSizeTable(const Sheet& sheet, StringGrid& grid); // 7.1
void CourseCombinationTable(StringGrid& grid);              // 7.2
void CourseExchangeTable(StringGrid& grid);                 // 8.1, 8.2
void GradeTable(StringGrid& grid);                          // 8.3
void HoursTable(Sheet& sheet, StringGrid& grid91);          // 9.1

// "Klassen insgesamt" of table 4.1 from the class counts of 9.1 and 1.2.
void ClassTotals41(const Sheet& sheet, StringGrid& grid41);

} // namespace tev::sums
