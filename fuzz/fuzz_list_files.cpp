// List files on any bytes: the table definition lists read at start-up, the nationality list
// and the list loading that fills the text windows.
#include "fuzz_support.h"
#include "shell/program_start.h"

#include <vector>

using namespace tev;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::QuietUi ui;
    static Engine engine(ui, fuzz::ScratchDirectory());
    fuzz::WriteScratchFile("stal_ag.def", data, size);
    fuzz::WriteScratchFile("stal_ag3.def", data, size / 2);
    engine.startup.helpPath = fuzz::ScratchDirectory().string() + "/";
    engine.startup.schoolYearCode = 98 + static_cast<int>(size % 32);
    LoadTableDefinitionLists(engine);
    std::vector<std::string> list;
    engine.services.files.LoadListFile("+" + engine.startup.helpPath + "stal_ag.def", list,
                                       (size & 1) != 0);
    return 0;
}
