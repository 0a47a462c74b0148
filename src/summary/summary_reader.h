#pragma once
// Reading one school's data set file into the summary: every number of every table added to
// its cell of the store, the rows mapped as the summary shows them.
#include "sheet/sheet_grids.h"
#include "summary/summary_rows.h"
#include "summary/summary_store.h"

#include <istream>

namespace tev {

struct SummaryReadPass {
    // The grids of the summary, shaped for the school year: their heading rows are not
    // added, and table 4.1 puts its totals into its last two rows.
    const SheetGrids& grids;
    SummaryRows& rows;
    // nullptr while only the language sequences are collected (the first pass, which stops
    // after table 1.1).
    SummaryStore* store = nullptr;
};

struct SummaryReadResult {
    // Data lines whose row number no table can have (below 0 or beyond the grids).
    int refusedLines = 0;
};

SummaryReadResult ReadSummaryFile(std::istream& in, SummaryReadPass& pass);

// A cell's number: integers, tenths written with a comma, halves; empty or text is 0.
double SummaryValue(std::string_view cell);

} // namespace tev
