#include "evaluation/pupil_numbers_table.h"

#include "output/codepage.h"
#include "output/text_routines.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace tev {
namespace {

constexpr uint16_t kWidth3 = 3;
constexpr uint16_t kWidth4Plus = 4 | 0x8000;
constexpr int kLevels = 10; // 5 .. 11, Jgst.1, Jgst.2, sum
constexpr int kClassTableLevels = 7;
constexpr int kClassSumRowLimit = 15;

std::string NumberOrEmpty(int value) {
    return value == 0 ? std::string() : FormatInt(value, kWidth3);
}

// No count of pupils comes near this; a garbage cell beyond it cannot overflow the sums.
constexpr int kCountLimit = 9'999'999;

int CellNumber(const StringGrid* grid, int col, int row) {
    return grid ? ClampInt(-kCountLimit, ParseInt(grid->Cells(col, row)), kCountLimit) : 0;
}

// The class-table text followed by the difference to the track tables and "?"; the text alone
// when they agree.
std::string WithDiscrepancy(const std::string& classText, int tracks) {
    const int difference = tracks - ClampInt(-kCountLimit, ParseInt(classText), kCountLimit);
    if (difference == 0) return classText;
    return classText + FormatInt(difference, kWidth4Plus) + "?";
}

struct TrackCells {
    int total9 = 0;
    int girls9 = 0;
    int total8 = 0;
    int girls8 = 0;
};

void WriteGroup(StringGrid& table, int row, int group, const std::string& classes,
                const std::string& total, const TrackCells& tracks) {
    table.SetCells(GroupColumn(group, 0), row, classes);
    table.SetCells(GroupColumn(group, 1), row, total);
    table.SetCells(GroupColumn(group, 2), row, NumberOrEmpty(tracks.total9));
    table.SetCells(GroupColumn(group, 3), row, NumberOrEmpty(tracks.girls9));
    table.SetCells(GroupColumn(group, 4), row, NumberOrEmpty(tracks.total8));
    table.SetCells(GroupColumn(group, 5), row, NumberOrEmpty(tracks.girls8));
}

std::string PreparatoryGroup(StringGrid& table, int row, const SheetGrids& grids) {
    const StringGrid* classTable = grids.FindTable(12);
    int classes = 0;
    int pupils = 0;
    for (int col = 1; col <= kClassTableLevels; ++col) {
        for (int r = 16; r <= 18; ++r)
            classes += CellNumber(classTable, col, r) > 0 ? 1 : 0;
        pupils += CellNumber(classTable, col, 19);
    }
    const StringGrid* nine = grids.FindTable(11);
    const StringGrid* eight = grids.FindTable(18);
    const TrackCells tracks{CellNumber(nine, 12, 35), CellNumber(nine, 12, 50),
                            CellNumber(eight, 12, 35), CellNumber(eight, 12, 50)};
    const std::string total = WithDiscrepancy(pupils == 0 ? std::string() : std::to_string(pupils),
                                              tracks.total9 + tracks.total8);
    WriteGroup(table, row, kPreparatoryGroup, NumberOrEmpty(classes), total, tracks);
    return total.find('?') == std::string::npos ? std::string() : ";   VKL: " + total;
}

// The block of school rows that starts at `first`: school rows carry their key in column 1.
int BlockEnd(const StringGrid& table, int first, int end) {
    int last = first;
    while (last + 1 < end && !table.Cells(1, last + 1).empty())
        ++last;
    return last;
}

void SumRowsInto(StringGrid& table, int first, int last, int target) {
    for (int col = 2; col < table.ColCount(); ++col) {
        int64_t sum = 0;
        for (int row = first; row <= last; ++row)
            sum += ParseInt(table.Cells(col, row));
        const auto value = static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
        table.SetCells(col, target, NumberOrEmpty(value));
    }
}

} // namespace

void PreparePupilNumbersTable(StringGrid& table) {
    table.SetColCount(kPupilNumbersCols);
    table.SetRowCount(5);
    table.Clear();
    table.SetFixedRows(1);
    table.SetFixedCols(1);
    table.ResetSizes();
    table.SetCells(0, 0, Win("Schülerzahlen auswerten"));
    char text[32];
    for (int level = 5; level <= 13; ++level) {
        const int group = level - 4;
        const char* const patterns[] = {"Kl.%d",  "%dgesamt", "%dg 9j",
                                        "%dw 9j", "%dg 8j",   "%dw 8j"};
        for (int offset = 0; offset < 6; ++offset) {
            std::snprintf(text, sizeof text, patterns[offset], level);
            table.SetCells(GroupColumn(group, offset), 0, text);
        }
    }
    const char* const sums[] = {"Kl.", "gesamt", "ges 9j", "w 9j", "ges 8j", "w 8j"};
    const char* const preparatory[] = {"Kl.VKL",   "gesamt VKL", "ges 9j VKL",
                                       "w 9j VKL", "ges 8j VKL", "w 8j VKL"};
    for (int offset = 0; offset < 6; ++offset) {
        table.SetCells(GroupColumn(10, offset), 0, sums[offset]);
        table.SetCells(GroupColumn(kPreparatoryGroup, offset), 0, preparatory[offset]);
    }
    table.SetColWidth(0, 120);
    table.SetColWidth(1, 0);
    for (int group = 1; group <= kPupilNumbersGroups; ++group) {
        table.SetColWidth(GroupColumn(group, 0), 44);
        table.SetColWidth(GroupColumn(group, 1), 84);
    }
    table.SetColWidth(kPupilNumbersCols - 4, 84);
    table.SetColWidth(kPupilNumbersCols - 3, 84);
}

std::string FillPupilNumbersRow(StringGrid& table, int row, const SheetGrids& grids,
                                int schoolYearCode) {
    const int all = schoolYearCode < 116 ? 37 : 55;
    const StringGrid* classes = grids.FindTable(91);
    const StringGrid* classTable = grids.FindTable(12);
    const StringGrid* nine = grids.FindTable(11);
    const StringGrid* eight = grids.FindTable(18);
    const int classSumRow =
        classTable ? std::min(classTable->RowCount() - 1, kClassSumRowLimit) : kClassSumRowLimit;
    std::string discrepancies;
    for (int j = 1; j <= kLevels; ++j) {
        const int col = j + 2;
        const TrackCells tracks{CellNumber(nine, col, all), CellNumber(nine, col, all + 1),
                                CellNumber(eight, col, all), CellNumber(eight, col, all + 1)};
        std::string total;
        if (j <= kClassTableLevels) {
            const std::string classText =
                classTable ? classTable->Cells(j, classSumRow).substr(0, 8) : std::string();
            total = WithDiscrepancy(classText, tracks.total9 + tracks.total8);
            if (total != classText) {
                char head[24];
                std::snprintf(head, sizeof head, ";   Klst%2d: ", j + 4);
                discrepancies += head + total;
            }
        } else {
            total = FormatInt(tracks.total9 + tracks.total8, kWidth3);
        }
        WriteGroup(table, row, j, NumberOrEmpty(CellNumber(classes, 2, j + 2)), total, tracks);
    }
    if (schoolYearCode >= 116) discrepancies += PreparatoryGroup(table, row, grids);
    return discrepancies;
}

void AddPupilNumbersSums(StringGrid& table) {
    const int sumRow = table.RowCount() - 1;
    table.SetCells(0, sumRow, "Summe");
    SumRowsInto(table, 1, sumRow - 1, sumRow);
    for (int col = 2; col < table.ColCount(); ++col) {
        if (table.Cells(col, sumRow).empty()) table.SetColWidth(col, 0);
    }
}

void AddGroupSubtotals(StringGrid& table, int keyLength) {
    const int sumRow = table.RowCount() - 1;
    for (int row = 1; row < sumRow; ++row) {
        if (table.Cells(1, row).empty()) continue;
        const int last = BlockEnd(table, row, sumRow);
        if (last > row && last + 1 < sumRow) {
            SumRowsInto(table, row, last, last + 1);
            table.SetCells(1, last + 1, "zus." + table.Cells(1, last).substr(0, keyLength));
        }
        row = last;
    }
}

void CutForDiscrepancyList(StringGrid& table, int lastSchoolRow,
                           const std::vector<std::string>& outputLines) {
    for (int group = 1; group <= kPupilNumbersGroups; ++group) {
        const int col = GroupColumn(group, 1);
        for (int row = 1; row <= lastSchoolRow; ++row) {
            const std::string& cell = table.Cells(col, row);
            if (cell.find('?') != std::string::npos) table.SetCells(col, row, cell.substr(0, 3));
        }
    }
    const int sumRow = table.RowCount() - 1;
    for (int col = 3; col < table.ColCount(); ++col) {
        const std::string& cell = table.Cells(col, sumRow);
        if (cell.size() < 3) continue;
        const size_t blank = cell.find(' ', 2);
        const size_t p = blank == std::string::npos ? 0 : blank - 1; // 1-based from the third
        if (p > 1) table.SetCells(col, sumRow, cell.substr(0, p + 1));
    }
    if (outputLines.size() <= 1) return;
    for (const std::string& line : outputLines) {
        const int row = table.RowCount();
        table.SetRowCount(row + 1);
        if (table.RowCount() == row) break; // the grid's bound
        const auto fields = SplitFields(line);
        for (int col = 0; col < static_cast<int>(fields.size()); ++col)
            table.SetCells(col, row, fields[col]);
    }
}

void CompactPupilNumbers(StringGrid& table) {
    for (int group = 2; group <= kPupilNumbersGroups; ++group) {
        for (int offset = 0; offset < 2; ++offset) {
            const int from = GroupColumn(group, offset);
            const int to = 2 * group + offset;
            for (int row = 0; row < table.RowCount(); ++row)
                table.SetCells(to, row, table.Cells(from, row));
            table.SetColWidth(to, table.ColWidth(from));
        }
    }
    table.SetColCount(2 * kPupilNumbersGroups + 2);
}

} // namespace tev
