// "Sollzahlen (9.1, 9.2, 9.1-9.2)": the target hours per subject of table 9.1 against those
// of 9.2, three lines per school in the output box and the upper table.
#include "evaluation/class_reports.h"
#include "evaluation/list_line_fields.h"
#include "evaluation/report_rows.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/window_commands.h"

namespace tev {
namespace {

constexpr int kFirstSubjectCol = 3;
constexpr int kTargetRow91 = 1;
constexpr int kTargetRow92 = 11;
constexpr uint16_t kWidth5 = 5;
constexpr uint16_t kWidth5Signed = 0x8000 | 5;

} // namespace

void Sollzahlen1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, "teste Sollzahlen 9.1 9.2");
    if (!range) return;
    engine.outputBox.Clear();
    engine.outputBox.Add("jeweils: Sollzahlen9.1, Sollzahlen9.2, Sollzahlen9.1-9.2 ");
    const StringGrid* hours = engine.sheet.grids.FindTable(91);
    const int lastCol = hours ? hours->ColCount() - 1 : kFirstSubjectCol - 1;
    CellRow heading{"Sollzahlen 9.1, 9.2, 9.1-9.2"};
    for (int col = kFirstSubjectCol; col <= lastCol; ++col)
        heading.push_back(hours->Cells(col, 0));
    std::vector<CellRow> rows{heading};

    ForEachSchool(engine, *range, [&](int index, bool loaded) {
        if (!loaded) return;
        const std::string& line = engine.schoolList.lines[index];
        std::string given = DosToWindowsText(ListField(line, 1, 8));
        std::string due = DosToWindowsText(ListField(line, 9, 9));
        std::string difference(8, ' ');
        CellRow givenRow{Trim(given)}, dueRow{Trim(due)}, differenceRow{"9.1-9.2"};
        for (int col = kFirstSubjectCol; col <= lastCol; ++col) {
            const int a = SheetNumber(engine, 91, col, kTargetRow91);
            const int b = SheetNumber(engine, 92, col, kTargetRow92);
            given += FormatInt(a, kWidth5);
            due += FormatInt(b, kWidth5);
            difference += FormatInt(a - b, kWidth5Signed);
            givenRow.push_back(std::to_string(a));
            dueRow.push_back(std::to_string(b));
            differenceRow.push_back(Trim(FormatInt(a - b, kWidth5Signed)));
        }
        engine.outputBox.Add(given);
        engine.outputBox.Add(due);
        engine.outputBox.Add(difference);
        rows.push_back(std::move(givenRow));
        rows.push_back(std::move(dueRow));
        rows.push_back(std::move(differenceRow));
    });
    FillGridRows(engine.upperTable, rows);
    ShowUpperTable(engine);
}

} // namespace tev
