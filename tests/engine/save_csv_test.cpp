#include "output/codepage.h"
#include "output/save_files.h"
#include "support/print_fixture.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

using SaveCsvTest = PrintFixture;

StringGrid SmallGrid() {
    StringGrid grid("SG", 3, 2);
    grid.SetCells(0, 0, "Musterstadt Gym");
    grid.SetCells(1, 0, Win("2½"));
    grid.SetCells(2, 0, "a;b   ");
    grid.SetCells(0, 1, "Ort,Name");
    grid.SetCells(1, 1,
                  std::string("1\0"
                              "2",
                              3));
    return grid;
}

TEST(CleanCell, HalvesSeparatorsZerosAndTrailingBlanks) {
    EXPECT_EQ(CleanCell(Win("2½"), ';'), "2,5");
    EXPECT_EQ(CleanCell(Win("½"), ';'), ",5");
    // Only "½" is a half; the byte 0xAB ("«" in the program's code page) stays as it is.
    EXPECT_EQ(CleanCell("1\xAB", ';'), "1\xAB");
    EXPECT_EQ(CleanCell("a;b  ", ';'), "a,b");
    EXPECT_EQ(CleanCell("a\tb;", '\t'), "a,b;");
    EXPECT_EQ(CleanCell(std::string("x\0y", 3), ';'), "xy");
}

TEST_F(SaveCsvTest, RowsBecomeSeparatedLinesWithTheTitleFirst) {
    StringGrid grid = SmallGrid();
    grid.SetHint("Zeile eins\rZeile zwei");
    EXPECT_TRUE(SaveGridCsv(engine, "tab", grid, "\x01\x02Titel"));
    EXPECT_EQ(File("tab.csv"), Win("Titel;;Hint:;Zeile eins®Zeile zwei\r\n") +
                                   "Musterstadt Gym;2,5;a,b\r\nOrt,Name;12;\r\n");
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "cop2ausw.bat"));
}

TEST_F(SaveCsvTest, PlusAppendsAndBangSplitsTheFirstColumn) {
    const StringGrid grid = SmallGrid();
    EXPECT_TRUE(SaveGridCsv(engine, "x", grid, ""));
    EXPECT_TRUE(SaveGridCsv(engine, "+x", grid, ""));
    const std::string once = "Musterstadt Gym;2,5;a,b\r\nOrt,Name;12;\r\n";
    EXPECT_EQ(File("x.csv"), once + once);

    EXPECT_TRUE(SaveGridCsv(engine, "!y", grid, ""));
    EXPECT_EQ(File("y.csv"), "Musterstadt;Gym;2,5;a,b\r\nOrt;Name;12;\r\n");
    StringGrid single("SG", 1, 1);
    single.SetCells(0, 0, "Solo");
    EXPECT_TRUE(SaveGridCsv(engine, "+!y", single, ""));
    EXPECT_EQ(File("y.csv").substr(File("y.csv").size() - 7), "Solo;\r\n");
}

TEST_F(SaveCsvTest, CodeOneOrTheChoiceSelectsTab) {
    const StringGrid grid = SmallGrid();
    EXPECT_TRUE(SaveGridCsv(engine, "\x01t", grid, ""));
    EXPECT_EQ(File("t.csv"), "Musterstadt Gym\t2,5\ta;b\r\nOrt,Name\t12\t\r\n");

    ui.AddAnswer("gefragt");
    ui.AddAnswer("Trenner=Tab");
    EXPECT_TRUE(SaveGridCsv(engine, "", grid, "Titel"));
    EXPECT_EQ(ui.questions().at(0), "Titel abspeichern");
    EXPECT_EQ(File("gefragt.csv").substr(0, 23), "Titel\r\nMusterstadt Gym\t");
}

TEST_F(SaveCsvTest, CancelAndUnwritableFilesGiveFalse) {
    ui.AddAnswer("");
    EXPECT_FALSE(SaveGridCsv(engine, "", SmallGrid(), "T"));
    ui.AddAnswer("name");
    ui.AddAnswer("abbruch"); // the separator choice
    EXPECT_FALSE(SaveGridCsv(engine, "", SmallGrid(), "T"));
    ui.AddAnswer(" ");
    EXPECT_FALSE(SaveListText(engine, "", {"a"}, "T"));
    EXPECT_FALSE(SaveGridCsv(engine, "fehlt/x", SmallGrid(), "T"));
    EXPECT_EQ(ui.messages().back().rfind("kein Platz", 0), 0u);
    EXPECT_FALSE(SaveGridCsv(engine, "+fehlt/x", SmallGrid(), "T"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()),
                            std::filesystem::directory_iterator()),
              0);
}

TEST_F(SaveCsvTest, TheSimpleSaveAddsTheExtensionOnly) {
    EXPECT_TRUE(SaveGridCsvSimple(engine, "werkzeug", SmallGrid(), ""));
    EXPECT_EQ(File("werkzeug.csv"), "Musterstadt Gym;2,5;a,b\r\nOrt,Name;12;\r\n");
    EXPECT_TRUE(SaveGridCsvSimple(engine, "w.dat", SmallGrid(), "T"));
    EXPECT_EQ(File("w.dat").substr(0, 3), "T\r\n");
    EXPECT_FALSE(SaveGridCsvSimple(engine, "  ", SmallGrid(), ""));
}

TEST_F(SaveCsvTest, AppendingALineReportsFailures) {
    EXPECT_TRUE(AppendLineToFile(engine, "log.txt", "eins"));
    EXPECT_TRUE(AppendLineToFile(engine, "log.txt", "zwei"));
    EXPECT_EQ(File("log.txt"), "eins\r\nzwei\r\n");
    EXPECT_FALSE(AppendLineToFile(engine, "fehlt/log.txt", "x"));
    EXPECT_EQ(ui.messages().back(), "=-=->:fehlt/log.txt");
}

} // namespace
