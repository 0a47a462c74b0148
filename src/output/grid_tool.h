#pragma once
// The grid tool (TInputDlg): a report's table that the user reworks before printing or saving.
// The tool holds the table with the cells the user pointed at; its popup entries are engine
// code, so the window and the tests run the same entries.
#include "output/grid_tool_ops.h"
#include "sheet/string_grid.h"

#include <string>
#include <string_view>
#include <vector>

namespace tev {

struct Engine;

// Bits of GridTool::modified.
inline constexpr int kGridChanged = 0x01;
inline constexpr int kGridSumRowsAdded = 0x10;

struct GridTool {
    GridTool() = default;
    // The current cell starts on the first cell below and right of the fixed ones.
    GridTool(StringGrid table, std::string caption, std::string file = {});

    StringGrid grid;
    std::string title;    // the caption; also the first line of a saved file
    std::string fileName; // where "direkt zurückspeichern" writes; empty: nowhere
    GridCell current{0, 0};
    GridCell remembered;  // "gemerkt" S1
    GridCell remembered2; // S2, the cell remembered before S1
    int modified = 0;
    bool editing = false; // cells may be typed into
    std::string input;    // the small field at the bottom left (Editn): constant, count, name

    // The cell remembered so far becomes the second, the current cell the first.
    void Remember();
    // After rows or columns went: the current cell back into the grid, remembered cells that
    // are gone forgotten.
    void KeepCellsInside();
};

struct GridToolEntry {
    std::string key;     // stable name of the entry ("sum-rows"), for the window and tests
    std::string submenu; // empty: in the popup itself
    std::string caption; // empty: a separator
};

// The popup menu in its order, the captions of "merken" and of the column arithmetic filled
// from the tool's cells.
std::vector<GridToolEntry> GridToolMenu(const GridTool& tool);
// "[c|r]  (gemerkt:c|r  c|r   count:C|R)": the current cell, the two remembered cells and the
// counts of columns and rows, as the "merken" entry shows them.
std::string GridToolCellsText(const GridTool& tool);
// Runs the entry; its questions go through engine.ui(). Returns the note the window shows
// afterwards ("saved:  x.csv", "zuerst Spalte, Zeile merken"); empty when there is none.
std::string RunGridToolEntry(Engine& engine, GridTool& tool, std::string_view key);

// Opens the table in the grid tool. True when the user closed it with OK: the grid then holds
// the reworked table; when cancelled it stays as it was.
bool ReworkInGridTool(Engine& engine, StringGrid& grid, const std::string& title,
                      const std::string& fileName = {});

} // namespace tev
