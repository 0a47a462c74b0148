#pragma once
// The demo office's diskettes: for a handful of schools of the last year, the files a school's
// entry program writes (delivery set file, coded data set, list file of the sibling program),
// in two folders that the office's "laufwerke.ini" names as "a:" and "b:".
#include "data/demo/demo_schools.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tev::demo {

inline constexpr const char* kDemoDriveA = "Diskette-A";
inline constexpr const char* kDemoDriveB = "Diskette-B";

struct DemoDelivery {
    const DemoSchool* school = nullptr;
    std::string dataSetText;           // what the delivery carries
    std::vector<std::string> zepLines; // the school's list for the sibling program
    bool listed = true;                // in the office's delivery list
};

// Up to three not yet delivered schools of the last year, then schools whose data set of the
// last year is there (a second delivery), five in all.
std::vector<const DemoSchool*> DemoDeliverySchools(const std::vector<DemoSchool>& schools,
                                                   int lastYear);

// Writes the diskette folders (three deliveries on "a:", the rest on "b:"), "laufwerke.ini"
// and the delivery list "eprdat/liefer.dat" of every school, except those not listed.
void WriteDemoDeliveries(const std::filesystem::path& dir, const std::vector<DemoSchool>& schools,
                         const std::vector<DemoDelivery>& deliveries, int lastYear);

} // namespace tev::demo
