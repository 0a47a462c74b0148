#pragma once
// A small demo office started for one school year, whose schools' cells the tests can set
// and save as a user would in the sheet.
#include "output/recording_canvas.h"
#include "shell/engine.h"
#include "shell/scripted_ui.h"
#include "support/test_support.h"

#include <memory>
#include <string>
#include <vector>

namespace tev::test {

struct CellText {
    std::string grid; // "SG21"
    int col = 0;
    int row = 0;
    std::string text;
};

class DemoSheets {
public:
    // A demo office of `schools` schools for the school year code, the engine started on it
    // (sorted by school number) with a recording printer.
    explicit DemoSheets(int schools = 8, int schoolYearCode = 118, uint64_t seed = 3);

    Engine& engine() { return *engine_; }
    ScriptedUi& ui() { return ui_; }
    const std::filesystem::path& office() const { return office_; }
    int SchoolCount() const;
    std::string SchoolNumber(int index) const;

    // Loads the school, types the texts into their cells (sums follow) and saves its data set.
    void Plant(int index, const std::vector<CellText>& cells);
    // Loads the school as a click does.
    void Load(int index);

    // The printer: a fresh recording for every call.
    RecordingCanvas& NewCanvas();
    RecordingCanvas& canvas();

private:
    TempDir temp_;
    std::filesystem::path office_;
    ScriptedUi ui_;
    std::unique_ptr<Engine> engine_;
};

} // namespace tev::test
