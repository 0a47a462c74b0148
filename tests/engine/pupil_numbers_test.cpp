// The pupil numbers report: the discrepancy cells, the group subtotals, the files and the
// chart, on hand-made grids and on a small demo office read back from its data set files.
#include "evaluation/pupil_numbers.h"
#include "evaluation/pupil_numbers_chart.h"
#include "evaluation/pupil_numbers_table.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "support/demo_office_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tev;
using namespace tev::test;

namespace {

// The grids of an empty sheet of the school year.
Sheet EmptySheet(int year) {
    Sheet sheet;
    ShapeSheetForYear(sheet, year);
    return sheet;
}

StringGrid& Grid(Sheet& sheet, int table) {
    return *sheet.grids.FindTable(table);
}

// The cell (col, row) of a table block in a data set file.
std::string FileCell(const std::string& file, const std::string& table, int col, int row) {
    const auto block = DataSetBlock(file, table);
    const auto found = block.find(row);
    if (found == block.end() || col + 1 >= static_cast<int>(found->second.size())) return {};
    return found->second[col + 1];
}

// The rows of a report file below its heading line, each as wide as the full table.
std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line); // the heading
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        rows.push_back(SplitFields(line));
        rows.back().resize(kPupilNumbersCols);
    }
    return rows;
}

// The row of the school (its number in column 1); empty cells when it has none.
std::vector<std::string> SchoolRow(const std::string& csv, const std::string& number) {
    for (const auto& row : CsvRows(csv))
        if (row[1] == number) return row;
    return std::vector<std::string>(kPupilNumbersCols);
}

int Number(const std::string& text) {
    const size_t digit = text.find_first_of("0123456789");
    return digit == std::string::npos ? 0 : std::stoi(text.substr(digit));
}

bool HasMessage(const ScriptedUi& ui, const std::string& part) {
    for (const auto& message : ui.messages())
        if (message.find(part) != std::string::npos) return true;
    return false;
}

} // namespace

TEST(PupilNumbersRow, ClassTableAgainstTrackTablesGivesTheDifferenceAndAQuestionMark) {
    Sheet sheet = EmptySheet(118);
    Grid(sheet, 12).SetCells(1, 15, " 58");
    Grid(sheet, 11).SetCells(3, 55, "40");
    Grid(sheet, 18).SetCells(3, 55, "20");
    Grid(sheet, 18).SetCells(3, 56, "11");
    Grid(sheet, 91).SetCells(2, 3, "2");
    StringGrid table;
    PreparePupilNumbersTable(table);
    const std::string discrepancies = FillPupilNumbersRow(table, 1, sheet.grids, 118);
    // 40 + 20 - 58 = +2: the class-table text, "  +2" in width 4, then "?".
    EXPECT_EQ(table.Cells(3, 1), " 58  +2?");
    EXPECT_EQ(discrepancies, ";   Klst 5:  58  +2?");
    EXPECT_EQ(Number(table.Cells(2, 1)), 2);
    EXPECT_EQ(Number(table.Cells(4, 1)), 40);
    EXPECT_EQ(table.Cells(5, 1), "");
    EXPECT_EQ(Number(table.Cells(6, 1)), 20);
    EXPECT_EQ(Number(table.Cells(7, 1)), 11);
    // Level 6 has nothing anywhere: no discrepancy, empty cells.
    EXPECT_EQ(table.Cells(GroupColumn(2, 1), 1), "");
}

TEST(PupilNumbersRow, FinalYearsAndSumNeverCarryADiscrepancy) {
    Sheet sheet = EmptySheet(118);
    Grid(sheet, 11).SetCells(10, 55, "30"); // Jgst.1
    Grid(sheet, 18).SetCells(10, 55, "25");
    Grid(sheet, 11).SetCells(12, 55, "30"); // the sum column
    Grid(sheet, 18).SetCells(12, 55, "25");
    StringGrid table;
    PreparePupilNumbersTable(table);
    EXPECT_EQ(FillPupilNumbersRow(table, 1, sheet.grids, 118), "");
    EXPECT_EQ(table.Cells(GroupColumn(8, 1), 1), " 55");
    EXPECT_EQ(table.Cells(GroupColumn(10, 1), 1), " 55");
}

TEST(PupilNumbersRow, YearsBefore2016ReadRow37AndLeaveThePreparatoryGroupEmpty) {
    Sheet sheet = EmptySheet(115);
    Grid(sheet, 12).SetCells(2, 15, " 30");
    Grid(sheet, 11).SetCells(4, 37, "30");
    Grid(sheet, 11).SetCells(12, 35, "9"); // a language row before 2016/17
    StringGrid table;
    PreparePupilNumbersTable(table);
    EXPECT_EQ(FillPupilNumbersRow(table, 1, sheet.grids, 115), "");
    EXPECT_EQ(table.Cells(GroupColumn(2, 1), 1), " 30");
    for (int offset = 0; offset < 6; ++offset)
        EXPECT_EQ(table.Cells(GroupColumn(kPreparatoryGroup, offset), 1), "") << offset;
}

TEST(PupilNumbersRow, PreparatoryClassesFrom2016) {
    Sheet sheet = EmptySheet(118);
    Grid(sheet, 12).SetCells(1, 16, "12");
    Grid(sheet, 12).SetCells(3, 17, "8");
    Grid(sheet, 12).SetCells(1, 19, "12");
    Grid(sheet, 12).SetCells(3, 19, "8");
    Grid(sheet, 11).SetCells(12, 35, "15");
    Grid(sheet, 11).SetCells(12, 50, "7");
    Grid(sheet, 18).SetCells(12, 35, "4");
    StringGrid table;
    PreparePupilNumbersTable(table);
    // 15 + 4 - 20 = -1.
    EXPECT_EQ(FillPupilNumbersRow(table, 1, sheet.grids, 118), ";   VKL: 20  -1?");
    EXPECT_EQ(Number(table.Cells(GroupColumn(kPreparatoryGroup, 0), 1)), 2);
    EXPECT_EQ(Number(table.Cells(GroupColumn(kPreparatoryGroup, 2), 1)), 15);
    EXPECT_EQ(Number(table.Cells(GroupColumn(kPreparatoryGroup, 3), 1)), 7);
    EXPECT_EQ(Number(table.Cells(GroupColumn(kPreparatoryGroup, 4), 1)), 4);
}

TEST(PupilNumbersRow, GarbageNumbersStayWithinBounds) {
    Sheet sheet = EmptySheet(118);
    Grid(sheet, 12).SetCells(1, 15, "-99999999999");
    Grid(sheet, 11).SetCells(3, 55, "99999999999");
    Grid(sheet, 18).SetCells(3, 55, "99999999999");
    StringGrid table;
    PreparePupilNumbersTable(table);
    const std::string discrepancies = FillPupilNumbersRow(table, 1, sheet.grids, 118);
    EXPECT_NE(discrepancies.find("?"), std::string::npos);
    EXPECT_EQ(table.Cells(4, 1), "9999999");
    table.SetRowCount(3);
    table.SetCells(4, 2, "2147483647");
    table.SetRowCount(4);
    AddPupilNumbersSums(table);
    EXPECT_EQ(table.Cells(4, 3), "2147483647") << "the sum saturates";
}

TEST(PupilNumbersTable, SubtotalsOnlyForBlocksOfTwoOrMoreSchools) {
    StringGrid table;
    PreparePupilNumbersTable(table);
    table.SetRowCount(8);
    // Rows: A (alone), gap, B1, B2, subtotal place, sum.
    const char* rows[][3] = {
        {"A-Gym", "AAA111000001", " 10"},  {"", "", ""}, {"B-Gym", "BBB222000002", " 20"},
        {"B2-Gym", "BBB222000003", "  5"}, {"", "", ""}, {"", "", ""}};
    for (int i = 0; i < 6; ++i) {
        table.SetCells(0, i + 1, rows[i][0]);
        table.SetCells(1, i + 1, rows[i][1]);
        table.SetCells(3, i + 1, rows[i][2]);
    }
    table.SetRowCount(7);
    AddPupilNumbersSums(table);
    AddGroupSubtotals(table, 3);
    EXPECT_EQ(table.Cells(0, 6), "Summe");
    EXPECT_EQ(Number(table.Cells(3, 6)), 35);
    EXPECT_EQ(table.Cells(1, 2), "") << "a group of one school has no subtotal";
    EXPECT_EQ(table.Cells(1, 5), "zus.BBB");
    EXPECT_EQ(Number(table.Cells(3, 5)), 25);
    // Columns whose sum is 0 are hidden but stay.
    EXPECT_EQ(table.ColWidth(4), 0);
    EXPECT_GT(table.ColWidth(3), 0);
}

TEST(PupilNumbersTable, SecondFileCutsDiscrepanciesAndAppendsTheOutputLines) {
    StringGrid table;
    PreparePupilNumbersTable(table);
    table.SetRowCount(3);
    table.SetCells(0, 1, "A-Gym");
    table.SetCells(3, 1, " 58  +2?");
    table.SetCells(0, 2, "Summe");
    table.SetCells(3, 2, " 58");
    CutForDiscrepancyList(table, 1, {"Hinweis:", "A-Gym;;X:;   Klst 5:  58  +2?"});
    EXPECT_EQ(table.Cells(3, 1), " 58");
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_EQ(table.Cells(0, 3), "Hinweis:");
    EXPECT_EQ(table.Cells(3, 4), "   Klst 5:  58  +2?");
    CompactPupilNumbers(table);
    EXPECT_EQ(table.ColCount(), 24);
    EXPECT_EQ(table.Cells(4, 0), "Kl.6");
    EXPECT_EQ(table.Cells(5, 0), "6gesamt");
    EXPECT_EQ(table.Cells(22, 0), "Kl.VKL");
    EXPECT_EQ(table.Cells(23, 0), "gesamt VKL");
}

TEST(PupilNumbersChart, PupilsPerLevelAndTrackFromTheSumRow) {
    StringGrid table;
    PreparePupilNumbersTable(table);
    table.SetRowCount(2);
    table.SetCells(GroupColumn(1, 2), 1, "120"); // 5, 9-year
    table.SetCells(GroupColumn(1, 4), 1, " 80"); // 5, 8-year
    table.SetCells(GroupColumn(9, 4), 1, " 33"); // Jgst.2, 8-year
    const BarChart chart = PupilNumbersChart(table, "T", "16_Schz");
    ASSERT_EQ(chart.categories.size(), 9u);
    EXPECT_EQ(chart.categories[0], "5");
    EXPECT_EQ(chart.categories[8], "Jgst.2");
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0].values[0], 120);
    EXPECT_EQ(chart.series[1].values[0], 80);
    EXPECT_EQ(chart.series[1].values[8], 33);
    EXPECT_EQ(chart.series[0].values[8], 0);
    EXPECT_EQ(chart.fileStem, "16_Schz");
}

namespace {

struct PupilNumbersOffice : DemoOfficeFixture<12, 118, 7> {
    std::filesystem::path Work() const { return office->engine().workDirectory; }

    void Run(const std::string& layout = "1") {
        Answer({layout, "alle", "abbruch", "abbruch", "abbruch"});
        SchlerzahlenOktoberstatistik1Click(engine());
    }
};

} // namespace

TEST_F(PupilNumbersOffice, SumRowIsTheSumOfTheSchoolRowsInEveryColumn) {
    Run();
    // The compact table is left: check the full table of the first file instead.
    const auto rows = CsvRows(ReadFile(Work() / "18_Schz.csv"));
    ASSERT_EQ(rows.size(), static_cast<size_t>(office->SchoolCount() + 2));
    EXPECT_EQ(rows.back()[0], "Summe");
    for (int col = 2; col < kPupilNumbersCols; ++col) {
        long sum = 0;
        for (size_t row = 1; row + 1 < rows.size(); ++row)
            sum += Number(rows[row][col]);
        EXPECT_EQ(Number(rows.back()[col]), sum) << "column " << col;
    }
}

TEST_F(PupilNumbersOffice, SchoolCellsEqualTheirDataSetFiles) {
    Run();
    const std::string csv = ReadFile(Work() / "18_Schz.csv");
    for (int index : {0, 5, 11}) {
        const std::string number = office->SchoolNumber(index);
        const std::string file = DataFile(index);
        const auto cells = SchoolRow(csv, number);
        ASSERT_FALSE(cells[0].empty()) << number;
        for (int j = 1; j <= 7; ++j) {
            SCOPED_TRACE(number + " level " + std::to_string(j + 4));
            EXPECT_EQ(Number(cells[GroupColumn(j, 0)]), Number(FileCell(file, "91", 2, j + 2)));
            EXPECT_EQ(Number(cells[GroupColumn(j, 1)]), Number(FileCell(file, "12", j, 15)));
            EXPECT_EQ(Number(cells[GroupColumn(j, 2)]), Number(FileCell(file, "11", j + 2, 55)));
            EXPECT_EQ(Number(cells[GroupColumn(j, 3)]), Number(FileCell(file, "11", j + 2, 56)));
            EXPECT_EQ(Number(cells[GroupColumn(j, 4)]), Number(FileCell(file, "18", j + 2, 55)));
            EXPECT_EQ(Number(cells[GroupColumn(j, 5)]), Number(FileCell(file, "18", j + 2, 56)));
        }
    }
}

TEST_F(PupilNumbersOffice, FilesAreWindowsCodePageWithSemicolonsAndCrLf) {
    Run();
    const std::string csv = ReadFile(Work() / "18_Schz.csv");
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(csv.find("Sch\xFClerzahlen auswerten"), 0u) << "title in CP1252";
    EXPECT_EQ(csv.find("\xC3"), std::string::npos) << "no UTF-8";
    EXPECT_NE(csv.find(";Kl.5;5gesamt;5g 9j;5w 9j;5g 8j;5w 8j;"), std::string::npos);
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
    EXPECT_EQ(CountOccurrences(csv, "\n"), CountOccurrences(csv, "\r\n"));
    EXPECT_FALSE(ReadFile(Work() / "18_Schzx.csv").empty());
    EXPECT_FALSE(ReadFile(Work() / "18_Schzkomp.csv").empty());
    EXPECT_TRUE(HasMessage(ui(), "wurden  erstellt"));
    // The compact table stays in the upper table: two columns a group.
    EXPECT_EQ(engine().upperTable.ColCount(), 24);
    EXPECT_TRUE(engine().window.upperTableVisible);
    EXPECT_EQ(engine().upperTableHeight, 400);
}

TEST_F(PupilNumbersOffice, AFileThatCannotBeWrittenIsNamedAndNotClaimed) {
    const auto blocker = Work() / "18_Schzx.csv";
    std::filesystem::remove(blocker);
    std::filesystem::create_directory(blocker);
    const size_t before = ui().messages().size();
    Run();
    std::filesystem::remove_all(blocker);
    std::vector<std::string> after(ui().messages().begin() + before, ui().messages().end());
    ASSERT_FALSE(after.empty());
    const std::string& closing = after.back();
    EXPECT_NE(closing.find("nicht geschrieben"), std::string::npos) << closing;
    const size_t failed = closing.find("18_Schzx.csv");
    const size_t made = closing.find("erstellt wurden");
    ASSERT_NE(failed, std::string::npos) << closing;
    ASSERT_NE(made, std::string::npos) << closing;
    EXPECT_LT(failed, made) << "the failed file is listed as not written";
    EXPECT_EQ(closing.find("wurden  erstellt"), std::string::npos);
}

TEST_F(PupilNumbersOffice, GroupedByRegionsHasSubtotalsThatAddUp) {
    Run("2");
    EXPECT_EQ(engine().window.sortIndex, 7);
    const auto rows = CsvRows(ReadFile(Work() / "18_Schz.csv"));
    int subtotals = 0;
    for (size_t row = 1; row + 1 < rows.size(); ++row) {
        if (rows[row][1].rfind("zus.", 0) != 0) continue;
        ++subtotals;
        size_t first = row;
        while (first > 1 && !rows[first - 1][0].empty())
            --first;
        ASSERT_GE(row - first, 2u) << "a subtotal only under two or more schools";
        const int total = Number(rows[row][GroupColumn(10, 2)]);
        int sum = 0;
        for (size_t r = first; r < row; ++r)
            sum += Number(rows[r][GroupColumn(10, 2)]);
        EXPECT_EQ(total, sum);
    }
    EXPECT_GE(subtotals, 1);
}

TEST_F(PupilNumbersOffice, AClassTableThatDisagreesIsMarkedInTheCellsAndListed) {
    const int index = 3;
    office->Load(index);
    const std::string number = office->SchoolNumber(index);
    const int classA = ParseInt(engine().sheet.grids.FindTable(12)->Cells(1, 1));
    const int before = ParseInt(engine().sheet.grids.FindTable(12)->Cells(1, 15));
    ASSERT_GT(classA, 0);
    office->Plant(index, {{"SG12", 1, 1, std::to_string(classA + 2)}});
    Run();
    const std::string total = FormatInt(before + 2, 3);
    // Two pupils more in the class table than in the track tables.
    const std::string cell = total + "  -2?";
    EXPECT_EQ(SchoolRow(ReadFile(Work() / "18_Schz.csv"), number)[3], cell) << "level-5 total";
    const std::string second = ReadFile(Work() / "18_Schzx.csv");
    EXPECT_EQ(SchoolRow(second, number)[3], total) << "only the first three characters";
    EXPECT_NE(second.find(";   Klst 5: " + cell), std::string::npos) << "the appended line";
    bool listed = false;
    for (const auto& line : engine().outputBox.lines()) {
        listed = listed || (line.find(Win(";;Schülersumme<>Profilsumme:;   Klst 5: ") + cell) !=
                            std::string::npos);
    }
    EXPECT_TRUE(listed);
    office->Plant(index, {{"SG12", 1, 1, std::to_string(classA)}});
}
