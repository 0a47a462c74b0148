#pragma once
// "Suche  N": the schools' language sequences with the foreign language N, one line per row of
// tables 1.1 and 1.8 that has pupils.
#include "data/table_blocks.h"
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// The lines of one school: short name, "04" + school number, the table ("1.1" or "1.8"), then
// the row as the file holds it.
std::vector<std::string> LanguageNLines(const DataSetText& text);

// Over a chosen range: the list shown in the upper table and saved as "FS_N.csv".
void SucheN1Click(Engine& engine);

} // namespace tev
