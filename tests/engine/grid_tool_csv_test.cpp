// Tables read from CSV files for the grid tool, and the operations written as text.
#include "output/codepage.h"
#include "output/grid_tool_csv.h"
#include "output/grid_tool_script.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

using Lines = std::vector<std::string>;

TEST(GridToolCsv, TheProgramsOwnFormReadsAndWritesByteForByte) {
    const std::string file = Win("Schule;Schüler;Kl\r\nA;  56;2\r\nB;81;3\r\n");
    StringGrid grid;
    CsvEncoding encoding = CsvEncoding::Utf8;
    std::string error;
    ASSERT_TRUE(ReadGridCsv(file, grid, encoding, error)) << error;
    EXPECT_EQ(encoding, CsvEncoding::WindowsCodePage);
    EXPECT_EQ(grid.Cells(1, 0), Win("Schüler"));
    EXPECT_EQ((std::pair{grid.FixedCols(), grid.FixedRows()}), (std::pair{1, 1}));
    EXPECT_EQ(GridCsvBytes(grid, encoding), file);

    // Short lines, LF ends, no last line end and the DOS end mark.
    ASSERT_TRUE(ReadGridCsv("a;b;c\nd\ne;f\x1A;junk", grid, encoding, error));
    EXPECT_EQ(GridLines(grid), (Lines{"a;b;c", "d;;", "e;f;"}));
    EXPECT_EQ(GridCsvBytes(grid, encoding), "a;b;c\r\nd;;\r\ne;f;\r\n");
}

TEST(GridToolCsv, Utf8IsReadIntoTheWindowsCodePageAndWrittenBackAsUtf8) {
    StringGrid grid;
    CsvEncoding encoding = CsvEncoding::WindowsCodePage;
    std::string error;
    const std::string marked = "\xEF\xBB\xBFOrt;Gebühr\r\nKöln;5 €\r\n";
    ASSERT_TRUE(ReadGridCsv(marked, grid, encoding, error)) << error;
    EXPECT_EQ(encoding, CsvEncoding::Utf8WithMark);
    EXPECT_EQ(grid.Cells(1, 1), Win("5 €"));
    EXPECT_EQ(GridCsvBytes(grid, encoding), marked);

    ASSERT_TRUE(ReadGridCsv("Ort\r\nKöln\r\n", grid, encoding, error));
    EXPECT_EQ(encoding, CsvEncoding::Utf8);
    EXPECT_EQ(grid.Cells(0, 1), Win("Köln"));

    StringGrid kept = grid;
    EXPECT_FALSE(ReadGridCsv("Ort\r\nŁódź\r\n", grid, encoding, error));
    EXPECT_EQ(error, "line 2: a character that the Windows code page (CP1252) does not have");
    EXPECT_EQ(GridLines(grid), GridLines(kept));
}

TEST(GridToolCsv, FilesBeyondAGridAreRefused) {
    StringGrid grid;
    CsvEncoding encoding;
    std::string error;
    std::string lines;
    for (int i = 0; i <= kMaxGridRows; ++i)
        lines += "x\r\n";
    EXPECT_FALSE(ReadGridCsv(lines, grid, encoding, error));
    EXPECT_EQ(error, "1001 lines; a table holds at most 1000");
    EXPECT_FALSE(ReadGridCsv("a\r\n" + std::string(kMaxGridCols, ';'), grid, encoding, error));
    EXPECT_EQ(error, "line 2: more than 200 fields");

    TempDir temp;
    EXPECT_FALSE(LoadGridCsvFile((temp.path() / "fehlt.csv").string(), grid, encoding, error));
    EXPECT_EQ(error.rfind("cannot read ", 0), 0u);
}

struct GridScriptTest : ::testing::Test {
    GridTool tool{GridFromLines({"Schule;Sch;Kl", "A;56;2", "B;81;3"}), ""};
    std::string error;
    bool Apply(const std::string& operation) { return ApplyGridOperation(tool, operation, error); }
};

TEST_F(GridScriptTest, OperationsCountColumnsAndRowsFromOne) {
    EXPECT_TRUE(Apply("mul-const:3,1,5>new")) << error;
    EXPECT_TRUE(Apply("div-col:2,3>new")) << error;
    EXPECT_TRUE(Apply("join-col:1,2>1,blank")) << error;
    EXPECT_TRUE(Apply("sum-rows:2")) << error;
    EXPECT_EQ(GridLines(tool.grid), (Lines{"Schule+Sch;Sch;Kl;Kl*1,5;Sch/Kl", "A 56;56;2;3;28",
                                           "B 81;81;3;4,5;27", "zus;137;5;7,5;55"}));
    EXPECT_EQ(tool.modified, kGridChanged | kGridSumRowsAdded);
    EXPECT_TRUE(Apply("delete-row:2-3")) << error;
    EXPECT_TRUE(Apply("swap-col:1,5")) << error;
    EXPECT_TRUE(Apply("fixed-rows:0")) << error;
    EXPECT_TRUE(Apply("sort-text:1")) << error;
    EXPECT_EQ(tool.grid.Col(0), (Lines{"55", "Sch/Kl"}));
}

TEST_F(GridScriptTest, AWrongOperationSaysWhyAndChangesNothing) {
    const Lines before = GridLines(tool.grid);
    for (auto [operation, why] : {
             std::pair{"sort:4", "column 4 is outside the table (3 columns)"},
             {"delete-row:0", "\"0\" is no number from 1 on"},
             {"delete-row:2-9", "row 9 is outside the table (3 rows)"},
             {"add-col:1,2", "expected add-col:A,B>T"},
             {"add-col:1,2>new,x", "expected add-col:A,B>T"},
             {"mul-const:2,>3", "the constant is missing"},
             {"join-col:1,2>3,x", "join with \"_\" or \"blank\""},
             {"sum-rows:2,1001", "1001 is more than 1000"},
             {"append-col:3", "expected append-col:"},
             {"summe:2", "no operation \"summe\""},
         }) {
        EXPECT_FALSE(Apply(operation)) << operation;
        EXPECT_EQ(error, why) << operation;
        EXPECT_EQ(GridLines(tool.grid), before) << operation;
    }
    EXPECT_EQ(tool.modified, 0);
    EXPECT_NE(GridOperationsHelp().find("  sum-rows:C[,N]"), std::string::npos);
}

} // namespace
