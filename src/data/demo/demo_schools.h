#pragma once
// The schools of the demo office and their lines in "schulnam.dat".
#include "data/demo/demo_office.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tev::demo {

struct DemoSchool {
    std::string number; // six digits, "1....." public, "3....." private
    bool isPrivate = false;
    int place = 0;         // index into DemoPlaces()
    std::string shortName; // UTF-8, at most 16 characters
    std::string name;      // UTF-8, at most 30 characters
    std::string street;    // UTF-8
    int postcode = 0;
    std::string regional;   // six characters: district, county, municipality or "000"
    char trackMarker = ';'; // '1' or '2': offers the 9-year track again from 2012/13 or 2013/14
    int nineYearStart = 0;  // first school year code with a 9-year class 5, 0 for none
    double nineYearShare = 0;
    bool boarding = false;
    bool abiBac = false;
    // Data set files exist for the school years from .. to (inclusive).
    int firstDataYear = 0;
    int lastDataYear = 0;
    uint64_t seed = 0; // everything else about the school follows from it
};

std::vector<DemoSchool> MakeDemoSchools(const DemoOptions& options);

// District digit 1..4 and county of a school.
int DistrictOf(const DemoSchool& school);
int CountyOf(const DemoSchool& school);

// The line of "schulnam.dat" in the DOS code page, fixed columns.
std::string SchoolNameFileLine(const DemoSchool& school);
// The school master file "schulen.txt" (DOS code page, ";"-separated, one heading line): the
// keys, figures and addresses the central class test list is made from.
std::vector<std::string> SchoolMasterFileLines(const std::vector<DemoSchool>& schools);
// The region group digit of a regional number ('1'..'4' or ';').
char RegionGroup(const std::string& regional);

} // namespace tev::demo
