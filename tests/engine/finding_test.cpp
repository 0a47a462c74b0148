// Findings as data: each check's severity and cells beside its unchanged line, the CSV form,
// and the spreadsheet habits of the sheet (paste, copy, undo, redo).
#include "evaluation/completeness_check.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "plausibility_school.h"
#include "sheet/finding.h"
#include "sheet/plausibility_test.h"
#include "sheet/sheet_clipboard.h"
#include "sheet/sheet_pages.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

constexpr int kAnyRow = -2; // the row depends on the grid's shape, given by `row`

struct Expected {
    const char* name;
    int year;
    std::function<void(PlausibilitySchool&)> change;
    const char* line; // UTF-8, the start of the finding's line
    FindingSeverity severity;
    int table;
    int col;
    int row;
    std::function<int(PlausibilitySchool&)> shapedRow = nullptr;
};

const Finding* FindingStartingWith(const Sheet& sheet, const std::string& start) {
    for (const Finding& finding : sheet.findingDetails) {
        const std::string& line = sheet.findings.at(finding.line);
        if (line.compare(0, start.size(), start) == 0) return &finding;
    }
    return nullptr;
}

void ExpectPlaced(const Expected& e) {
    PlausibilitySchool school(e.year);
    e.change(school);
    school.Test();
    const Sheet& sheet = school.engine.sheet;
    const Finding* finding = FindingStartingWith(sheet, Win(e.line));
    ASSERT_NE(finding, nullptr) << e.name << ": no \"" << e.line << "\" in\n" << school.Findings();
    EXPECT_EQ(finding->severity, e.severity) << e.name;
    EXPECT_EQ(finding->place.table, e.table) << e.name;
    EXPECT_EQ(finding->place.col, e.col) << e.name;
    EXPECT_EQ(finding->place.row, e.shapedRow ? e.shapedRow(school) : e.row) << e.name;
    // An error makes the data test mark "-"; hints alone leave the school passed or doubtful.
    const bool anyError =
        std::any_of(sheet.findingDetails.begin(), sheet.findingDetails.end(),
                    [](const Finding& f) { return f.severity == FindingSeverity::Error; });
    EXPECT_EQ(JudgeTestLines(sheet.findings).status == DataTestStatus::Faulty, anyError) << e.name;
}

auto LastRow(int table) {
    return [table](PlausibilitySchool& s) { return s.Grid(table).RowCount() - 1; };
}

} // namespace

TEST(FindingPlaces, EachCheckFamilyNamesItsSeverityAndCells) {
    using S = FindingSeverity;
    const Expected cases[] = {
        {"origin total", 116, [](auto& s) { s.Put(22, 1, 3, 55); },
         "Summe KlSt. 5 in   1.1+1.8 <> 2.2", S::Error, 22, 1, kAnyRow, LastRow(22)},
        {"girls", 116, [](auto& s) { s.Put(18, 4, 38, 60); }, "8j:Mädchen > Summe KlSt. 6",
         S::Error, 18, 4, 38},
        {"foreigners", 116, [](auto& s) { s.Put(23, 2, 1, 21); }, "Summe Ausländer in", S::Error,
         23, 2, kAnyRow, LastRow(23)},
        {"nationality", 116, [](auto& s) { s.Put(23, 0, 2, "138"); },
         "in 2.3 ist nicht mehr erlaubt", S::Error, 23, 0, 2},
        {"birth years", 116, [](auto& s) { s.Put(24, 5, 1, 210); }, "Summe Jungen  in", S::Error,
         24, 14, 1},
        {"promotion exceptions: a row", 116, [](auto& s) { s.Put(21, 1, 4, 3); },
         "2.1 Nichtvers darunter", S::Error, 21, -1, 4},
        {"hours: pupils", 116, [](auto& s) { s.Put(91, 1, 3, 57); },
         "Summe KlSt. 5 in  1.1+1.8 <> 9.1", S::Error, 91, 1, 3},
        {"hours: classes", 116, [](auto& s) { s.Put(91, 2, 4, 3); },
         "Klassenzahl für KlSt. 6 in  1.2 <> 9.1", S::Error, 91, 2, 4},
        {"class table: a column", 116, [](auto& s) { s.Put(12, 3, 1, 29); },
         "Summe KlSt. 7 in  1.1+1.8 <> 1.2", S::Error, 12, 3, -1},
        {"residence", 116, [](auto& s) { s.Put(41, 2, 1, 57); }, "Schülersumme KlSt. 5 in  4.1",
         S::Error, 41, 2, kAnyRow, [](auto& s) { return s.Grid(41).RowCount() - 2; }},
        {"course table shape: the whole table", 116, [](auto& s) { s.Grid(51).SetRowCount(40); },
         "5.1 Zeilen", S::Error, 51, -1, -1},
        {"course sizes", 116, [](auto& s) { s.Put(71, 2, 17, 7); }, "Insgesamt 4std/LK", S::Error,
         71, 2, 19},
        {"examination", 116, [](auto& s) { s.Put(83, 1, 33, ""); },
         "8.3 Abiturprüfung nicht bestanden", S::Error, 83, 1, 33},
        {"university entrance: 8.3 against 3.2", 116, [](auto& s) { s.Put(83, 1, 16, 44); },
         "Summe Hochschulreife in", S::Error, 83, 1, 32},
        {"leavers of class 8", 116, [](auto& s) { s.Put(32, 1, 2, 3); }, "   3.2 Spalte \"8\"",
         S::Error, 32, 1, 3},
        {"sports", 116, [](auto& s) { s.Put(33, 3, 2, 31); }, "Leichtathletik: Teilnehmer",
         S::Error, 33, -1, 2},
        {"working groups", 116, [](auto& s) { s.Put(31, 2, 1, ""); }, "3.1: Gruppenzahl fehlt",
         S::Error, 31, 2, 1},
        {"inclusion", 116,
         [](auto& s) {
             s.Put(43, 5, 1, 1);
             s.Put(43, 5, 2, 2);
         },
         "4.3:   darunter weiblich", S::Error, 43, 5, 2},
        {"Islamic education", 120,
         [](auto& s) { s.Grid(44).FillRow(2, ";3;0;0;0;0;0;0;0;0;;x;x;;;1"); }, "4.4  keine LWS",
         S::Error, 44, 14, 2},
        {"hint: repeaters", 116,
         [](auto& s) {
             s.Put(22, 3, 1, 48);
             s.Put(22, 3, 2, 8);
         },
         "              2.2 gibt es wirklich", S::Hint, 22, 3, 2},
        {"hint: failures of the examination", 116, [](auto& s) { s.Put(83, 1, 33, 6); },
         "  8.3 soooo viele", S::Hint, 83, 1, 33},
        {"hint: four-hour courses are no pairs", 116,
         [](auto& s) {
             s.Put(51, 2, s.Row(51, "E"), 30);
             s.Put(71, 2, 17, 8);
         },
         "Summe LK-Schüler12/J1", S::Hint, 51, 2, kAnyRow, LastRow(51)},
        {"hint: no working groups", 116,
         [](auto& s) {
             s.engine.sheet.regionalNumber = "111000";
             s.Put(42, 1, 2, 5);
             s.Put(42, 0, 2, 429);
             s.Grid(31).FillRow(1, "0101;Chor;0;0;0;0");
         },
         "  3.1 keine AGs?", S::Hint, 31, 2, -1},
    };
    for (const Expected& e : cases)
        ExpectPlaced(e);
}

TEST(FindingPlaces, LinesStayAsTheyWereAndEachFindingPointsAtItsOwn) {
    PlausibilitySchool school(116);
    school.Put(22, 1, 3, 55);
    school.Put(22, 3, 1, 48);
    school.Put(22, 3, 2, 8);
    const auto& lines = school.Test();
    const Sheet& sheet = school.engine.sheet;
    // heading, one error, blank line, request, then the repeater note
    ASSERT_EQ(lines.size(), 5u) << school.Findings();
    EXPECT_EQ(lines[0], kFindingsHeading);
    EXPECT_EQ(lines[1], "Summe KlSt. 5 in   1.1+1.8 <> 2.2:  56 <> 55");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[4], "              2.2 gibt es wirklich mehr als 10% Wiederholer in KlSt. 7");
    ASSERT_EQ(sheet.findingDetails.size(), 2u);
    EXPECT_EQ(sheet.findingDetails[0].line, 1);
    EXPECT_EQ(sheet.findingDetails[1].line, 4);
    EXPECT_EQ(FindingOfLine(sheet.findingDetails, 2), nullptr);

    const int sumRow = school.Grid(22).RowCount() - 1;
    EXPECT_EQ(FindingCsvLine(sheet.findingDetails[0], lines),
              "Fehler;2.2;1;" + std::to_string(sumRow) +
                  ";Summe KlSt. 5 in   1.1+1.8 <> 2.2:  56 <> 55");
    EXPECT_EQ(FindingCsvLine(sheet.findingDetails[1], lines),
              "Hinweis;2.2;3;2;              2.2 gibt es wirklich mehr als 10% Wiederholer in "
              "KlSt. 7");
}

TEST(FindingPlaces, CsvLeavesOutWhatAFindingDoesNotName) {
    const std::vector<std::string> lines = {"heading", "Zeile\rzweiter Teil"};
    EXPECT_EQ(FindingCsvLine({FindingSeverity::Error, RowOf(21, 4), {}, 1}, lines),
              "Fehler;2.1;;4;Zeile zweiter Teil");
    EXPECT_EQ(FindingCsvLine({FindingSeverity::Hint, ColumnOf(31, 2), {}, 1}, lines),
              "Hinweis;3.1;2;;Zeile zweiter Teil");
    EXPECT_EQ(FindingCsvLine({FindingSeverity::Error, {}, {}, 1}, lines),
              "Fehler;;;;Zeile zweiter Teil");
    EXPECT_EQ(FindingCsvLine({FindingSeverity::Error, TableOf(51), {}, 7}, lines), "Fehler;5.1;;;");
}

TEST(FindingPlaces, AConsistentSchoolHasNone) {
    PlausibilitySchool school(116);
    school.Test();
    EXPECT_TRUE(school.engine.sheet.findingDetails.empty()) << school.Findings();
}

// Table 2.2 of the consistent school: columns 1..9 the levels, rows 1..8 the origins; row 1
// column 1 is locked (class 5 comes from primary school), the last row holds the sums.
class SheetEditing : public ::testing::Test {
protected:
    PlausibilitySchool school{116};
    Engine& engine = school.engine;
    StringGrid& grid = school.Grid(22);
    int sumRow = grid.RowCount() - 1;

    int Sum(int col) { return ParseInt(grid.Cells(col, sumRow)); }
    int Value(int col, int row) { return ParseInt(grid.Cells(col, row)); }
    std::vector<int> Sums() {
        std::vector<int> sums;
        for (int col = 1; col < grid.ColCount(); ++col)
            sums.push_back(Sum(col));
        return sums;
    }
};

TEST_F(SheetEditing, PasteFillsTheOpenCellsAndTheSumsFollow) {
    const std::string locked = grid.Cells(1, 1);
    const int sum2 = Sum(2) - Value(2, 1) - Value(2, 2);
    const int sum3 = Sum(3) - Value(3, 1) - Value(3, 2);
    const int sum1 = Sum(1) - Value(1, 2);
    const int written = PasteSheetCells(engine, "SG22", {1, 1, 1, 1}, "7\t8\t9\r\n4\t5\t6\r\n");
    EXPECT_EQ(written, 5);
    EXPECT_EQ(grid.Cells(1, 1), locked);
    EXPECT_EQ(Value(2, 1), 8);
    EXPECT_EQ(Value(3, 1), 9);
    EXPECT_EQ(Value(1, 2), 4);
    EXPECT_EQ(Value(2, 2), 5);
    EXPECT_EQ(Value(3, 2), 6);
    EXPECT_EQ(Sum(1), sum1 + 4);
    EXPECT_EQ(Sum(2), sum2 + 8 + 5);
    EXPECT_EQ(Sum(3), sum3 + 9 + 6);
    EXPECT_TRUE(engine.sheet.edited);
}

TEST_F(SheetEditing, PasteKeepsToTheGridAndTurnsSemicolonsIntoCommas) {
    const int lastCol = grid.ColCount() - 1;
    // Cells beyond the last column and row are dropped, not wrapped.
    EXPECT_EQ(PasteSheetCells(engine, "SG22", {lastCol, sumRow, lastCol, sumRow}, "1\t2\n3\t4"), 1);
    EXPECT_EQ(PasteSheetCells(engine, "SG22", {2, 2, 2, 2}, "1;5"), 1);
    EXPECT_EQ(grid.Cells(2, 2), "1,5");
    // One value fills the whole selection.
    EXPECT_EQ(PasteSheetCells(engine, "SG22", {4, 5, 5, 6}, "2\n"), 4);
    for (int col : {4, 5})
        for (int row : {5, 6})
            EXPECT_EQ(grid.Cells(col, row), "2");
    EXPECT_EQ(PasteSheetCells(engine, "SG22", {2, 2, 2, 2}, ""), 0);
    EXPECT_EQ(PasteSheetCells(engine, "NoGrid", {2, 2, 2, 2}, "1"), 0);
}

TEST_F(SheetEditing, UndoRestoresTextsAndSumsAndRedoDoesItAgain) {
    const std::vector<std::string> before = grid.Row(2);
    const std::vector<int> sumsBefore = Sums();
    PasteSheetCells(engine, "SG22", {1, 2, 3, 2}, "11\t12\t13");
    const std::vector<std::string> pasted = grid.Row(2);
    const std::vector<int> sumsPasted = Sums();
    ASSERT_NE(sumsPasted, sumsBefore);
    ASSERT_NE(pasted, before);

    EXPECT_TRUE(UndoSheetEdit(engine));
    EXPECT_EQ(grid.Row(2), before);
    EXPECT_EQ(Sums(), sumsBefore);
    EXPECT_FALSE(UndoSheetEdit(engine));

    EXPECT_TRUE(RedoSheetEdit(engine));
    EXPECT_EQ(grid.Row(2), pasted);
    EXPECT_EQ(Sums(), sumsPasted);
    EXPECT_FALSE(RedoSheetEdit(engine));
}

TEST_F(SheetEditing, KeystrokesInOneCellAreOneStepAndANewEditDropsTheRedo) {
    const std::string first = grid.Cells(4, 2);
    EditSheetCell(engine, "SG22", 4, 2, "1");
    EditSheetCell(engine, "SG22", 4, 2, "12");
    EditSheetCell(engine, "SG22", 5, 2, "3");
    EXPECT_TRUE(UndoSheetEdit(engine));
    EXPECT_EQ(grid.Cells(4, 2), "12");
    EXPECT_TRUE(UndoSheetEdit(engine));
    EXPECT_EQ(grid.Cells(4, 2), first);

    EditSheetCell(engine, "SG22", 6, 2, "5");
    EXPECT_FALSE(RedoSheetEdit(engine));
}

TEST_F(SheetEditing, CopyGivesTabsAndLinesOfTheRange) {
    grid.SetCells(2, 2, "5");
    grid.SetCells(3, 2, "");
    grid.SetCells(2, 3, "7");
    grid.SetCells(3, 3, "8");
    EXPECT_EQ(CopySheetCells(engine, "SG22", {2, 2, 3, 3}), "5\t\n7\t8\n");
    // A range past the grid's end is cut at it.
    const int lastCol = grid.ColCount() - 1;
    EXPECT_EQ(CopySheetCells(engine, "SG22", {lastCol, 2, lastCol + 5, 2}),
              grid.Cells(lastCol, 2) + "\n");
}
