// The old name lists "namen*.dat" on any bytes: start-up on a 1990s office reads them into the
// school list, and the header of a sheet is repaired from "namen_.dat" by short name.
#include "data/data_set_file.h"
#include "fuzz_support.h"

using namespace tev;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool marked = [] {
        const uint8_t none = 0;
        fuzz::WriteScratchFile("TEV/SL000000.98", &none, 0);
        return true;
    }();
    (void)marked;
    fuzz::WriteScratchFile("namen_.dat", data, size);
    auto started = fuzz::StartOnScratch(".98");
    Engine& engine = *started->engine;
    engine.sheet.header = SchoolHeader{};
    engine.sheet.header.shortName =
        std::string(reinterpret_cast<const char*>(data), std::min<size_t>(size, 16));
    FillHeaderFromNameList(engine);
    return 0;
}
