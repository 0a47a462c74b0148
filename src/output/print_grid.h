#pragma once
// Printing a string grid in one or more column strips ("Bahnen").
#include "sheet/string_grid.h"
#include "shell/engine.h"

#include <string>

namespace tev {

// What the grid's view knows beyond the grid: the current row and the selected rows.
struct GridPrintContext {
    int currentRow = -1;
    int selectionTop = -1;
    int selectionBottom = -1;
};

// Prints the grid under the title (codes: see ParseGridPrintTitle); true when printed. With
// the print redirection switch on, the grid is saved with SaveGridCsv under an asked name
// instead. gap >= 0 keeps the document open and advances the cursor; gap -1 ends it, except
// that a print of fewer than 24 rows keeps it open for a following grid (gap -2).
bool PrintGrid(Engine& engine, const std::string& title, const StringGrid& grid, int gap,
               const GridPrintContext& context = {});

} // namespace tev
