#pragma once
// What the buttons, the spin field, the search panel and the double clicks of the school
// sheet window do, and the main window's "Bearbeiten" that opens it.
#include "shell/engine.h"

#include <string>

namespace tev {

// Opens the sheet of the selected school (the first one, loaded, when none is selected).
void Bearbeiten1Click(Engine& engine);
// The window was closed.
void CloseSheetWindow(Engine& engine);

// "Quit": asks whether to save; true when the window is to close (not on cancel).
bool BtQuitClick(Engine& engine);
// "Save": the data set file after the plausibility test and a question.
bool SBSaveClick(Engine& engine);
// "L": the loaded school read again from its file, after a question.
bool SBLoadClick(Engine& engine);
// SE1: selects and loads the school at this 1-based position of the list (0 or less: the
// first).
void SE1Change(Engine& engine, int position);

// A double click on a cell: SG00 and SG01 print themselves, the free label rows of 5.1, 5.2,
// 6.1 and 7.2 ask for a label, column 1 of 8.1 and 8.2 offers the subjects. False when the
// cell has no double-click action (the window then edits it).
bool HasCellDoubleClickAction(const StringGrid& grid, int col, int row);
bool SheetCellDoubleClicked(Engine& engine, int col, int row);
// A double click on the text page prints its lines under the window caption.
void SheetListDoubleClicked(Engine& engine);
// In 8.1 and 8.2 the subject columns are chosen by double click only.
bool IsTypedEntryAllowed(const StringGrid& grid, int col);

// "von" and "bis" of the search: the current cell of the shown grid.
void SetSearchFrom(Engine& engine);
void SetSearchTo(Engine& engine);
// "eine zweite Tabelle teilweise anzeigen": the shown table becomes the second grid of the
// search (or none).
void SetSecondGrid(Engine& engine, bool on);
// "Start": from the school after the loaded one, the next school whose search area meets the
// criterion is loaded and shown; a message when there is none. False when the criterion or
// the area is missing.
bool SBsearchnextClick(Engine& engine, const std::string& criterion);
// The "Z   S" panel: the extract of the selected cell's row or column over the schools that
// meet the search condition, with the extra row or column of `extraText` when it holds a
// number; the sheet then shows the tab "Auszug". False when nothing was made.
bool PanelZSClick(Engine& engine, bool column, const std::string& extraText,
                  const std::string& criterion);

} // namespace tev
