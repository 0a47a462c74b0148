// "Sonderauswertungen": the pupils with migration background and of foreign nationality per
// school and level, from tables 1.1 and 1.8, as lines of the output box and a CSV file.
#include "evaluation/class_reports.h"
#include "evaluation/list_line_fields.h"
#include "evaluation/report_rows.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/window_commands.h"

namespace tev {
namespace {

constexpr int kFirstLevelCol = 3; // class 5; then 6..11, Jgst.1, Jgst.2 and the sum
constexpr int kLevelCols = 10;
constexpr const char* kTurkishCode = "163";

std::vector<int> SelectedRows(int schoolYearCode) {
    if (schoolYearCode < 116) return {37, 38, 40, 51, 52};
    return {55, 56, 49, 50, 37, 38, 40, 39, 51, 52};
}

std::string HeaderLine(const Engine& engine, const std::vector<int>& selected) {
    const StringGrid* pupils = engine.sheet.grids.FindTable(11);
    std::string line = "Schulname;Disch;Regnr";
    for (int row : selected) {
        line += ";" + Trim(pupils ? pupils->Cells(0, row) : std::string()) +
                ";;Kl.5;Kl.6;Kl.7;Kl.8;Kl.9;Kl.10;Kl.11;J1;J2;zus";
    }
    return line + Win(";dv.Türk.");
}

int TurkishPupils(const Engine& engine) {
    const StringGrid* nationalities = engine.sheet.grids.FindTable(23);
    if (!nationalities) return 0;
    int pupils = 0;
    for (int row = 1; row < nationalities->RowCount(); ++row)
        if (Trim(nationalities->Cells(0, row)) == kTurkishCode)
            pupils += ParseInt(nationalities->Cells(2, row));
    return pupils;
}

} // namespace

void Sonderauswertungen1Click(Engine& engine) {
    const int code = engine.startup.schoolYearCode;
    const std::string title = "Migration, Ausl " + IntText(static_cast<int16_t>(code + 1900));
    const auto range = ChooseSchoolRange(engine, title);
    if (!range) return;
    engine.outputBox.Clear();
    const std::vector<int> selected = SelectedRows(code);
    bool headed = false;

    ForEachSchool(engine, *range, [&](int index, bool loaded) {
        if (!loaded) return;
        // The labels come from the sheet, which is shaped once a school is loaded.
        if (!headed) engine.outputBox.Add(HeaderLine(engine, selected));
        headed = true;
        const std::string& list = engine.schoolList.lines[index];
        std::string line = ListShortName(list) + ";" + DosToWindowsText(ListField(list, 1, 8)) +
                           ";" + ListField(list, 78, 6);
        for (int row : selected) {
            line += ";;";
            for (int col = kFirstLevelCol; col < kFirstLevelCol + kLevelCols; ++col) {
                const int pupils =
                    SheetNumber(engine, 11, col, row) + SheetNumber(engine, 18, col, row);
                line += ";" + std::to_string(pupils);
            }
        }
        engine.outputBox.Add(line + ";" + std::to_string(TurkishPupils(engine)));
    });

    std::vector<CellRow> rows;
    for (const auto& line : engine.outputBox.lines())
        rows.push_back(SplitFields(line));
    if (rows.empty()) rows.push_back(CellRow{title});
    rows[0][0] = title;
    FillGridRows(engine.upperTable, rows);
    ShowUpperTable(engine);
    // The file keeps the column heading "Schulname" the table shows as its title.
    StringGrid file = engine.upperTable;
    file.SetCells(0, 0, "Schulname");
    SaveReportCsv(engine, "Migrxxx.csv", file, title);
}

} // namespace tev
