#pragma once
// A finding of the plausibility test as data: how grave it is and the cells it is about,
// beside its line in the sheet's findings.
#include <string>
#include <vector>

namespace tev {

// An error makes the school's data faulty ("-"); a hint only asks for a look.
enum class FindingSeverity { Error, Hint };

// Cells of one table: a cell, a row (col -1), a column (row -1) or the whole table (both -1).
// Table numbers as the checks use them (22 for 2.2); 0 for none.
struct CellArea {
    int table = 0;
    int col = -1;
    int row = -1;
};

inline CellArea CellOf(int table, int col, int row) {
    return {table, col, row};
}
inline CellArea RowOf(int table, int row) {
    return {table, -1, row};
}
inline CellArea ColumnOf(int table, int col) {
    return {table, col, -1};
}
inline CellArea TableOf(int table) {
    return {table, -1, -1};
}

struct Finding {
    FindingSeverity severity = FindingSeverity::Error;
    // Where the clerk should look first, and the table it was compared with.
    CellArea place;
    CellArea compared;
    // The finding's line in the sheet's findings.
    int line = -1;
};

// "Fehler" or "Hinweis".
const char* SeverityText(FindingSeverity severity);
// "2.2" for 22; empty for 0.
std::string TableNumberText(int table);
// Severity;table;column;row;text with empty fields where the finding has no table, column or
// row; a line break inside the text becomes a blank.
std::string FindingCsvLine(const Finding& finding, const std::vector<std::string>& lines);

// The finding whose line is `line`, nullptr when that line is none (headings, blank lines).
const Finding* FindingOfLine(const std::vector<Finding>& findings, int line);

} // namespace tev
