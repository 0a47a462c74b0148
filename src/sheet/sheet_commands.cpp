#include "sheet/sheet_commands.h"

#include "data/data_set_file.h"
#include "output/codepage.h"
#include "output/print_grid.h"
#include "output/print_list.h"
#include "output/text_routines.h"
#include "sheet/sheet_extract.h"
#include "sheet/sheet_grids.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_search.h"
#include "sheet/sheet_tabs.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"

#include <algorithm>
#include <set>

namespace tev {
namespace {

constexpr int kListFontCode = 35;       // "Courier New"
constexpr int kArialListFontCode = 291; // "Arial"
constexpr int kFreeCourseLabelRows = 4;

enum class DoubleClickAction { None, Print, Label, Subject };

DoubleClickAction ActionAt(const StringGrid& grid, int col, int row) {
    const std::string& name = grid.Name();
    const int rows = grid.RowCount();
    if (name == "SG00" || name == "SG01") return DoubleClickAction::Print;
    if (name == "SG52" && col == 1 && row >= 1 && row <= rows - 2) return DoubleClickAction::Label;
    if ((name == "SG51" || name == "SG61") && col == 0 && row >= rows - 1 - kFreeCourseLabelRows &&
        row <= rows - 2)
        return DoubleClickAction::Label;
    if (name == "SG72" &&
        ((col == 0 && row >= 16 && row <= 19) || (row == 0 && col >= 1 && col <= 4)))
        return DoubleClickAction::Label;
    if ((name == "SG81" || name == "SG82") && col == 1 && row >= 1 && row != 13 && row != 26 &&
        row < rows)
        return DoubleClickAction::Subject;
    return DoubleClickAction::None;
}

bool AskCellLabel(Engine& engine, StringGrid& grid, int col, int row) {
    TextRequest request;
    request.caption = grid.Name();
    request.prompt = grid.Name() == "SG72"
                         ? Win("Bezeichnung für Feld bei ") + std::to_string(col) + "," +
                               std::to_string(row) + Win("\t eingeben")
                         : Win("Bezeichnung für Zeile ") + std::to_string(row) + Win("\t eingeben");
    request.value = Trim(grid.Cells(col, row));
    if (!engine.ui().AskText(request)) return false;
    // A ";" would split the cell in the data set file.
    EditSheetCell(engine, grid.Name(), col, row, ReplaceAll(request.value, ";", "/"));
    return true;
}

// The subjects of table 6.1 (its first column), sorted.
std::vector<std::string> CourseSubjects(const Sheet& sheet) {
    std::set<std::string> codes;
    if (const StringGrid* grid = sheet.grids.FindTable(61)) {
        for (int row = 1; row + 1 < grid->RowCount(); ++row) {
            const std::string code = TrimRight(grid->Cells(0, row).substr(0, 3));
            if (!code.empty()) codes.insert(code);
        }
    }
    return {codes.begin(), codes.end()};
}

bool ChooseCourseSubject(Engine& engine, StringGrid& grid, int col, int row) {
    OptionRequest request;
    request.caption = "Fach";
    // The blank first entry takes a subject out again.
    request.options = {" "};
    for (const std::string& code : CourseSubjects(engine.sheet))
        request.options.push_back(code);
    const std::string current = Trim(grid.Cells(col, row));
    const auto at = std::find(request.options.begin(), request.options.end(), current);
    request.preset =
        at == request.options.end() ? 1 : static_cast<int>(at - request.options.begin()) + 1;
    const int chosen = engine.ui().ChooseOption(request);
    if (chosen < 1) return false;
    EditSheetCell(engine, grid.Name(), col, row, Trim(request.options[chosen - 1]));
    return true;
}

int LoadedSchoolIndex(const Engine& engine) {
    const auto& lines = engine.schoolList.lines;
    const std::string& number = engine.sheet.schoolNumber;
    if (!number.empty()) {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].size() >= 8 && lines[i].compare(2, 6, number) == 0)
                return static_cast<int>(i);
        }
    }
    return engine.schoolList.itemIndex;
}

void LoadSchoolAt(Engine& engine, int index) {
    SelectListedSchool(engine, index);
    LBClick(engine);
}

} // namespace

void Bearbeiten1Click(Engine& engine) {
    auto& list = engine.schoolList;
    if (list.lines.empty()) return;
    if (list.itemIndex < 0) {
        if (engine.developerMode() & 1)
            engine.services.messages.ShowInfo("TFormTEV1.Bearbeiten1Click:  LB.itemindex<0");
        LoadSchoolAt(engine, 0);
    }
    Sheet& sheet = engine.sheet;
    const std::string& line = list.lines[list.itemIndex];
    // Private schools (number starting with 3) show no fixed columns in 1.1 and 1.8.
    sheet.pupilTablesFixedCols = !(line.size() > 2 && line[2] == '3');
    sheet.window.visible = true;
    RefreshSheetPage(engine);
}

void CloseSheetWindow(Engine& engine) {
    engine.sheet.window.visible = false;
}

bool BtQuitClick(Engine& engine) {
    Messages& messages = engine.services.messages;
    if (messages.AskYesNo("Daten abspeichern?", 256 | 1)) {
        SaveDataSet(engine, 0);
    } else if (messages.lastAnswer() == DialogAnswer::Cancel) {
        return false;
    } else {
        engine.sheet.edited = false; // the user let the changes go
    }
    CloseSheetWindow(engine);
    return true;
}

bool SBSaveClick(Engine& engine) {
    const bool saved = SaveDataSet(engine, 0);
    RefreshSheetPage(engine);
    return saved;
}

bool SBLoadClick(Engine& engine) {
    if (!engine.services.messages.AskYesNo("Daten wirklich nachladen?")) return false;
    engine.sheet.edited = false; // reloading is meant to drop them
    const int index = LoadedSchoolIndex(engine);
    if (index < 0) return false;
    LoadSchoolAt(engine, index);
    return true;
}

void SE1Change(Engine& engine, int position) {
    const int count = static_cast<int>(engine.schoolList.lines.size());
    if (count == 0) return;
    LoadSchoolAt(engine, std::clamp(position - 1, 0, count - 1));
}

bool HasCellDoubleClickAction(const StringGrid& grid, int col, int row) {
    return ActionAt(grid, col, row) != DoubleClickAction::None;
}

bool SheetCellDoubleClicked(Engine& engine, int col, int row) {
    StringGrid* grid = ShownSheetGrid(engine);
    if (grid == nullptr) return false;
    switch (ActionAt(*grid, col, row)) {
    case DoubleClickAction::Print:
        PrintGrid(engine, engine.sheet.window.caption, *grid, -1);
        return true;
    case DoubleClickAction::Label:
        AskCellLabel(engine, *grid, col, row);
        return true;
    case DoubleClickAction::Subject:
        ChooseCourseSubject(engine, *grid, col, row);
        return true;
    case DoubleClickAction::None:
        break;
    }
    return false;
}

void SheetListDoubleClicked(Engine& engine) {
    const SheetWindowState& w = engine.sheet.window;
    if (w.listLines.empty()) return;
    PrintListBox(engine, w.caption, w.listLines,
                 w.listInArial ? kArialListFontCode : kListFontCode);
}

bool IsTypedEntryAllowed(const StringGrid& grid, int col) {
    const std::string& name = grid.Name();
    return !((name == "SG81" || name == "SG82") && col <= 1);
}

void SetSearchFrom(Engine& engine) {
    SheetWindowState& w = engine.sheet.window;
    const StringGrid* grid = ShownSheetGrid(engine);
    if (grid == nullptr) return;
    const SheetCell cell = w.currentCells[grid->Name()];
    if (!cell.Valid()) return;
    w.searchGrid = grid->Name();
    w.searchFrom = cell;
    w.searchTo = cell;
    w.searchTabIndex = w.tabIndex;
}

void SetSearchTo(Engine& engine) {
    SheetWindowState& w = engine.sheet.window;
    const StringGrid* grid = ShownSheetGrid(engine);
    if (grid == nullptr || grid->Name() != w.searchGrid) return;
    const SheetCell cell = w.currentCells[grid->Name()];
    if (cell.Valid()) w.searchTo = cell;
}

void SetSecondGrid(Engine& engine, bool on) {
    SheetWindowState& w = engine.sheet.window;
    const StringGrid* grid = ShownSheetGrid(engine);
    w.secondGrid = on && grid != nullptr ? grid->Name() : std::string();
}

bool SBsearchnextClick(Engine& engine, const std::string& criterionText) {
    SheetWindowState& w = engine.sheet.window;
    w.criterion = criterionText;
    const auto criterion = ParseSearchCriterion(criterionText);
    Messages& messages = engine.services.messages;
    if (!criterion) {
        messages.ShowInfo("Bitte eine Suchbedingung eingeben (z.B. >0)");
        return false;
    }
    if (w.searchGrid.empty()) {
        messages.ShowInfo(Win("Bitte zuerst eine Zelle wählen und auf \"von\" klicken"));
        return false;
    }
    const SearchArea area{w.searchGrid,   w.searchFrom.col, w.searchFrom.row,
                          w.searchTo.col, w.searchTo.row,   w.secondGrid};
    w.searchRunning = true;
    w.searchFound = false;
    const int last = static_cast<int>(engine.schoolList.lines.size()) - 1;
    const int found = SearchNextSchool(engine, area, *criterion, LoadedSchoolIndex(engine), last);
    w.searchRunning = false;
    w.searchFound = found >= 0;
    RefreshSheetPage(engine);
    // A search stopped by "Abbruch" needs no message.
    if (!w.searchFound && engine.schoolList.itemIndex >= last)
        messages.ShowInfo("keine (weitere) Schule gefunden");
    return true;
}

bool PanelZSClick(Engine& engine, bool column, const std::string& extraText,
                  const std::string& criterion) {
    SheetWindowState& w = engine.sheet.window;
    // The caption shows "Z.. S.." once a cell of a table was chosen.
    if (w.shownGrid.empty() || w.positionText.empty() || w.positionText[0] != 'Z') return false;
    ExtractRequest request;
    request.grid = w.shownGrid;
    request.col = w.currentCells[w.shownGrid].col;
    request.row = w.currentCells[w.shownGrid].row;
    request.line = column ? ExtractLine::Column : ExtractLine::Row;
    if (const std::string extra = Trim(extraText); !extra.empty()) request.extra = ParseInt(extra);
    request.criterion = criterion;
    w.criterion = criterion;
    if (!w.searchGrid.empty()) {
        request.area = SearchArea{w.searchGrid,   w.searchFrom.col, w.searchFrom.row,
                                  w.searchTo.col, w.searchTo.row,   w.secondGrid};
    }
    if (!MakeExtract(engine, request)) return false;
    const auto tabs = SheetTabs(engine.sheet.schoolYearCode);
    for (size_t i = 0; i < tabs.size(); ++i) {
        if (tabs[i].page == SheetPage::Extract) ShowSheetTab(engine, static_cast<int>(i));
    }
    return true;
}

} // namespace tev
