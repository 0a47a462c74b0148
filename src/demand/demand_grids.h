#pragma once
// The grids of the teacher demand window filled from a demand computation, the summary of
// weekly hours, and the colours of the demand grid.
#include "demand/demand_computation.h"
#include "demand/demand_state.h"
#include "sheet/sheet.h"

namespace tev {

// The shapes and fixed texts the window starts with (its FormCreate part).
void ShapeDemandGrids(DemandWindowState& state);

// Every grid and list of the window from the computation and the loaded sheet.
void FillDemandWindow(DemandWindowState& state, const DemandResult& result, const Sheet& sheet);

// The summary grid SGLBR: the hours of the levels 5 to 11, the final years, the 8-year
// allocation, the user's rows 4 to 7 as typed, and their sum.
void FillDemandSummary(DemandWindowState& state, const DemandWorkArea& area);

// The subjects (SubjectIndexTable positions) of the hours columns the sheet shows.
std::vector<int> ShownHoursSubjects(const Sheet& sheet);

// The SubjectIndexTable position of a column of SGBEDARF; 0 (the level totals of the work
// grids) for the row-sum column.
int DemandColumnSubject(const DemandWindowState& state, int col);

enum class CellColour { Normal, Red, Green };
// A level row (1..8) and subject column (3 to the second-to-last) of SGBEDARF against the
// same cell of SGLBR1: more is red, less green.
CellColour DemandCellColour(const DemandWindowState& state, int col, int row);

} // namespace tev
