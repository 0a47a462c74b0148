#pragma once
// The residence extract: the rows of the residence tables (4.1 to 4.4), the class table 1.2,
// table 5.2, the track tables 1.1 and 1.8 and the profile numbers of the chosen schools,
// copied straight from their data set files into CSV files, for one school year or for every
// year back to 2002.
#include "evaluation/extract_files.h"
#include "evaluation/school_loop.h"

namespace tev {

inline constexpr int kFirstResidenceYear = 102; // 2002/03

// The files of one school year over the range; `schools` gets the number of data set files
// read, `stopped` whether the gauge was hidden. The lists come back unsaved.
std::vector<ExtractList> ResidenceLists(Engine& engine, const SchoolRange& range,
                                        const std::string& yearSuffix, int& schools,
                                        bool* stopped = nullptr);

void AuszugWohnorte1Click(Engine& engine);
// Once per school year from the selected one back to 2002; a year without any data set file
// of the range is passed over with a line in the output box.
void AuszugWohnorteJahre1Click(Engine& engine);

} // namespace tev
