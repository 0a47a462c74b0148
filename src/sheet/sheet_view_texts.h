#pragma once
// The texts the sheet window shows around its grids: the cell hint, the position panel, the
// window caption and the note panel.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// "[" row label " | " column heading "] = " cell text; subject codes in the labels are
// written out ("S" as "Sport"). The row label is column 0 and the further fixed columns, the
// heading the fixed rows of the column.
std::string CellHint(const StringGrid& grid, int col, int row);
// The hint of the hours tables (9.1, 9.2 and a comparison of 26 columns or more):
// "[" row label " / " column heading "] = " value.
std::string HoursCellHint(const StringGrid& grid, int col, int row);
// 9.1, 9.2 and a comparison of 26 columns or more show the hours hint.
bool HasHoursHint(const StringGrid& grid);
// The subject cells of 9.1 that the school fills itself (target hours in row 1, teachers and
// special hours in rows 15 to 20): drawn in the colour of editable cells with an inner frame.
bool IsHoursEntryCell(const StringGrid& grid, int col, int row);
// "Z" row "  S" column, two places each.
std::string PositionText(int col, int row);

// The title, six blanks, the school's name from its list line (characters 3 to 24), two
// blanks and its regional number (characters 78 to 83).
std::string SheetCaption(const Engine& engine, const std::string& title);

// The lines of the note panel for a table: the notes and live checks of 3.2, the note of
// 4.3, and for a city that is its own district the note of 4.2; empty for other tables.
std::vector<std::string> NotePanelLines(const Sheet& sheet, int tableNumber);

} // namespace tev
