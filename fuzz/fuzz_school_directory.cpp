// The school-name file "schulnam.dat" on any bytes: start-up reads it into the school list
// (groups, region groups, duplicate report), and the list is sorted by one of the 13 keys.
#include "fuzz_support.h"
#include "shell/school_list_sort.h"

using namespace tev;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteScratchFile("schulnam.dat", data, size);
    auto started = fuzz::StartOnScratch();
    SortSchoolList(*started->engine, static_cast<int>(size % 13));
    return 0;
}
