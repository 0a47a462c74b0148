#pragma once
// Tables from CSV files for the grid tool: the program's own form (";" separated lines in the
// Windows code page, CR LF) and the same in UTF-8, as spreadsheet programs often write it.
#include "sheet/string_grid.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tev {

enum class CsvEncoding { WindowsCodePage, Utf8, Utf8WithMark };

// The largest file taken as a table.
inline constexpr size_t kMaxGridCsvBytes = size_t{16} << 20;

// One row per line (CR LF or LF; the DOS end mark 26 ends the text), as many columns as the
// widest line has fields, one fixed row and column. A text that starts with the UTF-8 byte
// order mark, or that is well-formed UTF-8 beyond ASCII, is read as UTF-8 into the Windows
// code page. False with the reason when the lines or fields do not fit a grid or a character
// has no place in the Windows code page; the grid is then unchanged.
bool ReadGridCsv(std::string_view bytes, StringGrid& grid, CsvEncoding& encoding,
                 std::string& error);
// Its errors are UTF-8 (the path as given, the system's reason).
bool LoadGridCsvFile(const std::string& path, StringGrid& grid, CsvEncoding& encoding,
                     std::string& error);

// The file text: ";" separated, every row with every column, CR LF, in the encoding.
std::string GridCsvBytes(const StringGrid& grid, CsvEncoding encoding);
// Written through a DurableFile: the old file stays whole until the new one is on the disk.
// Empty on success, else why the file was not written.
std::string SaveGridCsvFile(const std::string& path, const StringGrid& grid, CsvEncoding encoding);

} // namespace tev
