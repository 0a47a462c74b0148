#pragma once
// What the text output window does with its lines besides choosing: fonts, columns, search,
// the marked range for the clipboard, and the editing of small list files.
#include <string>
#include <string_view>
#include <vector>

namespace tev {

// "Arial" -> "Courier New" -> "MS LineDraw" -> "Arial"; any other name gives "Arial".
std::string NextListFont(std::string_view font);
// The list font of a range choice: "Arial" below -1000, "Courier New" below 0, else
// "MS LineDraw".
std::string RangeListFont(int mode);

// Columns of a range choice list: 0 for a plain list, else the count that fits the lines
// in a list of that height (size class = |mode| mod 1000).
int RangeListColumns(int listHeight, int itemHeight, int lineCount, int sizeClass);

// The first line after current (wrapping around, current itself last of all and not at
// all) that contains text, compared in upper case; -1 when none does.
int FindLineAfter(const std::vector<std::string>& lines, int current, std::string_view text);
// The caption after a hit: cut at its previous search marker, then the marker, the 0-based
// line index, ": " and the line.
std::string SearchCaption(std::string_view caption, int index, std::string_view line);

// 0-based, inclusive.
struct LineRange {
    int from = 0;
    int to = -1;
};
// The marked range when multi-selection marks more than one line (1 <= first < last <=
// count), else every line.
LineRange MarkedOrAllLines(bool multi, int first, int last, int count);

// List files: read (missing file: no lines), saved after every change. The save replaces
// the file only once the new one is complete; failures are silent.
std::vector<std::string> ReadListFile(const std::string& fileName);
void SaveListFile(const std::string& fileName, const std::vector<std::string>& lines);
// Adds the text before line `before` (at the end when before is outside the list); nothing
// for an empty text. True when a line was added.
bool AddListLine(std::vector<std::string>& lines, std::string text, int before);
// Removes the current line into removed; returns the line to be current afterwards (-1 when
// the list has no line there any more), or -1 without change when current is outside.
int RemoveListLine(std::vector<std::string>& lines, int current, std::string& removed);

} // namespace tev
