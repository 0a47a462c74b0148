#pragma once
// The school groups that filter the school list, and the region groups of regional numbers.
#include <string>
#include <vector>

namespace tev {

// The 24 entries of the choice "Schul-Gruppe wählen": two characters of selection code, a
// blank and the label. Characters 3 to 22 are the label; the 4th character ("_" for all
// districts) tags report file names.
const std::vector<std::string>& SchoolGroupChoices();
// The entry of a two-character code; empty when there is none.
std::string SchoolGroupEntry(const std::string& code);

// Whether a line of "schulnam.dat" belongs to the group (district and type filters).
bool InSchoolGroup(const std::string& fileLine, const std::string& code);

// The region group digit "1".."4" of a regional number's characters 4 to 6, ";" for none.
char RegionGroupOf(const std::string& regionalDigits);

} // namespace tev
