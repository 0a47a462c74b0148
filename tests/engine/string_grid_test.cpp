#include "sheet/sheet_grids.h"
#include "sheet/string_grid.h"

#include <gtest/gtest.h>

using namespace tev;

TEST(StringGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    StringGrid grid("SG21", 3, 2);
    grid.SetCells(2, 1, "x");
    for (auto [c, r] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {1 << 30, 1 << 30}}) {
        grid.SetCells(c, r, "lost");
        EXPECT_EQ(grid.Cells(c, r), "");
    }
    EXPECT_EQ(grid.Cells(2, 1), "x");
    EXPECT_TRUE(grid.Row(2).empty());
    EXPECT_TRUE(grid.Col(-1).empty());
    EXPECT_EQ(grid.Row(1), (std::vector<std::string>{"", "", "x"}));
    EXPECT_EQ(grid.Col(2), (std::vector<std::string>{"", "x"}));
}

TEST(StringGrid, ResizingKeepsCellsAndStaysWithinBounds) {
    StringGrid grid("g", 2, 2);
    grid.SetCells(1, 1, "kept");
    grid.SetColCount(10);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cells(1, 1), "kept");
    grid.SetCells(9, 9, "corner");
    EXPECT_EQ(grid.Cells(9, 9), "corner");
    grid.SetRowCount(5);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cells(9, 9), "");
    EXPECT_EQ(grid.Cells(1, 1), "kept");

    grid.SetRowCount(1'000'000'000);
    grid.SetColCount(1'000'000'000);
    EXPECT_EQ(grid.RowCount(), kMaxGridRows);
    EXPECT_EQ(grid.ColCount(), kMaxGridCols);
    grid.SetRowCount(-5);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.Cells(0, 0), "");
}

TEST(StringGrid, FixedRowsAndColumnsNeverExceedTheCounts) {
    StringGrid grid("g", 4, 4);
    grid.SetFixedCols(9);
    grid.SetFixedRows(-1);
    EXPECT_EQ(grid.FixedCols(), 4);
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.SetFixedRows(2);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.FixedRows(), 1);
}

TEST(StringGrid, FillsRowsAndColumnsFromSeparatedText) {
    StringGrid grid("g", 3, 3);
    grid.SetCells(2, 0, "old");
    grid.FillRow(0, "a;b");
    EXPECT_EQ(grid.Row(0), (std::vector<std::string>{"a", "b", "old"}));
    grid.FillRow(1, "1;2;3;4;5");
    EXPECT_EQ(grid.Row(1), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(grid.ColCount(), 3);
    grid.FillCol(2, "\\1;x;y;z");
    EXPECT_EQ(grid.Col(2), (std::vector<std::string>{"old", "x", "y"}));
    grid.FillRow(7, "ignored");
    grid.FillCol(-1, "ignored");
    EXPECT_EQ(grid.RowCount(), 3);
}

TEST(StringGrid, ClearEmptiesCellsButKeepsShapeAndSizes) {
    StringGrid grid("g", 3, 3);
    grid.SetCells(1, 1, "x");
    grid.SetColWidth(1, 120);
    grid.Clear();
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.ColWidth(1), 120);
}

TEST(StringGrid, WidthsAndHeightsFollowTheShape) {
    StringGrid grid("g", 2, 2);
    grid.SetColWidth(0, 120);
    grid.SetRowHeight(1, -7);
    grid.SetColWidth(5, 99);
    EXPECT_EQ(grid.ColWidth(0), 120);
    EXPECT_EQ(grid.RowHeight(1), 0);
    grid.SetColCount(4);
    EXPECT_EQ(grid.ColWidth(3), kDefaultColWidth);
    grid.SetColWidth(3, 1 << 30);
    EXPECT_EQ(grid.ColWidth(3), kMaxCellExtent);
    grid.ResetSizes();
    EXPECT_EQ(grid.ColWidth(0), kDefaultColWidth);
    EXPECT_EQ(grid.RowHeight(1), kDefaultRowHeight);
}

TEST(SheetGrids, FindsEveryGridByNameWithItsTableNumber) {
    // The tables of the form in their order, with 7.2 and 9.2.
    const std::vector<std::pair<std::string, int>> tables = {
        {"SG11", 11}, {"SG18", 18}, {"SG12", 12}, {"SG21", 21}, {"SG22", 22},
        {"SG23", 23}, {"SG24", 24}, {"SG31", 31}, {"SG32", 32}, {"SG33", 33},
        {"SG34", 34}, {"SG41", 41}, {"SG42", 42}, {"SG43", 43}, {"SG44", 44},
        {"SG51", 51}, {"SG52", 52}, {"SG61", 61}, {"SG71", 71}, {"SG72", 72},
        {"SG81", 81}, {"SG82", 82}, {"SG83", 83}, {"SG91", 91}, {"SG92", 92}};
    std::vector<std::string> names;
    for (const auto& [name, number] : tables)
        names.push_back(name);
    EXPECT_EQ(SheetGrids::TableGridNames(), names);
    SheetGrids grids;
    for (const auto& [name, number] : tables) {
        const StringGrid* grid = grids.Find(name);
        ASSERT_NE(grid, nullptr) << name;
        EXPECT_EQ(grid->Name(), name);
        EXPECT_EQ(grid->Tag(), number) << name;
        EXPECT_EQ(GridTableNumber(name), number);
        EXPECT_EQ(GridNameOfTable(number), name);
        EXPECT_EQ(grids.FindTable(number), grid);
    }
    EXPECT_EQ(grids.All().size(), tables.size() + 4);
    EXPECT_EQ(grids.All().front().Name(), "SG00");
    EXPECT_EQ(grids.All().back().Name(), "SG92shadow");
    EXPECT_NE(grids.Find("SG01"), nullptr);
    EXPECT_NE(grids.Find("SGcmp"), nullptr);
    EXPECT_EQ(grids.Find("SG99"), nullptr);
    EXPECT_EQ(grids.Find(""), nullptr);
    EXPECT_EQ(GridTableNumber("SGcmp"), -1);
    EXPECT_EQ(GridTableNumber("SG"), -1);
    EXPECT_EQ(GridNameOfTable(100), "");
}
