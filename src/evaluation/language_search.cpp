#include "evaluation/language_search.h"

#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/window_commands.h"

#include <cstdio>

namespace tev {
namespace {

constexpr int kLastSequenceRow = 35;
constexpr int kListLineChars = 76;

struct SearchState {
    StringGrid& grid;
    OutputBox& box;
    int lastRow = 0;
    bool schoolShown = false;
};

void AddSequenceRow(SearchState& state, const StringGrid& table, int row, char track,
                    const std::string& listLine) {
    if (ParseInt(table.Cells(table.ColCount() - 1, row)) <= 0) return;
    const int target = state.lastRow + 1;
    if (target + 1 >= state.grid.RowCount()) state.grid.SetRowCount(target + 2);
    if (target + 1 >= state.grid.RowCount()) return; // the grid's bound
    state.lastRow = target;
    if (!state.schoolShown) {
        state.schoolShown = true;
        state.box.Add(DosToWindowsText(listLine.substr(0, kListLineChars)));
        state.grid.SetCells(0, target,
                            DosToWindowsText(listLine.size() > 8 ? listLine.substr(8, 16) : ""));
    }
    const std::string mark = std::string(1, track) + "j.";
    state.grid.SetCells(1, target, mark);
    std::string line = "    " + mark;
    char cell[300];
    for (int col = 0; col < table.ColCount(); ++col) {
        state.grid.SetCells(col + 2, target, table.Cells(col, row));
        std::snprintf(cell, sizeof cell, " | %-4s", table.Cells(col, row).c_str());
        line += cell;
    }
    state.box.Add(line);
}

} // namespace

bool SequenceMatches(const StringGrid& table, int row, const std::string& language, int position) {
    if (language.empty()) return false;
    auto startsWith = [&](int col) {
        const std::string& cell = table.Cells(col, row);
        return !cell.empty() && cell[0] == language[0];
    };
    if (position >= 1 && position <= 3) return startsWith(position - 1);
    return position == 4 && (startsWith(0) || startsWith(1) || startsWith(2));
}

void SBPrFSpClick(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, "suche Fremdsprachen");
    if (!range) return;
    // The chosen option's text and number (0 when cancelled).
    auto choose = [&engine](const char* caption, const char* options, std::string& text) {
        OptionRequest request;
        request.caption = caption;
        FillItems(request.options, Win(options));
        const int chosen = engine.ui().ChooseOption(request);
        if (chosen < 1 || chosen > static_cast<int>(request.options.size())) return 0;
        text = request.options[chosen - 1];
        return chosen;
    };
    std::string language;
    std::string positionText;
    std::string trackText;
    if (choose("zu suchende FSp:", "E;F;L;G;R;Sp;I;H;Jap;Por;Pol;Rum;Chi;Q", language) == 0) return;
    const int position = choose("zu suchen als:", "1.FSp;2.FSp;3.FSp;1.,2.,3.FSp", positionText);
    if (position == 0) return;
    const int track = choose("zu suchen bei:", "8jähr.Gym.;9jähr.Gym.;8 und 9jähr.Gym.", trackText);
    if (track == 0) return;

    engine.outputBox.Clear();
    const std::string heading = language + "  als " + positionText + "  bei " + trackText;
    engine.outputBox.Add(heading);
    engine.outputBox.Add("");
    StringGrid& grid = engine.upperTable;
    const StringGrid* nine = engine.sheet.grids.FindTable(11);
    const int tableCols = nine ? nine->ColCount() : 13;
    grid.SetColCount(tableCols + 2);
    grid.SetRowCount(10);
    grid.Clear();
    grid.ResetSizes();
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.SetColWidth(1, 44);
    for (int col = 0; col < tableCols; ++col)
        grid.SetCells(col + 2, 0, nine ? nine->Cells(col, 0) : std::string());
    grid.SetCells(0, 0, heading);
    ShowUpperTable(engine);

    SearchState state{grid, engine.outputBox};
    ForEachSchool(engine, *range, [&](int index, bool loaded) {
        if (!loaded) return;
        state.schoolShown = false;
        const std::string& line = engine.schoolList.lines[index];
        const StringGrid* tables[] = {engine.sheet.grids.FindTable(11),
                                      engine.sheet.grids.FindTable(18)};
        for (int row = 1; row <= kLastSequenceRow; ++row) {
            if (track >= 2 && tables[0] && SequenceMatches(*tables[0], row, language, position))
                AddSequenceRow(state, *tables[0], row, '9', line);
            if (track != 2 && tables[1] && SequenceMatches(*tables[1], row, language, position))
                AddSequenceRow(state, *tables[1], row, '8', line);
        }
    });
    const int sumRow = state.lastRow + 1;
    grid.SetRowCount(sumRow + 1);
    grid.SetCells(0, sumRow, "Summe");
    for (int col = 5; col < grid.ColCount(); ++col) {
        int64_t sum = 0;
        for (int row = 1; row < sumRow; ++row)
            sum += ParseInt(grid.Cells(col, row));
        grid.SetCells(col, sumRow, sum == 0 ? std::string() : std::to_string(sum));
    }
}

} // namespace tev
