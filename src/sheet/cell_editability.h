#pragma once
// Which cells of the sheet's tables may be selected for editing.
#include "sheet/string_grid.h"

#include <string>
#include <string_view>

namespace tev {

struct CellEditability {
    bool editable = true;
    // A note for the user about the selected cell (CP1252), empty when there is none.
    std::string message;
};

// Columns and rows from 0, headings included. schoolNumber is the loaded school's six-digit
// number; it only matters for the notes of table 4.1.
CellEditability IsCellEditable(const StringGrid& grid, int col, int row, int schoolYearCode,
                               std::string_view schoolNumber = {});

// The edit mask of a cell ("####" for four digits), empty when input is free.
std::string CellEditMask(const StringGrid& grid, int col);

} // namespace tev
