#include "app/cli_grid_blocks.h"

#include "app/cli_session.h"
#include "output/codepage.h"
#include "summary/summary_display.h"

#include <iostream>

namespace tev::cli {

void PrintShownGrids(const Engine& engine) {
    // A report that fills the upper table leaves it shown.
    if (engine.window.upperTableVisible && !engine.upperTable.IsBlank())
        PrintGridBlock(engine.upperTable, "UpperTable");
    // An entry that opens the sheet on its extract leaves the extract shown.
    const SheetWindowState& sheet = engine.sheet.window;
    if (sheet.visible && sheet.shownGrid == "SG00") {
        if (const StringGrid* extract = engine.sheet.grids.Find("SG00")) PrintGridBlock(*extract);
    }
    if (engine.courseOverview.tableShown) PrintGridBlock(engine.courseOverview.table);
    const SummaryState& summary = engine.summary;
    if (!summary.windowVisible) return;
    for (int table : SummaryTables(summary.schoolYearCode)) {
        if (const StringGrid* grid = summary.grids.FindTable(table)) PrintGridBlock(*grid);
    }
}

} // namespace tev::cli
