#pragma once
// The option list of the sheet window's "Drucken" button (SPDiverses): colours, column
// widths, deleting a table, taking over an exchange file, exporting and saving.
#include "shell/engine.h"

namespace tev {

void SPDiversesClick(Engine& engine);

// One of the six width choices ("... breiter" by 4/3, "... schmaler" by 0.8); false when
// cancelled.
bool ChooseColumnWidths(Engine& engine);
// The width the window gives a column: the catalogue's width times the chosen factor.
int ShownColumnWidth(const Sheet& sheet, const StringGrid& grid, int col);

// Empties a chosen table (after a question) and writes its headings again.
bool DeleteTable(Engine& engine);
// Reads an exchange file "STAL*.ASC" into the tables and reports whether data came over.
bool TakeOverExchangeFile(Engine& engine);

} // namespace tev
