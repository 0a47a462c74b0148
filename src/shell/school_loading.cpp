#include "shell/school_loading.h"

#include "data/data_set_file.h"
#include "demand/demand_commands.h"
#include "output/text_routines.h"
#include "sheet/plausibility_test.h"
#include "sheet/record_mapping.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_repairs.h"
#include "shell/school_selection.h"

namespace tev {

bool LoadListedSchool(Engine& engine) {
    // Typed changes would be lost without a word when another school replaces the sheet.
    if (engine.sheet.edited && engine.services.messages.AskYesNo("Daten abspeichern?"))
        SaveDataSet(engine, 0);
    engine.sheet.edited = false;
    engine.sheet.history.Clear();
    ShapeSheetForYear(engine.sheet, engine.startup.schoolYearCode);
    engine.services.log.Write("Tev1.Test1 nach fill0");
    const bool loaded = LoadDataSet(engine, 0);
    engine.services.log.Write("Tev1.Test1 nach load(0)");
    ForgetTable24Move(engine.sheet);
    PlausibilityTest(engine);
    ComputeDemandOnLoad(engine);
    if (engine.sheet.window.visible) RefreshSheetPage(engine);
    return loaded;
}

void LBClick(Engine& engine) {
    auto& list = engine.schoolList;
    if (list.busyMark != 0 || list.lines.empty()) return;
    engine.window.editMenusEnabled = false;
    if (list.itemIndex < 0) list.itemIndex = 0;
    list.busyMark = list.itemIndex + 1;
    engine.ui().ProcessMessages();
    LoadListedSchool(engine);
    engine.outputBox.lines() = engine.sheet.findings;
    engine.sheet.schoolSpinValue = list.busyMark;
    list.itemIndex = list.busyMark - 1;
    list.busyMark = 0;
    engine.window.editMenusEnabled = true;
    engine.ui().ProcessMessages();
}

void LB2DblClick(Engine& engine, int outputLine) {
    const auto& lines = engine.outputBox.lines();
    if (outputLine < 0 || outputLine >= static_cast<int>(lines.size())) return;
    const std::string& line = lines[outputLine];
    if (line.size() < 8) return;
    const std::string number = line.substr(2, 6);
    if (ParseTwoDigits(number) < 10) return;
    const auto& schools = engine.schoolList.lines;
    for (int i = static_cast<int>(schools.size()) - 1; i >= 0; --i) {
        if (schools[i].find(number) == std::string::npos) continue;
        SelectListedSchool(engine, i);
        LBClick(engine);
        return;
    }
}

} // namespace tev
