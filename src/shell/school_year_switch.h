#pragma once
// The school year button of the main window: another school year reshapes the sheet, reloads
// the table definition lists and, when the user chose it, the school directory.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// ".98", ".99", ".00", ".01", ".02K", ".02" ... ".25K", ".25", continued up to the school
// year that contains the given day (the office keeps working after 2025).
std::vector<std::string> SchoolYearSuffixes(const Date& today);

// Makes the suffix the selected school year. The school directory is reloaded only when the
// user chose the year, so that its "\" marks follow the data of the new year.
void SwitchSchoolYear(Engine& engine, const std::string& suffix, bool chosenByUser);

// The school year button: the choice "Schuljahr wählen"; false when cancelled.
bool SBpjjClick(Engine& engine);

} // namespace tev
