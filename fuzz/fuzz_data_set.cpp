// The data set reader on any bytes: every school year's layout (the first byte picks the year,
// 1998 to 2029, so the form of 1997 and the old course regimes are reached), a load or an
// exchange-file import (the second byte), then everything a load does with what was read:
// the conversions of old layouts, the sums, the plausibility test and writing the file back.
#include "data/data_set_file.h"
#include "data/data_set_format.h"
#include "fuzz_support.h"
#include "sheet/plausibility_test.h"
#include "sheet/record_mapping.h"

#include <sstream>

using namespace tev;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static fuzz::QuietUi ui;
    static Engine engine(ui, fuzz::ScratchDirectory());
    const int yearCode = 98 + data[0] % 32;
    const bool import = (data[1] & 1) != 0;
    engine.sheet = Sheet{};
    ShapeSheetForYear(engine.sheet, yearCode);
    engine.window.check91Plaus = (data[1] & 2) != 0;
    engine.window.check91PlausSoll = (data[1] & 4) != 0;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
    DataSetReadOptions options;
    options.import = import;
    options.courseRegime = engine.sheet.courseRegime;
    ReadDataSet(in, engine.sheet.grids, engine.sheet.header, options);
    AfterLoad(engine.sheet, import ? 1 : 0);
    PlausibilityTest(engine);
    std::ostringstream out;
    for (const auto& name : BlockOrder(yearCode)) {
        if (StringGrid* grid = engine.sheet.grids.Find(name))
            WriteBlock(*grid, engine.sheet.header, out);
    }
    return 0;
}
