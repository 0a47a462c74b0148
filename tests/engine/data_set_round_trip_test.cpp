// Every school year layout the demo office writes: a data set read and saved without edits
// keeps every value it had.
#include "data/data_set_file.h"
#include "data/demo/demo_office.h"
#include "data/school_groups.h"
#include "output/codepage.h"
#include "shell/program_start.h"
#include "shell/school_loading.h"
#include "shell/scripted_ui.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

std::vector<std::vector<std::string>> Snapshot(const Sheet& sheet) {
    std::vector<std::vector<std::string>> cells;
    for (const auto& name : SheetGrids::TableGridNames()) {
        const StringGrid& grid = *sheet.grids.Find(name);
        for (int row = 0; row < grid.RowCount(); ++row)
            cells.push_back(grid.Row(row));
    }
    return cells;
}

} // namespace

TEST(DataSetRoundTrip, ReadSaveReadKeepsEveryValueInEveryYear) {
    TempDir temp;
    DemoOptions options;
    options.schools = 4;
    options.firstYear = 113;
    options.lastYear = 129;
    WriteDemoOffice(temp.path() / "amt", options);
    for (int year = options.firstYear; year <= options.lastYear; ++year) {
        ScriptedUi ui;
        Engine engine{ui, temp.path()};
        StartOptions start;
        start.yearSuffix = "." + std::to_string(year % 100);
        StartEngine(engine, ui, (temp.path() / "amt"), start);
        int loaded = 0;
        for (int index = 0; index < static_cast<int>(engine.schoolList.lines.size()); ++index) {
            engine.schoolList.itemIndex = index;
            if (!LoadListedSchool(engine)) continue;
            ++loaded;
            const auto before = Snapshot(engine.sheet);
            ui.AddAnswer("ja");
            ASSERT_TRUE(SaveDataSet(engine, 0));
            ASSERT_TRUE(LoadListedSchool(engine));
            EXPECT_EQ(Snapshot(engine.sheet), before) << "year " << year << " school " << index;
        }
        EXPECT_GE(loaded, 3) << "year " << year;
    }
}
