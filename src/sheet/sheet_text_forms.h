#pragma once
// The sheet's text forms: fixed-width text lines for the list box, and the same lines cut
// into the cells of the overview grid SG00 or the comparison grid SG01. The summary window
// renders its summed tables with them as well.
#include "sheet/sheet_grids.h"

#include <string>
#include <vector>

namespace tev {

// The lines of a form and the field widths (FitText widths) at which they are cut into cells.
struct TextForm {
    std::vector<int> widths;
    std::vector<std::string> lines;
};

// A line of fields, each fitted to its width (fields beyond the widths are dropped).
std::string FormLine(const std::vector<int>& widths, const std::vector<std::string>& fields);
// One row per line, one column per width; each cell is its part of the line without the
// trailing blanks.
void FillGridFromForm(StringGrid& grid, const TextForm& form);

// "Formular1": tables 1.1 (left) and 1.8 (right) side by side, then table 1.2; into SG00.
TextForm WriteFormular1(SheetGrids& grids);
// "Formular5+6": 5.1 (left) and 6.1 (right), 8.1 and 8.2, the check of the final years'
// courses and table 7.1; into SG01.
TextForm WriteFormular56(SheetGrids& grids, int courseRegime);
// "F9.1" and "F9.2" side by side; into SG01 and SG00.
TextForm WriteHoursComparison(SheetGrids& grids);

} // namespace tev
