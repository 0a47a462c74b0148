#pragma once
// The summary as the window shows it: the fifteen ways of showing a cell and the grids
// filled from the store.
#include "sheet/sheet_grids.h"
#include "summary/summary_rows.h"
#include "summary/summary_store.h"

#include <string>
#include <vector>

namespace tev {

inline constexpr int kDisplayKinds = 15;
// Kind 1: the sums, in tables 5.1 and 6.1 with the share of the pupils.
inline constexpr int kSumsWithShares = 1;
inline constexpr int kPlainSums = 14;

// The tables the summary shows, prints and saves for a school year, in the form's order
// (7.2 only before 2013/14, 4.4 from 2020/21 on).
std::vector<int> SummaryTables(int schoolYearCode);

// The tabs of the summary window: caption and the grid shown ("" for the "---" tab of 7.2
// from 2013/14 on).
struct SummaryTab {
    std::string caption; // CP1252
    std::string gridName;
};
std::vector<SummaryTab> SummaryTabs(int schoolYearCode);

// The items of CBart, in order.
const std::vector<std::string>& DisplayKindTexts();
// The hint of CBart and the title of the display-kind choice.
std::string DisplayKindHint();

// A cell in the display kind; N is the number of schools read.
std::string SummaryCellText(int kind, const SummaryCell& cell, int schoolsRead);

// What the display is built from.
struct SummaryDisplayInput {
    const SummaryStore& store;
    const SummaryRows& rows;
    int schoolsRead = 0;
    int schoolYearCode = 0;
    int screenWidth = 0;
};

// Clears and heads every grid, then writes every cell of the store in the kind. Returns one
// line for each cell of a table the summary has no grid for (table numbers up to 10 and
// unknown ones); such cells are not shown.
std::vector<std::string> FillSummaryGrids(SheetGrids& grids, const SummaryDisplayInput& input,
                                          int kind);

} // namespace tev
