// Page rules of the sheet print (0.1 mm):
// - Every page the sheet print begins carries the date and the print title; each table is
//   headed by its number and title.
// - A table stays below the previous one when it fits above the bottom limit, else it begins
//   a new page; a table taller than a page is split by the grid printer. Group 8 lets 8.3
//   begin on the page of 8.2 when 102.5 mm are left, the print layout value 1025 of old.
// - A group ends with a page break; landscape tables begin and end on pages of their own.
// - Columns keep their width until a table is 8/5 as wide as the page; wider ones are
//   divided into strips.
#include "sheet/sheet_printing.h"

#include "output/codepage.h"
#include "output/grid_print_layout.h"
#include "output/print_document.h"
#include "output/print_grid.h"
#include "output/text_routines.h"
#include "sheet/hours_columns.h"
#include "sheet/plausibility_test.h"
#include "sheet/record_mapping.h"
#include "sheet/sheet_extract.h"
#include "sheet/sheet_print_files.h"
#include "sheet/sheet_text_forms.h"
#include "sheet/table_titles.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kGridRowHeight = 29; // the grid printer's default
constexpr int kHeadingHeight = 50; // a table's heading line and the room below it
constexpr int kEnd = -1;
constexpr int kPortraitUsable = 2100 - 2 * kLeftMargin;
constexpr int kLandscapeUsable = 2970 - 2 * kLeftMargin;
constexpr int kSplitRoom83 = 1025;
constexpr int kWideExtractCols = 15;

enum Choice {
    kLastGroup = 9,
    kSeparator = 10,
    kAllGroups = 11,
    kOddGroups = 12,
    kEvenDown = 13,
    kEvenUp = 14,
    kGroups134 = 15,
    kSelection = 16,
    kExtract = 17,
    kExtractCsv = 18,
    kTablesCsv = 19,
    kForms156 = 20,
    kForm9 = 21,
};

void SetFont(PrintCanvas& canvas, const char* name, int height, bool bold) {
    PrintFont font;
    font.name = name;
    font.height = height;
    font.bold = bold;
    canvas.SetFont(font);
}

// A new page (or the first of a document) with the date and the print title.
void BeginSheetPage(Engine& engine, SheetPrintJob& job) {
    if (!OpenPrintDocument(engine, job.title)) return;
    PrintPageHeader(engine, job.title, "Arial");
    job.pageBreakDue = false;
    job.pageTop = engine.print.cursor;
}

// Makes room for `height` below the cursor: true when there is a document to print into.
bool PlaceBlock(Engine& engine, SheetPrintJob& job, int height) {
    if (!engine.printer) return false;
    const PrintState& print = engine.print;
    const int room = print.BottomLimit() - print.cursor;
    const bool atTop = engine.printer->InDocument() && print.cursor <= job.pageTop;
    const bool stays = height <= room || (job.splitRoom > 0 && room >= job.splitRoom);
    if (!engine.printer->InDocument() || job.pageBreakDue || (!atTop && !stays))
        BeginSheetPage(engine, job);
    return engine.printer->InDocument();
}

// Long table titles are cut at the right margin rather than run off the page.
void PrintHeading(Engine& engine, const std::string& text) {
    SetFont(*engine.printer, "Arial", 40, true);
    const int usable = engine.print.landscape ? kLandscapeUsable : kPortraitUsable;
    std::string shown = text;
    while (shown.size() > 1 && engine.printer->TextWidth(shown) > usable)
        shown.pop_back();
    engine.printer->TextOut(kLeftMargin, engine.print.cursor, shown);
    engine.print.cursor += kHeadingHeight;
}

void EndBlock(Engine& engine, SheetPrintJob& job, int spacing) {
    if (spacing >= 0)
        engine.print.cursor += spacing;
    else
        job.pageBreakDue = true;
}

std::string TableDigits(const StringGrid& grid) {
    const int table = GridTableNumber(grid.Name());
    return std::to_string(table / 10) + "." + std::to_string(table % 10);
}

std::string TableHeading(const Engine& engine, const StringGrid& grid) {
    if (grid.Name() == "SG00") return "Auszug";
    const std::string title = TableTitle(grid.Name(), engine.sheet.schoolYearCode);
    if (GridTableNumber(grid.Name()) < 11) return title;
    return TableDigits(grid) + "  " + title;
}

// Strips the grid printer is told to use, so that it asks nothing.
int StripCount(const Engine& engine, const StringGrid& grid) {
    const int printed = 2 * GridPrintWidth(grid, 6);
    const int usable = (engine.print.landscape ? kLandscapeUsable : kPortraitUsable) * 8 / 5;
    return std::clamp((printed + usable - 1) / usable, 1, 9);
}

// Landscape pages begin after the page in hand; the orientation flag tells the grid printer.
void TurnPage(Engine& engine, SheetPrintJob& job, bool landscape) {
    engine.print.landscape = landscape;
    job.pageBreakDue = true;
}

void PrintTableOf(Engine& engine, SheetPrintJob& job, int table, int spacing) {
    if (const StringGrid* grid = engine.sheet.grids.FindTable(table))
        PrintTable(engine, job, *grid, spacing);
}

void PrintNoteLine(Engine& engine, SheetPrintJob& job, const std::string& text, int spacing) {
    if (engine.print.redirectToFile) return;
    if (!PlaceBlock(engine, job, kHeadingHeight)) return;
    PrintHeading(engine, text);
    EndBlock(engine, job, spacing);
}

// The totals of 4.3 (its "zusammen" column and its "Insgesamt" rows) hold a number.
bool InclusionHasNumbers(const StringGrid& grid) {
    const int last = grid.ColCount() - 1;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (ParseInt(grid.Cells(last, row)) != 0) return true;
        if (Trim(grid.Cells(0, row)).rfind("Insgesamt", 0) != 0) continue;
        for (int col = 1; col < last; ++col) {
            if (ParseInt(grid.Cells(col, row)) != 0) return true;
        }
    }
    return false;
}

void PrintPupilGroup(Engine& engine, SheetPrintJob& job) {
    const StringGrid* sg18 = engine.sheet.grids.FindTable(18);
    PrintTableOf(engine, job, 11, 40);
    if (sg18 && ParseInt(sg18->Cells(sg18->ColCount() - 1, 37)) > 0) {
        if (!Trim(sg18->Cells(0, 12)).empty()) {
            PrintTableOf(engine, job, 12, kEnd);
            PrintTableOf(engine, job, 18, kEnd);
        } else {
            PrintTableOf(engine, job, 18, 40);
            PrintTableOf(engine, job, 12, kEnd);
        }
    } else {
        PrintTableOf(engine, job, 12, kEnd);
    }
}

void PrintResidenceGroup(Engine& engine, SheetPrintJob& job) {
    const int year = engine.sheet.schoolYearCode;
    if (year <= 112) {
        PrintTableOf(engine, job, 41, kEnd);
        return;
    }
    const bool withIslamic = year >= 120; // table 4.4 exists from 2020/21 on
    PrintTableOf(engine, job, 41, 80);
    if (year == 113) {
        PrintTableOf(engine, job, 42, kEnd);
        return;
    }
    PrintTableOf(engine, job, 42, 80);
    const int inclusionSpacing = withIslamic ? 80 : kEnd;
    const StringGrid* sg43 = engine.sheet.grids.FindTable(43);
    if (sg43 && InclusionHasNumbers(*sg43)) {
        PrintTable(engine, job, *sg43, inclusionSpacing);
    } else {
        PrintNoteLine(engine, job,
                      Win("4.3  Inklusiv beschulte Schüler.....    hat keine Zahlen > 0"),
                      inclusionSpacing);
    }
    if (withIslamic) PrintTableOf(engine, job, 44, kEnd);
}

void PrintExtract(Engine& engine, SheetPrintJob& job) {
    StringGrid* sg00 = engine.sheet.grids.Find("SG00");
    if (!sg00) return;
    RecomputeExtractSums(*sg00);
    const bool landscape = sg00->ColCount() > kWideExtractCols &&
                           engine.services.messages.AskYesNo(std::to_string(sg00->ColCount()) +
                                                             " Spalten, quer drucken?");
    if (landscape) TurnPage(engine, job, true);
    PrintTable(engine, job, *sg00, kEnd);
    if (landscape) TurnPage(engine, job, false);
}

void PrintHoursGroup(Engine& engine, SheetPrintJob& job) {
    Sheet& sheet = engine.sheet;
    CheckHoursColumns(sheet, &engine.services.log);
    DeriveTargetHours(sheet);
    TurnPage(engine, job, true);
    PrintTableOf(engine, job, 91, 80);
    WriteHoursComparison(sheet.grids);
    if (const StringGrid* sg01 = sheet.grids.Find("SG01")) PrintTable(engine, job, *sg01, kEnd);
    TurnPage(engine, job, false);
}

void PrintGroups(Engine& engine, SheetPrintJob& job, std::initializer_list<int> groups) {
    for (int group : groups) {
        PrintGroup(engine, job, group);
    }
}

SheetPrintJob StartJob(Engine& engine) {
    const Sheet& sheet = engine.sheet;
    SheetPrintJob job;
    const std::string shortName = DosToWindowsText(sheet.header.shortName);
    job.title = FillYearPlaceholders("Statistik  " + SchoolYearText(sheet.schoolYearCode) + " " +
                                         TrimRight(shortName),
                                     sheet.schoolYearCode);
    job.csvName = SheetCsvName(sheet);
    // A school of a longer run begins on a page of its own.
    job.pageBreakDue = engine.printer && engine.printer->InDocument();
    return job;
}

bool PrinterBusy(Engine& engine) {
    if (engine.print.redirectToFile) return false;
    if (!engine.printer) return true;
    return !engine.printer->InDocument() && !engine.printer->Ready();
}

} // namespace

const std::vector<std::string>& SheetPrintChoices() {
    static const std::vector<std::string> choices = [] {
        std::vector<std::string> lines;
        FillItems(lines, "1 (1.1/1.8 + 1.2);2 (2.1 - 2.4);3 (3.1 - 3.4);4 (4.1 - 4.4);"
                         "5 (5.1 - 5.2);6 (6.1);7 (7.1 - 7.2);8 (8.1 - 8.3);9 (9.1);----;"
                         "1 2 3 4 5 6 7 8 9 (d.h. alle);1 3 5 7 9;8 6 4 2;2 4 6 8;1 3 4;"
                         "(2.1 2.2 3.2);Auszug;Auszug -> *.csv;SGs -> *.csv;1,5+6;9gem");
        return lines;
    }();
    return choices;
}

void PrintSheetMenu(Engine& engine) {
    Sheet& sheet = engine.sheet;
    RangeRequest request;
    request.title = "Schulbogen(Tabellen) drucken";
    request.items = SheetPrintChoices();
    request.multi = true;
    request.first = std::max(1, sheet.printFirst);
    if (!engine.ui().SelectRange(request)) {
        sheet.printLast = 0;
        return;
    }
    sheet.printFirst = request.first;
    sheet.printLast = request.last;
    PrintSheet(engine, request.first, request.last);
}

void PrintSheet(Engine& engine, int first, int last) {
    const int choices = static_cast<int>(SheetPrintChoices().size());
    if (first < 1 || last < 1 || first > choices) return;
    if (PrinterBusy(engine)) {
        engine.services.messages.ShowInfo(Win("druckt noch etwas anderes; später probieren!"));
        return;
    }
    PlausibilityTest(engine);
    SheetPrintJob job = StartJob(engine);
    switch (first) {
    case kSeparator:
    case kExtract:
        PrintGroup(engine, job, 0);
        break;
    case kAllGroups:
        PrintGroups(engine, job, {1, 2, 3, 4, 5, 6, 7, 8, 9});
        break;
    case kOddGroups:
        PrintGroups(engine, job, {1, 3, 5, 7, 9});
        break;
    case kEvenDown:
        PrintGroups(engine, job, {8, 6, 4, 2});
        break;
    case kEvenUp:
        PrintGroups(engine, job, {2, 4, 6, 8});
        break;
    case kGroups134:
        PrintGroups(engine, job, {1, 3, 4});
        break;
    case kSelection:
        PrintTableOf(engine, job, 21, 80);
        PrintTableOf(engine, job, 22, 80);
        PrintTableOf(engine, job, 32, kEnd);
        break;
    case kExtractCsv: {
        const bool redirected = engine.print.redirectToFile;
        engine.print.redirectToFile = true;
        PrintGroup(engine, job, 0);
        engine.print.redirectToFile = redirected;
        break;
    }
    case kTablesCsv:
        SaveSheetCsvFiles(engine, job);
        break;
    case kForms156:
        PrintTextForm(engine, job, SheetForm::Pupils);
        PrintTextForm(engine, job, SheetForm::Courses);
        break;
    case kForm9:
        PrintTextForm(engine, job, SheetForm::Hours);
        break;
    default:
        for (int group = first; group <= std::min(last, static_cast<int>(kLastGroup)); ++group)
            PrintGroup(engine, job, group);
        break;
    }
    EndPrintDocument(engine);
}

void PrintGroup(Engine& engine, SheetPrintJob& job, int group) {
    switch (group) {
    case 0:
        PrintExtract(engine, job);
        break;
    case 1:
        PrintPupilGroup(engine, job);
        break;
    case 2:
    case 3:
        for (int i = 1; i <= 4; ++i)
            PrintTableOf(engine, job, group * 10 + i, i < 4 ? 80 : kEnd);
        break;
    case 4:
        PrintResidenceGroup(engine, job);
        break;
    case 5:
        PrintTableOf(engine, job, 51, 80);
        PrintTableOf(engine, job, 52, kEnd);
        break;
    case 6:
        PrintTableOf(engine, job, 61, kEnd);
        break;
    case 7:
        if (engine.sheet.courseRegime < 2) {
            PrintTableOf(engine, job, 71, 80);
            PrintTableOf(engine, job, 72, kEnd);
        } else {
            PrintTableOf(engine, job, 71, kEnd);
        }
        break;
    case 8:
        PrintTableOf(engine, job, 81, 80);
        PrintTableOf(engine, job, 82, 80);
        job.splitRoom = kSplitRoom83;
        PrintTableOf(engine, job, 83, kEnd);
        job.splitRoom = 0;
        break;
    case 9:
        PrintHoursGroup(engine, job);
        break;
    default:
        break;
    }
}

void PrintTable(Engine& engine, SheetPrintJob& job, const StringGrid& grid, int spacing,
                const std::string& heading) {
    const std::string text = heading.empty() ? TableHeading(engine, grid) : heading;
    if (engine.print.redirectToFile) {
        PrintGrid(engine, text, grid, 0);
        return;
    }
    if (grid.ColCount() == 0 || grid.RowCount() == 0) return;
    if (!PlaceBlock(engine, job, kHeadingHeight + grid.RowCount() * kGridRowHeight)) return;
    PrintHeading(engine, text);
    // Strip count preset (code 0, n) and "\": the open document goes on, nothing is asked.
    std::string title(1, '\0');
    title += static_cast<char>(StripCount(engine, grid));
    title += "\\" + job.title + "  " + text.substr(0, text.find("  "));
    PrintGrid(engine, title, grid, 0);
    EndBlock(engine, job, spacing);
}

} // namespace tev
