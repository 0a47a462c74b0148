#include "sheet/sheet_view_texts.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/plausibility_test.h"
#include "sheet/subject_tables.h"

#include <cstdio>

namespace tev {
namespace {

// Texts joined by a blank, the empty ones left out.
void Append(std::string& joined, const std::string& text) {
    const std::string part = Trim(ExpandSubjectCode(Trim(text)));
    if (part.empty()) return;
    if (!joined.empty()) joined += ' ';
    joined += part;
}

std::string RowLabel(const StringGrid& grid, int row) {
    std::string label;
    Append(label, grid.Cells(0, row));
    for (int col = 1; col < grid.FixedCols(); ++col)
        Append(label, grid.Cells(col, row));
    return label;
}

std::string ColumnHeading(const StringGrid& grid, int col) {
    std::string heading;
    Append(heading, grid.Cells(col, 0));
    for (int row = 1; row < grid.FixedRows(); ++row)
        Append(heading, grid.Cells(col, row));
    return heading;
}

std::string ListLineChars(const Engine& engine, size_t from, size_t to) {
    const auto& list = engine.schoolList;
    if (list.itemIndex < 0 || list.itemIndex >= static_cast<int>(list.lines.size())) return {};
    const std::string& line = list.lines[list.itemIndex];
    if (line.size() < from) return std::string(to - from + 1, ' ');
    return PadRight(line.substr(from - 1, to - from + 1), static_cast<int>(to - from + 1));
}

} // namespace

std::string CellHint(const StringGrid& grid, int col, int row) {
    return "[" + RowLabel(grid, row) + " | " + ColumnHeading(grid, col) +
           "] = " + Trim(grid.Cells(col, row));
}

std::string HoursCellHint(const StringGrid& grid, int col, int row) {
    return "[" + RowLabel(grid, row) + " / " + ColumnHeading(grid, col) +
           "] = " + Trim(grid.Cells(col, row));
}

bool HasHoursHint(const StringGrid& grid) {
    constexpr int kHoursColumns = 26;
    const std::string& name = grid.Name();
    return name == "SG91" || name == "SG92" || (name == "SG01" && grid.ColCount() >= kHoursColumns);
}

bool IsHoursEntryCell(const StringGrid& grid, int col, int row) {
    return grid.Name() == "SG91" && col >= 3 && col < grid.ColCount() - 1 &&
           (row == 1 || (row >= 15 && row <= 20));
}

std::string PositionText(int col, int row) {
    char text[32];
    std::snprintf(text, sizeof text, "Z%2d  S%2d", row, col);
    return text;
}

std::string SheetCaption(const Engine& engine, const std::string& title) {
    return title + "      " + ListLineChars(engine, 3, 24) + "  " + ListLineChars(engine, 78, 83);
}

std::vector<std::string> NotePanelLines(const Sheet& sheet, int tableNumber) {
    switch (tableNumber) {
    case 32:
        return Check32Live(sheet);
    case 43:
        return {Win("Wichtiger Hinweis: Die hier angegebenen Schüler müssen einen festgestellten "
                    "Anspruch auf ein sonderpädagogisches Bildungsangebot haben,"),
                Win("d.h. über den Anspruch muss ein Bescheid des Staatlichen Schulamts "
                    "vorliegen."),
                Win("Schüler mit Förderbedarf ohne festgestellten Anspruch (z.B. LRS, "
                    "Nachteilsausgleich) werden hier nicht eingetragen."),
                Win("In den Zeilen \"darunter weiblich\" sind die Schülerinnen der Zeile darüber "
                    "enthalten.")};
    case 42:
        if (TrimRight(sheet.regionalNumber).ends_with("000"))
            return {Win("Bei Städten mit Stadtkreis ist bei \"anderen Gemeinden des Landkreises\" "
                        "immer 0 einzutragen, weil der Landkreis ein \"anderer\" Kreis ist.")};
        return {};
    default:
        return {};
    }
}

} // namespace tev
