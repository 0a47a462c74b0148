#include "app/cli_grid_blocks.h"

#include "output/codepage.h"
#include "summary/summary_display.h"

#include <iostream>

namespace tev::cli {

void PrintGridBlock(const std::string& name, const StringGrid& grid) {
    std::string text = "# " + name + "\n";
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            if (col > 0) text += ';';
            text += DisplayText(grid.Cells(col, row));
        }
        text += '\n';
    }
    std::cout << text;
}

void PrintShownGrids(const Engine& engine) {
    const SummaryState& summary = engine.summary;
    if (!summary.windowVisible) return;
    for (int table : SummaryTables(summary.schoolYearCode)) {
        if (const StringGrid* grid = summary.grids.FindTable(table))
            PrintGridBlock(grid->Name(), *grid);
    }
}

} // namespace tev::cli
