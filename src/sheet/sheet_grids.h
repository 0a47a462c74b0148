#pragma once
// The grids of the school sheet: the table grids SG11..SG92 (the working copy of the loaded
// school), the overview SG00, the comparison SG01 and the hidden work grids SGcmp and
// SG92shadow.
#include "sheet/string_grid.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tev {

// The table number a grid name carries in its characters 3 and 4 ("SG21" gives 21), or -1
// when they are not two digits.
int GridTableNumber(std::string_view gridName);
// "SG" followed by the two digits of the table number (21 gives "SG21").
std::string GridNameOfTable(int tableNumber);

class SheetGrids {
public:
    // Every grid exists from the start, named, with its table number as tag; shapes and
    // headings come from SetAllTableHeadings.
    SheetGrids();

    StringGrid* Find(std::string_view name);
    const StringGrid* Find(std::string_view name) const;
    // The grid "SG" + the two digits of the number; nullptr when the sheet has none.
    StringGrid* FindTable(int tableNumber);
    const StringGrid* FindTable(int tableNumber) const;

    // All grids in a fixed order: SG00, the table grids in form order, SG01, SGcmp,
    // SG92shadow.
    std::span<StringGrid> All() { return grids_; }
    std::span<const StringGrid> All() const { return grids_; }

    // The names of the table grids in form order (SG11, SG18, SG12, SG21, ... SG92).
    static const std::vector<std::string>& TableGridNames();

private:
    std::vector<StringGrid> grids_;
    // Position in grids_ of the grid of each table number, -1 for none: every line of a data
    // set file finds its grid without comparing names.
    std::array<int, 100> byTable_{};
};

} // namespace tev
