#pragma once
// What the school sheet window shows besides the grids: the current tab and its texts, the
// selected cell, the colours, the search area, the nationality list. The window is a view of
// this state; it survives school changes.
#include <map>
#include <string>
#include <vector>

namespace tev {

struct SheetColour {
    int red = 255;
    int green = 255;
    int blue = 255;
    friend bool operator==(const SheetColour&, const SheetColour&) = default;
};

// Factors on the catalogue's column widths of one table, chosen through "Drucken".
struct ColumnWidthFactors {
    double first = 1.0; // column 0
    double rest = 1.0;  // every other column
};

struct SheetCell {
    int col = -1;
    int row = -1;
    bool Valid() const { return col >= 0 && row >= 0; }
    friend bool operator==(const SheetCell&, const SheetCell&) = default;
};

// Cells a finding speaks of, marked in their grid: a cell, a row (col -1), a column (row -1)
// or the whole grid (both -1); no grid: nothing marked.
struct SheetHighlight {
    std::string grid;
    int col = -1;
    int row = -1;
    bool Covers(const std::string& name, int c, int r) const {
        return !grid.empty() && name == grid && (col < 0 || col == c) && (row < 0 || row == r);
    }
};

struct SheetWindowState {
    // Opened through "Bearbeiten", closed by the user.
    bool visible = false;
    int tabIndex = 0;
    // The grid of the shown page ("SG11"), empty when the page is a text list.
    std::string shownGrid = "SG11";
    // Title (window caption), sub-heading and the lines of a text page, engine texts.
    std::string caption;
    std::string subHeading;
    std::vector<std::string> listLines;
    bool listInArial = false;
    // The note panel Memo32; hidden when empty.
    std::vector<std::string> notes;
    bool nationalityPanel = false;
    // The current cell of each grid, and the hint of the shown grid's current cell.
    std::map<std::string, SheetCell> currentCells;
    std::string cellHint;
    // The tooltip of the hours tables' cells, empty for other grids.
    std::string gridHint;
    // "Z%2d  S%2d" of the last selected cell; "Z   S" before any.
    std::string positionText = "Z   S";
    // The cells of the finding last opened from the "Test" page; cleared by the next tab.
    SheetHighlight highlight;

    SheetColour editableColour{255, 255, 255};
    SheetColour lockedColour{224, 224, 224};
    std::map<int, ColumnWidthFactors> widthFactors;

    // The search area: the grid and its "von" and "bis" cells, the second grid.
    std::string searchGrid;
    SheetCell searchFrom;
    SheetCell searchTo;
    int searchTabIndex = -1;
    std::string secondGrid;
    std::string criterion = ">0";
    bool searchRunning = false;
    bool searchFound = false;

    // The nationality list "stal_Nat.def" (one "nnn Name" a line, DOS code page).
    std::vector<std::string> nationalities;
};

} // namespace tev
