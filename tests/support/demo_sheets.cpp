#include "support/demo_sheets.h"

#include "data/data_set_file.h"
#include "data/demo/demo_office.h"
#include "output/recording_canvas.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"
#include "support/demo_office_fixture.h"
#include "support/engine_start.h"

#include <stdexcept>

namespace tev::test {

DemoSheets::DemoSheets(int schools, int schoolYearCode, uint64_t seed)
    : office_(temp_.path() / "office") {
    DemoOptions options;
    options.schools = schools;
    options.seed = seed;
    options.firstYear = schoolYearCode;
    options.lastYear = schoolYearCode;
    WriteDemoOffice(office_, options);
    engine_ = std::make_unique<Engine>(ui_, temp_.path());
    engine_->printer = std::make_unique<RecordingCanvas>();
    StartOptions start;
    start.yearSuffix = "." + std::to_string(schoolYearCode % 100);
    start.sortIndex = 2;
    StartEngine(*engine_, ui_, office_, start);
}

int DemoSheets::SchoolCount() const {
    return static_cast<int>(engine_->schoolList.lines.size());
}

std::string DemoSheets::SchoolNumber(int index) const {
    return engine_->schoolList.lines.at(index).substr(2, 6);
}

void DemoSheets::Load(int index) {
    SelectListedSchool(*engine_, index);
    LBClick(*engine_);
}

RecordingCanvas& DemoSheets::NewCanvas() {
    engine_->printer = std::make_unique<RecordingCanvas>();
    engine_->print = PrintState{};
    return canvas();
}

RecordingCanvas& DemoSheets::canvas() {
    return dynamic_cast<RecordingCanvas&>(*engine_->printer);
}

void DemoSheets::Plant(int index, const std::vector<CellText>& cells) {
    Load(index);
    for (const CellText& cell : cells) {
        StringGrid* grid = engine_->sheet.grids.Find(cell.grid);
        if (!grid) throw std::runtime_error("no grid " + cell.grid);
        OnCellEdited(engine_->sheet, *grid, cell.col, cell.row, cell.text);
    }
    ui_.AddAnswer("ja");
    if (!SaveDataSet(*engine_, 0)) throw std::runtime_error("not saved: " + SchoolNumber(index));
}

std::map<int, std::vector<std::string>> DataSetBlock(const std::string& fileText,
                                                     const std::string& table) {
    std::map<int, std::vector<std::string>> rows;
    bool inside = false;
    for (const auto& line : SplitFields(ReplaceAll(fileText, "\r\n", "\n"), '\n')) {
        if (line.rfind(".;", 0) == 0) {
            inside = line.rfind(".;" + table + ";", 0) == 0;
            continue;
        }
        if (!inside || line.empty()) continue;
        auto fields = SplitFields(line);
        rows[ParseInt(fields[0])] = std::move(fields);
    }
    return rows;
}

} // namespace tev::test
