#pragma once
// Titles of the sheet's tables and the year-dependent course regime.
#include <string>
#include <string_view>

namespace tev {

// The naming variant 1..5 of the upper-level courses for a school year code (years since
// 1900): 101 and earlier 1, 102 gives 2, 103..118 give 3, 119 gives 4, 120 and later 5.
int CourseRegimeFor(int schoolYearCode);

// Replaces "#-", "#0" and "#+" by the previous, current and next school year text
// ("2015/16"); a backslash right after the placeholder cuts the year to its first four digits
// and is dropped.
std::string FillYearPlaceholders(std::string_view text, int schoolYearCode);

// The title of the table whose number stands in characters 3 and 4 of the grid name, with
// the year placeholders filled in; empty for names of no listed table.
std::string TableTitle(std::string_view gridName, int schoolYearCode);

} // namespace tev
