// The grids written into the school record, the recomputation of all tables and what the
// sheet does after a load.
#include "output/codepage.h"
#include "sheet/record_mapping.h"
#include "sheet/row_ids.h"
#include "sheet/subject_tables.h"

#include <gtest/gtest.h>

using namespace tev;

namespace {

struct YearSheet {
    explicit YearSheet(int year) { ShapeSheetForYear(sheet, year); }
    StringGrid& operator[](int table) { return *sheet.grids.FindTable(table); }
    const SchoolRecord& record() const { return sheet.record; }
    Sheet sheet;
};

std::string Letters(const SchoolRecord& record, int rowId) {
    return {record.languageLetters[rowId].begin(), record.languageLetters[rowId].end()};
}

} // namespace

TEST(WriteBack11, PlacesEachGridRowUnderItsRowId) {
    YearSheet s(116);
    s[11].SetCells(0, 2, "E");
    s[11].SetCells(1, 2, "F");
    s[11].SetCells(3, 2, "28");   // class 5
    s[11].SetCells(11, 2, "xy");  // text counts 0
    s[11].SetCells(5, 39, "3");   // grid row 39 holds RowId 64
    s[18].SetCells(10, 42, "12"); // J1 of RowId 40
    WriteBack11(s.sheet);
    EXPECT_EQ(Letters(s.record(), 2), "EF ");
    EXPECT_EQ(s.record().pupils11[2][1], 28);
    EXPECT_EQ(s.record().pupils11[2][9], 0);
    EXPECT_EQ(s.record().pupils11[RowIdOfRow(39)][3], 3);
    EXPECT_EQ(RowIdOfRow(39), 64);
    EXPECT_EQ(s.record().pupils18[40][8], 12);
    EXPECT_EQ(s.record().pupils11[39][3], 0);
}

TEST(WriteBack11, ParallelClassesAToHOnly) {
    YearSheet s(116);
    s[12].SetCells(0, 1, "a");
    s[12].SetCells(1, 1, "27");
    s[12].SetCells(7, 8, "24");  // class h, level 11
    s[12].SetCells(1, 9, "30");  // class i has no RowId
    s[12].SetCells(1, 16, "11"); // preparatory class
    WriteBack11(s.sheet);
    EXPECT_EQ(s.record().classLetters[1], 'a');
    EXPECT_EQ(s.record().pupils11[41][1], 27);
    EXPECT_EQ(s.record().pupils11[48][7], 24);
    for (int rowId = 49; rowId < kRecordRowIds; ++rowId)
        EXPECT_EQ(s.record().pupils11[rowId][1], 0) << rowId;
    EXPECT_EQ(s[12].Cells(1, 9), "30");
}

TEST(WriteBackCourses, CodeListRowsFromRegimeTwo) {
    YearSheet s(116);
    const int caRow = SubjectCodeIndex("CA");
    const int turRow = SubjectCodeIndex("Tur");
    s[61].SetCells(1, caRow, "2");
    s[61].SetCells(10, caRow, "6");
    s[61].SetCells(1, turRow, "1"); // not in the index table
    s[51].SetCells(2, SubjectCodeIndex("NWT"), "17");
    WriteBackCourses(s.sheet);
    const int cas = SubjectIndexOf("CAS");
    EXPECT_EQ(s.record().courses61[cas][1], 2);
    EXPECT_EQ(s.record().courses61[cas][10], 6);
    int stored = 0;
    for (const auto& subject : s.record().courses61)
        for (int16_t value : subject)
            stored += value;
    EXPECT_EQ(stored, 8);
    EXPECT_EQ(s.record().courses51[SubjectIndexOf("NWT")][2], 17);
}

TEST(WriteBackCourses, FixedListsInRegimeOne) {
    YearSheet s(101);
    const int last = s[61].RowCount() - 1;
    s[61].SetCells(3, 14, "4"); // row 14 of the 6.1 list is "Eth"
    s[61].SetCells(3, last, "40");
    s[61].SetCells(3, 41, "99"); // the list's own "ges" row is not the total
    WriteBackCourses(s.sheet);
    EXPECT_EQ(s.record().courses61[SubjectIndexOf("Eth")][3], 4);
    EXPECT_EQ(s.record().courses61[SubjectIndexOf("ges")][3], 40);
}

TEST(WriteBackHours, HoursAndSubjectColumns) {
    YearSheet s(116);
    s[91].SetCells(5, 3, "4"); // D, class 5
    s[91].SetCells(16, 4, "2");
    WriteBackCourses(s.sheet);
    const HoursTable& hours = s.record().hours91;
    EXPECT_EQ(hours.colCount, 28);
    EXPECT_EQ(hours.rowCount, 23);
    EXPECT_EQ(hours.hours[3][5], 4);
    EXPECT_EQ(hours.hours[4][16], 2);
    EXPECT_EQ(hours.hours[3][0], 0); // the label "5" is no hour
    EXPECT_EQ(hours.subjectIndex[5], SubjectIndexOf("D"));
    EXPECT_EQ(hours.subjectIndex[16], SubjectIndexOf("Son"));
    EXPECT_EQ(hours.subjectIndex[27], 0);
    EXPECT_EQ(s.record().hours92.colCount, 29);
}

TEST(DeriveTargetHours, CopiesImportedTargetsOrShowsTheNote) {
    YearSheet s(116);
    DeriveTargetHours(s.sheet);
    EXPECT_EQ(s[92].Cells(0, 1), "9.2");
    EXPECT_EQ(s[92].Cells(0, 4), Win("unterstützt"));
    EXPECT_EQ(s[92].RowCount(), 14);
    EXPECT_EQ(s[92].ColCount(), 29);

    StringGrid& shadow = *s.sheet.grids.Find("SG92shadow");
    shadow.SetColCount(29);
    shadow.SetRowCount(14);
    shadow.SetCells(5, 0, "D");
    shadow.SetCells(5, 3, "5");
    shadow.SetCells(27, 11, "840");
    s[11].SetCells(3, 1, "30");
    DeriveTargetHours(s.sheet);
    EXPECT_EQ(s[92].Cells(5, 3), "5");
    EXPECT_EQ(s.record().hours92.hours[3][5], 5);
    EXPECT_EQ(s.record().hours92.subjectIndex[5], SubjectIndexOf("D"));
    EXPECT_EQ(s.record().pupils11[1][1], 30);
}

TEST(UpdAll, RecomputesEveryTableAndNormalisesExchangeSubjects) {
    YearSheet s(116);
    s[21].SetCells(1, 1, "3");
    s[81].SetCells(1, 1, "ENG");
    s[81].SetCells(2, 1, "2");
    s[51].SetCells(1, 0, "old");
    s[91].SetCells(2, 3, "4");
    UpdAll(s.sheet);
    EXPECT_EQ(s[21].Cells(1, 3), "  3");
    EXPECT_EQ(s[81].Cells(1, 1), "E  ");
    EXPECT_EQ(s[81].Cells(1, 13), "Insgesamt");
    EXPECT_EQ(s[81].Cells(2, 13), "  2");
    EXPECT_EQ(s[51].Cells(1, 0), "4std");
    EXPECT_EQ(s[41].Cells(2, 62), "  4");
}

TEST(AfterLoad, RewritesHeadingsAndDerivesTargetsOnLoad) {
    YearSheet s(119);
    s[51].SetCells(1, 0, "LK12");
    s[34].SetCells(0, 1, "");
    s[41].SetCells(0, 61, "");
    s[11].SetCells(3, 1, "30");
    AfterLoad(s.sheet, 1);
    EXPECT_EQ(s[51].Cells(1, 0), "L J1");
    EXPECT_EQ(s[41].Cells(0, 61), "");       // heading cell (6, 0) was there
    EXPECT_EQ(s.record().pupils11[1][1], 0); // an import derives nothing
    AfterLoad(s.sheet, 0);
    EXPECT_EQ(s.record().pupils11[1][1], 30);
    EXPECT_EQ(s[34].Cells(0, 1).substr(0, 12), Win("Minderjährig"));
    s[41].SetCells(6, 0, "");
    AfterLoad(s.sheet, 1);
    EXPECT_EQ(s[41].Cells(0, 61), Win("Schüler insgesamt"));
}

TEST(AfterLoad, KeepsOlderLeaverHeadingsIn2012) {
    YearSheet s(112);
    s[32].SetCells(9, 0, "Jgst.2 ohne Hochschulreife");
    AfterLoad(s.sheet, 1);
    EXPECT_EQ(s[32].Cells(9, 0), "Jgst.2 ohne Hochschulreife");
    s[32].SetCells(9, 0, "x");
    AfterLoad(s.sheet, 1);
    EXPECT_EQ(s[32].Cells(9, 0), "J2 G9 mit Hochschulreife");
}

TEST(ShapeSheetForYear, EmptiesTheGridsOfThePreviousSchool) {
    YearSheet s(116);
    s[21].SetCells(3, 1, "12");
    s[23].SetRowCount(12);
    ShapeSheetForYear(s.sheet, 119);
    EXPECT_EQ(s.sheet.schoolYearCode, 119);
    EXPECT_EQ(s.sheet.courseRegime, 4);
    EXPECT_EQ(s[21].Cells(3, 1), "");
    EXPECT_EQ(s[23].RowCount(), 2);
    EXPECT_EQ(s[21].Cells(0, 1), Win("männlich"));
}

namespace {

// Every grid of the sheet changed the ways a school's load and the window change them.
void Dirty(Sheet& sheet) {
    for (StringGrid& grid : sheet.grids.All()) {
        grid.SetColCount(grid.ColCount() + 3);
        grid.SetRowCount(grid.RowCount() + 5);
        for (int row = 0; row < grid.RowCount(); row += 2)
            for (int col = 0; col < grid.ColCount(); col += 3)
                grid.SetCells(col, row, "x" + std::to_string(col));
        grid.SetColWidth(0, 7);
        grid.SetRowHeight(1, 9);
        grid.SetFixedCols(0);
    }
}

void ExpectSameGrids(const Sheet& shaped, const Sheet& reference) {
    const auto grids = shaped.grids.All();
    const auto expected = reference.grids.All();
    ASSERT_EQ(grids.size(), expected.size());
    for (size_t i = 0; i < grids.size(); ++i) {
        const StringGrid& a = grids[i];
        const StringGrid& b = expected[i];
        SCOPED_TRACE(a.Name());
        ASSERT_EQ(a.ColCount(), b.ColCount());
        ASSERT_EQ(a.RowCount(), b.RowCount());
        EXPECT_EQ(a.FixedCols(), b.FixedCols());
        EXPECT_EQ(a.FixedRows(), b.FixedRows());
        for (int col = 0; col < a.ColCount(); ++col)
            EXPECT_EQ(a.ColWidth(col), b.ColWidth(col)) << col;
        for (int row = 0; row < a.RowCount(); ++row) {
            EXPECT_EQ(a.RowHeight(row), b.RowHeight(row)) << row;
            EXPECT_EQ(a.Row(row), b.Row(row)) << row;
        }
    }
}

// The sheet shaped through its kept headings against a copy that makes them anew.
void ExpectShapedAsIfNew(Sheet& sheet, int year) {
    Sheet reference = sheet;
    reference.headedGrids = HeadedGrids{};
    ShapeSheetForYear(sheet, year);
    ShapeSheetForYear(reference, year);
    ExpectSameGrids(sheet, reference);
}

} // namespace

TEST(ShapeSheetForYear, KeptHeadingsGiveWhatNewHeadingsGive) {
    YearSheet s(116);
    Dirty(s.sheet);
    ExpectShapedAsIfNew(s.sheet, 116);
    // Another year, another screen width and other row lists make the headings anew.
    Dirty(s.sheet);
    ExpectShapedAsIfNew(s.sheet, 121);
    s.sheet.screenWidth = 800;
    Dirty(s.sheet);
    ExpectShapedAsIfNew(s.sheet, 121);
    s.sheet.rowLists.workingGroups = {"0001 Chor", "0002 Theater"};
    Dirty(s.sheet);
    ExpectShapedAsIfNew(s.sheet, 121);
    EXPECT_NE(s[31].Row(1), YearSheet(121)[31].Row(1));
    Dirty(s.sheet);
    ExpectShapedAsIfNew(s.sheet, 112);
}
