// The summary across schools on small offices written by the tests: what a cell shows in
// each display kind, which schools take part, the rows of language sequences, a store larger
// than the old 7000-cell limit, the export's file names and the print groups.
#include "evaluation/general_evaluation.h"
#include "output/codepage.h"
#include "output/recording_canvas.h"
#include "sheet/table_headings.h"
#include "sheet/table_titles.h"
#include "shell/directory_commands.h"
#include "summary/summary_display.h"
#include "summary/summary_export.h"
#include "summary/summary_run.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

std::string Header(int table, const std::string& number) {
    return ".;" + std::to_string(table) + ";" + number + ";2016/17;Gym-" + number;
}

// The first row of table 2.2 below its headings, as the year's shape has it.
int DataRow22() {
    SheetGrids grids;
    SetAllTableHeadings(grids, 116);
    return grids.FindTable(22)->FixedRows();
}

struct SummaryOffice : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    const int row = DataRow22();

    void School(const std::vector<std::string>& numbers) {
        std::vector<std::string> lines;
        for (const auto& number : numbers) {
            SchoolNameLine line;
            line.number = number;
            line.shortName = "Gym-" + number;
            lines.push_back(line.Text());
        }
        WriteFile(temp.path() / "schulnam.dat", DosLines(lines));
    }
    void DataSet(const std::string& number, const std::vector<std::string>& lines) {
        WriteFile(temp.path() / "TEV" / ("SL" + number + ".16"), DosLines(lines));
    }
    // Column 2 of table 2.2 holds `value`, column 3 holds 0.
    void Table22(const std::string& number, const std::string& value) {
        DataSet(number, {Header(22, number), std::to_string(row) + ";Land;;" + value + ";0"});
    }
    void Start() { StartEngine(engine, ui, temp.path()); }
    void Answer(std::initializer_list<const char*> answers) {
        for (const char* answer : answers)
            ui.AddAnswer(Win(answer));
    }
    const StringGrid& Grid(int table) { return *engine.summary.grids.FindTable(table); }
    bool Shown(const std::string& text) {
        for (const auto& message : ui.messages())
            if (message.find(text) != std::string::npos) return true;
        return false;
    }
};

// Where the title of each table first appears among the printed texts; -1 when not printed.
std::vector<int> TitlePositions(const RecordingCanvas& canvas, const std::vector<int>& tables) {
    const auto texts = canvas.Texts();
    std::vector<int> positions;
    for (int table : tables) {
        const std::string title = TableTitle(GridNameOfTable(table), 116);
        int at = -1;
        for (size_t i = 0; i < texts.size() && at < 0; ++i)
            if (texts[i].text.find(title) != std::string::npos) at = static_cast<int>(i);
        positions.push_back(at);
    }
    return positions;
}

} // namespace

TEST(SummaryCellTexts, EveryKindOfTheHandWorkedCell) {
    // Values 2, 0 and 4 in three schools read: n = 2, sum = 6, sum of squares = 20.
    const SummaryCell cell{2, 6, 20};
    const std::vector<std::pair<int, std::string>> expected = {{0, "2"},
                                                               {1, "6"},
                                                               {2, "20"},
                                                               {3, "3,0"},
                                                               {4, "1,0"},
                                                               {5, "6:2"},
                                                               {6, "6:2=3,0"},
                                                               {7, "6:2=3,0   1,0"},
                                                               {8, "6:2=3,0   2,0"},
                                                               {9, "2,0"},
                                                               {10, "1,6"},
                                                               {11, "6:3"},
                                                               {12, "6:3=2,0"},
                                                               {13, "6:3=2,0   1,6"},
                                                               {14, "6"}};
    for (const auto& [kind, text] : expected)
        EXPECT_EQ(SummaryCellText(kind, cell, 3), text) << "kind " << kind;
}

TEST(SummaryCellTexts, NegativeVarianceAndHalves) {
    // A sum of squares below what the sum needs (rounding in old files) has no deviation.
    EXPECT_EQ(SummaryCellText(4, SummaryCell{2, 10, 1}, 2), "??");
    EXPECT_EQ(SummaryCellText(10, SummaryCell{2, 10, 1}, 2), "??");
    EXPECT_EQ(SummaryCellText(14, SummaryCell{2, 3, 5}, 2), "3");
    EXPECT_EQ(SummaryCellText(14, SummaryCell{1, 2.5, 6.25}, 2), Win("2½"));
    EXPECT_EQ(SummaryCellText(14, SummaryCell{2, 3.2, 5.3}, 2), "3,2");
}

TEST(SummaryExportNames, GroupCodeFromTheFirstCharacterOfTheGroup) {
    EXPECT_EQ(GroupFileCode("  "), Win("ö_p"));
    EXPECT_EQ(GroupFileCode("1 "), Win("öff"));
    EXPECT_EQ(GroupFileCode("31"), "prv");
    EXPECT_EQ(GroupFileCode("9 "), "9jn");
    EXPECT_EQ(SummarySheetChoices().size(), 21u);
    EXPECT_EQ(SummarySheetChoices()[18], "SGs -> *.csv");
}

TEST_F(SummaryOffice, CountsMeansAndDeviationsOverTheSchoolsRead) {
    School({"111111", "222222", "333333", "444444"});
    Table22("111111", "2");
    Table22("222222", "0");
    Table22("333333", "4"); // 444444 has no data set
    Start();
    Answer({"alle", "nein"});
    AuswertenOhneTestkennz1Click(engine);

    EXPECT_EQ(engine.summary.schoolsRead, 3);
    EXPECT_TRUE(engine.summary.windowVisible);
    const SummaryCell* cell = engine.summary.store->Find(22, row, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->n, 2u);
    EXPECT_EQ(cell->sum, 6);
    EXPECT_EQ(Grid(22).Cells(2, row), "6");
    EXPECT_EQ(Grid(22).Cells(3, row), ""); // 0 everywhere
    EXPECT_EQ(engine.summary.store->Find(22, row, 3), nullptr);

    // Another kind is built from the store: the files are gone and nothing changes but the
    // texts.
    std::filesystem::remove_all(temp.path() / "TEV");
    for (const auto& [kind, text] :
         std::vector<std::pair<int, std::string>>{{3, "3,0"}, {9, "2,0"}, {4, "1,0"}, {0, "2"}}) {
        ShowSummaryKind(engine, kind);
        EXPECT_EQ(Grid(22).Cells(2, row), text) << "kind " << kind;
    }
    // A second run only shows the store again; "Laden" drops it.
    Answer({"nein"});
    AuswertenOhneTestkennz1Click(engine);
    EXPECT_EQ(engine.summary.schoolsRead, 3);
    EXPECT_EQ(Grid(22).Cells(2, row), "2");
    Laden1Click(engine);
    EXPECT_EQ(engine.summary.store, nullptr);
    EXPECT_FALSE(engine.summary.windowVisible);
}

TEST_F(SummaryOffice, OnlySchoolsWithAChosenMarkAreReadAndCounted) {
    School({"111111", "222222", "333333"});
    Table22("111111", "2");
    Table22("222222", "5");
    Table22("333333", "7");
    Start();
    engine.schoolList.lines[0][0] = '+';
    engine.schoolList.lines[1][0] = '-';
    engine.schoolList.lines[2][0] = '-';
    // With test marks and at least one "+", no data test runs: the mark set "-" is asked.
    Answer({"alle", "-", "nein"});
    AuswertenAllgemein1Click(engine);
    EXPECT_EQ(engine.summary.schoolsRead, 2);
    EXPECT_EQ(engine.summary.store->Find(22, row, 2)->sum, 12);
    EXPECT_EQ(ui.answersLeft(), 0u);
}

TEST_F(SummaryOffice, CancellingTheMarkChoiceReadsNothing) {
    School({"111111"});
    Table22("111111", "2");
    Start();
    engine.schoolList.lines[0][0] = '+';
    Answer({"alle", "abbruch"});
    AuswertenAllgemein1Click(engine);
    EXPECT_EQ(engine.summary.store, nullptr);
    EXPECT_FALSE(engine.summary.windowVisible);
}

TEST_F(SummaryOffice, SequenceMetOnlyInTable18HasARowInBothTables) {
    School({"111111", "222222"});
    DataSet("111111", {Header(11, "111111"), "1;E;F;L;10;20", Header(18, "111111"), "1;E;F;L;1;2"});
    DataSet("222222", {Header(11, "222222"), "1;E;F;L;5;5", Header(18, "222222"), "1;F;E;;7;8"});
    Start();
    Answer({"alle", "nein"});
    AuswertenOhneTestkennz1Click(engine);

    for (int table : {11, 18}) {
        const StringGrid& grid = Grid(table);
        EXPECT_EQ(grid.Cells(0, 1), "E") << table;
        EXPECT_EQ(grid.Cells(1, 1), "F") << table;
        EXPECT_EQ(grid.Cells(0, 2), "F") << table;
        EXPECT_EQ(grid.Cells(1, 2), "E") << table;
    }
    EXPECT_EQ(Grid(11).Cells(3, 1), "15");
    EXPECT_EQ(Grid(11).Cells(3, 2), "");
    EXPECT_EQ(Grid(18).Cells(3, 1), "1");
    EXPECT_EQ(Grid(18).Cells(3, 2), "7");
    EXPECT_EQ(Grid(18).Cells(4, 2), "8");
}

TEST_F(SummaryOffice, MoreThan7000CellsAreAllKept) {
    School({"111111"});
    // 100 rows of 80 columns of table 2.2: 8000 distinct cells.
    std::vector<std::string> lines = {Header(22, "111111")};
    for (int r = 1; r <= 100; ++r) {
        std::string line = std::to_string(r) + ";x";
        for (int c = 1; c <= 80; ++c)
            line += ";" + std::to_string((r + c) % 9 + 1);
        lines.push_back(line);
    }
    DataSet("111111", lines);
    Start();
    Answer({"alle", "nein"});
    AuswertenOhneTestkennz1Click(engine);
    const SummaryStore& store = *engine.summary.store;
    int present = 0;
    for (int r = 1; r <= 100; ++r)
        for (int c = 1; c <= 80; ++c)
            if (const SummaryCell* cell = store.Find(22, r, c);
                cell && cell->sum == (r + c) % 9 + 1)
                ++present;
    EXPECT_EQ(present, 8000);
    EXPECT_EQ(Grid(22).Cells(80, 100), "1");
}

TEST_F(SummaryOffice, GarbageLinesAreSkippedWithAMessage) {
    School({"111111"});
    DataSet("111111", {Header(22, "111111"), "99999999;x;1", "-5;x;1", std::string(600, ';'),
                       "\x01\x02;;;", std::to_string(row) + ";x;;3"});
    Start();
    Answer({"alle", "nein"});
    AuswertenOhneTestkennz1Click(engine);
    EXPECT_EQ(Grid(22).Cells(2, row), "3");
    EXPECT_TRUE(Shown(Win("unmöglicher Zeilennummer")));
}

TEST_F(SummaryOffice, ExportWritesEveryTableInThreeFormsWithTheGroupCode) {
    School({"111111"});
    Table22("111111", "2");
    Start();
    engine.schoolGroup = "3 ";
    const auto work = std::filesystem::current_path();
    std::filesystem::current_path(temp.path());
    Answer({"alle", "ja"});
    AuswertenOhneTestkennz1Click(engine);
    std::filesystem::current_path(work);
    const std::string year = engine.startup.startYearText;
    for (const char* form : {"Zusfas", "Zusf", "Zusf_k"})
        EXPECT_TRUE(std::filesystem::exists(temp.path() / (year + "prv_" + form + "_Tab22.csv")))
            << form;
    const std::string shown = ReadFile(temp.path() / (year + "prv_Zusf_Tab22.csv"));
    EXPECT_NE(shown.find(";2"), std::string::npos);
    EXPECT_TRUE(Shown("sind erstellt  (SGxx  als  Zusf    Zusf_k   und  Zusfas)"));
}

TEST_F(SummaryOffice, PrintGroupsInTheChosenOrder) {
    School({"111111"});
    Table22("111111", "2");
    auto recording = std::make_unique<RecordingCanvas>();
    RecordingCanvas* canvas = recording.get();
    engine.printer = std::move(recording);
    Start();
    Answer({"alle", "nein"});
    AuswertenOhneTestkennz1Click(engine);
    // Entries 3 to 5: groups 3, 4 and 5 in that order, nothing of group 2.
    PrintSummarySheet(engine, 3, 5);
    auto at = TitlePositions(*canvas, {21, 31, 41, 51});
    EXPECT_EQ(at[0], -1);
    EXPECT_GE(at[1], 0);
    EXPECT_LT(at[1], at[2]);
    EXPECT_LT(at[2], at[3]);
    // "8 6 4 2" starts with group 8.
    engine.printer = std::make_unique<RecordingCanvas>();
    canvas = static_cast<RecordingCanvas*>(engine.printer.get());
    PrintSummarySheet(engine, 13, 13);
    at = TitlePositions(*canvas, {81, 61, 41, 21});
    EXPECT_GE(at[0], 0);
    EXPECT_LT(at[0], at[1]);
    EXPECT_LT(at[1], at[2]);
    EXPECT_LT(at[2], at[3]);
}
