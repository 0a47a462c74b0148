#pragma once
// Grids on stdout as the command line's contract has them: a line "# " + the grid's name,
// then one line per row from row 0, the cells from column 0 joined by ";", as UTF-8.
#include "sheet/string_grid.h"
#include "shell/engine.h"

#include <string>

namespace tev::cli {

void PrintGridBlock(const std::string& name, const StringGrid& grid);

// The grids a menu entry left for the user to see: the tables of the summary window when it
// is open.
void PrintShownGrids(const Engine& engine);

} // namespace tev::cli
