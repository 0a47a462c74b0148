#include "sheet/cell_editability.h"

#include "output/codepage.h"
#include "sheet/sheet_grids.h"

namespace tev {
namespace {

bool Locked11(int col, int row, bool eightYearTrack) {
    // The final years (and class 11 of the 8-year track) have no language sequences.
    return row <= 34 && (col >= 10 || (eightYearTrack && col == 9));
}

bool Locked22(int col, int row, int year) {
    switch (row) {
    case 1:
        return col == 1;
    case 3:
        return col >= 2;
    case 4:
    case 6:
        return col >= 7;
    case 5:
    case 7:
        return col == 1 || col >= 8;
    case 8:
        return year > 112 && col >= 8;
    case 9:
        return year >= 113 && (col == 1 || col >= 9);
    default:
        return false;
    }
}

bool Locked43(int col, int row, int year) {
    const int groupSize = year < 122 ? 5 : 7;
    return col >= 11 && col <= 13 && ((row + 1) / 2) % groupSize == 1;
}

bool Locked71(int col, int row) {
    if (col != 3) return false;
    for (int open : {1, 4, 7, 10, 13, 18, 21, 26})
        if (row == open) return false;
    return true;
}

bool Locked72(int col, int row) {
    return col >= row + 7 || ((col == 6 || col == 7) && row >= 7 && row <= 15) ||
           (col == 5 && row >= 11 && row <= 15) || (col == 14 && (row <= 9 || row == 15)) ||
           (col == 15 && row >= 1 && row <= 7) || row > 20 || col > 15;
}

bool Locked91(int col, int row, int colCount) {
    return row == 2 || (col <= 2 && (row <= 2 || row >= 13)) || (col == colCount - 1 && row >= 17);
}

CellEditability Residence41(const StringGrid& grid, int row, std::string_view schoolNumber) {
    const int rows = grid.RowCount();
    CellEditability result{row < rows - 3, {}};
    if (row == rows - 2 && !schoolNumber.empty() && schoolNumber[0] == '3')
        result.message = Win("Falls nur die Schülersumme benötigt wird, dann die Anzahlen dafür "
                             "in der ersten Zeile klassenstufenweise eingeben");
    else if (row == rows - 1)
        result.message = "Klassenanzahl bitte in 9.1 Spalte 3 eingeben";
    return result;
}

} // namespace

CellEditability IsCellEditable(const StringGrid& grid, int col, int row, int schoolYearCode,
                               std::string_view schoolNumber) {
    bool locked = false;
    switch (GridTableNumber(grid.Name())) {
    case 11:
        locked = Locked11(col, row, false);
        break;
    case 18:
        locked = Locked11(col, row, true);
        break;
    case 12:
        locked = col == 8 && row != 2 && row != 6;
        break;
    case 22:
        locked = Locked22(col, row, schoolYearCode);
        break;
    case 41:
        return Residence41(grid, row, schoolNumber);
    case 43:
        locked = Locked43(col, row, schoolYearCode);
        break;
    case 71:
        locked = Locked71(col, row);
        break;
    case 72:
        locked = Locked72(col, row);
        break;
    case 81:
    case 82:
        locked = row == 13 || row == 26;
        break;
    case 91:
        locked = Locked91(col, row, grid.ColCount());
        break;
    default:
        break;
    }
    return {!locked, {}};
}

std::string CellEditMask(const StringGrid& grid, int col) {
    return GridTableNumber(grid.Name()) == 44 && col >= 0 && col <= 9 ? "####" : "";
}

} // namespace tev
