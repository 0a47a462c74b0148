#include "sheet/nationality_list.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kCodeCol = 0;
constexpr int kNameCol = 1;
constexpr int kCountCol = 2;
constexpr int kPanelColumnWidth = 200;
constexpr int kMaxPanelColumns = 4;

// Rows between the heading and "Insgesamt".
int LastNationalityRow(const StringGrid& grid) {
    return grid.RowCount() - 2;
}

void InsertRow(StringGrid& grid, int at) {
    grid.SetRowCount(grid.RowCount() + 1);
    for (int row = grid.RowCount() - 1; row > at; --row) {
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCells(col, row, grid.Cells(col, row - 1));
    }
    for (int col = 0; col < grid.ColCount(); ++col)
        grid.SetCells(col, at, "");
}

void DeleteRow(StringGrid& grid, int at) {
    for (int row = at; row + 1 < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCells(col, row, grid.Cells(col, row + 1));
    }
    grid.SetRowCount(grid.RowCount() - 1);
}

std::string Field(const std::string& line, size_t from, size_t length) {
    return line.size() < from ? std::string() : TrimRight(line.substr(from - 1, length));
}

} // namespace

void LoadNationalityList(Engine& engine) {
    auto& list = engine.sheet.window.nationalities;
    list.clear();
    engine.services.files.LoadListFile("-" + engine.startup.dataPath + "stal_Nat.def", list, false);
    std::erase_if(list, [](const std::string& line) { return Trim(line).empty(); });
}

int NationalityCode(std::string_view line) {
    const std::string text = Trim(line);
    if (text.empty() || text[0] < '0' || text[0] > '9') return -1;
    return ParseFirstInt(text);
}

std::string NationalityRefusal(int code, std::string_view line, int schoolYearCode) {
    if (code == 138 || code == 133)
        return "bitte  140 Montenegro  oder  150 Kosovo  oder  170 Serbien verwenden!";
    if (schoolYearCode >= 113 && code == 276)
        return Win("bitte  277 Sudan  oder  278 Südsudan  verwenden!");
    if (schoolYearCode >= 114 && (code == 525 || (code < 999 && code % 100 == 99)))
        return Trim(line) + " ab 2014/15 nicht mehr verwenden!";
    return {};
}

bool AddNationality(Engine& engine, const std::string& listLine) {
    Sheet& sheet = engine.sheet;
    StringGrid* grid = sheet.grids.FindTable(23);
    std::string line = listLine;
    int code = NationalityCode(line);
    if (grid == nullptr || code < 0) return false;
    if (code == 133) {
        line = "170 Serbien";
        code = 170;
    }
    if (const std::string refusal = NationalityRefusal(code, line, sheet.schoolYearCode);
        !refusal.empty()) {
        engine.services.messages.ShowInfo(refusal);
        return false;
    }
    if (grid->RowCount() < 2) grid->SetRowCount(2);
    // The rows stay sorted by code: the new one goes after the last whose code is not greater.
    int after = 0;
    for (int row = 1; row <= LastNationalityRow(*grid); ++row) {
        if (NationalityCode(grid->Cells(kCodeCol, row)) <= code) after = row;
    }
    if (after > 0 && NationalityCode(grid->Cells(kCodeCol, after)) == code) return false;
    InsertRow(*grid, after + 1);
    grid->SetCells(kCodeCol, after + 1, Field(line, 1, 3));
    grid->SetCells(kNameCol, after + 1, Field(line, 5, 24));
    grid->SetCells(kCountCol, after + 1, "   ");
    RecomputeTable(sheet, *grid);
    engine.sheet.edited = true;
    return true;
}

DragBackCheck CheckNationalityDragBack(const Sheet& sheet, int col, int row) {
    const StringGrid* grid = sheet.grids.FindTable(23);
    if (grid == nullptr || row < 1 || row > LastNationalityRow(*grid)) return {};
    const int count = ParseInt(grid->Cells(grid->ColCount() - 1, row));
    if (count == 0) return {true, {}};
    if (col > kNameCol) return {};
    return {false, Trim(grid->Cells(kNameCol, row)) +
                       Win("  kann nur zurückgezogen werden, wenn entspr. Anzahl der Schüler < 1")};
}

bool RemoveNationality(Sheet& sheet, int row) {
    if (!CheckNationalityDragBack(sheet, kCodeCol, row).allowed) return false;
    StringGrid* grid = sheet.grids.FindTable(23);
    DeleteRow(*grid, row);
    RecomputeTable(sheet, *grid);
    sheet.edited = true;
    return true;
}

int NationalityTabItem(const std::vector<std::string>& lines, int tab) {
    const char first = static_cast<char>('1' + tab);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string text = Trim(lines[i]);
        if (!text.empty() && text[0] >= first) return static_cast<int>(i);
    }
    return -1;
}

int NationalityPanelColumns(int availableWidth, int gridWidth) {
    return std::clamp((availableWidth - gridWidth - 10) / kPanelColumnWidth, 0, kMaxPanelColumns);
}

} // namespace tev
