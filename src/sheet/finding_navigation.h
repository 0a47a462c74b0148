#pragma once
// From a finding of the plausibility test to the cells it speaks of.
#include "shell/engine.h"

namespace tev {

// Opens the sheet at the table of the finding on line `line` of the sheet's findings, selects
// its cell (the first cell of its row, column or table) and marks its cells. False when the
// line is no finding with a table, or the sheet has no tab for the table.
bool OpenFindingCell(Engine& engine, int line);

// A double click on line `line` of the sheet's text page: on the "Test" page a finding opens
// its cell, any other line prints the page's lines as before.
void SheetListLineDoubleClicked(Engine& engine, int line);

} // namespace tev
