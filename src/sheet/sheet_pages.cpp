#include "sheet/sheet_pages.h"

#include "output/codepage.h"
#include "sheet/cell_editability.h"
#include "sheet/plausibility_test.h"
#include "sheet/record_mapping.h"
#include "sheet/sheet_tabs.h"
#include "sheet/sheet_text_forms.h"
#include "sheet/sheet_view_texts.h"
#include "sheet/table_titles.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kLastLanguageCol = 2;
constexpr int kLastLanguageRow = 35;

bool IsLanguageCell(const std::string& gridName, int col, int row) {
    return (gridName == "SG11" || gridName == "SG18") && col >= 0 && col <= kLastLanguageCol &&
           row >= 1 && row <= kLastLanguageRow;
}

// The two tables share their language sequences.
void ShareLanguageLetters(Sheet& sheet, const std::string& gridName, int col, int row) {
    if (!IsLanguageCell(gridName, col, row)) return;
    const std::string text = sheet.grids.Find(gridName)->Cells(col, row);
    for (int table : {11, 18})
        sheet.grids.FindTable(table)->SetCells(col, row, text);
}

void ShowPage(Engine& engine, bool runTest) {
    Sheet& sheet = engine.sheet;
    SheetWindowState& w = sheet.window;
    const auto tabs = SheetTabs(sheet.schoolYearCode);
    w.tabIndex = std::clamp(w.tabIndex, 0, static_cast<int>(tabs.size()) - 1);
    const SheetTab& tab = tabs[w.tabIndex];
    w.shownGrid = tab.gridName;
    w.listLines.clear();
    w.listInArial = false;
    w.nationalityPanel = false;
    std::string title =
        tab.titlePrefix.empty() ? std::string() : tab.titlePrefix + sheet.header.yearText;
    switch (tab.page) {
    case SheetPage::Overview:
        engine.services.files.LoadListFile("-" + engine.startup.dataPath + "stat2.mm", w.listLines,
                                           false);
        break;
    case SheetPage::Table:
        if (tab.gridName == "SG92") DeriveTargetHours(sheet);
        w.nationalityPanel = tab.gridName == "SG23";
        break;
    case SheetPage::Test:
        if (runTest) PlausibilityTest(engine);
        w.listLines = sheet.findings;
        w.listInArial = true;
        break;
    case SheetPage::Form1:
        FillGridFromForm(*sheet.grids.Find("SG00"), WriteFormular1(sheet.grids));
        break;
    case SheetPage::Form56:
        FillGridFromForm(*sheet.grids.Find("SG01"),
                         WriteFormular56(sheet.grids, sheet.courseRegime));
        break;
    case SheetPage::Comparison:
        FillGridFromForm(*sheet.grids.Find("SG01"), WriteHoursComparison(sheet.grids));
        break;
    case SheetPage::Note9:
        w.listLines = {"\"zu 9\"  kann in WnnTEV  hier keine Informationen liefern"};
        break;
    default:
        break;
    }
    if (title.empty() && !tab.gridName.empty())
        title = TableTitle(tab.gridName, sheet.schoolYearCode);
    w.subHeading = FillYearPlaceholders(tab.subHeading, sheet.schoolYearCode);
    w.caption = SheetCaption(engine, title);
    RefreshSheetCellTexts(engine);
}

} // namespace

void ShowSheetTab(Engine& engine, int tabIndex) {
    const auto tabs = SheetTabs(engine.sheet.schoolYearCode);
    if (tabIndex < 0 || tabIndex >= static_cast<int>(tabs.size())) return;
    engine.sheet.window.tabIndex = tabIndex;
    engine.sheet.window.highlight = {};
    ShowPage(engine, true);
}

void RefreshSheetPage(Engine& engine) {
    ShowPage(engine, false);
}

StringGrid* ShownSheetGrid(Engine& engine) {
    const std::string& name = engine.sheet.window.shownGrid;
    return name.empty() ? nullptr : engine.sheet.grids.Find(name);
}

void RefreshSheetCellTexts(Engine& engine) {
    SheetWindowState& w = engine.sheet.window;
    const StringGrid* grid = ShownSheetGrid(engine);
    w.notes = grid ? NotePanelLines(engine.sheet, GridTableNumber(grid->Name()))
                   : std::vector<std::string>{};
    w.cellHint.clear();
    w.gridHint.clear();
    if (grid == nullptr) return;
    const SheetCell cell = w.currentCells[grid->Name()];
    if (!cell.Valid()) return;
    w.cellHint = CellHint(*grid, cell.col, cell.row);
    if (HasHoursHint(*grid)) w.gridHint = HoursCellHint(*grid, cell.col, cell.row);
}

bool SelectSheetCell(Engine& engine, int col, int row) {
    Sheet& sheet = engine.sheet;
    SheetWindowState& w = sheet.window;
    const StringGrid* grid = ShownSheetGrid(engine);
    if (grid == nullptr) return false;
    SheetCell& current = w.currentCells[grid->Name()];
    const SheetCell left = current;
    current = {col, row};
    w.positionText = PositionText(col, row);
    ShareLanguageLetters(sheet, grid->Name(), left.col, left.row);
    const CellEditability editability =
        IsCellEditable(*grid, col, row, sheet.schoolYearCode, sheet.schoolNumber);
    RefreshSheetCellTexts(engine);
    if (!editability.message.empty()) engine.services.messages.ShowInfo(editability.message);
    return editability.editable;
}

void EditSheetCell(Engine& engine, const std::string& gridName, int col, int row,
                   const std::string& text) {
    Sheet& sheet = engine.sheet;
    StringGrid* grid = sheet.grids.Find(gridName);
    if (grid == nullptr) return;
    sheet.history.RecordTyping({gridName, col, row, grid->Cells(col, row), text});
    SetSheetCell(sheet, *grid, col, row, text);
    RefreshSheetCellTexts(engine);
}

void SetSheetCell(Sheet& sheet, StringGrid& grid, int col, int row, const std::string& text) {
    if (grid.Cells(col, row) != text) sheet.edited = true;
    OnCellEdited(sheet, grid, col, row, text);
    ShareLanguageLetters(sheet, grid.Name(), col, row);
}

} // namespace tev
