#pragma once
// The views the summary builds beside its tables: the overview (SG00) and the comparison
// views of tables 1.1/1.8 with 5.1 and 6.1 ("1,5+6") and of 9.1 with 9.2 ("9gem").
#include "sheet/sheet_grids.h"
#include "summary/summary_store.h"

#include <string>

namespace tev {

// One row per table: its caption, title and the number of cells with values; then the
// number of schools read and of cells.
void FillSummaryOverview(StringGrid& grid, const SummaryStore& store, int schoolsRead,
                         int schoolYearCode);

// The course pupils of 5.1 and 6.1 per subject and final year beside the pupils of the final
// years in 1.1 and 1.8, with the share of the year that takes the subject.
void FillCourseComparison(StringGrid& grid, const SheetGrids& tables, const SummaryStore& store);

// Tables 9.1 and 9.2 side by side, as the window shows them.
void FillHoursComparison(StringGrid& grid, const SheetGrids& tables);

} // namespace tev
