#pragma once
// Printing the school sheet ("Schulbogen"): groups of tables one below the other, the
// extract, the tables as CSV files and the text forms; for the loaded school or for every
// school of a range.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// The lines of the choice "Schulbogen(Tabellen) drucken", from "1 (1.1/1.8 + 1.2)" to "9gem".
const std::vector<std::string>& SheetPrintChoices();

// One print of the sheet.
struct SheetPrintJob {
    std::string title;   // "Statistik  " + school year + " " + short name
    std::string csvName; // "2016_123456_Tabxx.csv": "xx" is replaced per table
    // The group printed last ended: the next table begins a new page.
    bool pageBreakDue = false;
    // The cursor below the header of the page begun last.
    int pageTop = 0;
    // A table that does not fit below the cursor still begins there when this much room is
    // left (0.1 mm); 0: it begins on a new page.
    int splitRoom = 0;
};

// Shows the choice and prints the chosen lines; a cancelled choice forgets the last one.
void PrintSheetMenu(Engine& engine);
// Prints the chosen lines (1-based, see SheetPrintChoices) for the loaded school.
void PrintSheet(Engine& engine, int first, int last);
// Group 1 to 9 of the tables; 0 is the extract SG00.
void PrintGroup(Engine& engine, SheetPrintJob& job, int group);
// One grid below the previous one when it fits; spacing 40 or 80 leaves that much room
// below it, -1 ends the group (the next table begins a new page). An empty heading prints
// the table's number and title.
void PrintTable(Engine& engine, SheetPrintJob& job, const StringGrid& grid, int spacing,
                const std::string& heading = {});
// The grid as "<year>_<school>_Tab<digits>.csv".
bool SaveTableCsv(Engine& engine, const SheetPrintJob& job, const StringGrid& grid);

// "Drucken/Tabellen für mehrere Schulen": the same choice for every school of a range, into
// one document.
void TabellenfrmehrereSchulen1Click(Engine& engine);

} // namespace tev
