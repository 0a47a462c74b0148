#pragma once
// A small office for the tests of the school sheet: a few schools of 2016/17 whose data sets
// hold a number in table 2.1 (class 5, boys) and some nationalities in table 2.3, with the
// nationality list and the overview text.
#include <filesystem>
#include <string>
#include <vector>

namespace tev::test {

struct SheetSchool {
    std::string number;
    std::string shortName;
    std::string boys5;                      // cell (1, 1) of table 2.1
    std::vector<std::string> nationalities; // rows of table 2.3: "code;name;count"
    std::string regional = "111801";
};

// Five schools, in list order, whose 2.1 cells read 0, 3, 7, empty and 4.
std::vector<SheetSchool> SheetSchools();
// The nationality list: codes 121, 133, 138, 140, 150, 170, 199, 276, 277, 525 and 230.
std::vector<std::string> NationalityLines();
void WriteSheetOffice(const std::filesystem::path& dir,
                      const std::vector<SheetSchool>& schools = SheetSchools());

} // namespace tev::test
