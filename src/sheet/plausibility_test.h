#pragma once
// The consistency test of the loaded school's tables, and the live check of table 3.2.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

inline constexpr const char* kDataOk = "Schulstatistik-Daten ok";
inline constexpr const char* kNoData = "keine Daten vorhanden";
inline constexpr const char* kFindingsHeading =
    "Folgende Unstimmigkeiten in den Statistikdaten wurden festgestellt:";

// Compacts table 4.1, recomputes every sum, checks the tables against each other and puts the
// result lines into the sheet's findings: "Schulstatistik-Daten ok", or the heading above the
// findings and the request to correct them; then the notes that are no errors. The check
// boxes "9.1 Plaus-Test", "9.1 Soll-Plausibilität" and "Diff zeigen" of the main window switch
// on the test of the given hours of 9.1, the comparison of its target hours with 9.2, and the
// differences behind every mismatch.
void PlausibilityTest(Engine& engine);

// The note panel of table 3.2: its three note lines, then every "darunter" value above the
// value of the row above it and (from 2016/17) every "dar." column above its total column.
std::vector<std::string> Check32Live(const Sheet& sheet);

// Table 4.1 with more than 63 rows keeps the places that have pupils, in their order, and
// its two total rows; the labels are written again.
void CompactResidenceTable(Sheet& sheet);

} // namespace tev
