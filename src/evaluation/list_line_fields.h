#pragma once
// The fields of a school list line that the cross-school reports print beside their figures.
#include <string>
#include <string_view>

namespace tev {

// Characters start..start+length-1 (1-based) of the line, filled with blanks where it is
// shorter.
std::string ListField(std::string_view line, int start, int length);
// The 16 characters of the short name (from column 9), in the program's code page.
std::string ListShortName(std::string_view line);
// The six digits of the school number (columns 3 to 8).
std::string ListSchoolNumber(std::string_view line);

} // namespace tev
