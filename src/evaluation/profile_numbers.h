#pragma once
// The profile numbers of a school: per track (table 1.1 the 9-year, table 1.8 the 8-year
// track) the pupils of every class level in all and in each profile, one line per school.
#include "data/table_blocks.h"
#include "evaluation/school_loop.h"
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// The two heading lines of a track's section ("8j:" or "9j:").
std::vector<std::string> ProfileHeadingLines(const std::string& yearSuffix,
                                             const std::string& track);
// The school's line for the track's table ("11" or "18"): short name, "04" + school number,
// then the values under the level headings; empty when the table holds no pupils.
std::string ProfileLine(const DataSetText& text, const std::string& tableDigits);

// Both sections over the range: 8-year first, then 9-year.
std::vector<std::string> ProfileList(Engine& engine, const SchoolRange& range,
                                     const std::string& yearSuffix);

// "Auszug Profilzahlen": the list saved as "Prof_ges.csv" and shown in the upper table.
void Profilzahlen1Click(Engine& engine);

} // namespace tev
