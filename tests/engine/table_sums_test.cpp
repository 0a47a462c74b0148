// The sums and derived cells that the sheet recomputes when a cell is edited.
#include "output/codepage.h"
#include "sheet/record_mapping.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tev;

namespace {

// A sheet shaped for a school year; cells typed as the user types them.
struct YearSheet {
    explicit YearSheet(int year) { ShapeSheetForYear(sheet, year); }
    StringGrid& operator[](int table) { return *sheet.grids.FindTable(table); }
    Sheet sheet;
};

struct Cell {
    int table;
    int col;
    int row; // below 0 counted from the end: -1 is the last row
    const char* text;
};

int RowOf(const StringGrid& grid, int row) {
    return row < 0 ? grid.RowCount() + row : row;
}

struct SumCase {
    const char* name;
    int year;
    std::vector<Cell> typed; // one after another, each recomputing its table
    std::vector<Cell> expected;
    // What the sheet holds before the typing, put in without recomputing.
    std::function<void(YearSheet&)> before = nullptr;
};

} // namespace

TEST(TableSums, EachTableRecomputesItsSumsWhenACellIsTyped) {
    const SumCase cases[] = {
        {"promotion: boys and girls, first and last class level",
         116,
         {{21, 1, 1, "12"}, {21, 1, 2, "8"}, {21, 7, 1, "3"}},
         {{21, 1, 3, " 20"},
          {21, 7, 3, "  3"},
          {21, 8, 1, " 15"},
          {21, 8, 2, "  8"},
          {21, 8, 3, " 23"}}},
        {"promotion: a text counts 0 and stays, a zero sum is empty",
         116,
         {{21, 3, 1, "12"}, {21, 3, 2, "8"}, {21, 3, 1, "xy"}, {21, 3, 2, ""}},
         {{21, 3, 1, "xy"}, {21, 3, 3, ""}, {21, 8, 3, ""}}},
        {"origin", 116, {{22, 1, 1, "30"}, {22, 1, 14, "2"}}, {{22, 1, 15, " 32"}}},
        {"nationalities",
         116,
         {{23, 2, 1, "5"}, {23, 2, 2, "7"}},
         {{23, 2, 3, " 12"}},
         [](auto& s) { s[23].SetRowCount(4); }},
        {"birth years: first and last year column",
         116,
         {{24, 1, 1, "4"}, {24, 13, 2, "6"}},
         {{24, 1, 3, "  4"}, {24, 14, 3, " 10"}, {24, 14, 2, "  6"}}},
        {"pupils from 2016/17: totals and regular classes",
         116,
         {{11, 3, 1, "50"},   // class 5, sequence E
          {11, 3, 35, "10"},  // preparatory class
          {11, 3, 38, "30"},  // girls
          {11, 3, 50, "4"},   // girls of the preparatory classes
          {11, 10, 36, "80"}, // J1
          {11, 10, 35, "5"}},
         {{11, 3, 37, " 60"},
          {11, 3, 55, " 50"},
          {11, 10, 55, " 80"},
          {11, 3, 56, " 26"},
          {11, 12, 37, "145"},
          {11, 12, 1, " 50"}}},
        {"pupils: more preparatory girls than girls give no negative count",
         116,
         {{11, 3, 38, "30"}, {11, 3, 50, "40"}},
         {{11, 3, 56, ""}}},
        {"pupils before 2016/17 leave rows 55 and 56",
         115,
         {{18, 4, 55, "7"}, {18, 4, 2, "20"}},
         {{18, 4, 55, "7"}, {18, 4, 37, " 20"}, {18, 12, 55, "  7"}}},
        {"classes with preparatory classes",
         116,
         {{12, 1, 1, "28"}, {12, 1, 2, "27"}, {12, 2, 14, "30"}, {12, 1, 16, "12"}},
         {{12, 1, 15, " 55"},
          {12, 1, 19, " 12"},
          {12, 1, 20, " 67"},
          {12, 8, 2, " 85"},
          {12, 8, 3, " 12"},
          {12, 8, 4, " 97"}}},
        {"classes: a total left in row 9 is emptied, a text or a class i is not",
         115,
         {},
         {{12, 2, 9, ""}, {12, 2, 15, " 75"}, {12, 3, 9, "x"}, {12, 4, 15, " 56"}},
         [](auto& s) {
             for (int row = 1; row <= 3; ++row)
                 s[12].SetCells(2, row, "25");
             s[12].SetCells(2, 9, "75"); // the old layout's total
             s[12].SetCells(3, 1, "25");
             s[12].SetCells(3, 9, "x");
             s[12].SetCells(4, 1, "30");
             s[12].SetCells(4, 9, "26");
             RecomputeTable(s.sheet, s[12]);
         }},
        {"working groups: every value column",
         116,
         {{52, 2, 1, "2"}, {52, 3, 1, "30"}, {52, 3, 9, "12"}},
         {{52, 2, 10, "  2"}, {52, 3, 10, " 42"}, {52, 1, 10, "Insgesamt"}}},
        {"leavers: the sub-count columns are left out",
         116,
         {{32, 3, 1, "5"}, // 9 ohne HA insges
          {32, 4, 1, "2"}, //  dar. Abschluss FSP lernen
          {32, 3, 2, "1"}},
         {{32, 14, 1, "  5"}, {32, 3, 3, "  6"}, {32, 14, 3, "  6"}}},
        {"leavers from 2017/18: the preparatory classes count",
         118,
         {{32, 14, 1, "3"}, {32, 9, 1, "4"}, {32, 10, 1, "1"}},
         {{32, 15, 1, "  7"}}},
        {"sports games took place", 116, {{33, 1, 2, "120"}}, {{33, 1, 0, "ja"}}},
        {"sports games did not", 116, {{33, 1, 2, "120"}, {33, 1, 2, "0"}}, {{33, 1, 0, "nein"}}},
        {"residence: first and last place, class totals from 9.1 and 1.2",
         116,
         {{91, 2, 3, "4"},  // four classes 5
          {12, 1, 16, "9"}, // one preparatory class at level 5
          {41, 2, 1, "60"},
          {41, 3, 2, "50"},
          {41, 2, 60, "7"}},
         {{41, 2, 61, " 67"},
          {41, 11, 1, " 60"},
          {41, 11, 60, "  7"},
          {41, 11, 61, "117"},
          {41, 2, 62, "  5"},
          {41, 11, 62, "  5"}}},
        {"home towns of a city that is its own district",
         116,
         {{42, 1, 2, "5"}},
         {{42, 0, 2, ""}, {42, 1, 2, "0"}, {42, 2, 2, "  8"}, {42, 9, 2, "  8"}},
         [](auto& s) {
             s.sheet.regionalNumber = "222000";
             s[42].SetCells(0, 2, "Text");
             s[42].SetCells(2, 2, "3");
         }},
        {"home towns of a rural school",
         116,
         {{42, 1, 2, "5"}, {42, 0, 2, "100"}},
         {{42, 1, 2, "5"}, {42, 9, 2, "105"}},
         [](auto& s) { s.sheet.regionalNumber = "225014"; }},
        {"inclusion from 2022/23",
         122,
         {{43, 5, 1, "2"}, // Lernen, all target-different
          {43, 5, 3, "3"}, // Sprache
          {43, 5, 5, "1"}, //   of them target-different
          {43, 5, 4, "1"}, //   girls
          {43, 6, 3, "4"},
          {43, 5, 19, "2"}}, // the last category's target-different
         {{43, 5, 20, "  5"},
          {43, 5, 21, "  1"},
          {43, 5, 22, "  5"},
          {43, 14, 3, "  7"},
          {43, 14, 20, "  9"}}},
        {"inclusion before 2022/23: first and last category",
         116,
         {{43, 7, 1, "2"}, {43, 7, 13, "3"}, {43, 7, 14, "1"}},
         {{43, 7, 15, "  5"}, {43, 7, 16, "  1"}, {43, 14, 15, "  5"}}},
        {"Islamic education: the class levels, not the marks",
         120,
         {{44, 1, 2, "3"}, {44, 9, 2, "4"}, {44, 10, 2, "1"}},
         {{44, 0, 2, "  7"}}},
        {"courses: the saved total in the ges row does not count twice",
         116,
         {{51, 1, 1, "3"}, {51, 1, 2, "2"}, {51, 1, -2, "5"}},
         {{51, 1, -1, "  5"}, {51, 0, -1, "ges"}}},
        {"course sizes",
         116,
         {{71, 2, 1, "1"}, {71, 2, 4, "2"}, {71, 2, 13, "3"}, {71, 2, 26, "4"}},
         {{71, 2, 5, "  3"}, {71, 2, 19, "  3"}, {71, 2, 27, "  4"}}},
        {"course sizes of regime 1", 101, {{71, 2, 7, "6"}}, {{71, 2, 11, "  6"}}},
        {"course combinations",
         112,
         {{72, 3, 1, "2"}, {72, 4, 1, "3"}, {72, 3, 2, "1"}},
         {{72, 16, 1, "  5"}, {72, 3, 21, "  3"}, {72, 16, 21, "  6"}}},
        {"course exchange",
         116,
         {{81, 2, 1, "2"}, {81, 3, 12, "4"}, {81, 2, 14, "5"}},
         {{81, 2, 13, "  2"}, {81, 3, 13, "  4"}, {81, 2, 26, "  5"}}},
        {"grades", 116, {{83, 1, 1, "3"}, {83, 1, 31, "9"}}, {{83, 1, 32, " 12"}}},
        {"grades of both tracks", 111, {{83, 2, 5, "4"}}, {{83, 2, 32, "  4"}}},
        {"hours: sums, differences and teacher ratio",
         116,
         {{91, 3, 1, "25"}, // target hours EvR
          {91, 3, 3, "10"},
          {91, 3, 11, "12"},
          {91, 3, 17, "2"}, // teachers
          {91, 4, 1, "8"}}, // KR without teachers
         {{91, 3, 12, " 22"},
          {91, 3, 13, " -3"},
          {91, 3, 19, "12,5"},
          {91, 4, 19, ""},
          {91, 27, 1, " 33"},
          {91, 27, 19, "16,5"},
          {91, 27, 2, ""}}},
    };
    for (const SumCase& c : cases) {
        YearSheet s(c.year);
        if (c.before) c.before(s);
        for (const Cell& cell : c.typed)
            OnCellEdited(s.sheet, s[cell.table], cell.col, RowOf(s[cell.table], cell.row),
                         Win(cell.text));
        for (const Cell& cell : c.expected) {
            const StringGrid& grid = s[cell.table];
            EXPECT_EQ(grid.Cells(cell.col, RowOf(grid, cell.row)), Win(cell.text))
                << c.name << ": table " << cell.table << " [" << cell.col << "," << cell.row << "]";
        }
    }
}
