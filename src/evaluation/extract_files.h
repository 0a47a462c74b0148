#pragma once
// What the extracts to CSV share: the year prefix of their file names, saving their lists,
// and the closing message that names only what was written.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// A list of output lines and the file it goes to.
struct ExtractList {
    std::string name;
    std::vector<std::string> lines;
};

// "20" and the year digits of the suffix, with the "K" of a short report: ".24" gives "2024",
// ".02" "2002", ".16K" "2016K".
std::string YearFilePrefix(const std::string& yearSuffix);
// The prefix joined to a name; a name not starting with "_" gets one in between.
std::string YearFileName(const std::string& yearSuffix, const std::string& name);
// The suffix of a school year code: 102 gives ".02".
std::string YearSuffixOf(int schoolYearCode);

// Saves every list; returns the names of those that could not be written (each already
// reported by the file routines).
std::vector<std::string> SaveExtractLists(Engine& engine, const std::vector<ExtractList>& lists);
// Shows `done` when nothing failed, else which files were not written.
void ReportExtractSaved(Engine& engine, const std::string& done,
                        const std::vector<std::string>& failed);

// The ";"-separated lines as the upper table, shown.
void ShowLinesInUpperTable(Engine& engine, const std::vector<std::string>& lines);

} // namespace tev
