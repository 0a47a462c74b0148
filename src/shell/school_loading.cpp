#include "shell/school_loading.h"

#include "data/data_set_file.h"
#include "demand/demand_commands.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/finding_navigation.h"
#include "sheet/plausibility_test.h"
#include "sheet/record_mapping.h"
#include "sheet/sheet_commands.h"
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

namespace {

// The school number a line of a school list or the data test's list names; empty for others.
std::string SchoolNumberOfLine(const std::string& line) {
    if (line.size() < 8) return {};
    const std::string number = line.substr(2, 6);
    return ParseTwoDigits(number) < 10 ? std::string() : number;
}

bool LoadSchoolNumbered(Engine& engine, const std::string& number) {
    const auto& schools = engine.schoolList.lines;
    for (int i = static_cast<int>(schools.size()) - 1; i >= 0; --i) {
        if (schools[i].find(number) == std::string::npos) continue;
        SelectListedSchool(engine, i);
        LBClick(engine);
        return true;
    }
    return false;
}

// The data test lists a school's findings below its line: the line is a finding of the
// school above when, loaded again, that school still has it.
bool OpenListedFinding(Engine& engine, int outputLine) {
    const std::vector<std::string> lines = engine.outputBox.lines(); // loading replaces them
    if (lines[outputLine].empty()) return false;
    std::string number;
    // The protocol after the last school belongs to none.
    for (int i = outputLine - 1; i >= 0 && number.empty() && lines[i] != "PROTOKOLL:"; --i)
        number = SchoolNumberOfLine(lines[i]);
    if (number.empty() || !LoadSchoolNumbered(engine, number)) return false;
    if (engine.sheet.header.SchoolNumber() != number) return false;
    const auto& findings = engine.sheet.findings;
    for (size_t k = 1; k < findings.size(); ++k) {
        if (FromOemText(findings[k]) != lines[outputLine]) continue;
        Bearbeiten1Click(engine);
        return OpenFindingCell(engine, static_cast<int>(k));
    }
    return false;
}

} // namespace

// A line naming a school loads it; a finding listed by the data test also opens its cell.
void LB2DblClick(Engine& engine, int outputLine) {
    const auto& lines = engine.outputBox.lines();
    if (outputLine < 0 || outputLine >= static_cast<int>(lines.size())) return;
    const std::string number = SchoolNumberOfLine(lines[outputLine]);
    if (!number.empty()) {
        LoadSchoolNumbered(engine, number);
        return;
    }
    OpenListedFinding(engine, outputLine);
}

} // namespace tev
