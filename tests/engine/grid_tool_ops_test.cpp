// The grid tool's operations on small tables, with the results worked out by hand.
#include "output/codepage.h"
#include "output/grid_tool_numbers.h"
#include "output/grid_tool_ops.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

using Lines = std::vector<std::string>;

StringGrid Classes() {
    return GridFromLines({"Schule;Schueler;Klassen", "A;56;2", "B;  81;3", "C;;", "D;7;0"});
}

// Six years of a school: row k+1 holds k+1 pupils, every other year 10 * (k+1) classes.
StringGrid Years() {
    return GridFromLines({"Jahr;Nr;Ort;Sch;Kl", "2019;1;X;1;10", "2020;2;X;2;", "2021;3;Y;3;30",
                          "2022;4;Y;4;", "2023;5;Z;5;50", "2024;6;Z;6;"});
}

TEST(GridToolNumbers, CellsReadAndResultsWrittenWithADecimalComma) {
    for (auto [text, value] : {std::pair{"  81", 81.0},
                               {"12,5", 12.5},
                               {"0.25", 0.25},
                               {"-3", -3.0},
                               {"3½", 3.5},
                               {"½", 0.5},
                               {"x", 0.0},
                               {"", 0.0},
                               {"4,", 4.0},
                               {"7 Kl.", 7.0}})
        EXPECT_DOUBLE_EQ(CellValue(Win(text)), value) << text;
    for (auto [value, text] : {std::pair{28.0, "28"},
                               {121.5, "121,5"},
                               {56.0 / 3, "18,67"},
                               {-0.001, "0"},
                               {-2.5, "-2,5"},
                               {1.0 / 0.0, ""}})
        EXPECT_EQ(ResultText(value), text) << value;
}

TEST(GridToolArithmetic, TwoColumnsIntoANewOrTheCurrentColumn) {
    StringGrid grid = Classes();
    EXPECT_EQ(CombineColumns(grid, 1, 2, ColumnOperator::Divide, JoinMode::Numeric, kNewColumn), 3);
    EXPECT_EQ(CombineColumns(grid, 1, 2, ColumnOperator::Subtract, JoinMode::Numeric, 2), 2);
    // Blank operands leave the row empty, a division by zero too.
    EXPECT_EQ(GridLines(grid), (Lines{"Schule;Schueler;Schueler-Klassen;Schueler/Klassen",
                                      "A;56;54;28", "B;  81;78;27", "C;;;", "D;7;7;"}));

    grid = Classes();
    grid.SetFixedRows(0); // row 0 is data then: no heading
    CombineColumns(grid, 1, 2, ColumnOperator::Multiply, JoinMode::Numeric, 1);
    EXPECT_EQ(grid.Col(1), (Lines{"0", "112", "243", "", "0"}));
    EXPECT_EQ(CombineColumns(grid, 1, 7, ColumnOperator::Add, JoinMode::Numeric, 1), -1);
}

TEST(GridToolArithmetic, AColumnWithAConstant) {
    struct Case {
        ColumnOperator op;
        const char* constant;
        Lines column;
    };
    for (const Case& c : {Case{ColumnOperator::Multiply, "1,5", {"84", "121,5", "", "10,5"}},
                          Case{ColumnOperator::Add, "0.5", {"56,5", "81,5", "", "7,5"}},
                          Case{ColumnOperator::Subtract, "-1", {"57", "82", "", "8"}},
                          Case{ColumnOperator::Divide, "3", {"18,67", "27", "", "2,33"}},
                          Case{ColumnOperator::Divide, "0", {"", "", "", ""}}}) {
        StringGrid grid = Classes();
        EXPECT_EQ(CombineWithConstant(grid, 1, c.op, JoinMode::Numeric, c.constant, kNewColumn), 3);
        Lines column = grid.Col(3);
        EXPECT_EQ(column.front().substr(0, 8), "Schueler") << c.constant;
        column.erase(column.begin());
        EXPECT_EQ(column, c.column) << c.constant;
    }
}

TEST(GridToolArithmetic, PlusJoinsTextsAndTruncRoundMakeWholeNumbers) {
    StringGrid grid = Classes();
    CombineColumns(grid, 0, 1, ColumnOperator::Add, JoinMode::Underscore, kNewColumn);
    CombineColumns(grid, 0, 1, ColumnOperator::Add, JoinMode::Blank, kNewColumn);
    CombineWithConstant(grid, 0, ColumnOperator::Add, JoinMode::Direct, "-Gym", kNewColumn);
    EXPECT_EQ(GridLines(grid)[0], "Schule;Schueler;Klassen;Schule+Schueler;Schule+Schueler;"
                                  "Schule+-Gym");
    EXPECT_EQ(GridLines(grid)[2], "B;  81;3;B_81;B 81;B-Gym");
    EXPECT_EQ(GridLines(grid)[3], "C;;;C_;C ;C-Gym");

    StringGrid halves = GridFromLines({"W", "2,5", "-2,5", Win("3½"), "x", ""});
    TruncateColumn(halves, 0, true, kNewColumn);
    TruncateColumn(halves, 0, false, 0);
    EXPECT_EQ(GridLines(halves), (Lines{"trunc(W);round(W)", "2;3", "-2;-3", "3;4", "0;0", ";"}));
}

TEST(GridToolTotals, SumRowsEveryNthDataRow) {
    StringGrid grid = Years();
    EXPECT_EQ(AppendSumRows(grid, 3, 2), 2);
    EXPECT_EQ(GridLines(grid)[7], "zus1;;Z;9;90"); // rows 1, 3, 5
    EXPECT_EQ(GridLines(grid)[8], "zus2;;Z;12;");  // rows 2, 4, 6; no classes there

    grid = Years();
    EXPECT_EQ(AppendSumRows(grid, 3), 1);
    EXPECT_EQ(GridLines(grid).back(), "zus;;Z;21;90");
    EXPECT_TRUE(AppendQuotientRow(grid, 3, 1, 6));
    EXPECT_EQ(GridLines(grid).back(), "quot;;Z;3,5;15");

    StringGrid full("SG", 2, kMaxGridRows);
    EXPECT_EQ(AppendSumRows(full, 1), 0);
}

TEST(GridToolTotals, ShareRowsOfABaseRowInPerCent) {
    StringGrid grid =
        GridFromLines({"Schule;Nr;Sch;Kl;Neu", "A;1;50;2;", "B;2;150;6;3", "zus;;200;8;"});
    EXPECT_EQ(AppendShareRows(grid, 1, 3, 2), 3);
    EXPECT_EQ(GridLines(grid),
              (Lines{"Schule;Nr;Sch;Kl;Neu", "A;1;50;2;", "B;2;150;6;3", "zus;;200;8;",
                     "A %;1;25;25;", "B %;2;75;75;", "zus %;;100;100;"}));
    EXPECT_EQ(AppendShareRows(grid, 9, 1, 2), 0);
}

TEST(GridToolOrder, SortAsNumbersOrAsTextsKeepingEqualKeys) {
    const StringGrid table = GridFromLines({"Name;Wert", "a;10", "b;9", "c;", "d;9", "zus;28"});
    StringGrid grid = table;
    SortRows(grid, 1, true, 1, 4);
    EXPECT_EQ(grid.Col(0), (Lines{"Name", "c", "b", "d", "a", "zus"}));
    grid = table;
    SortRows(grid, 1, false, 1, 4);
    EXPECT_EQ(grid.Col(0), (Lines{"Name", "c", "a", "b", "d", "zus"}));
}

TEST(GridToolCells, DeleteInsertSwapCopyAndClear) {
    StringGrid grid = GridFromLines({"Schule;Nr;Sch;Kl", "A;1;5;", "B;2;;", "C;3; ;", "D;4;;1"});
    EXPECT_EQ(DeleteBlankRows(grid, 2, 3), 2);
    EXPECT_EQ(grid.Col(0), (Lines{"Schule", "A", "D"}));
    EXPECT_EQ(DeleteBlankRows(grid, 7, 9), 0); // no such columns: nothing is blank

    grid.SetColWidth(3, 99);
    grid.DeleteCols(1, 2);
    EXPECT_EQ(GridLines(grid), (Lines{"Schule;Kl", "A;", "D;1"}));
    EXPECT_EQ(grid.ColWidth(1), 99);
    ASSERT_TRUE(grid.InsertCol(1));
    ASSERT_TRUE(grid.InsertRow(3));
    EXPECT_EQ(GridLines(grid), (Lines{"Schule;;Kl", "A;;", "D;;1", ";;"}));

    SwapCols(grid, 0, 2);
    SwapRows(grid, 1, 2);
    CopyCol(grid, 2, 1);
    CopyRow(grid, 0, 3);
    EXPECT_EQ(GridLines(grid), (Lines{"Kl;Schule;Schule", "1;D;D", ";A;A", "Kl;Schule;Schule"}));
    ClearCells(grid, {2, 3}, {1, 2}); // corners in any order
    ClearRow(grid, 0);
    EXPECT_EQ(GridLines(grid), (Lines{";;", "1;D;D", ";;", "Kl;;"}));

    grid.DeleteRows(0, 99);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.FixedRows(), 0);
    StringGrid wide("SG", kMaxGridCols, 1);
    EXPECT_FALSE(wide.InsertCol(0));
}

TEST(GridToolCells, ZerosBecomeEmptyFromACellOn) {
    StringGrid grid = GridFromLines({"0;0;0", "0; 0;0,5", "0;10;0"});
    EXPECT_EQ(EmptyZeros(grid, {1, 1}), 2);
    EXPECT_EQ(GridLines(grid), (Lines{"0;0;0", "0;;0,5", "0;10;"}));
}

TEST(GridToolLayout, WidthsHeightsAndBlankColumns) {
    StringGrid grid = GridFromLines({"Schule;Leer;Sch", "A;;5", "B; ;"});
    grid.SetColWidth(0, 120);
    grid.SetColWidth(2, 30);
    SetColWidths(grid, 1, 40, SizeRule::AtLeast);
    EXPECT_EQ((std::vector{grid.ColWidth(0), grid.ColWidth(1), grid.ColWidth(2)}),
              (std::vector{120, 64, 40}));
    SetColWidths(grid, 0, 50, SizeRule::AtMost);
    EXPECT_EQ((std::vector{grid.ColWidth(0), grid.ColWidth(1), grid.ColWidth(2)}),
              (std::vector{50, 50, 40}));
    // A heading alone does not make a column full; fixed columns stay.
    EXPECT_EQ(NarrowBlankCols(grid, 2), 1);
    EXPECT_EQ(grid.ColWidth(1), 2);
    EXPECT_EQ(LowerBlankRows(grid, 0), 1);
    EXPECT_EQ(grid.RowHeight(2), 0);
    SetRowHeights(grid, 0, 10, SizeRule::AtLeast);
    EXPECT_EQ((std::vector{grid.RowHeight(0), grid.RowHeight(2)}), (std::vector{24, 10}));
}

} // namespace
