#pragma once
// The repairs that bring data sets of earlier years into the current layout of the form:
// standard headings, the 9.1 subject columns of the older order, table 2.4 by one birth year.
#include "shell/engine.h"

namespace tev {

// Restores the standard headings of one table (2.1, 2.2, 2.3, 3.1, 3.2, 3.4, 4.1, 5.2, 7.1,
// 7.2, 8.1, 8.2, 8.3; others are left alone) through the work grid SGcmp: every standard
// heading that differs (trimmed) from the sheet's cell replaces it, and a line
// "\n   SGcmp: SGnn[cc,rr]=old ersetzt durch new" is added to the sheet's findings. Label
// columns are compared only while the table has its standard shape. Returns the number of
// replaced cells.
int RepairHeadings(Sheet& sheet, int tableNumber);
// RepairHeadings for every table tab of the school year.
int RepairAllHeadings(Sheet& sheet);

// "Repair SGs" (button "Rep"): for a range of schools, loads each, repairs its headings and
// shows the test lines of the last school in the output box.
void SBRepairSGsClick(Engine& engine);

// 9.1 in the older column order (heading "M" over column 14) gets the current order; false
// when the table is not in the older order.
bool MoveHoursColumnsToCurrentOrder(StringGrid& grid91);
// "Rep 9.1": for a range of schools, moves the 9.1 columns of the older order, tests, repairs
// the headings and saves (after the save question); one line per repaired school.
void SBrepair91Click(Engine& engine);

// Moves table 2.4 of the loaded school by one birth year when its headings belong to an
// earlier school year (after a question); the sheet option "!upd 2.4" and the main window's
// "Rep 2.4  akt DS".
void MoveTable24ByOneYear(Engine& engine);
void Rep24aktDS1Click(Engine& engine);
// Whether table 2.4 was moved since the school was loaded; a load forgets it.
bool Table24WasMoved(const Sheet& sheet);
void ForgetTable24Move(Sheet& sheet);

} // namespace tev
