// The class reports on a small demo office: large and small classes, the class-size buckets
// and their chart, class counts from the divisor against 9.1 and 9.2, target hours of 9.1
// against 9.2 and the migration extract.
#include "evaluation/class_reports.h"
#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "sheet/sheet_extract_entries.h"
#include "support/demo_sheets.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace tev;
using namespace tev::test;

namespace {

// One office for the whole file: the reports only read it.
class ClassReports : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        office_ = new DemoSheets(6, 118, 7);
        // The first school: level 5 has classes of 34, 33, 10 and 11 pupils, no other level
        // has classes.
        std::vector<CellText> cells;
        for (int level = 1; level <= 7; ++level)
            for (int row = 1; row <= 14; ++row)
                cells.push_back({"SG12", level, row, ""});
        const char* sizes[] = {"34", "33", "10", "11"};
        for (int row = 1; row <= 4; ++row)
            cells.push_back({"SG12", 1, row, sizes[row - 1]});
        // 9.1: level 5 has 70 pupils in 3 classes, level 6 66 pupils in 3 classes (9.2 comes
        // from the sibling program and has none).
        cells.push_back({"SG91", 1, 3, "70"});
        cells.push_back({"SG91", 2, 3, "3"});
        cells.push_back({"SG91", 1, 4, "66"});
        cells.push_back({"SG91", 2, 4, "3"});
        // Migration background, level 5: 5 pupils of the 9-year, 2 of the 8-year track.
        cells.push_back({"SG11", 3, 51, "5"});
        cells.push_back({"SG18", 3, 51, "2"});
        office_->Plant(0, cells);
    }
    static void TearDownTestSuite() {
        delete office_;
        office_ = nullptr;
    }
    void SetUp() override { office_->ui().ClearAnswers(); }

    Engine& engine() { return office_->engine(); }
    ScriptedUi& ui() { return office_->ui(); }
    std::string ShortName(int index) { return engine().schoolList.lines[index].substr(8, 16); }
    std::string Cell(int col, int row) { return engine().upperTable.Cells(col, row); }
    // The upper table's row whose first cell is this text, -1 when none.
    int RowOf(const std::string& label) {
        for (int row = 0; row < engine().upperTable.RowCount(); ++row)
            if (Cell(0, row) == label) return row;
        return -1;
    }

    static DemoSheets* office_;
};

DemoSheets* ClassReports::office_ = nullptr;

TEST_F(ClassReports, ListsClassesOf34AndMoreAndOf10AndFewer) {
    ui().AddAnswer("1");
    Klassenstrken1Click(engine());
    const std::string name = ShortName(0);
    const std::vector<std::string> expected = {
        name + "  KlSt. 5 :                34 Sch.", // 34 right-aligned in 18 places
        name + "  KlSt. 5 : 10 Sch.",
    };
    EXPECT_EQ(engine().outputBox.lines(), expected);
    // 34 + 33 + 10 + 11 pupils in 4 classes.
    EXPECT_EQ(Cell(1, 1), "88");
    EXPECT_EQ(Cell(2, 1), "4");
    EXPECT_EQ(Cell(3, 1), "22");
    EXPECT_EQ(Cell(4, 1), "0");
    EXPECT_EQ(Cell(6, 1), ""); // no classes: no average
    EXPECT_EQ(Cell(22, 1), "88");
    EXPECT_EQ(Cell(23, 1), "4");
    EXPECT_EQ(Cell(0, 0), Win("Klassenstärken 2018"));
    EXPECT_TRUE(engine().window.upperTableVisible);
}

TEST_F(ClassReports, TheChartCountsTheClassesPerBucket) {
    ui().AddAnswer("1");
    Klassenstrken1Click(engine());
    ASSERT_FALSE(ui().charts().empty());
    const BarChart& chart = ui().charts().back();
    EXPECT_EQ(chart.fileStem, "KlStGr");
    EXPECT_EQ(chart.categories,
              (std::vector<std::string>{"1..16", "17..20", "21..24", "25..28", "29.."}));
    ASSERT_EQ(chart.series.size(), 8u);
    // 10 and 11 fall into 1..16, 33 and 34 into 29..
    EXPECT_EQ(chart.series[0].values, (std::vector<double>{2, 0, 0, 0, 2}));
    EXPECT_EQ(chart.series[1].name, "Kl. 5");
    EXPECT_EQ(chart.series[1].values, (std::vector<double>{2, 0, 0, 0, 2}));
    EXPECT_EQ(chart.series[2].values, (std::vector<double>{0, 0, 0, 0, 0}));
}

TEST_F(ClassReports, OnTheWholeOfficeTheBucketsAddUpToTheClassesCounted) {
    ui().AddAnswer("alle");
    Klassenstrken1Click(engine());
    const int total = RowOf("zus. Sch/Kl");
    ASSERT_GT(total, 0);
    const BarChart& chart = ui().charts().back();
    const auto sum = [](const BarSeries& s) {
        return std::accumulate(s.values.begin(), s.values.end(), 0.0);
    };
    EXPECT_EQ(sum(chart.series[0]), ParseInt(Cell(23, total)));
    for (int level = 1; level <= 7; ++level)
        EXPECT_EQ(sum(chart.series[level]), ParseInt(Cell(3 * level - 1, total))) << level;
    // The school rows add up to the total row, which counts a real office's classes.
    int classes = 0;
    for (int row = 1; row < engine().upperTable.RowCount(); ++row)
        if (Cell(0, row).rfind("zus.", 0) != 0 && Cell(0, row).rfind("Reg.", 0) != 0)
            classes += ParseInt(Cell(23, row));
    EXPECT_EQ(classes, ParseInt(Cell(23, total)));
    EXPECT_GT(classes, 6 * 7);
}

TEST_F(ClassReports, ClassCountsFromTheDivisorAgainst91And92) {
    ui().AddAnswer("1");
    Klassenzahlenauswerten1Click(engine());
    // Level 5: 70 pupils, 3 classes in 9.1, none in 9.2 (3 fewer), 3 by the divisor 33 (the
    // same as 9.1: no difference shown).
    EXPECT_EQ(Cell(1, 1), "70");
    EXPECT_EQ(Cell(2, 1), "3");
    EXPECT_EQ(Cell(3, 1), "0 3");
    EXPECT_EQ(Cell(4, 1), "3");
    // Level 6: 66 pupils make 2 classes, one fewer than the 3 reported.
    EXPECT_EQ(Cell(5, 1), "66");
    EXPECT_EQ(Cell(8, 1), "2 1");
    EXPECT_EQ(Cell(0, 2), "Summe");
    EXPECT_EQ(Cell(1, 2), "70");
    EXPECT_EQ(engine().upperTableHeight, 400);
}

TEST_F(ClassReports, TargetHoursOf91Against92) {
    ui().AddAnswer("1");
    Sollzahlen1Click(engine());
    const auto& lines = engine().outputBox.lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "jeweils: Sollzahlen9.1, Sollzahlen9.2, Sollzahlen9.1-9.2 ");
    const StringGrid& hours = *engine().sheet.grids.FindTable(91);
    const StringGrid& targets = *engine().sheet.grids.FindTable(92);
    // Each subject column in 5 places behind the list line's 8, 9 and 8 characters.
    const size_t subjects = static_cast<size_t>(hours.ColCount() - 3);
    EXPECT_EQ(lines[1].size(), 8 + 5 * subjects);
    EXPECT_EQ(lines[2].size(), 9 + 5 * subjects);
    EXPECT_EQ(lines[3].size(), 8 + 5 * subjects);
    for (int col = 3; col < hours.ColCount(); ++col) {
        const int a = ParseInt(hours.Cells(col, 1));
        const int b = ParseInt(targets.Cells(col, 11));
        const std::string shown = Trim(lines[3].substr(8 + 5 * (col - 3), 5));
        EXPECT_EQ(ParseInt(shown), a - b) << col;
        if (a - b > 0) {
            EXPECT_EQ(shown[0], '+') << col;
        }
    }
}

TEST_F(ClassReports, MigrationExtractSumsBothTracks) {
    ui().AddAnswer("1");
    Sonderauswertungen1Click(engine());
    const auto& lines = engine().outputBox.lines();
    ASSERT_EQ(lines.size(), 2u);
    const auto header = SplitFields(lines[0]);
    const auto school = SplitFields(lines[1]);
    ASSERT_EQ(header.size(), school.size());
    EXPECT_EQ(header[0], "Schulname");
    EXPECT_EQ(header.back(), Win("dv.Türk."));
    // From 2016/17 the migration row 51 is the 9th of ten rows, 12 fields each.
    const size_t level5 = 3 + 8 * 12 + 2;
    EXPECT_EQ(header[level5], "Kl.5");
    EXPECT_EQ(school[level5], "7");
    EXPECT_EQ(Cell(0, 0), "Migration, Ausl  2018");
    EXPECT_NE(ReadFile(engine().workDirectory / "Migrxxx.csv").find("Schulname;Disch;Regnr"),
              std::string::npos);
}

TEST_F(ClassReports, TheExtractEntriesOpenTheSheet) {
    engine().sheet.window.visible = false;
    Sollsummen1Click(engine());
    EXPECT_TRUE(engine().sheet.window.visible);
    EXPECT_NE(ui().messages().back().find("Auszug"), std::string::npos);

    // The extract of 9.2's target sum row, with the preset answers.
    engine().sheet.window.visible = false;
    ui().SetUseDefaults(true);
    Sollsummen921Click(engine());
    ui().SetUseDefaults(false);
    EXPECT_TRUE(engine().sheet.window.visible);
    EXPECT_EQ(engine().sheet.window.positionText, "Z11  S17");
    EXPECT_EQ(engine().sheet.window.shownGrid, "SG00");
    const StringGrid& extract = *engine().sheet.grids.Find("SG00");
    EXPECT_FALSE(extract.IsBlank());
    EXPECT_GE(LastFilledRow(extract), 1);
}

} // namespace
