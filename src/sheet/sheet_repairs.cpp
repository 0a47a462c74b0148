#include "sheet/sheet_repairs.h"

#include "data/data_set_file.h"
#include "output/text_routines.h"
#include "sheet/plausibility_test.h"
#include "sheet/sheet_tabs.h"
#include "sheet/table_headings.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace tev {
namespace {

constexpr int kRepairedTables[] = {21, 22, 23, 31, 32, 34, 41, 52, 71, 72, 81, 82, 83};

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// The standard headings of a table shaped like the sheet's grid: the heading row always, the
// label columns only when the standard shape is the grid's shape (else they would land on
// other rows).
void FillWorkGrid(const Sheet& sheet, const StringGrid& grid, int tableNumber, StringGrid& work) {
    SheetGrids scratch;
    StringGrid& standard = *scratch.FindTable(tableNumber);
    standard.SetColCount(grid.ColCount());
    standard.SetRowCount(grid.RowCount());
    SetTableHeadings(scratch, tableNumber, sheet.schoolYearCode, sheet.screenWidth, sheet.rowLists);
    const bool sameShape =
        standard.ColCount() == grid.ColCount() && standard.RowCount() == grid.RowCount();
    work.SetColCount(grid.ColCount());
    work.SetRowCount(grid.RowCount());
    work.Clear();
    const int rows = sameShape ? grid.RowCount() : 1;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < grid.ColCount(); ++col)
            work.SetCells(col, row, standard.Cells(col, row));
    }
}

// Runs `perSchool` for each school of a range chosen by the user, with the progress gauge;
// schools that cannot be loaded are skipped.
void ForSchoolRange(Engine& engine, const std::string& title,
                    const std::function<void(Engine&)>& perSchool) {
    RangeRequest choice;
    choice.title = title;
    choice.items = engine.schoolList.lines;
    choice.first = std::max(engine.schoolList.itemIndex, 0) + 1;
    choice.multi = true;
    if (choice.items.empty() || !engine.ui().SelectRange(choice)) return;
    engine.ui().ProgressStart(choice.last - choice.first + 1);
    for (int line = choice.first; line <= choice.last; ++line) {
        if (!engine.ui().ProgressRunning()) break;
        SelectListedSchool(engine, line - 1);
        if (LoadListedSchool(engine)) perSchool(engine);
        engine.ui().ProgressStep(line - choice.first + 1);
        engine.ui().ProcessMessages();
    }
    engine.ui().ProgressEnd();
}

void MoveColumn(StringGrid& grid, int from, int to) {
    for (int row = 0; row < grid.RowCount(); ++row) {
        grid.SetCells(to, row, grid.Cells(from, row));
        grid.SetCells(from, row, "");
    }
}

// Characters 31 to 70 of the school's list line in the display code page.
std::string ListedSchoolName(const Engine& engine) {
    const auto& list = engine.schoolList;
    if (list.itemIndex < 0 || list.itemIndex >= static_cast<int>(list.lines.size())) return {};
    const std::string& line = list.lines[list.itemIndex];
    return DosToWindowsText(PadRight(line.size() > 30 ? line.substr(30, 40) : "", 40));
}

constexpr const char* kTable24Moved = "2.4 wurde korrigiert/verschoben, bitte kontrollieren";
// Table 2.4: column 5 is headed with the birth year Y + 1887 of the school year Y.
constexpr int kBirthYearColumn = 5;

// The school year (years since 1900) whose class 5 pupils were born in the year of column 5.
int SchoolYearOfBirthYears(const StringGrid& grid24) {
    return ClampInt(0, ParseInt(grid24.Cells(kBirthYearColumn, 0)), 9999) - 1900 + 13;
}

} // namespace

int RepairHeadings(Sheet& sheet, int tableNumber) {
    if (std::find(std::begin(kRepairedTables), std::end(kRepairedTables), tableNumber) ==
        std::end(kRepairedTables)) {
        return 0;
    }
    StringGrid* grid = sheet.grids.FindTable(tableNumber);
    StringGrid* work = sheet.grids.Find("SGcmp");
    if (grid == nullptr || work == nullptr) return 0;
    FillWorkGrid(sheet, *grid, tableNumber, *work);
    int replaced = 0;
    for (int row = 0; row < work->RowCount(); ++row) {
        for (int col = 0; col < work->ColCount(); ++col) {
            const std::string standard = work->Cells(col, row);
            if (Trim(standard).empty() || Trim(standard) == Trim(grid->Cells(col, row))) continue;
            sheet.findings.push_back("\n   SGcmp: " + grid->Name() + "[" + TwoDigits(col) + "," +
                                     TwoDigits(row) + "]=" + grid->Cells(col, row) +
                                     " ersetzt durch " + standard);
            grid->SetCells(col, row, standard);
            ++replaced;
        }
    }
    return replaced;
}

int RepairAllHeadings(Sheet& sheet) {
    int replaced = 0;
    for (const SheetTab& tab : SheetTabs(sheet.schoolYearCode)) {
        const int table = TabTableNumber(tab.caption);
        if (table >= 0) replaced += RepairHeadings(sheet, table);
    }
    return replaced;
}

void SBRepairSGsClick(Engine& engine) {
    ForSchoolRange(engine, "Repair SGs", [](Engine& e) {
        RepairAllHeadings(e.sheet);
        e.outputBox.lines() = e.sheet.findings;
    });
}

bool MoveHoursColumnsToCurrentOrder(StringGrid& grid91) {
    if (Trim(grid91.Cells(14, 0)) != "M") return false;
    if (grid91.ColCount() < 27) grid91.SetColCount(27);
    for (int col = 22; col >= 18; --col)
        MoveColumn(grid91, col, col + 4);
    grid91.SetCells(21, 0, "Nat");
    for (int col = 17; col >= 14; --col)
        MoveColumn(grid91, col, col + 3);
    grid91.SetCells(16, 0, "SFS");
    grid91.SetCells(15, 0, "Sp");
    grid91.SetCells(14, 0, "I");
    return true;
}

void SBrepair91Click(Engine& engine) {
    engine.outputBox.Clear();
    ForSchoolRange(engine, "Repair SG91", [](Engine& e) {
        StringGrid* grid91 = e.sheet.grids.Find("SG91");
        if (grid91 == nullptr || !MoveHoursColumnsToCurrentOrder(*grid91)) return;
        PlausibilityTest(e);
        RepairAllHeadings(e.sheet);
        // Only a saved repair is a repair.
        if (SaveDataSet(e, 0)) e.outputBox.Add(ListedSchoolName(e) + ": 9.1 repaired");
    });
}

void MoveTable24ByOneYear(Engine& engine) {
    Sheet& sheet = engine.sheet;
    StringGrid* grid = sheet.grids.Find("SG24");
    if (grid == nullptr) return;
    if (SchoolYearOfBirthYears(*grid) >= sheet.schoolYearCode) {
        engine.services.messages.ShowInfo("ist ok");
        return;
    }
    if (!engine.services.messages.AskYesNo("wirklich verschieben?")) return;
    const int last = grid->ColCount() - 2; // "und früher"; the last column is the total
    // The earliest column takes the pupils of the year that joins it, none are dropped.
    std::vector<int64_t> earliest;
    for (int row = 1; row < grid->RowCount(); ++row) {
        earliest.push_back(int64_t{ParseInt(grid->Cells(last, row))} +
                           ParseInt(grid->Cells(last - 1, row)));
    }
    for (int col = last; col >= 2; --col) {
        for (int row = 0; row < grid->RowCount(); ++row)
            grid->SetCells(col, row, grid->Cells(col - 1, row));
    }
    for (int row = 1; row < grid->RowCount(); ++row)
        grid->SetCells(last, row, std::to_string(earliest[row - 1]));
    grid->FillCol(1, " ;0;0;0");
    grid->SetHint(kTable24Moved);
    if (SchoolYearOfBirthYears(*grid) == sheet.schoolYearCode) {
        engine.services.messages.ShowInfo("\nist nun ok");
        SetTableHeadings(sheet.grids, 24, sheet.schoolYearCode, sheet.screenWidth, sheet.rowLists);
    }
}

void Rep24aktDS1Click(Engine& engine) {
    MoveTable24ByOneYear(engine);
}

bool Table24WasMoved(const Sheet& sheet) {
    const StringGrid* grid = sheet.grids.Find("SG24");
    return grid != nullptr && grid->Hint() == kTable24Moved;
}

void ForgetTable24Move(Sheet& sheet) {
    if (StringGrid* grid = sheet.grids.Find("SG24"); grid && grid->Hint() == kTable24Moved)
        grid->SetHint("");
}

} // namespace tev
