#pragma once
// The extract ("Auszug") of the sheet: a row or a column of a table, collected into SG00 for
// every school of a range that the sheet's search stops at, one row per school.
#include "sheet/extract_columns.h"
#include "sheet/sheet_search.h"
#include "shell/engine.h"

#include <optional>
#include <string>

namespace tev {

struct ExtractRequest {
    std::string grid; // the current table, "SG11"
    int col = 0;      // the last selected cell
    int row = 0;
    ExtractLine line = ExtractLine::Row;
    std::optional<int> extra; // a further row or column ("EditZS")
    std::string criterion;    // the search condition ("Edit1")
    // The search area ("von"/"bis", second grid); without one the selected cell is searched.
    std::optional<SearchArea> area;
    // The caller has settled the table's questions: the line alone, with its total row.
    bool questionsSettled = false;
};

// Asks the table's questions and the range of schools, then fills SG00. False when nothing
// was made: a refused request (with a message), or a cancelled question.
bool MakeExtract(Engine& engine, const ExtractRequest& request);

// The "zusammen" row at the foot of an extract summed again from the school rows.
void RecomputeExtractSums(StringGrid& sg00);

} // namespace tev
