// The extract grid SG00: row 0 the headings (the title in cell (0, 0), "Schul-Nr" over
// column 1), then one row per school (column 0 its short name, column 1 its number, the
// values from column 2 on; the four-line form of 9.2 names its line in column 2), and, when
// asked for, the "zusammen" row that sums the school rows.
#include "sheet/sheet_extract.h"

#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"

#include <algorithm>

namespace tev {
namespace {

constexpr const char* kTotalLabel = "zusammen";

bool Ask(Engine& engine, const std::string& question) {
    return engine.services.messages.AskYesNo(question);
}

// The questions of the table; false when one was cancelled.
bool ChooseColumns(Engine& engine, const ExtractRequest& request, const Sheet& sheet,
                   ExtractColumns& columns) {
    const int table = GridTableNumber(request.grid);
    columns.table = table;
    columns.line = request.line;
    columns.index = request.line == ExtractLine::Row ? request.row : request.col;
    columns.extra = request.extra;
    if (request.questionsSettled) {
        columns.total = true;
        columns.headings = ExtractHeadings(sheet, columns);
        return true;
    }
    auto second = [&](const char* question, int other) {
        if (Ask(engine, Win(question))) columns.addedTable = other;
    };
    if (table == 11) second("auch 1.8?", 18);
    if (table == 18) second("auch 1.1?", 11);
    if (table == 51) second("auch 6.1?", 61);
    if (table == 11 && Ask(engine, Win("SonderAbfrage Vergleich 1.1 mit 5.1  in D + M")))
        columns.kind = ExtractKind::PupilsAgainstCourses;
    const bool targetSum = request.line == ExtractLine::Row && request.row == kTargetSumRow92;
    if (table == 92 && (request.line == ExtractLine::Column || targetSum)) {
        columns.kind = targetSum ? ExtractKind::TargetSum : ExtractKind::SubjectTargets;
        if (Ask(engine, Win("statt einzeiliger Auswerung\r\rvierzeilige Sonderauswertung\r\r"
                            "9.2 Soll\r9.1 Ist\rIst9.1-Soll9.2\rIst OS\r\rdurchführen?")))
            columns.kind = ExtractKind::FourLineTargets;
    }
    if (columns.kind == ExtractKind::Plain)
        columns.shortReport = Ask(engine, Win("mit Kurzbericht-Vergleich?"));
    if (columns.kind != ExtractKind::FourLineTargets)
        columns.total = Ask(engine, Win("auch zusammen?"));
    columns.headings = ExtractHeadings(sheet, columns);
    return true;
}

std::string Title(const ExtractRequest& request, const Sheet& sheet) {
    const int table = GridTableNumber(request.grid);
    const std::string digits = std::to_string(table / 10) + "." + std::to_string(table % 10);
    const StringGrid& grid = *sheet.grids.Find(request.grid);
    if (request.line == ExtractLine::Row) {
        return "Auszug  " + digits + " Zeile  " + std::to_string(request.row) + "  " +
               Trim(grid.Cells(0, request.row));
    }
    return "Auszug  " + digits + "\t Spalte  " + std::to_string(request.col) + "  " +
           Trim(grid.Cells(request.col, 0));
}

void AppendRow(StringGrid& sg00, const std::vector<std::string>& cells) {
    const int row = sg00.RowCount();
    sg00.SetRowCount(row + 1);
    sg00.SetColCount(std::max<int>(sg00.ColCount(), static_cast<int>(cells.size())));
    for (size_t col = 0; col < cells.size(); ++col)
        sg00.SetCells(static_cast<int>(col), row, cells[col]);
}

void StartGrid(StringGrid& sg00, const std::string& title, const ExtractColumns& columns) {
    sg00.SetFixedCols(0);
    sg00.SetFixedRows(0);
    sg00.SetRowCount(0);
    sg00.SetColCount(0);
    sg00.ResetSizes();
    std::vector<std::string> heading{title, "Schul-Nr"};
    if (columns.kind == ExtractKind::FourLineTargets) heading.push_back("Sollstd-Vergleich");
    heading.insert(heading.end(), columns.headings.begin(), columns.headings.end());
    AppendRow(sg00, heading);
    sg00.SetFixedRows(1);
    sg00.SetFixedCols(1);
    sg00.SetColWidth(0, 160);
}

void AddSchool(Engine& engine, const ExtractColumns& columns, StringGrid& sg00) {
    const std::string& line = engine.schoolList.lines[engine.schoolList.itemIndex];
    // The school list is in the DOS code page, the extract in the program's.
    const std::string name =
        DosToWindowsText(Trim(line.size() > 8 ? line.substr(8, 16) : std::string()));
    for (const ExtractLineValues& values : ExtractValues(engine, columns)) {
        std::vector<std::string> cells{name, engine.sheet.schoolNumber};
        if (!values.label.empty()) cells.push_back(values.label);
        cells.insert(cells.end(), values.cells.begin(), values.cells.end());
        AppendRow(sg00, cells);
    }
}

void AddNotes(StringGrid& sg00) {
    for (const char* note :
         {";Spalte zus:   Klst.5-11 Sollzahlen, Klst.12+13 Soll=Ist   ",
          ";Spalte zus2:  Klst.5-11 5->6, 7->8, 9->10 fortführen, Klst.12+13 nach Formel"}) {
        sg00.SetRowCount(sg00.RowCount() + 1);
        sg00.FillRow(sg00.RowCount() - 1, Win(note));
    }
}

// Refusals say why; true when the request can run.
bool CheckRequest(Engine& engine, const ExtractRequest& request,
                  std::optional<SearchCriterion>& criterion) {
    const StringGrid* grid = engine.sheet.grids.Find(request.grid);
    const int table = GridTableNumber(request.grid);
    if (!grid || table < 11) {
        engine.services.messages.ShowInfo(Win("Auszug nur aus einer Tabelle (1.1 bis 9.2)"));
        return false;
    }
    if (request.col < 0 || request.row < 0 || request.col >= grid->ColCount() ||
        request.row >= grid->RowCount()) {
        engine.services.messages.ShowInfo(Win("Auszug: erst ein Feld der Tabelle anwählen"));
        return false;
    }
    criterion = ParseSearchCriterion(request.criterion);
    if (!criterion) {
        engine.services.messages.ShowInfo(Win("Suchbedingung nicht verständlich: \"") +
                                          request.criterion + "\"");
        return false;
    }
    return true;
}

} // namespace

bool MakeExtract(Engine& engine, const ExtractRequest& request) {
    std::optional<SearchCriterion> criterion;
    if (!CheckRequest(engine, request, criterion)) return false;
    ExtractColumns columns;
    if (!ChooseColumns(engine, request, engine.sheet, columns)) return false;
    const std::string title = Title(request, engine.sheet);
    const auto range = ChooseSchoolRange(engine, title + Win("   zusammenfassen für: "));
    if (!range) return false;
    SearchArea area = request.area.value_or(
        SearchArea{request.grid, request.col, request.row, request.col, request.row, ""});
    if (!area.secondGrid.empty() && !Ask(engine, Win("auch in der 2. Tabelle suchen?")))
        area.secondGrid.clear();

    // Loading a school clears the sheet's grids, SG00 among them: the extract grows aside.
    StringGrid sg00("SG00");
    StartGrid(sg00,
              columns.kind == ExtractKind::FourLineTargets ? Win("Soll9.2/Ist9.1-Aufstellung")
                                                           : title,
              columns);
    const int last = range->last - 1;
    // Room for a school's lines, the sum row and the notes.
    const int room = kMaxGridRows - (columns.kind == ExtractKind::FourLineTargets ? 5 : 2);
    for (int index = range->first - 2; index < last;) {
        index = SearchNextSchool(engine, area, *criterion, index, last);
        if (index < 0) break;
        if (sg00.RowCount() >= room) {
            engine.services.messages.ShowInfo(
                Win("Auszug voll: ab ") + engine.sheet.schoolNumber +
                Win(" sind keine weiteren Schulen aufgenommen (höchstens ") +
                std::to_string(kMaxGridRows) + " Zeilen)");
            break;
        }
        AddSchool(engine, columns, sg00);
    }
    if (columns.total) {
        AppendRow(sg00, {kTotalLabel});
        RecomputeExtractSums(sg00);
    }
    if (columns.kind == ExtractKind::FourLineTargets) AddNotes(sg00);
    *engine.sheet.grids.Find("SG00") = std::move(sg00);
    return true;
}

void RecomputeExtractSums(StringGrid& sg00) {
    const int total = sg00.RowCount() - 1;
    if (total < 1 || Trim(sg00.Cells(0, total)) != kTotalLabel) return;
    for (int col = 2; col < sg00.ColCount(); ++col) {
        long sum = 0;
        bool numbers = false;
        for (int row = 1; row < total; ++row) {
            const std::string text = Trim(sg00.Cells(col, row));
            if (text.empty()) continue;
            numbers = true;
            sum += ParseInt(text);
        }
        sg00.SetCells(col, total, numbers && sum != 0 ? std::to_string(sum) : std::string());
    }
}

} // namespace tev
