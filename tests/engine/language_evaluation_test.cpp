// The foreign-language evaluations: the one-language search, the first and second language
// per level with shares, and the requester's sequence extract.
#include "evaluation/language_evaluation.h"
#include "evaluation/language_search.h"
#include "evaluation/sequence_extract.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "support/demo_office_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

StringGrid Sequences(const std::vector<std::string>& rows) {
    StringGrid grid("SG11", 13, static_cast<int>(rows.size()) + 1);
    for (size_t i = 0; i < rows.size(); ++i)
        grid.FillRow(static_cast<int>(i) + 1, rows[i]);
    return grid;
}

} // namespace

TEST(SequenceMatches, OnlyTheFirstCharacterOfTheLanguageCounts) {
    const StringGrid grid = Sequences({"E;S;;10", "E;E;L;5", "P;E;;3", "F;;;0", "Sp;F;;1"});
    struct Case {
        const char* language;
        int position;
        int row;
        bool found;
    } cases[] = {
        {"Sp", 2, 1, true},  {"S", 2, 1, true},  {"F", 2, 1, false},  {"E", 3, 1, false},
        {"E", 4, 2, true},   {"L", 3, 2, true},  {"L", 1, 2, false},  {"Por", 1, 3, true},
        {"Pol", 1, 3, true}, {"Sp", 1, 5, true}, {"Sp", 4, 4, false}, {"F", 1, 4, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SequenceMatches(grid, c.row, c.language, c.position), c.found)
            << c.language << " at " << c.position << " in row " << c.row;
    }
}

TEST(LanguageEvaluationRow, SequenceTextsBlocksAndClassNineColumns) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 118);
    StringGrid& nine = *sheet.grids.FindTable(11);
    StringGrid& eight = *sheet.grids.FindTable(18);
    // Table 1.1 (9-year): E F in class 6 (30) and class 9 (20); E L in class 6 (10).
    nine.FillRow(1, "E;F;;;30;;;20");
    nine.FillRow(2, "E;L;;;10");
    // Table 1.8 (8-year): F E S in class 5 (12) and class 9 (8); g (lower case) first.
    eight.FillRow(1, "F;E;S;12;;;;8");
    eight.FillRow(2, "l;f;;6");
    StringGrid grid;
    PrepareLanguageEvaluation(grid);
    grid.SetRowCount(2);
    const LevelPupils pupils = FillLanguageEvaluationRow(grid, 1, sheet.grids);

    EXPECT_EQ(grid.Cells(2, 1), "EF 30, EL 10"); // Klst.6 9j.
    EXPECT_EQ(grid.Cells(5, 1), "EF 20");        // Klst.9 9j.
    EXPECT_EQ(grid.Cells(6, 1), "FES 12, lf 6"); // Klst.5 8j.
    EXPECT_EQ(grid.Cells(10, 1), "FES 8");       // Klst.9 8j.
    // First language in class 5 (both tracks): F 12, L 6.
    EXPECT_EQ(grid.Cells(12, 0), "E Kl.5");
    EXPECT_EQ(grid.Cells(12, 1), "  ");
    EXPECT_EQ(grid.Cells(13, 1), "12");
    EXPECT_EQ(grid.Cells(14, 1), " 6");
    // Block F (1): 9-year class 6 at 11+5+1, class 9 at 11+5+4; 8-year class 5 (lower f).
    EXPECT_EQ(grid.Cells(17, 0), "F Kl.6 9j");
    EXPECT_EQ(grid.Cells(17, 1), "30");
    EXPECT_EQ(grid.Cells(20, 1), "20");
    EXPECT_EQ(grid.Cells(21, 0), "F Kl.5 8j");
    EXPECT_EQ(grid.Cells(21, 1), " 6");
    // Block L (2): class 6 9-year.
    EXPECT_EQ(grid.Cells(28, 0), "L Kl.6 9j");
    EXPECT_EQ(grid.Cells(28, 1), "10");
    // Block E (3): class 5 and 9 8-year.
    EXPECT_EQ(grid.Cells(43, 0), "E Kl.5 8j");
    EXPECT_EQ(grid.Cells(43, 1), "12");
    EXPECT_EQ(grid.Cells(47, 1), " 8");
    // Class 9: 28 pupils, 8 with a third language; E 28, F 28, S 8.
    EXPECT_EQ(grid.Cells(72, 1), "28");
    EXPECT_EQ(grid.Cells(73, 1), " 8");
    EXPECT_EQ(grid.Cells(74, 1), "28");
    EXPECT_EQ(grid.Cells(75, 1), "28");
    EXPECT_EQ(grid.Cells(80, 0), "S Kl.9");
    EXPECT_EQ(grid.Cells(80, 1), " 8");
    EXPECT_EQ(pupils.count[1][0], 40);
    EXPECT_EQ(pupils.count[0][1], 18);

    AddLanguageTotals(grid, 2, {1}, ' ', pupils);
    EXPECT_EQ(grid.Cells(0, 2), "zus       1 Sch"); // "zus  ", the blank label, width 5
    EXPECT_EQ(grid.Cells(0, 3), "in % pro Jahrgang");
    EXPECT_EQ(grid.Cells(17, 2), "30");
    // F in class 6, 9-year: 30 of 40 = 75 %; L: 10 of 40 = 25 %; a level without pupils
    // leaves the share empty.
    EXPECT_EQ(grid.Cells(17, 3), "75,0");
    EXPECT_EQ(grid.Cells(28, 3), "25,0");
    EXPECT_EQ(grid.Cells(22, 3), "");
    // Both tracks of class 5 for F 8-year: 6 of 18 (no 9-year pupils in class 5).
    EXPECT_EQ(grid.Cells(21, 4), "33,33");
    // Class 9: S 8 of 28.
    EXPECT_EQ(grid.Cells(80, 3), "28,57");
}

namespace {

using LanguageOffice = DemoOfficeFixture<8, 118, 11>;

// The sequence rows 1..35 of a table block with a sum above 0, as their fields.
std::vector<std::vector<std::string>> FileSequences(const std::string& file,
                                                    const std::string& table) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& [row, fields] : DataSetBlock(file, table)) {
        if (row >= 1 && row <= 35 && fields.size() >= 14 && ParseInt(fields[13]) > 0)
            rows.push_back(fields);
    }
    return rows;
}

} // namespace

TEST_F(LanguageOffice, SearchForSpanishAsThirdLanguageFindsTheRowsWithS) {
    Answer({"alle", "6", "3", "3"}); // "Sp", "3.FSp", "8 und 9jähr.Gym."
    SBPrFSpClick(engine());
    size_t expected = 0;
    for (int i = 0; i < office->SchoolCount(); ++i) {
        for (const char* table : {"11", "18"}) {
            for (const auto& row : FileSequences(DataFile(i), table))
                expected += !row[3].empty() && row[3][0] == 'S';
        }
    }
    const StringGrid& grid = engine().upperTable;
    EXPECT_EQ(grid.Cells(0, 0), Win("Sp  als 3.FSp  bei 8 und 9jähr.Gym."));
    ASSERT_EQ(static_cast<size_t>(grid.RowCount()), expected + 2);
    for (int row = 1; row + 1 < grid.RowCount(); ++row) {
        EXPECT_EQ(grid.Cells(4, row).substr(0, 1), "S") << row;
        EXPECT_TRUE(grid.Cells(1, row) == "9j." || grid.Cells(1, row) == "8j.");
    }
    EXPECT_GT(expected, 0u) << "the demo office should teach Spanish somewhere";
}

TEST_F(LanguageOffice, SearchInAnyPositionListsARowOnceAndNamesTheSchoolOnce) {
    Answer({"1", "E", "4", "3"});
    SBPrFSpClick(engine());
    const auto nine = FileSequences(DataFile(0), "11");
    const auto eight = FileSequences(DataFile(0), "18");
    size_t expected = 0;
    for (const auto* rows : {&nine, &eight}) {
        for (const auto& row : *rows)
            expected += row[1][0] == 'E' || (!row[2].empty() && row[2][0] == 'E') ||
                        (!row[3].empty() && row[3][0] == 'E');
    }
    const StringGrid& grid = engine().upperTable;
    ASSERT_EQ(static_cast<size_t>(grid.RowCount()), expected + 2);
    EXPECT_FALSE(grid.Cells(0, 1).empty());
    for (int row = 2; row + 1 < grid.RowCount(); ++row)
        EXPECT_EQ(grid.Cells(0, row), "") << row;
    // The sum row adds the count columns.
    const int last = grid.RowCount() - 1;
    long sum = 0;
    for (int row = 1; row < last; ++row)
        sum += ParseInt(grid.Cells(14, row));
    EXPECT_EQ(ParseInt(grid.Cells(14, last)), sum);
    // One output line for the school, one per row, after the heading and an empty line.
    EXPECT_EQ(engine().outputBox.size(), expected + 3);
}

TEST_F(LanguageOffice, EvaluationSavesItsFileAndTotalsTheSchools) {
    Answer({"alle", "2"});
    AuswertennachFremdsprachenKl5791Click(engine());
    const StringGrid& grid = engine().upperTable;
    const std::string csv = ReadFile(engine().workDirectory / "2018_FSpF_Ausw.csv");
    ASSERT_FALSE(csv.empty());
    EXPECT_NE(csv.find("ab Spalte 16 Auswertung 2.FS"), std::string::npos);
    // All schools of the group "   _alle": the block of all and four district blocks.
    int schools = 0;
    while (!grid.Cells(0, schools + 1).empty() && grid.Cells(0, schools + 1).rfind("zus", 0) != 0)
        ++schools;
    EXPECT_EQ(grid.Cells(0, schools + 1), "zus       " + std::to_string(schools) + " Sch");
    EXPECT_EQ(grid.RowCount(), schools + 1 + 15);
    for (int col : {17, 43, 72, 74}) {
        long sum = 0;
        for (int row = 1; row <= schools; ++row)
            sum += ParseInt(grid.Cells(col, row));
        EXPECT_EQ(ParseInt(grid.Cells(col, schools + 1)), sum) << col;
        long districts = 0;
        for (int block = 1; block <= 4; ++block)
            districts += ParseInt(grid.Cells(col, schools + 1 + 3 * block));
        EXPECT_EQ(districts, sum) << "every school lies in one district, column " << col;
    }
}

TEST(SequenceLines, TheBlockOfTheTableWithItsSchoolPrefix) {
    const std::vector<std::string> file = {
        ".;11;112233;2018/19;A-Gym",
        " 0;;;;5;6;7;8;9;10;11;Jgst.1;Jgst.2;Summe",
        " 1;E;F;;3;;;;;;;;;3",
        ".;18;112233;2018/19;A-Gym",
        " 0;;;;5;6;7;8;9;10;;Jgst.1;Jgst.2;Summe",
        " 1;E;;;52;;;;;;;;;52",
        " 2;E;F;R;;;;;;;;;;",
        " 3;E;F;;;33;;;;;;;;33",
        "35;VKL;;;;;;;;;;;;4",
        "37;insges;;;52;33;;;;;;;;85",
    };
    EXPECT_EQ(SequenceLines(file, ".;18;"),
              (std::vector<std::string>{"04112233;A-Gym; 1;E;;;52;;;;;;;;;52",
                                        "04112233;A-Gym; 3;E;F;;;33;;;;;;;;33"}));
    EXPECT_EQ(SequenceLines(file, ".;11;"),
              (std::vector<std::string>{"04112233;A-Gym; 1;E;F;;3;;;;;;;;;3"}));
    EXPECT_TRUE(SequenceLines(file, ".;12;").empty());
    const std::vector<std::string> ended = {".;18;1;2;B", "0", "1;E;;;1;;;;;;;;;1",
                                            "2;;;;;;;;;;;;;0", "3;F;;;1;;;;;;;;;1"};
    EXPECT_EQ(SequenceLines(ended, ".;18;").size(), 1u);
}
