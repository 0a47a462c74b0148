#pragma once
// What a grid print title asks for, the strip ("Bahnen") question and the division of the
// columns into strips.
#include "sheet/string_grid.h"

#include <string>
#include <string_view>
#include <vector>

namespace tev {

struct GridPrintTitle {
    int firstRow = 0;                   // code 0, 0xFE, 0, n
    int rowHeight = 29;                 // code 0, 0xFE, 1, n (0.1 mm)
    std::vector<std::string> saveNames; // code 0, 0xFE, name, 0
    bool dropEmptyTail = false;         // code 0, 0xFE, 0xFF
    int factor = 6;                     // 0xFD: 8; 0xFC, n: n
    int layoutPreset = 0;               // code 0, 0xFF, n: the strip question with answer n
    int stripPreset = 0;                // code 0, n: n strips without asking
    bool continueDocument = false;      // "\"
    bool withSelectionChoice = false;   // "_"
    bool noDialog = false;              // "-"
    // Layout codes 1..9, 10..20, 21 n, 22 n:
    int headingRows = 0;      // heading rows repeated on every page (0: the fixed rows)
    int leftMarginMm = 10;    // left margin in mm
    int cellInset = 10;       // text distance from the cell's left line (0.1 mm)
    int extraColumnWidth = 0; // added to every printed column (0.1 mm)
    std::string text;         // the rest: caption (first ";" field) and note
};

GridPrintTitle ParseGridPrintTitle(std::string_view title);

// The table width W: the column widths (pixels) times factor / 5.
int GridPrintWidth(const StringGrid& grid, int factor);

struct StripAnswer {
    bool saveAsText = false; // "99"
    int strips = 1;
    bool landscape = false;
    bool orientationGiven = false;
    int rowHeightPercent = 0; // change of the row height
};

// "2q 30", "1h", "3", "99"; unreadable parts count as their defaults.
StripAnswer ParseStripAnswer(std::string_view answer);

// The prompt of the strip question.
std::string StripQuestion(const std::string& caption, int columnCount);

// Columns 1..count-1 divided in column order into at most `strips` groups of about equal
// printed width; column 0 is printed in every strip. Each entry is [first, last].
std::vector<std::pair<int, int>> DivideIntoStrips(const std::vector<int>& widths, int strips);

// Strips whose columns (column 0 included) need more than `usable` split further in column
// order; `widths` are the narrowest widths that still hold each column's texts.
std::vector<std::pair<int, int>> FitStripsToWidth(const std::vector<std::pair<int, int>>& strips,
                                                  const std::vector<int>& widths, int usable);

// A cell printed right-aligned: a number as typed or computed ("12", "-3", "12,50", "1½",
// "45 %"), not a text or a class name ("5a", "1.1").
bool IsNumberCell(std::string_view text);

} // namespace tev
