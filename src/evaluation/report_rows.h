#pragma once
// Helpers the class reports share: rows of cells collected before they go into the upper
// table, the year digits of the suffix, and saving with a message when a file fails.
#include "sheet/string_grid.h"
#include "shell/engine.h"

#include <string>
#include <string_view>
#include <vector>

namespace tev {

using CellRow = std::vector<std::string>;

// The grid gets exactly these rows, as wide as the widest (at least `minCols` columns).
void FillGridRows(StringGrid& grid, const std::vector<CellRow>& rows, int minCols = 0);
// The two digits of the school-year suffix (".16K" gives "16").
std::string YearDigits(const Engine& engine);
// The row "Schüler insges:" of tables 1.1 and 1.8 for the loaded school year.
int AllPupilsRow(const Engine& engine);
// A cell of a sheet grid of the loaded school as a number (no grid: 0).
int SheetNumber(const Engine& engine, int table, int col, int row);
// SaveGridCsv; when the file could not be written the user is told which one.
bool SaveReportCsv(Engine& engine, const std::string& name, const StringGrid& grid,
                   std::string_view title);

} // namespace tev
