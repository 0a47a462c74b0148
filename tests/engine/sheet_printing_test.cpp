#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "sheet/sheet_printing.h"
#include "support/demo_sheets.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

const std::string kNoInclusion =
    Win("4.3  Inklusiv beschulte Schüler.....    hat keine Zahlen > 0");

class SheetPrintingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sheets = new DemoSheets(4, 120); }
    static void TearDownTestSuite() {
        delete sheets;
        sheets = nullptr;
    }

    void SetUp() override {
        sheets->Load(1);
        sheets->NewCanvas();
    }

    Engine& engine() { return sheets->engine(); }
    StringGrid& Grid(int table) { return *engine().sheet.grids.FindTable(table); }

    // The headings of the printed tables in order: their number, or the whole note line.
    std::vector<std::string> Printed() {
        std::vector<std::string> tables;
        for (const CanvasCall& call : sheets->canvas().Texts()) {
            if (!call.font.bold) continue;
            tables.push_back(call.text == kNoInclusion ? "note" : call.text.substr(0, 3));
        }
        return tables;
    }

    int PageOf(const std::string& heading) {
        for (const CanvasCall& call : sheets->canvas().Texts()) {
            if (call.font.bold && call.text.rfind(heading, 0) == 0) return call.page;
        }
        return -1;
    }

    PageOrientation OrientationOfPage(int page) {
        for (const CanvasCall& call : sheets->canvas().calls()) {
            if ((call.kind == CanvasCall::Kind::NewPage || call.kind == CanvasCall::Kind::Begin) &&
                call.page == page)
                return call.orientation;
        }
        return PageOrientation::Portrait;
    }

    void EmptyTable(int table) {
        StringGrid& grid = Grid(table);
        for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
            for (int col = table == 18 ? 3 : grid.FixedCols(); col < grid.ColCount(); ++col)
                grid.SetCells(col, row, "");
        }
        RecomputeTable(engine().sheet, grid);
    }

    static DemoSheets* sheets;
};

DemoSheets* SheetPrintingTest::sheets = nullptr;

using Tables = std::vector<std::string>;

TEST_F(SheetPrintingTest, ChoicesPrintTheirGroupsInTheirOrder) {
    const Tables group2 = {"2.1", "2.2", "2.3", "2.4"};
    const Tables group3 = {"3.1", "3.2", "3.3", "3.4"};
    const Tables group4 = {"4.1", "4.2", "note", "4.4"};
    auto concat = [](std::initializer_list<Tables> groups) {
        Tables all;
        for (const Tables& group : groups)
            all.insert(all.end(), group.begin(), group.end());
        return all;
    };
    struct Case {
        int first;
        int last;
        Tables printed;
    };
    const Case cases[] = {
        {2, 4, concat({group2, group3, group4})},
        {13, 13, concat({{"8.1", "8.2", "8.3", "6.1"}, group4, group2})},
        {3, 3, group3},
        {16, 16, {"2.1", "2.2", "3.2"}},
        {15, 21, concat({{"1.1", "1.2", "1.8"}, group3, group4})},
        {5, 7, {"5.1", "5.2", "6.1", "7.1"}},
    };
    EmptyTable(43);
    for (const Case& c : cases) {
        sheets->NewCanvas();
        PrintSheet(engine(), c.first, c.last);
        EXPECT_EQ(Printed(), c.printed) << c.first << "-" << c.last;
        EXPECT_EQ(sheets->canvas().documents(), 1);
        EXPECT_FALSE(sheets->canvas().InDocument());
    }
}

TEST_F(SheetPrintingTest, PupilGroupFollowsTable18) {
    PrintSheet(engine(), 1, 1);
    EXPECT_EQ(Printed(), (Tables{"1.1", "1.2", "1.8"})) << "cell (0, 12) of 1.8 holds a letter";
    EXPECT_GT(PageOf("1.8"), PageOf("1.2")) << "1.2 ends the group part with a page";

    Grid(18).SetCells(0, 12, "");
    sheets->NewCanvas();
    PrintSheet(engine(), 1, 1);
    EXPECT_EQ(Printed(), (Tables{"1.1", "1.8", "1.2"}));
    EXPECT_EQ(PageOf("1.2"), PageOf("1.8")) << "spacing 40 keeps 1.2 below 1.8 when it fits";

    EmptyTable(18);
    ASSERT_EQ(ParseInt(Grid(18).Cells(12, 37)), 0);
    sheets->NewCanvas();
    PrintSheet(engine(), 1, 1);
    EXPECT_EQ(Printed(), (Tables{"1.1", "1.2"}));
}

TEST_F(SheetPrintingTest, InclusionTablePrintsOnlyWithNumbers) {
    EmptyTable(43);
    PrintSheet(engine(), 4, 4);
    EXPECT_EQ(Printed(), (Tables{"4.1", "4.2", "note", "4.4"}));

    OnCellEdited(engine().sheet, Grid(43), 7, 1, "2");
    sheets->NewCanvas();
    PrintSheet(engine(), 4, 4);
    EXPECT_EQ(Printed(), (Tables{"4.1", "4.2", "4.3", "4.4"}));
    // The recording canvas writes 24 units a character; a portrait line holds 1900.
    for (const CanvasCall& call : sheets->canvas().Texts()) {
        if (call.font.bold) {
            EXPECT_LE(call.text.size() * 24, 1900u) << call.text;
        }
    }
    EXPECT_EQ(sheets->canvas().FindText(kNoInclusion), nullptr);
}

TEST_F(SheetPrintingTest, GroupsEndWithAPageAndTheHoursPrintAcross) {
    PrintSheet(engine(), 2, 3);
    EXPECT_EQ(PageOf("2.2"), PageOf("2.1"));
    EXPECT_GT(PageOf("3.1"), PageOf("2.4"));
    EXPECT_NE(sheets->canvas().FindText("Statistik  2020/21"), nullptr);

    sheets->NewCanvas();
    PrintSheet(engine(), 8, 9);
    const int hours = PageOf("9.1");
    EXPECT_GT(hours, PageOf("8.3"));
    EXPECT_EQ(OrientationOfPage(hours), PageOrientation::Landscape);
    EXPECT_EQ(OrientationOfPage(PageOf("8.1")), PageOrientation::Portrait);
    EXPECT_NE(sheets->canvas().FindText(Win("Gegenüberstellung 9.1")), nullptr);
}

TEST_F(SheetPrintingTest, BusyPrinterRefusesTheJob) {
    sheets->canvas().SetBusyTimes(1);
    const size_t messages = sheets->ui().messages().size();
    PrintSheet(engine(), 1, 9);
    EXPECT_EQ(sheets->canvas().documents(), 0);
    ASSERT_EQ(sheets->ui().messages().size(), messages + 1);
    EXPECT_EQ(sheets->ui().messages().back(), Win("druckt noch etwas anderes; später probieren!"));
}

TEST_F(SheetPrintingTest, MenuRemembersTheChoiceAndForgetsItOnCancel) {
    sheets->ui().AddAnswer("5-6");
    PrintSheetMenu(engine());
    EXPECT_EQ(Printed(), (Tables{"5.1", "5.2", "6.1"}));
    EXPECT_EQ(engine().sheet.printFirst, 5);
    EXPECT_EQ(engine().sheet.printLast, 6);

    sheets->NewCanvas();
    sheets->ui().AddAnswer("abbruch");
    PrintSheetMenu(engine());
    EXPECT_EQ(engine().sheet.printLast, 0);
    EXPECT_EQ(sheets->canvas().documents(), 0);
}

TEST_F(SheetPrintingTest, WideExtractAsksForLandscape) {
    StringGrid& sg00 = *engine().sheet.grids.Find("SG00");
    sg00.SetColCount(18);
    sg00.SetRowCount(3);
    sg00.SetCells(0, 0, "Auszug  1.1 Zeile  37");
    sg00.SetCells(2, 1, "5");
    sheets->ui().AddAnswer("ja");
    PrintSheet(engine(), 17, 17);
    EXPECT_EQ(sheets->ui().questions().back(), "18 Spalten, quer drucken?");
    EXPECT_EQ(OrientationOfPage(PageOf("Auszug")), PageOrientation::Landscape);
}

TEST_F(SheetPrintingTest, TablesGoToCsvFilesNamedAfterYearAndSchool) {
    const std::string stem = "2020_" + engine().sheet.schoolNumber + "_Tab";
    sheets->ui().AddAnswer("abbruch"); // the print offered afterwards
    PrintSheet(engine(), 19, 19);
    const auto& dir = engine().workDirectory;
    for (const char* part : {"11", "18", "12", "24", "43", "44", "91", "SG56", "SG1x", "SG9x"})
        EXPECT_TRUE(std::filesystem::exists(dir / (stem + part + ".csv"))) << part;
    EXPECT_FALSE(std::filesystem::exists(dir / (stem + "92.csv")));
    const std::string table21 = ReadFile(dir / (stem + "21.csv"));
    EXPECT_EQ(table21.substr(0, table21.find('\r')), " Tabelle 21");
    EXPECT_EQ(sheets->ui().messages().back(),
              stem + "xx.csv sind erstellt  (SGxx  als  Zusf    Zusf_k   und  Zusfas)");
}

TEST_F(SheetPrintingTest, SeveralSchoolsGoIntoOneDocumentWithOneChoice) {
    sheets->ui().AddAnswer("2-4");
    sheets->ui().AddAnswer("2");
    const size_t questions = sheets->ui().questions().size();
    TabellenfrmehrereSchulen1Click(engine());
    ASSERT_EQ(sheets->ui().questions().size(), questions + 2);
    EXPECT_EQ(sheets->ui().questions()[questions], Win("Schulbogen(Tabellen) drucken für "));
    EXPECT_EQ(sheets->canvas().documents(), 1);
    const auto& out = engine().outputBox.lines();
    ASSERT_EQ(out.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(out[i].find(sheets->SchoolNumber(i + 1)), std::string::npos) << out[i];
        EXPECT_EQ(out[i].substr(out[i].size() - 12), ":   gedruckt");
    }
    int headings = 0;
    for (const CanvasCall& call : sheets->canvas().Texts())
        headings += call.font.bold && call.text.rfind("2.1", 0) == 0;
    EXPECT_EQ(headings, 3);
}

} // namespace
