#pragma once
// Reading the loaded school's data set file into the sheet and saving it back; the ".ASC"
// exchange files of single tables.
#include "shell/engine.h"

#include <ostream>
#include <string>
#include <string_view>

namespace tev {

// Mode 0 reads the data set file of the selected school into a sheet shaped for the year
// (ShapeSheetForYear: every grid empty, 9.2 shaped from its empty shadow); mode 1 imports
// exchange files.
// True when at least one data line was stored into a grid.
bool LoadDataSet(Engine& engine, int mode);

// Mode 0 saves after a question, mode -1 also reports it, mode 1 exports tables as ".ASC".
bool SaveDataSet(Engine& engine, int mode);

// Puts the bytes in place as the data set file: the old file's backup ".alt" and the new file
// are both complete on the disk before either is renamed into place. A failure is shown and
// leaves the old file and its backup as they were.
bool WriteDataSetFile(Engine& engine, const std::string& fileName, std::string_view bytes);

// Writes one grid's block with the loaded school's header (filled first when it is not).
void WriteTableBlock(Engine& engine, StringGrid& grid, std::ostream& out);

// The header of a sheet that was not loaded from a file: looked up by short name in the old
// name list "namen_.dat"; an unknown school gets the key "00000000".
void FillHeaderFromNameList(Engine& engine);

} // namespace tev
