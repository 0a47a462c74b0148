#pragma once
// Printing the lines of the text output window from its label "(..drucken..)": the quarter of
// the label that was clicked chooses the range.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

struct TextWindowPrint {
    int clickX = 0;     // where the label was pressed
    int labelWidth = 1; // the label's width
    std::string caption;
    std::string fontName = "MS LineDraw"; // the list's current font
    int currentLine = 0;                  // 0-based; -1 when none
    bool multi = false;                   // multi-selection with its marked range
    int first = 0;                        // 1-based marked range
    int last = 0;
    int printSize = 30; // SE1; 30 is its default
    int listColumns = 1;
};

struct TextWindowRange {
    std::string name; // "bis akt.Zeile", "ganze Box", "ab akt.Zeile", "markierten Text"
    int from = 0;     // 0-based, inclusive
    int to = -1;
};

// Left quarter: up to the current line; middle half: all lines; right quarter: from the
// current line; a marked range of several lines wins.
TextWindowRange TextWindowPrintRange(const TextWindowPrint& request, int lineCount);

// Asks "<range> wirklich drucken?" and prints; true when printed. A busy printer gets the
// message "Drucker ist beschäftigt" and nothing is printed.
bool PrintTextWindow(Engine& engine, const std::vector<std::string>& lines,
                     const TextWindowPrint& request);

} // namespace tev
