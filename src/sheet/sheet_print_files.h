#pragma once
// What the sheet print writes to files or prints from the text forms: the tables as CSV
// files ("SGs -> *.csv") and the forms "1", "5+6" and "9.1+9.2".
#include "sheet/sheet_printing.h"

#include <string>

namespace tev {

// "<first year>_<school number>_Tabxx.csv", letters folded, at most 31 characters.
std::string SheetCsvName(const Sheet& sheet);
// The file name of a part ("11", "SG56") in place of "xx".
std::string SheetCsvPartName(const SheetPrintJob& job, const std::string& part);

// Every table grid of the school year, then the forms 5+6 ("SG56"), 1 ("SG1x") and 9.1+9.2
// ("SG9x"); tells which files were made and offers to print the last form.
void SaveSheetCsvFiles(Engine& engine, SheetPrintJob& job);

enum class SheetForm { Pupils, Courses, Hours };
// Builds the form and prints its grid under the CSV name of its part.
void PrintTextForm(Engine& engine, SheetPrintJob& job, SheetForm form);

} // namespace tev
