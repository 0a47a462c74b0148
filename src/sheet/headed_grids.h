#pragma once
// The shape and headings of an emptied sheet's table grids for one school year. They depend on
// the year, the screen width and the row lists alone, and every school a data test loads needs
// them: made once, they are written back for the next school instead of being made again.
#include "sheet/sheet_grids.h"
#include "sheet/table_headings.h"

#include <string>
#include <vector>

namespace tev {

class HeadedGrids {
public:
    // Empties every grid and gives the table grids their shape and headings for the year, as
    // SetAllTableHeadings on emptied grids does.
    void Shape(SheetGrids& grids, int schoolYearCode, int screenWidth, const TableRowLists& lists);

private:
    struct Heading {
        int col = 0;
        int row = 0;
        std::string text;
    };
    struct Kept {
        int table = 0;
        int cols = 0;
        int fixedCols = 0;
        int fixedRows = 0;
        std::vector<int> colWidths;
        std::vector<int> rowHeights;
        std::vector<Heading> headings; // the cells that are not empty
    };
    bool Holds(int schoolYearCode, int screenWidth, const TableRowLists& lists) const;
    void Keep(const SheetGrids& grids);
    void WriteBack(SheetGrids& grids) const;

    bool made_ = false;
    int schoolYearCode_ = 0;
    int screenWidth_ = 0;
    TableRowLists lists_;
    std::vector<Kept> kept_;
};

} // namespace tev
