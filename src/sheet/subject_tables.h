#pragma once
// The two fixed tables of 3-character subject codes (blank-padded).
#include <string>
#include <string_view>
#include <vector>

namespace tev {

// Indexed 0..54; used by the course tables, table 7.2 and the hours of table 9.1.
const std::vector<std::string>& SubjectIndexTable();
inline constexpr int kSubjectIndexCount = 55;
// Index of a code in the SubjectIndexTable (compared on 3 blank-padded characters), or -1.
int SubjectIndexOf(std::string_view code);

// Entry 0 is blank and never matched; entries 1..49 give the rows of the course tables from
// course regime 2 on.
const std::vector<std::string>& SubjectCodeTable();
inline constexpr int kSubjectCodeCount = 49;
// Number 1..49 of a code (padded with blanks to / cut at 3 characters), 0 when unknown.
int SubjectCodeIndex(std::string_view code);

// How the sheet shows a subject code: "S" is "Sport", "Sp" "Spanisch", "I" "Italienisch";
// every other text stays as it is.
std::string ExpandSubjectCode(std::string_view code);

} // namespace tev
