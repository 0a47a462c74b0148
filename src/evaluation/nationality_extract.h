#pragma once
// The nationality extract and the working-groups extract that runs before it: rows of tables
// 2.3 and 3.1 (and the language sequences with Ukrainian) copied from the chosen schools'
// data set files, and one table of schools by nationality.
#include "evaluation/extract_files.h"
#include "evaluation/school_loop.h"

namespace tev {

// "_AGs_zus.csv" and "_FSpF_Ukr.csv" of the range, unsaved.
std::vector<ExtractList> WorkingGroupLists(Engine& engine, const SchoolRange& range,
                                           const std::string& yearSuffix);
// Fills the upper table (two heading rows, one row per school) and returns the lists
// "x163.csv" (every row of 2.3) and "_163Tuerkei" (the rows of id 163), unsaved.
std::vector<ExtractList> NationalityLists(Engine& engine, const SchoolRange& range,
                                          const std::string& yearSuffix);

void SG31alle(Engine& engine);
void SucheStaatszugehrigkeit1Click(Engine& engine);

} // namespace tev
