#include "sheet/sheet_print_files.h"

#include "data/school_header.h"
#include "output/codepage.h"
#include "output/print_grid.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "sheet/sheet_tabs.h"
#include "sheet/sheet_text_forms.h"

namespace tev {
namespace {

constexpr size_t kMaxCsvName = 31;

struct FormPart {
    const char* part;
    const char* grid;
    bool landscape;
};

FormPart PartOf(SheetForm form) {
    switch (form) {
    case SheetForm::Pupils:
        return {"SG1x", "SG00", false};
    case SheetForm::Courses:
        return {"SG56", "SG01", true};
    case SheetForm::Hours:
        break;
    }
    return {"SG9x", "SG01", true};
}

void WriteForm(Sheet& sheet, SheetForm form) {
    switch (form) {
    case SheetForm::Pupils:
        WriteFormular1(sheet.grids);
        break;
    case SheetForm::Courses:
        WriteFormular56(sheet.grids, sheet.courseRegime);
        break;
    case SheetForm::Hours:
        WriteHoursComparison(sheet.grids);
        break;
    }
}

std::string TableDigits(const StringGrid& grid) {
    const int table = GridTableNumber(grid.Name());
    return std::to_string(table / 10) + std::to_string(table % 10);
}

} // namespace

std::string SheetCsvName(const Sheet& sheet) {
    const std::string name = SchoolYearText(sheet.schoolYearCode).substr(0, 4) + "_" +
                             FixedWidth(sheet.schoolNumber, 6) + "_Tabxx.csv";
    return FoldUmlauts(DosToWindowsText(name)).substr(0, kMaxCsvName);
}

std::string SheetCsvPartName(const SheetPrintJob& job, const std::string& part) {
    return ReplaceAll(job.csvName, "xx", part);
}

bool SaveTableCsv(Engine& engine, const SheetPrintJob& job, const StringGrid& grid) {
    const std::string digits = TableDigits(grid);
    return SaveGridCsv(engine, SheetCsvPartName(job, digits), grid, "\t Tabelle " + digits);
}

void SaveSheetCsvFiles(Engine& engine, SheetPrintJob& job) {
    Sheet& sheet = engine.sheet;
    for (const SheetTab& tab : SheetTabs(sheet.schoolYearCode)) {
        // 9.2 is never stored; the form of 9.1+9.2 below holds it.
        if (tab.page != SheetPage::Table || tab.gridName == "SG92") continue;
        if (const StringGrid* grid = sheet.grids.Find(tab.gridName))
            SaveTableCsv(engine, job, *grid);
    }
    for (SheetForm form : {SheetForm::Courses, SheetForm::Pupils, SheetForm::Hours}) {
        WriteForm(sheet, form);
        const FormPart part = PartOf(form);
        // The 9.1+9.2 form stands in SG00 as well.
        const char* gridName = form == SheetForm::Hours ? "SG00" : part.grid;
        if (const StringGrid* grid = sheet.grids.Find(gridName))
            SaveGridCsv(engine, SheetCsvPartName(job, part.part), *grid,
                        "\t " + std::string(part.part));
    }
    engine.services.messages.ShowInfo(job.csvName +
                                      " sind erstellt  (SGxx  als  Zusf    Zusf_k   und  Zusfas)");
    if (const StringGrid* sg00 = sheet.grids.Find("SG00")) PrintGrid(engine, "zB.  ", *sg00, -1);
}

void PrintTextForm(Engine& engine, SheetPrintJob& job, SheetForm form) {
    WriteForm(engine.sheet, form);
    const FormPart part = PartOf(form);
    const StringGrid* grid = engine.sheet.grids.Find(part.grid);
    if (!grid) return;
    const std::string title = SheetCsvPartName(job, part.part);
    if (part.landscape) {
        engine.print.landscape = true;
        job.pageBreakDue = true;
    }
    PrintTable(engine, job, *grid, -1, title.substr(0, title.rfind('.')));
    if (part.landscape) engine.print.landscape = false;
}

} // namespace tev
