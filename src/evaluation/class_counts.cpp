// "Klassenzahlen (9.1 9.2) auswerten": per level the pupils and classes of table 9.1 against
// the classes of 9.2 and the classes the divisor gives.
#include "demand/class_formation.h"
#include "evaluation/class_reports.h"
#include "evaluation/list_line_fields.h"
#include "evaluation/report_rows.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/window_commands.h"

namespace tev {
namespace {

constexpr int kGroups = kLowerLevels + 1; // levels 5..11 and their sum
constexpr int kCols = 4 * kGroups + 1;

// A count followed by the difference to the classes reported, when there is one.
std::string WithDifference(int value, int reported) {
    std::string text = std::to_string(value);
    if (value != reported) text += IntText(static_cast<int16_t>(reported - value));
    return text;
}

} // namespace

void Klassenzahlenauswerten1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, Win("Klassenzahlen auswerten (*") +
                                                     engine.startup.yearSuffix + ")");
    if (!range) return;
    engine.outputBox.Clear();
    std::vector<CellRow> rows{SplitFields(
        Win("Klassenzahlen auswerten (*") + engine.startup.yearSuffix + ")" +
        ";Sch 5;Kl ;9.2 ;hart;Sch 6;Kl ;9.2 ;hart;Sch 7;Kl ;9.2 ;hart;Sch 8;Kl ;9.2 ;hart;"
        "Sch 9;Kl ;9.2 ;hart;Sch 10;Kl ;9.2 ;hart;Sch 11;Kl ;9.2 ;hart;Sch 5-11;Kl ;9.2 ;hart")};
    std::array<int, 4 * kGroups> sums{};

    ForEachSchool(engine, *range, [&](int index, bool loaded) {
        if (!loaded) return;
        CellRow row(kCols);
        row[0] = TrimRight(ListShortName(engine.schoolList.lines[index]));
        std::array<int, 4> all{};
        for (int j = 1; j <= kGroups; ++j) {
            std::array<int, 4> v = all; // pupils, classes, classes of 9.2, hard classes
            if (j <= kLowerLevels) {
                v[0] = SheetNumber(engine, 91, 1, j + 2);
                v[1] = SheetNumber(engine, 91, 2, j + 2);
                v[2] = SheetNumber(engine, 92, 2, j);
                v[3] = ClassCount(v[0], j);
                for (int i = 0; i < 4; ++i)
                    all[i] += v[i];
            }
            row[4 * j - 3] = std::to_string(v[0]);
            row[4 * j - 2] = std::to_string(v[1]);
            row[4 * j - 1] = WithDifference(v[2], v[1]);
            row[4 * j] = WithDifference(v[3], v[1]);
            for (int i = 0; i < 4; ++i)
                sums[4 * (j - 1) + i] += v[i];
        }
        rows.push_back(std::move(row));
    });

    CellRow sumRow{"Summe"};
    for (int value : sums)
        sumRow.push_back(std::to_string(value));
    rows.push_back(std::move(sumRow));
    FillGridRows(engine.upperTable, rows, kCols);
    ShowUpperTable(engine, 400);
}

} // namespace tev
