#pragma once
// The subject columns of the hours tables: which subject of the SubjectIndexTable each column
// of 9.1 holds.
#include "sheet/sheet.h"
#include "shell/trace_log.h"

#include <array>

namespace tev {

// Columns 3 to 26 of table 9.1, as positions of the SubjectIndexTable.
inline constexpr int kHoursSubjectColumns = 24;
inline constexpr int kFirstHoursSubjectColumn = 3;

// The standard order of the subject columns (the headings of table 9.1).
const std::array<int, kHoursSubjectColumns>& StandardHoursSubjects();

// Puts every entry of the record's 9.1 subject list that left the standard order back to its
// standard subject (as long as the standard order itself is intact); returns the number of
// repaired entries, which goes to the log line "ZepSt2.test_matpoi9:" when a log is given.
int CheckHoursColumns(Sheet& sheet, const TraceLog* log = nullptr);

} // namespace tev
