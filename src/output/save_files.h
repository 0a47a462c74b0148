#pragma once
// Saving reports: lists as ".txt", grids as ".csv" with ";" or tab, single lines appended.
#include "sheet/string_grid.h"
#include "shell/engine.h"

#include <string>
#include <string_view>
#include <vector>

namespace tev {

// An empty name is asked for (default "auswert", caption: title + " abspeichern"); the name goes
// through MakeOutputFileName with ".txt". False when cancelled or not written.
bool SaveListText(Engine& engine, std::string_view name, const std::vector<std::string>& lines,
                  std::string_view title = {});

// The lines (CR LF) as a file of the work directory under exactly this name; the old file is
// replaced only once the new one is completely written. False (after a message) when not.
bool SaveLinesReplacing(Engine& engine, std::string_view name,
                        const std::vector<std::string>& lines);

// One line per grid row. The name may start with code 1 (tab separator), "+" (append) and
// "!" (split the first column in two); an empty name is asked for together with the
// separator. The title (and the grid's hint) make the first line.
bool SaveGridCsv(Engine& engine, std::string_view name, const StringGrid& grid,
                 std::string_view title);
// The grid tool's save: ";" separated, ".csv" added when the name has no "."; the file is
// replaced only once the new one is completely written.
bool SaveGridCsvSimple(Engine& engine, std::string_view name, const StringGrid& grid,
                       std::string_view title);

// Lines already joined by ";" as a CSV file, each ended by CR LF; ".csv" added when the name has
// no ".", the file replaced only once the new one is completely written.
bool SaveCsvLines(Engine& engine, std::string_view name, const std::vector<std::string>& lines);

// Appends one line (CR LF) to a file of the work directory; on failure the message "=-=->:"
// with the name.
bool AppendLineToFile(Engine& engine, std::string_view name, std::string_view line);

// A cell as a CSV field: halves written ",5", code 0 dropped, the separator turned into ",",
// trailing blanks dropped.
std::string CleanCell(std::string_view cell, char separator);

// The name SaveGridCsvSimple writes: trimmed, ".csv" added when the name has no ".".
std::string SimpleCsvName(std::string_view name);
// The file text of SaveGridCsvSimple: the title line (when there is a title or a hint), then
// one line per row, each ended by CR LF.
std::string GridCsvText(const StringGrid& grid, std::string_view title, char separator = ';');

// The grid's rows (up to the last one with text) as ";"-separated lines.
std::vector<std::string> GridTextLines(const StringGrid& grid);
// The last row holding any text, -1 when none does.
int LastFilledRow(const StringGrid& grid);

} // namespace tev
