// The sums and derived cells of the demo tables, computed as the sheet does after every edit,
// so that loading a demo data set and recomputing changes nothing.
#include "data/demo/demo_tables.h"
#include "sheet/table_titles.h"

#include <initializer_list>

namespace tev::demo {
namespace {

int SumRows(const StringGrid& grid, int col, int firstRow, int lastRow) {
    int sum = 0;
    for (int row = firstRow; row <= lastRow; ++row)
        sum += CellValue(grid, col, row);
    return sum;
}

int SumCols(const StringGrid& grid, int row, int firstCol, int lastCol) {
    int sum = 0;
    for (int col = firstCol; col <= lastCol; ++col)
        sum += CellValue(grid, col, row);
    return sum;
}

int SumOf(const StringGrid& grid, int col, std::initializer_list<int> rows) {
    int sum = 0;
    for (int row : rows)
        sum += CellValue(grid, col, row);
    return sum;
}

void LastRowSums(StringGrid& grid, int firstCol, int lastCol) {
    const int last = grid.RowCount() - 1;
    for (int col = firstCol; col <= lastCol; ++col)
        grid.SetCells(col, last, Num(SumRows(grid, col, 1, last - 1)));
}

void PupilTable(StringGrid& grid, int year) {
    for (int col = 3; col <= 11; ++col)
        grid.SetCells(col, 37, Num(SumRows(grid, col, 1, 36)));
    if (year >= 116) {
        // Pupils and girls of the regular classes: all but the preparatory classes.
        for (int col = 3; col <= 11; ++col) {
            const int regular = col <= 9 ? SumRows(grid, col, 1, 34)
                                         : CellValue(grid, col, 37) - CellValue(grid, col, 35);
            grid.SetCells(col, 55, Num(regular));
            grid.SetCells(col, 56, Num(CellValue(grid, col, 38) - CellValue(grid, col, 50)));
        }
    }
    for (int row = 1; row < grid.RowCount(); ++row)
        grid.SetCells(12, row, Num(SumCols(grid, row, 3, 11)));
}

void ClassTable(StringGrid& grid) {
    if (grid.RowCount() >= 21) {
        for (int col = 1; col <= 7; ++col) {
            grid.SetCells(col, 15, Num(SumRows(grid, col, 1, 14)));
            grid.SetCells(col, 19, Num(SumRows(grid, col, 16, 18)));
            grid.SetCells(col, 20, Num(CellValue(grid, col, 15) + CellValue(grid, col, 19)));
        }
        int regular = 0, preparatory = 0;
        for (int col = 1; col <= 7; ++col) {
            regular += SumRows(grid, col, 1, 14);
            preparatory += SumRows(grid, col, 16, 18);
        }
        grid.SetCells(8, 2, Num(regular));
        grid.SetCells(8, 3, Num(preparatory));
        grid.SetCells(8, 4, Num(regular + preparatory));
        return;
    }
    LastRowSums(grid, 1, 7);
}

void PromotionTable(StringGrid& grid) {
    for (int col = 1; col <= 8; ++col)
        grid.SetCells(col, 3, Num(CellValue(grid, col, 1) + CellValue(grid, col, 2)));
    for (int row = 1; row <= 3; ++row)
        grid.SetCells(8, row, Num(SumCols(grid, row, 1, 7)));
}

void BirthYearTable(StringGrid& grid) {
    for (int col = 1; col < grid.ColCount(); ++col)
        grid.SetCells(col, 3, Num(CellValue(grid, col, 1) + CellValue(grid, col, 2)));
    for (int row = 1; row <= 3; ++row)
        grid.SetCells(14, row, Num(SumCols(grid, row, 1, 13)));
}

// Table 3.2: "zusammen" adds the leaving columns, not their "dar." parts.
void LeaverTable(StringGrid& grid, int year) {
    const int last = grid.ColCount() - 1;
    std::vector<int> parts;
    if (year < 116)
        parts = {1, 2, 3, 4, 5, 6, 7, 9, 10};
    else
        parts = {1, 2, 3, 6, 7, 8, 9, 11, 12};
    if (year >= 118) parts.push_back(14);
    for (int col = 1; col <= last; ++col)
        grid.SetCells(col, 3, Num(CellValue(grid, col, 1) + CellValue(grid, col, 2)));
    for (int row = 1; row < grid.RowCount(); ++row) {
        int sum = 0;
        for (int col : parts)
            sum += CellValue(grid, col, row);
        grid.SetCells(last, row, Num(sum));
    }
}

void SportsTable(StringGrid& grid) {
    bool any = false;
    for (int row = 2; row < grid.RowCount(); ++row)
        for (int col = 1; col < grid.ColCount(); ++col)
            if (CellValue(grid, col, row) > 0) any = true;
    grid.SetCells(1, 0, any ? "ja" : "nein");
}

void ResidenceTable(StringGrid& grid, const StringGrid& hours) {
    const int pupilsRow = grid.RowCount() - 2;
    for (int col = 2; col <= 10; ++col)
        grid.SetCells(col, pupilsRow, Num(SumRows(grid, col, 1, pupilsRow - 1)));
    for (int row = 1; row < grid.RowCount(); ++row)
        grid.SetCells(11, row, Num(SumCols(grid, row, 2, 10)));
    // "Klassen insgesamt": the classes of table 9.1 (classes 5 to Jgst.2 and their sum).
    for (int k = 1; k <= 10; ++k)
        grid.SetCells(k + 1, grid.RowCount() - 1, Num(CellValue(hours, 2, k + 2)));
}

void HomeTownTable(StringGrid& grid, const std::string& regional) {
    if (regional.size() == 6 && regional.substr(3) == "000") {
        grid.SetCells(2, 2, Num(CellValue(grid, 2, 2) + CellValue(grid, 1, 2)));
        grid.SetCells(1, 2, "0");
    }
    grid.SetCells(grid.ColCount() - 1, 2, Num(SumCols(grid, 2, 0, grid.ColCount() - 2)));
}

void InclusionTable(StringGrid& grid, int year) {
    if (year >= 122) {
        for (int col = 5; col < grid.ColCount(); ++col) {
            if (col == 14) continue;
            grid.SetCells(col, 20, Num(SumOf(grid, col, {1, 3, 6, 9, 12, 15, 17})));
            grid.SetCells(col, 21, Num(SumOf(grid, col, {2, 4, 7, 10, 13, 16, 18})));
            grid.SetCells(col, 22, Num(SumOf(grid, col, {1, 5, 8, 11, 14, 15, 19})));
        }
    }
    for (int row = 1; row < grid.RowCount(); ++row)
        grid.SetCells(14, row, Num(SumCols(grid, row, 5, 13)));
}

void CourseTable(StringGrid& grid) {
    LastRowSums(grid, 1, 10);
    grid.SetCells(0, grid.RowCount() - 1, "ges");
}

void CourseSizeTable(StringGrid& grid, int year) {
    grid.SetCells(2, 5, Num(SumRows(grid, 2, 1, 4)));
    grid.SetCells(2, 11, Num(SumRows(grid, 2, 7, 10)));
    if (CourseRegimeFor(year) > 1) {
        grid.SetCells(2, 19, Num(SumRows(grid, 2, 13, 18)));
        grid.SetCells(2, 27, Num(SumRows(grid, 2, 21, 26)));
    }
}

void HoursTable(StringGrid& grid) {
    const int last = grid.ColCount() - 1;
    for (int col = 1; col < last; ++col)
        grid.SetCells(col, 12, Num(SumRows(grid, col, 3, 11)));
    for (int col = 3; col < last; ++col)
        grid.SetCells(col, 13, Num(CellValue(grid, col, 12) - CellValue(grid, col, 1)));
    for (int row = 1; row <= 22; ++row)
        if (row != 2) grid.SetCells(last, row, Num(SumCols(grid, row, 3, last - 1)));
}

} // namespace

void SumDemoTable(SheetGrids& grids, int table, int year, const std::string& regional) {
    StringGrid* grid = grids.FindTable(table);
    if (grid == nullptr) return;
    switch (table) {
    case 11:
    case 18:
        PupilTable(*grid, year);
        break;
    case 12:
        ClassTable(*grid);
        break;
    case 21:
        PromotionTable(*grid);
        break;
    case 22:
        LastRowSums(*grid, 1, 9);
        break;
    case 23:
        LastRowSums(*grid, 2, 2);
        break;
    case 24:
        BirthYearTable(*grid);
        break;
    case 31:
    case 52:
        LastRowSums(*grid, 2, grid->ColCount() - 1);
        grid->SetCells(1, grid->RowCount() - 1, "Insgesamt");
        break;
    case 32:
        LeaverTable(*grid, year);
        break;
    case 33:
        SportsTable(*grid);
        break;
    case 41:
        ResidenceTable(*grid, *grids.FindTable(91));
        break;
    case 42:
        HomeTownTable(*grid, regional);
        break;
    case 43:
        InclusionTable(*grid, year);
        break;
    case 44:
        grid->SetCells(0, 2, Num(SumCols(*grid, 2, 1, 9)));
        break;
    case 51:
    case 61:
        CourseTable(*grid);
        break;
    case 71:
        CourseSizeTable(*grid, year);
        break;
    case 83:
        for (int col = 1; col < grid->ColCount(); ++col)
            grid->SetCells(col, 32, Num(SumRows(*grid, col, 1, 31)));
        break;
    case 91:
        HoursTable(*grid);
        // The class totals of table 4.1 follow the classes of 9.1.
        SumDemoTable(grids, 41, year, regional);
        break;
    default:
        break;
    }
}

void SumDemoTables(SheetGrids& grids, int year, const std::string& regional) {
    for (int table :
         {11, 18, 12, 21, 22, 23, 24, 31, 32, 33, 41, 42, 43, 44, 51, 52, 61, 71, 83, 91})
        SumDemoTable(grids, table, year, regional);
}

} // namespace tev::demo
