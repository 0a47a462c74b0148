#include "summary/summary_display.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/table_headings.h"
#include "sheet/table_titles.h"

#include <cmath>
#include <cstdio>

namespace tev {
namespace {

constexpr int kLastTableNotShown = 10;
constexpr int kPupilTables[] = {11, 18};
constexpr int kCodeTables[] = {23, 31};

std::string Decimal(double value, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::string result = text;
    for (char& c : result)
        if (c == '.') c = ',';
    return result;
}

// Sums of whole numbers without decimals; hours as the sheet writes them ("12½", "3,2").
std::string Amount(double value) {
    const double tenths = value * 10;
    if (std::fabs(tenths) < 2e9 && tenths == std::floor(tenths))
        return FormatTenths(static_cast<int32_t>(tenths), 0);
    return Decimal(value, "%.1f");
}

std::string Deviation(const SummaryCell& cell, double count, const char* format) {
    if (count <= 0) return {};
    // Computed from whole sums, so that equal values give exactly 0.
    const double variance = (count * cell.sumSquares - cell.sum * cell.sum) / (count * count);
    if (variance < 0) return "??";
    return Decimal(std::sqrt(variance), format);
}

std::string Mean(const SummaryCell& cell, double count, const char* format = "%.1f") {
    return count > 0 ? Decimal(cell.sum / count, format) : std::string();
}

// Rows the pupil tables gain when the schools bring more sequences than the form has rows.
int SequenceOverflow(const SummaryRows& rows) {
    return std::max(0, static_cast<int>(rows.Sequences().size()) - SummaryRows::kLastSequenceRow);
}

void InsertRows(StringGrid& grid, int before, int count) {
    if (count <= 0) return;
    const int oldRows = grid.RowCount();
    grid.SetRowCount(oldRows + count);
    for (int row = oldRows - 1; row >= before; --row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            grid.SetCells(col, row + count, grid.Cells(col, row));
            grid.SetCells(col, row, "");
        }
        grid.SetRowHeight(row + count, grid.RowHeight(row));
    }
}

void HeadPupilTable(StringGrid& grid, const SummaryRows& rows) {
    InsertRows(grid, SummaryRows::kLastSequenceRow + 1, SequenceOverflow(rows));
    const auto& sequences = rows.Sequences();
    for (size_t i = 0; i < sequences.size(); ++i) {
        for (int col = 0; col < 3; ++col)
            grid.SetCells(col, static_cast<int>(i) + 1, sequences[i][col]);
    }
}

void HeadGrids(SheetGrids& grids, const SummaryDisplayInput& input) {
    for (auto& grid : grids.All())
        grid.Clear();
    TableRowLists lists;
    lists.nationalities = input.rows.CodeLines(23);
    lists.workingGroups = input.rows.CodeLines(31);
    // The nationality table is labelled from the list when it has a row for every entry.
    grids.FindTable(23)->SetRowCount(static_cast<int>(lists.nationalities.size()) + 2);
    SetAllTableHeadings(grids, input.schoolYearCode, input.screenWidth, lists);
    for (int table : kPupilTables)
        HeadPupilTable(*grids.FindTable(table), input.rows);
}

int GridRow(int table, int row, const SummaryRows& rows, const StringGrid& grid) {
    if (table == 11 || table == 18) {
        if (row > SummaryRows::kSequenceRowBase) return row - SummaryRows::kSequenceRowBase;
        return row > SummaryRows::kLastSequenceRow ? row + SequenceOverflow(rows) : row;
    }
    for (int codeTable : kCodeTables)
        if (table == codeTable && row == SummaryRows::kTotalsRow) return grid.RowCount() - 1;
    return row;
}

std::string UnexpectedLine(int table, int row, int col) {
    const long key = table * 65536L + row * 256L + col;
    return "Tabelle " + std::to_string(table) + " Spalte " + std::to_string(col) + " Zeile " +
           std::to_string(row) + Win(" (Schlüssel ") + std::to_string(key) + ")";
}

// Kind 1: the share of each course's pupils among the pupils of the year, whom the German
// courses of 5.1 and 6.1 (row 1) count together.
void AddShares(SheetGrids& grids, const SummaryStore& store) {
    for (int table : {51, 61}) {
        StringGrid& grid = *grids.FindTable(table);
        for (int col = 2; col < grid.ColCount(); col += 3) {
            double total = 0;
            for (int courseTable : {51, 61})
                if (const SummaryCell* cell = store.Find(courseTable, 1, col)) total += cell->sum;
            if (total <= 0) continue;
            for (int row = 1; row <= grid.RowCount() - 2; ++row) {
                const SummaryCell* cell = store.Find(table, row, col);
                if (!cell || cell->sum <= 0) continue;
                grid.SetCells(col, row,
                              grid.Cells(col, row) + Decimal(cell->sum / total * 100, "  %4.1f") +
                                  "%");
            }
        }
    }
}

} // namespace

std::vector<int> SummaryTables(int schoolYearCode) {
    std::vector<int> tables;
    for (const auto& name : SheetGrids::TableGridNames()) {
        const int table = GridTableNumber(name);
        if ((table == 72 && schoolYearCode >= 113) || (table == 44 && schoolYearCode < 120))
            continue;
        tables.push_back(table);
    }
    return tables;
}

std::vector<SummaryTab> SummaryTabs(int schoolYearCode) {
    std::vector<SummaryTab> tabs = {
        {Win("Übersicht"), "SG00"}, {"1.1", "SG11"}, {"1.8(8j.)", "SG18"}};
    for (const char* table :
         {"1.2", "2.1", "2.2", "2.3", "2.4", "3.1", "3.2", "3.3", "3.4", "4.1", "4.2", "4.3",
          "5.1", "5.2", "6.1", "7.1", "4.4", "7.2", "8.1", "8.2", "8.3", "9.1", "9.2"}) {
        const std::string caption = table;
        const std::string grid = "SG" + caption.substr(0, 1) + caption.substr(2, 1);
        if (caption == "7.2" && schoolYearCode >= 113)
            tabs.push_back({"---", ""});
        else
            tabs.push_back({caption, grid});
    }
    return tabs;
}

const std::vector<std::string>& DisplayKindTexts() {
    static const std::vector<std::string> texts = {
        "i Anzahl n    ",         "  Summe x (5.1/6.1 mit %)",    "  Summe x*x",
        "i Mittelwert",           "i StandardAbweichung",         "i Summe:Anzahl  ",
        "i Summe:Anzahl=Mittelw", "i Summe:Anzahl=Mittelw StAbw", "i Summe:Anzahl=Mittelw aMittelw",
        "a Mittelwert",           "a StandardAbweichung",         "a Summe:Anzahl  ",
        "a Summe:Anzahl=Mittelw", "a Summe:Anzahl=Mittelw StAbw", "  Summe x",
    };
    return texts;
}

std::string DisplayKindHint() {
    return Win("aller(=aller Schulen von denen Statistikdaten vorhanden)  indiv(=wird nur "
               "berücksichtigt wenn der individuelle Wert<>0 ist)");
}

std::string SummaryCellText(int kind, const SummaryCell& cell, int schoolsRead) {
    const double n = cell.n;
    const double all = schoolsRead;
    const std::string individual = Amount(cell.sum) + ":" + std::to_string(cell.n);
    const std::string overAll = Amount(cell.sum) + ":" + std::to_string(schoolsRead);
    switch (kind) {
    case 0:
        return std::to_string(cell.n);
    case 1:
    case 14:
        return Amount(cell.sum);
    case 2:
        return Amount(cell.sumSquares);
    case 3:
        return Mean(cell, n);
    case 4:
        return Deviation(cell, n, "%.1f");
    case 5:
        return individual;
    case 6:
        return individual + "=" + Mean(cell, n);
    case 7:
        return individual + "=" + Mean(cell, n) + " " + Deviation(cell, n, "%5.1f");
    case 8:
        return individual + "=" + Mean(cell, n) + " " + Mean(cell, all, "%5.1f");
    case 9:
        return Mean(cell, all);
    case 10:
        return Deviation(cell, all, "%.1f");
    case 11:
        return overAll;
    case 12:
        return overAll + "=" + Mean(cell, all);
    case 13:
        return overAll + "=" + Mean(cell, all) + " " + Deviation(cell, all, "%5.1f");
    default:
        return {};
    }
}

std::vector<std::string> FillSummaryGrids(SheetGrids& grids, const SummaryDisplayInput& input,
                                          int kind) {
    HeadGrids(grids, input);
    std::vector<std::string> unexpected;
    input.store.ForEach([&](int table, int row, int col, const SummaryCell& cell) {
        StringGrid* grid = table > kLastTableNotShown ? grids.FindTable(table) : nullptr;
        if (!grid) {
            unexpected.push_back(UnexpectedLine(table, row, col));
            return;
        }
        const int gridRow = GridRow(table, row, input.rows, *grid);
        if (gridRow >= grid->RowCount()) grid->SetRowCount(gridRow + 1);
        if (col >= grid->ColCount()) grid->SetColCount(col + 1);
        grid->SetCells(col, gridRow, SummaryCellText(kind, cell, input.schoolsRead));
    });
    if (kind == kSumsWithShares) AddShares(grids, input.store);
    return unexpected;
}

} // namespace tev
