#pragma once
// The school directory: "schulnam.dat" (or the old "namen*.dat" lists) read into the school
// list, filtered by the school group, with the marks for missing data and the duplicate
// report.
#include "shell/engine.h"

#include <string>

namespace tev {

inline constexpr int kShortLineForm = 85;
inline constexpr int kFullLineForm = 216;

std::string SchoolNameFile(const Engine& engine);
// The data set file of a school number for the selected school year.
std::string DataSetFileName(const Engine& engine, const std::string& schoolNumber);

// The school-name file (or, for the 1990s, an old name list) is there and can be read.
bool SchoolDirectoryReadable(Engine& engine);

// Asks for the school group; false when "schulnam.dat" is missing or the user cancels.
bool ChooseSchoolGroup(Engine& engine);
void LoadSchoolDirectory(Engine& engine, const std::string& groupCode);
void LoadOldNameList(Engine& engine, char districtFilter);

// Characters 53 to 60 of every line: a blank, the regional number and a blank.
void ShowRegionalNumbers(SchoolList& list);

} // namespace tev
