#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/sheet_extract.h"
#include "sheet/sheet_text_forms.h"
#include "support/demo_sheets.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

class SheetExtractTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sheets = new DemoSheets(6);
        // Table 3.4 (one cell) is empty in the demo office but for these schools.
        sheets->Plant(1, {{"SG34", 1, 1, "3"}, {"SG21", 1, 2, "11"}, {"SG21", 2, 2, "12"}});
        sheets->Plant(4, {{"SG34", 1, 1, "7"}, {"SG21", 1, 2, "21"}, {"SG21", 2, 2, "22"}});
    }
    static void TearDownTestSuite() {
        delete sheets;
        sheets = nullptr;
    }

    void SetUp() override { sheets->Load(0); }

    static ExtractRequest Request(const std::string& grid, int col, int row,
                                  const std::string& criterion) {
        ExtractRequest request;
        request.grid = grid;
        request.col = col;
        request.row = row;
        request.criterion = criterion;
        return request;
    }
    static ExtractRequest HomeRow(const std::string& criterion) {
        return Request("SG34", 1, 1, criterion);
    }
    // Row 2 of table 2.1, taken from the schools whose table 3.4 meets the criterion.
    static ExtractRequest GirlsOfSchoolsWithHome(const std::string& criterion) {
        ExtractRequest request = Request("SG21", 1, 2, criterion);
        request.area = SearchArea{"SG34", 1, 1, 1, 1, ""};
        return request;
    }

    const StringGrid& sg00() { return *sheets->engine().sheet.grids.Find("SG00"); }
    std::string Cell(int col, int row) { return Trim(sg00().Cells(col, row)); }

    static DemoSheets* sheets;
};

DemoSheets* SheetExtractTest::sheets = nullptr;

TEST_F(SheetExtractTest, TakesTheRowOfEverySchoolTheSearchStopsAtAndSumsThem) {
    for (const char* answer : {"nein", "ja", "alle"}) // short report, together, range
        sheets->ui().AddAnswer(answer);
    ASSERT_TRUE(MakeExtract(sheets->engine(), GirlsOfSchoolsWithHome(">0")));
    const std::string& rangeTitle = sheets->ui().questions().back();
    EXPECT_EQ(rangeTitle.substr(rangeTitle.size() - 23), Win("   zusammenfassen für: "));
    ASSERT_EQ(sg00().RowCount(), 4) << "title, two schools, the sum";
    EXPECT_EQ(sg00().Cells(0, 0).rfind("Auszug  2.1 Zeile  2", 0), 0u) << sg00().Cells(0, 0);
    EXPECT_EQ(Cell(1, 0), "Schul-Nr");
    EXPECT_EQ(Cell(1, 1), sheets->SchoolNumber(1));
    EXPECT_EQ(Cell(1, 2), sheets->SchoolNumber(4));
    EXPECT_EQ(Cell(2, 1), "11");
    EXPECT_EQ(Cell(3, 1), "12");
    EXPECT_EQ(Cell(2, 2), "21");
    EXPECT_EQ(Cell(3, 2), "22");
    EXPECT_EQ(Cell(0, 3), "zusammen");
    EXPECT_EQ(Cell(2, 3), "32");
    EXPECT_EQ(Cell(3, 3), "34");
}

TEST_F(SheetExtractTest, AColumnWithAFurtherOneAndARangeOfSchools) {
    ExtractRequest request = GirlsOfSchoolsWithHome("*");
    request.line = ExtractLine::Column;
    request.extra = 2;
    for (const char* answer : {"nein", "nein", "4-5"})
        sheets->ui().AddAnswer(answer);
    ASSERT_TRUE(MakeExtract(sheets->engine(), request));
    ASSERT_EQ(sg00().RowCount(), 3) << "title and the schools of lines 4 and 5";
    EXPECT_NE(sg00().Cells(0, 0).find("Spalte  1"), std::string::npos) << sg00().Cells(0, 0);
    EXPECT_EQ(Cell(1, 1), sheets->SchoolNumber(3));
    EXPECT_EQ(Cell(1, 2), sheets->SchoolNumber(4));
    // Column 1 from its first data row, then column 2.
    const StringGrid& sg21 = *sheets->engine().sheet.grids.Find("SG21");
    const int firstRow = std::max(1, sg21.FixedRows());
    const int rows = sg21.RowCount() - firstRow;
    EXPECT_EQ(Cell(2 + 2 - firstRow, 2), "21");
    EXPECT_EQ(Cell(2 + rows + 2 - firstRow, 2), "22");
}

TEST_F(SheetExtractTest, RefusesWhatItCannotDoAndLeavesTheExtract) {
    sheets->ui().AddAnswer("nein");
    sheets->ui().AddAnswer("nein");
    sheets->ui().AddAnswer("alle");
    ASSERT_TRUE(MakeExtract(sheets->engine(), HomeRow(">4")));
    const int rows = sg00().RowCount();
    const size_t messages = sheets->ui().messages().size();
    ExtractRequest outside = HomeRow(">0");
    outside.row = 99;
    EXPECT_FALSE(MakeExtract(sheets->engine(), outside));
    EXPECT_FALSE(MakeExtract(sheets->engine(), HomeRow(">x")));
    ExtractRequest overview = HomeRow(">0");
    overview.grid = "SG00";
    EXPECT_FALSE(MakeExtract(sheets->engine(), overview));
    EXPECT_EQ(sheets->ui().messages().size(), messages + 3);
    EXPECT_EQ(sg00().RowCount(), rows);
}

TEST(TextForms, FieldsAreFittedAndCutIntoCells) {
    EXPECT_EQ(FitText("ab", 4), "ab  ");
    EXPECT_EQ(FitText("12", -4), "  12");
    EXPECT_EQ(FitText("   123", 4), "123 ") << "leading blanks go first";
    EXPECT_EQ(FitText("   123", -4), " 123");
    EXPECT_EQ(FitText("abcdef", 4), "abcd");
    EXPECT_EQ(FitText("", -3), "   ");

    TextForm form;
    form.widths = {6, -4, -4};
    form.lines = {FormLine(form.widths, {"Klst", "5", "12"}),
                  FormLine(form.widths, {"zusammen", "100", "23456", "dropped"})};
    EXPECT_EQ(form.lines[0], "Klst     5  12");
    EXPECT_EQ(form.lines[1], "zusamm 1002345");
    StringGrid grid("SG00");
    FillGridFromForm(grid, form);
    ASSERT_EQ(grid.ColCount(), 3);
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(0, 0), "Klst");
    EXPECT_EQ(grid.Cells(1, 0), "   5");
    EXPECT_EQ(grid.Cells(2, 1), "2345");
}

} // namespace
