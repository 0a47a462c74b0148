#pragma once
// What a summary run leaves behind: the store, the rows it was read with, the number of
// schools read, and the grids of the summary window.
#include "sheet/sheet_grids.h"
#include "summary/summary_display.h"
#include "summary/summary_rows.h"
#include "summary/summary_store.h"

#include <array>
#include <memory>

namespace tev {

struct SummaryState {
    // Present after a run; every later run only redisplays it until the school directory is
    // reloaded. A run stopped through the gauge leaves an incomplete store that the next run
    // recomputes.
    std::unique_ptr<SummaryStore> store;
    bool complete = false;
    SummaryRows rows;
    int schoolsRead = 0; // N: the data set files that could be opened
    // Row 55 of tables 1.1 and 1.8 (pupils in regular classes) summed per class level, from
    // column 3 (class 5) on, for the pupil evaluations.
    std::array<int, 10> classLevelTotals{};
    // The window: its grids, the display kind of CBart, whether it is shown.
    SheetGrids grids;
    int displayKind = kSumsWithShares;
    int schoolYearCode = 0;
    bool windowVisible = false;

    void Release() {
        store.reset();
        complete = false;
        rows = SummaryRows();
        schoolsRead = 0;
        classLevelTotals.fill(0);
        for (auto& grid : grids.All())
            grid.Clear();
        windowVisible = false;
    }
};

} // namespace tev
