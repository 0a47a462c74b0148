#include "summary/summary_export.h"

#include "output/codepage.h"
#include "output/print_grid.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "sheet/table_titles.h"
#include "summary/summary_run.h"
#include "summary/summary_views.h"

namespace tev {
namespace {

constexpr int kTableGap = 80;
constexpr int kLastGroup = 9;
constexpr const char* kGroupChoices =
    "1 (1.1/1.8 + 1.2);2 (2.1 - 2.4);3 (3.1 - 3.4);4 (4.1 - 4.4);5 (5.1 - 5.2);6 (6.1);"
    "7 (7.1 - 7.2);8 (8.1 - 8.3);9 (9.1);----;1 2 3 4 5 6 7 8 9 (d.h. alle);1 3 5 7 9;"
    "8 6 4 2;2 4 6 8;1 3 4;(2.1 2.2 3.2);Auszug;Auszug -> *.csv;SGs -> *.csv;1,5+6;9gem";

// The tables of a print group that the school year has.
std::vector<int> GroupTables(int group, int year) {
    switch (group) {
    case 1:
        return {11, 18, 12};
    case 2:
        return {21, 22, 23, 24};
    case 3:
        return {31, 32, 33, 34};
    case 4: {
        std::vector<int> tables = {41};
        if (year >= 113) tables.push_back(42);
        if (year >= 115) tables.push_back(43);
        if (year >= 120) tables.push_back(44);
        return tables;
    }
    case 5:
        return {51, 52};
    case 6:
        return {61};
    case 7:
        if (year < 113) return {71, 72};
        return {71};
    case 8:
        return {81, 82, 83};
    case 9:
        return {91};
    default:
        return {};
    }
}

std::string TableDigits(int table) {
    return std::to_string(table / 10) + std::to_string(table % 10);
}

std::string GroupOneTitle(int table) {
    return table == 11 ? "9j.Gym." : table == 18 ? "8j.Gym." : "Klassen";
}

bool HasNumberAbove0(const SummaryStore& store, int table) {
    for (int row = 0; row < store.RowCount(table); ++row)
        for (int col = 0; col < store.ColCount(table, row); ++col)
            if (const SummaryCell* cell = store.Find(table, row, col); cell && cell->sum > 0)
                return true;
    return false;
}

// The tables go out one below the other without a question each: the choice of "Diverses"
// said what to print.
void PrintTables(Engine& engine, const std::vector<int>& tables, bool groupOne) {
    SummaryState& summary = engine.summary;
    std::vector<int> printed;
    for (int table : tables) {
        if (table == 43 && summary.store && !HasNumberAbove0(*summary.store, 43)) {
            engine.services.messages.ShowInfo(
                Win("4.3  Inklusiv beschulte Schüler.....    hat keine Zahlen > 0"));
            continue;
        }
        printed.push_back(table);
    }
    const int flags = engine.print.controlFlags;
    engine.print.controlFlags |= kPrintNoChoiceDialogs;
    for (size_t i = 0; i < printed.size(); ++i) {
        const int table = printed[i];
        const StringGrid& grid = *summary.grids.FindTable(table);
        const std::string title =
            groupOne ? GroupOneTitle(table) : TableTitle(grid.Name(), summary.schoolYearCode);
        if (groupOne) SaveGridCsv(engine, "zuSG" + TableDigits(table) + ".csv", grid, title);
        PrintGrid(engine, title, grid, i + 1 < printed.size() ? kTableGap : -1);
    }
    engine.print.controlFlags = flags;
}

void PrintGroups(Engine& engine, const std::vector<int>& groups) {
    for (int group : groups)
        PrintTables(engine, GroupTables(group, engine.summary.schoolYearCode), group == 1);
}

// The file names of the export: year, group code, form and table ("2016öff_Zusf_k_Tab21.csv"),
// with the group code's umlaut as the file system writes it.
std::string ExportName(const Engine& engine, const std::string& form, const std::string& part) {
    return Utf8FromWin(engine.startup.startYearText + GroupFileCode(engine.schoolGroup) + "_" +
                       form + "_Tab" + part + ".csv");
}

// The short form leaves out the rows that hold no number.
StringGrid WithoutEmptyRows(const StringGrid& grid) {
    StringGrid compact(grid.Name(), grid.ColCount(), 0);
    for (int row = 0; row < grid.RowCount(); ++row) {
        bool any = row < grid.FixedRows();
        for (int col = grid.FixedCols(); col < grid.ColCount() && !any; ++col)
            any = ParseInt(grid.Cells(col, row)) != 0;
        if (!any) continue;
        compact.SetRowCount(compact.RowCount() + 1);
        for (int col = 0; col < grid.ColCount(); ++col)
            compact.SetCells(col, compact.RowCount() - 1, grid.Cells(col, row));
    }
    return compact;
}

// Every table in three forms: as shown ("Zusfas"), as sums ("Zusf") and as sums without
// the empty rows ("Zusf_k"); then the overview and the comparison views as shown.
void SaveTablesAsCsv(Engine& engine) {
    SummaryState& summary = engine.summary;
    if (!summary.store) return;
    SheetGrids sums;
    const SummaryDisplayInput input{*summary.store, summary.rows, summary.schoolsRead,
                                    summary.schoolYearCode, engine.sheet.screenWidth};
    FillSummaryGrids(sums, input, kPlainSums);
    const std::string kind = DisplayKindTexts()[summary.displayKind];
    std::string written;
    for (int table : SummaryTables(summary.schoolYearCode)) {
        const std::string digits = TableDigits(table);
        const std::string title = TableTitle(GridNameOfTable(table), summary.schoolYearCode);
        const StringGrid& shown = *summary.grids.FindTable(table);
        const StringGrid& summed = *sums.FindTable(table);
        const bool saved = SaveGridCsv(engine, ExportName(engine, "Zusfas", digits), shown,
                                       title + "  (" + Trim(kind) + ")") &&
                           SaveGridCsv(engine, ExportName(engine, "Zusf", digits), summed, title) &&
                           SaveGridCsv(engine, ExportName(engine, "Zusf_k", digits),
                                       WithoutEmptyRows(summed), title);
        if (saved) written += digits + " ";
    }
    StringGrid view("SG01");
    SaveGridCsv(engine, ExportName(engine, "Zusfas", "00"), *summary.grids.Find("SG00"),
                Win("Übersicht"));
    FillCourseComparison(view, summary.grids, *summary.store);
    SaveGridCsv(engine, ExportName(engine, "Zusfas", "1_56"), view, "1,5+6");
    FillHoursComparison(view, summary.grids);
    SaveGridCsv(engine, ExportName(engine, "Zusfas", "9gem"), view, "9gem");
    engine.services.messages.ShowInfo(written +
                                      " sind erstellt  (SGxx  als  Zusf    Zusf_k   und  Zusfas)");
}

// A comparison view, saved under its export name and printed.
void SaveAndPrintView(Engine& engine, const std::string& part, const std::string& title,
                      void (*fill)(Engine&, StringGrid&)) {
    StringGrid& view = *engine.summary.grids.Find("SG01");
    fill(engine, view);
    SaveGridCsv(engine, ExportName(engine, "Zusfas", part), view, title);
    PrintGrid(engine, title, view, -1);
}

void RunEntry(Engine& engine, int entry) {
    SummaryState& summary = engine.summary;
    switch (entry) {
    case 10:
        return;
    case 11:
        return PrintGroups(engine, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    case 12:
        return PrintGroups(engine, {1, 3, 5, 7, 9});
    case 13:
        return PrintGroups(engine, {8, 6, 4, 2});
    case 14:
        return PrintGroups(engine, {2, 4, 6, 8});
    case 15:
        return PrintGroups(engine, {1, 3, 4});
    case 16:
        return PrintTables(engine, {21, 22, 32}, false);
    case 17:
        PrintGrid(engine, "Auszug", *summary.grids.Find("SG00"), -1);
        return;
    case 18: {
        engine.print.redirectToFile = true;
        PrintGrid(engine, "Auszug", *summary.grids.Find("SG00"), -1);
        engine.print.redirectToFile = false;
        return;
    }
    case kSaveTablesEntry:
        return SaveTablesAsCsv(engine);
    case 20:
        return SaveAndPrintView(engine, "1_56", Win("Vergleich 1.1/1.8 mit 5.1 und 6.1"),
                                [](Engine& e, StringGrid& view) {
                                    FillCourseComparison(view, e.summary.grids, *e.summary.store);
                                });
    case 21:
        return SaveAndPrintView(engine, "9gem", "9.1 und 9.2", [](Engine& e, StringGrid& view) {
            FillHoursComparison(view, e.summary.grids);
        });
    default:
        return;
    }
}

} // namespace

const std::vector<std::string>& SummarySheetChoices() {
    static const std::vector<std::string> choices = [] {
        std::vector<std::string> items;
        FillItems(items, kGroupChoices);
        return items;
    }();
    return choices;
}

std::string GroupFileCode(const std::string& schoolGroup) {
    static const std::string kChars = " 139";
    static const std::string kCodes = Win("ö_pöffprv9jn");
    const size_t at = schoolGroup.empty() ? 0 : kChars.find(schoolGroup[0]);
    return kCodes.substr((at == std::string::npos ? 0 : at) * 3, 3);
}

void PrintSummarySheet(Engine& engine, int first, int last) {
    if (!engine.summary.store || first < 1) return;
    const bool heldOpen = (engine.print.controlFlags & kPrintKeepDocumentOpen) != 0;
    if (!heldOpen && engine.printer && !engine.printer->Ready()) {
        engine.services.messages.ShowInfo(Win("druckt noch etwas anderes; später probieren!"));
        return;
    }
    engine.print.cursor = kPageTop;
    if (first <= kLastGroup) {
        std::vector<int> groups;
        for (int group = first; group <= std::min(last, kLastGroup); ++group)
            groups.push_back(group);
        return PrintGroups(engine, groups);
    }
    RunEntry(engine, first);
}

void SummaryDiversesClick(Engine& engine) {
    if (!engine.summary.store) return;
    RangeRequest request;
    request.title = "Schulbogen(Tabellen) drucken";
    request.items = SummarySheetChoices();
    request.multi = true;
    if (!engine.ui().SelectRange(request)) return;
    PrintSummarySheet(engine, request.first, request.last);
}

} // namespace tev
