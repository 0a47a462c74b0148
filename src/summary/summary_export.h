#pragma once
// Printing and saving the summary: the form sheet of all schools together ("Schulbogen") in
// print groups, the extract, the tables as CSV files and the comparison views.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// The entries of "Diverses" (1-based): 1..9 the print groups, 10 a separator, 11..16 group
// selections, 17/18 the extract, 19 the tables as CSV files, 20/21 the comparison views.
inline constexpr int kSaveTablesEntry = 19;
const std::vector<std::string>& SummarySheetChoices();

// The code the export file names carry for the school group: its first character " ", "1",
// "3" or "9" gives "ö_p", "öff", "prv" or "9jn" (CP1252); any other gives "ö_p".
std::string GroupFileCode(const std::string& schoolGroup);

// Runs the chosen entries; a range is taken only among the print groups 1 to 9, otherwise
// the first entry decides.
void PrintSummarySheet(Engine& engine, int first, int last);

// The button "Diverses": the choice "Schulbogen(Tabellen) drucken", then its entries.
void SummaryDiversesClick(Engine& engine);

} // namespace tev
