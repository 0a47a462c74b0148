#include "app/cli_cells.h"

#include "app/cli_options.h"
#include "output/codepage.h"

#include <charconv>
#include <iostream>

namespace tev::cli {

std::string GridOfTable(const std::string& table) {
    if (table.size() != 3 || table[1] != '.') throw UsageError{"no table \"" + table + "\""};
    return "SG" + table.substr(0, 1) + table.substr(2, 1);
}

StringGrid& FindGrid(Session& session, const std::string& table) {
    StringGrid* grid = session.engine->sheet.grids.Find(GridOfTable(table));
    if (!grid) throw UsageError{"no table \"" + table + "\""};
    return *grid;
}

int ReadCellNumber(const std::string& text, const char* what) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < 0) {
        throw UsageError{std::string(what) + " must be a number, not \"" + text + "\""};
    }
    return value;
}

void CheckCell(const StringGrid& grid, const std::string& table, int col, int row) {
    if (col >= grid.ColCount() || row >= grid.RowCount()) {
        throw UsageError{"cell (" + std::to_string(col) + "," + std::to_string(row) +
                         ") is outside table " + table};
    }
}

} // namespace tev::cli
