// The grid tool's popup entries as the window runs them: on the current and the remembered
// cells, with the small field's text, the questions answered by the scripted user.
#include "output/codepage.h"
#include "output/grid_tool.h"
#include "support/failing_disk.h"
#include "support/print_fixture.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

using Lines = std::vector<std::string>;

const Lines kClasses = {"Schule;Schueler;Klassen", "A;56;2", "B;  81;3", "C;;", "D;7;0"};

struct GridToolMenuTest : PrintFixture {
    GridTool tool{GridFromLines(kClasses), "Klassen 2016"};

    std::string Run(const std::string& key) { return RunGridToolEntry(engine, tool, key); }
    void RememberAt(int col, int row) {
        tool.current = {col, row};
        Run("remember");
    }
    Lines Column(int col) const {
        Lines column = tool.grid.Col(col);
        column.erase(column.begin());
        return column;
    }
};

TEST_F(GridToolMenuTest, RememberingShiftsTheCellsAndFillsTheCaptions) {
    EXPECT_EQ(GridToolMenu(tool)[0].caption,
              "Spalte, Zeile merken  [1|1]  (gemerkt:-1|-1  -1|-1   count:3|5)");
    EXPECT_EQ(GridToolMenu(tool)[2].caption, "Spalte  merk2   +-*/   merk1 -> ...");
    RememberAt(1, 1);
    RememberAt(2, 3);
    EXPECT_EQ(GridToolMenu(tool)[0].caption,
              "Spalte, Zeile merken  [2|3]  (gemerkt:2|3  1|1   count:3|5)");
    EXPECT_EQ(GridToolMenu(tool)[2].caption, "Spalte  Sp1   +-*/   Sp2  -> ...");
    EXPECT_EQ(tool.modified, 0);
}

// S2 = Schueler, S1 = Klassen, the constant 2, the current column "Erg".
TEST_F(GridToolMenuTest, TheSixteenArithmeticEntriesDoWhatTheirCaptionsSay) {
    struct Case {
        const char* choice;
        const char* plus; // the second choice of "+", or nothing
        int target;
        Lines column;
    };
    const Case cases[] = {
        {"1", "numerisch", 3, {"58", "84", "", "7"}},
        {"1", "alsText mit _", 3, {"56_2", "81_3", "", "7_0"}},
        {"2", nullptr, 3, {"54", "78", "", "7"}},
        {"3", nullptr, 3, {"112", "243", "", "0"}},
        {"4", nullptr, 3, {"28", "27", "", ""}}, // "S2/S1": S2 divided by S1
        {"5", "1", 3, {"4", "5", "", "2"}},
        {"6", nullptr, 3, {"0", "1", "", "-2"}},
        {"7", nullptr, 3, {"4", "6", "", "0"}},
        {"8", nullptr, 3, {"1", "1,5", "", "0"}}, // "S1/const"
        {"12", nullptr, 4, {"28", "27", "", ""}},
        {"13", "2", 4, {"22", "32", "", "02"}},
    };
    for (const Case& c : cases) {
        Lines lines = kClasses;
        for (auto& line : lines)
            line += ";";
        lines[0] += "Erg";
        tool = GridTool(GridFromLines(lines), "T");
        RememberAt(1, 1);
        RememberAt(2, 1);
        tool.current = {3, 2};
        tool.input = "2";
        ui.AddAnswer(c.choice);
        if (c.plus) ui.AddAnswer(c.plus);
        EXPECT_EQ(Run("arithmetic"), "");
        ASSERT_EQ(tool.grid.ColCount(), c.target + 1) << c.choice;
        EXPECT_EQ(Column(c.target), c.column) << c.choice;
        EXPECT_EQ(tool.modified, kGridChanged);
        if (c.target == 4) {
            EXPECT_EQ(Column(3), (Lines{"", "", "", ""}));
        }
    }
    EXPECT_EQ(tool.grid.Cells(4, 0), "Klassen+2");
    EXPECT_EQ(ui.questions().at(0), "Spalte  Sp1   +-*/   Sp2  -> ...");
    EXPECT_EQ(ui.answersLeft(), 0u);
}

TEST_F(GridToolMenuTest, EntriesSayWhatIsMissingAndChangeNothing) {
    EXPECT_EQ(Run("arithmetic"), "zuerst Spalte, Zeile merken");
    EXPECT_TRUE(ui.questions().empty());
    for (const char* key : {"delete-cols", "swap-rows", "clear-cells", "shares-remembered-row",
                            "zeros-to-empty", "copy-remembered-cell"})
        EXPECT_EQ(Run(key), "zuerst Spalte, Zeile merken") << key;

    RememberAt(1, 1);
    ui.AddAnswer("2"); // S2-S1 needs a second remembered column
    EXPECT_EQ(Run("arithmetic"), "zuerst Spalte, Zeile merken");
    ui.AddAnswer("7"); // S1*const with the small field empty
    EXPECT_EQ(Run("arithmetic"), "Konstante fehlt, ggf. (zuvor) links unten eingeben");
    EXPECT_EQ(GridLines(tool.grid), kClasses);
    EXPECT_EQ(tool.modified, 0);
}

TEST_F(GridToolMenuTest, SumQuotientAndShareRowsFromTheCurrentCell) {
    const Lines years = {"Jahr;Nr;Ort;Sch;Kl", "2019;1;X;1;10", "2020;2;X;2;", "2021;3;Y;3;30",
                         "2022;4;Y;4;",        "2023;5;Z;5;50", "2024;6;Z;6;"};
    tool = GridTool(GridFromLines(years), "Jahre");
    tool.current = {3, 1};
    tool.input = " 2";
    EXPECT_EQ(Run("sum-rows"), "");
    EXPECT_EQ(GridLines(tool.grid)[7], "zus1;;Z;9;90");
    EXPECT_EQ(GridLines(tool.grid)[8], "zus2;;Z;12;");
    EXPECT_EQ(tool.modified, kGridChanged | kGridSumRowsAdded);

    tool = GridTool(GridFromLines(years), "Jahre");
    tool.current = {3, 1};
    tool.input = "datei"; // no count: one row
    Run("sum-quotient-rows");
    EXPECT_EQ(GridLines(tool.grid).size(), 9u);
    EXPECT_EQ(GridLines(tool.grid)[7], "zus;;Z;21;90");
    EXPECT_EQ(GridLines(tool.grid)[8], "quot;;Z;3,5;15");

    // Shares of every row from the current one, of the remembered "zus" row.
    RememberAt(0, 7);
    tool.current = {4, 5};
    Run("shares-remembered-row");
    EXPECT_EQ(GridLines(tool.grid)[9], "2023 %;5;Z;5;55,6");
    EXPECT_EQ(GridLines(tool.grid)[11], "zus %;;Z;21;100");
    EXPECT_EQ(GridLines(tool.grid)[12], "quot %;;Z;3,5;16,7");
}

TEST_F(GridToolMenuTest, SortAsksHowAndStopsAtARememberedRowNearTheEnd) {
    const Lines values = {"Name;Wert", "a;10", "b;9", "c;", "d;9", "zus;28"};
    tool = GridTool(GridFromLines(values), "Werte");
    tool.current = {1, 1};
    ui.AddAnswer("nein");
    Run("sort");
    EXPECT_EQ(tool.grid.Col(0), (Lines{"Name", "c", "a", "zus", "b", "d"}));
    EXPECT_EQ(ui.questions().back(), "numerisch (sonst direkt/alpha)?");

    tool = GridTool(GridFromLines(values), "Werte");
    RememberAt(0, 4);
    tool.current = {1, 1};
    ui.AddAnswer("ja");
    Run("sort");
    EXPECT_EQ(tool.grid.Col(0), (Lines{"Name", "c", "b", "d", "a", "zus"}));
    ui.AddAnswer("abbruch");
    tool.current = {0, 1};
    Run("sort");
    EXPECT_EQ(tool.grid.Col(0), (Lines{"Name", "c", "b", "d", "a", "zus"}));
}

TEST_F(GridToolMenuTest, RowsColumnsAndCellsBetweenTheRememberedAndTheCurrentCell) {
    struct Case {
        const char* key;
        GridCell remembered;
        GridCell current;
        Lines lines;
    };
    const Case cases[] = {
        {"swap-cols",
         {1, 1},
         {2, 2},
         {"Schule;Klassen;Schueler", "A;2;56", "B;3;  81", "C;;", "D;0;7"}},
        {"copy-remembered-col",
         {0, 0},
         {2, 0},
         {"Schule;Schueler;Schule", "A;56;A", "B;  81;B", "C;;C", "D;7;D"}},
        {"duplicate-current-col",
         {2, 0},
         {0, 0},
         {"Schule;Schueler;Schule", "A;56;A", "B;  81;B", "C;;C", "D;7;D"}},
        {"delete-cols", {2, 0}, {1, 3}, {"Schule", "A", "B", "C", "D"}},
        {"swap-rows",
         {0, 1},
         {0, 4},
         {"Schule;Schueler;Klassen", "D;7;0", "B;  81;3", "C;;", "A;56;2"}},
        {"copy-remembered-row",
         {2, 0},
         {0, 3},
         {"Schule;Schueler;Klassen", "A;56;2", "B;  81;3", "Schule;Schueler;Klassen", "D;7;0"}},
        {"delete-rows", {0, 3}, {0, 1}, {"Schule;Schueler;Klassen", "D;7;0"}},
        {"copy-remembered-cell",
         {1, 1},
         {2, 4},
         {"Schule;Schueler;Klassen", "A;56;2", "B;  81;3", "C;;", "D;7;56"}},
        {"clear-cells", {2, 2}, {1, 1}, {"Schule;Schueler;Klassen", "A;;", "B;;", "C;;", "D;7;0"}},
        {"zeros-to-empty",
         {2, 1},
         {0, 0},
         {"Schule;Schueler;Klassen", "A;56;2", "B;  81;3", "C;;", "D;7;"}},
        {"delete-blank-rows-between",
         {2, 0},
         {2, 0},
         {"Schule;Schueler;Klassen", "A;56;2", "B;  81;3", "D;7;0"}},
        {"delete-blank-rows",
         {},
         {0, 0},
         {"Schule;Schueler;Klassen", "A;56;2", "B;  81;3", "D;7;0"}},
        {"insert-col",
         {},
         {1, 2},
         {"Schule;;Schueler;Klassen", "A;;56;2", "B;;  81;3", "C;;;", "D;;7;0"}},
        {"append-col",
         {},
         {1, 2},
         {"Schule;Schueler;Klassen;", "A;56;2;", "B;  81;3;", "C;;;", "D;7;0;"}},
        {"clear-col", {}, {1, 2}, {"Schule;;Klassen", "A;;2", "B;;3", "C;;", "D;;0"}},
        {"insert-row",
         {},
         {1, 2},
         {"Schule;Schueler;Klassen", "A;56;2", ";;", "B;  81;3", "C;;", "D;7;0"}},
        {"clear-row", {}, {1, 2}, {"Schule;Schueler;Klassen", "A;56;2", ";;", "C;;", "D;7;0"}},
    };
    for (const Case& c : cases) {
        tool = GridTool(GridFromLines(kClasses), "T");
        if (c.remembered.IsSet()) RememberAt(c.remembered.col, c.remembered.row);
        tool.current = c.current;
        Run(c.key);
        EXPECT_EQ(GridLines(tool.grid), c.lines) << c.key;
        EXPECT_EQ(tool.modified, kGridChanged) << c.key;
        EXPECT_LT(tool.current.row, tool.grid.RowCount()) << c.key;
        EXPECT_LT(tool.current.col, tool.grid.ColCount()) << c.key;
    }
}

TEST_F(GridToolMenuTest, WidthsHeightsFixedCountsAndEditing) {
    tool.grid.SetColWidth(1, 150);
    tool.current = {1, 1};
    Run("col-width-from-current-at-most");
    Run("col-width-20");
    EXPECT_EQ((std::vector{tool.grid.ColWidth(0), tool.grid.ColWidth(2)}), (std::vector{64, 64}));
    Run("col-width-as-current");
    EXPECT_EQ(tool.grid.ColWidth(0), 150);
    for (int i = 0; i < 5; ++i)
        Run("one-more-fixed-col");
    EXPECT_EQ(tool.grid.FixedCols(), 2); // one column stays movable
    Run("no-fixed-rows");
    EXPECT_EQ(tool.grid.FixedRows(), 0);
    Run("lower-blank-rows-2");
    EXPECT_EQ(tool.grid.RowHeight(3), 2);
    EXPECT_EQ(Run("swap-editing"), "goEditing an");
    EXPECT_TRUE(tool.editing);
    EXPECT_EQ(tool.modified, 0);
}

TEST_F(GridToolMenuTest, SavingBackAndUnderTheTypedName) {
    EXPECT_EQ(Run("save-as"), "DSN  fehlt/zu kurz, ggf. (zuvor) links unten eingeben");
    EXPECT_EQ(Run("save-back"), "not saved");
    EXPECT_TRUE(std::filesystem::is_empty(temp.path()));

    const std::string text = "Klassen 2016\r\nSchule;Schueler;Klassen\r\nA;56;2\r\nB;  81;3\r\n"
                             "C;;\r\nD;7;0\r\n";
    tool.input = " tab1 ";
    EXPECT_EQ(Run("save-as"), "saved:  tab1.csv");
    EXPECT_EQ(File("tab1.csv"), text);
    tool.fileName = "zurueck.txt";
    EXPECT_EQ(Run("save-back"), "saved:  zurueck.txt");
    EXPECT_EQ(File("zurueck.txt"), text);
    tool.fileName = "fehlt/x.csv";
    EXPECT_EQ(Run("save-back"), "not saved");
    EXPECT_EQ(ui.messages().back().rfind(Win("kein Platz(???) für: "), 0), 0u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST_F(GridToolMenuTest, EveryEntryCopesWithEmptyAndTinyTables) {
    ui.SetUseDefaults(true);
    for (const Lines& lines : {Lines{}, Lines{"x"}, kClasses}) {
        for (const GridToolEntry& entry : GridToolMenu(tool)) {
            if (entry.key.empty()) continue;
            tool = GridTool(GridFromLines(lines), "T");
            tool.current = {2, 4};
            Run("remember");
            Run("remember");
            tool.input = "3";
            Run(entry.key);
            EXPECT_TRUE(tool.grid.RowCount() == 0 || tool.current.row < tool.grid.RowCount())
                << entry.key;
            EXPECT_TRUE(tool.grid.ColCount() == 0 || tool.current.col < tool.grid.ColCount())
                << entry.key;
        }
    }
}

TEST_F(GridToolMenuTest, ReportsOpenTheirTablesInTheTool) {
    StringGrid table = GridFromLines(kClasses);
    ui.AddGridOperations({"sum-rows:2", "sort:2,5"});
    EXPECT_TRUE(ReworkInGridTool(engine, table, "Klassen"));
    EXPECT_EQ(table.Col(0), (Lines{"Schule", "C", "D", "A", "B", "zus"}));
    EXPECT_EQ(table.Cells(1, 5), "144");
    EXPECT_EQ(ui.questions().back(), "Klassen");

    ui.AddGridOperations({"delete-row:2", "sort:9"});
    EXPECT_THROW(ReworkInGridTool(engine, table, "Klassen"), UnusableAnswer);
    EXPECT_EQ(table.Col(0), (Lines{"Schule", "C", "D", "A", "B", "zus"}));
    EXPECT_TRUE(ReworkInGridTool(engine, table, "Klassen")); // no operations: OK at once
}

} // namespace

TEST_F(GridToolMenuTest, AFailedSaveLeavesTheOldFileWhole) {
    const auto old = temp.path() / "tab1.csv";
    WriteFile(old, "alt\r\n");
    tool.input = "tab1";
    FailingDisk full;
    full.writeBudget = 10;
    engine.services.files.SetDisk(&full);
    EXPECT_EQ(Run("save-as"), "not saved");
    engine.services.files.SetDisk(nullptr);
    EXPECT_EQ(File("tab1.csv"), "alt\r\n");

    std::filesystem::permissions(old,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(Run("save-as"), "not saved");
    EXPECT_NE(ui.messages().back().find("schreibgesch"), std::string::npos);
    std::filesystem::permissions(old, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(File("tab1.csv"), "alt\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()),
                            std::filesystem::directory_iterator()),
              1);
}
