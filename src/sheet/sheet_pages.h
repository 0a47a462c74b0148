#pragma once
// The pages of the school sheet window as engine state: which grid or text list a tab shows,
// with its caption, sub-heading and notes, and what selecting and editing a cell does.
#include "sheet/sheet_tabs.h"
#include "shell/engine.h"

#include <string>

namespace tev {

// A click on a tab: shows its page (ShowTable); the "Test" tabs run the plausibility test. A
// page that is not available leaves the shown one.
void ShowSheetTab(Engine& engine, int tabIndex);
// The current tab again after another school was loaded; the "Test" tabs show the findings
// of the load.
void RefreshSheetPage(Engine& engine);

// The grid the shown page edits, nullptr for a text page.
StringGrid* ShownSheetGrid(Engine& engine);

// The user selects a cell of the shown grid (SG21SelectCell): position panel, hint, the
// language letters of the cell left behind shared between 1.1 and 1.8, the notes of 4.1 and
// the live check of 3.2. False when the cell may not be edited.
bool SelectSheetCell(Engine& engine, int col, int row);
// The user typed into a cell of a grid: the table's sums follow at once (OnCellEdited), a
// language letter of 1.1 or 1.8 goes into both tables, the hint and notes follow.
void EditSheetCell(Engine& engine, const std::string& gridName, int col, int row,
                   const std::string& text);

// A cell changed as by typing (the sums follow, the sheet counts as edited), not recorded for
// undo.
void SetSheetCell(Sheet& sheet, StringGrid& grid, int col, int row, const std::string& text);

// The hint, position panel and notes of the shown grid's current cell, as they are now.
void RefreshSheetCellTexts(Engine& engine);

} // namespace tev
