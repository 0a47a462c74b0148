#pragma once
// Spreadsheet habits of the school sheet: a range of cells copied as tab-separated text,
// such text pasted into the sheet as if typed, and undo / redo of the cell edits.
#include "shell/engine.h"

#include <string>
#include <string_view>

namespace tev {

// Columns and rows of a selection, both ends included.
struct CellRange {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The cells of the range (clipped to the grid): cells joined by tabs, rows ended by "\n".
std::string CopySheetCells(const Engine& engine, const std::string& gridName, CellRange range);

// Tab-separated rows (ended by "\n" or "\r\n") pasted with their first cell at the top left of
// the selection; a single value fills the whole selection. Cells beyond the grid, headings and
// locked cells are skipped, a ";" becomes ",", the sums follow. One undo step; returns how
// many cells were written.
int PasteSheetCells(Engine& engine, const std::string& gridName, CellRange selection,
                    std::string_view text);

// Takes back / does again the last step of cell edits; false when there is none.
bool UndoSheetEdit(Engine& engine);
bool RedoSheetEdit(Engine& engine);

} // namespace tev
