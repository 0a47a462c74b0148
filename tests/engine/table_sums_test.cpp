// The sums and derived cells that the sheet recomputes when a cell is edited.
#include "output/codepage.h"
#include "sheet/record_mapping.h"

#include <gtest/gtest.h>

using namespace tev;

namespace {

// A sheet shaped for a school year; cells typed as the user types them.
struct YearSheet {
    explicit YearSheet(int year) { ShapeSheetForYear(sheet, year); }
    StringGrid& operator[](int table) { return *sheet.grids.FindTable(table); }
    void Type(int table, int col, int row, const std::string& text) {
        OnCellEdited(sheet, (*this)[table], col, row, text);
    }
    const std::string& At(int table, int col, int row) { return (*this)[table].Cells(col, row); }
    Sheet sheet;
};

} // namespace

TEST(TableSums, PromotionTableAddsBoysAndGirlsAndLevels) {
    YearSheet s(116);
    s.Type(21, 3, 1, "12");
    s.Type(21, 3, 2, "8");
    EXPECT_EQ(s.At(21, 3, 3), " 20");
    EXPECT_EQ(s.At(21, 8, 1), " 12");
    EXPECT_EQ(s.At(21, 8, 2), "  8");
    EXPECT_EQ(s.At(21, 8, 3), " 20");
    // Text counts 0 and stays as typed; a zero sum is empty.
    s.Type(21, 3, 1, "xy");
    s.Type(21, 3, 2, "");
    EXPECT_EQ(s.At(21, 3, 1), "xy");
    EXPECT_EQ(s.At(21, 3, 3), "");
    EXPECT_EQ(s.At(21, 8, 3), "");
}

TEST(TableSums, OriginNationalityAndBirthYearTotals) {
    YearSheet s(116);
    s.Type(22, 1, 1, "30");
    s.Type(22, 1, 14, "2");
    EXPECT_EQ(s.At(22, 1, 15), " 32");
    s[23].SetRowCount(4);
    s.Type(23, 2, 1, "5");
    s.Type(23, 2, 2, "7");
    EXPECT_EQ(s.At(23, 2, 3), " 12");
    s.Type(24, 1, 1, "4");
    s.Type(24, 13, 2, "6");
    EXPECT_EQ(s.At(24, 1, 3), "  4");
    EXPECT_EQ(s.At(24, 14, 3), " 10");
    EXPECT_EQ(s.At(24, 14, 2), "  6");
}

TEST(TableSums, PupilTableTotalsAndRegularClassesFrom2016) {
    YearSheet s(116);
    s.Type(11, 3, 1, "50");   // class 5, sequence E
    s.Type(11, 3, 35, "10");  // preparatory class
    s.Type(11, 3, 38, "30");  // girls
    s.Type(11, 3, 50, "4");   // girls of the preparatory classes
    s.Type(11, 10, 36, "80"); // J1
    s.Type(11, 10, 35, "5");
    EXPECT_EQ(s.At(11, 3, 37), " 60");
    EXPECT_EQ(s.At(11, 3, 55), " 50");
    EXPECT_EQ(s.At(11, 10, 55), " 80");
    EXPECT_EQ(s.At(11, 3, 56), " 26");
    EXPECT_EQ(s.At(11, 12, 37), "145");
    EXPECT_EQ(s.At(11, 12, 1), " 50");
    // More preparatory girls than girls never gives a negative count.
    s.Type(11, 3, 50, "40");
    EXPECT_EQ(s.At(11, 3, 56), "");
}

TEST(TableSums, PupilTableBefore2016LeavesRows55And56) {
    YearSheet s(115);
    s.Type(18, 4, 55, "7");
    s.Type(18, 4, 2, "20");
    EXPECT_EQ(s.At(18, 4, 55), "7");
    EXPECT_EQ(s.At(18, 4, 37), " 20");
    EXPECT_EQ(s.At(18, 12, 55), "  7");
}

TEST(TableSums, ClassTableWithPreparatoryClasses) {
    YearSheet s(116);
    ASSERT_EQ(s[12].RowCount(), 21);
    s.Type(12, 1, 1, "28");
    s.Type(12, 1, 2, "27");
    s.Type(12, 2, 14, "30");
    s.Type(12, 1, 16, "12");
    EXPECT_EQ(s.At(12, 1, 15), " 55");
    EXPECT_EQ(s.At(12, 1, 19), " 12");
    EXPECT_EQ(s.At(12, 1, 20), " 67");
    EXPECT_EQ(s.At(12, 8, 2), " 85");
    EXPECT_EQ(s.At(12, 8, 3), " 12");
    EXPECT_EQ(s.At(12, 8, 4), " 97");
}

TEST(TableSums, ClassTableEmptiesATotalLeftInRowNine) {
    YearSheet s(115);
    ASSERT_EQ(s[12].RowCount(), 16);
    for (int row = 1; row <= 3; ++row)
        s[12].SetCells(2, row, "25");
    s[12].SetCells(2, 9, "75"); // the old layout's total
    s[12].SetCells(3, 1, "25");
    s[12].SetCells(3, 9, "x"); // a text is no total
    s[12].SetCells(4, 1, "30");
    s[12].SetCells(4, 9, "26"); // a real class i
    RecomputeTable(s.sheet, s[12]);
    EXPECT_EQ(s.At(12, 2, 9), "");
    EXPECT_EQ(s.At(12, 2, 15), " 75");
    EXPECT_EQ(s.At(12, 3, 9), "x");
    EXPECT_EQ(s.At(12, 4, 15), " 56");
}

TEST(TableSums, WorkingGroupsSumEveryValueColumn) {
    YearSheet s(116);
    s.Type(52, 2, 1, "2");
    s.Type(52, 3, 1, "30");
    s.Type(52, 3, 9, "12");
    EXPECT_EQ(s.At(52, 2, 10), "  2");
    EXPECT_EQ(s.At(52, 3, 10), " 42");
    EXPECT_EQ(s.At(52, 1, 10), "Insgesamt");
}

TEST(TableSums, LeaverTotalSkipsTheSubCountColumns) {
    YearSheet s(116);
    s.Type(32, 3, 1, "5"); // 9 ohne HA insges
    s.Type(32, 4, 1, "2"); //  dar. Abschluss FSP lernen
    s.Type(32, 3, 2, "1");
    EXPECT_EQ(s.At(32, 14, 1), "  5");
    EXPECT_EQ(s.At(32, 3, 3), "  6");
    EXPECT_EQ(s.At(32, 14, 3), "  6");
    YearSheet later(118);
    later.Type(32, 14, 1, "3"); // VKL
    later.Type(32, 9, 1, "4");  // J1 insges
    later.Type(32, 10, 1, "1"); //  dar. mit FH-Reife
    EXPECT_EQ(later.At(32, 15, 1), "  7");
}

TEST(TableSums, SportsTableSaysWhetherTheGamesTookPlace) {
    YearSheet s(116);
    s.Type(33, 1, 2, "120");
    EXPECT_EQ(s.At(33, 1, 0), "ja");
    s.Type(33, 1, 2, "0");
    EXPECT_EQ(s.At(33, 1, 0), "nein");
}

TEST(TableSums, ResidenceTotalsAndClassTotals) {
    YearSheet s(116);
    s.Type(91, 2, 3, "4");  // four classes 5
    s.Type(12, 1, 16, "9"); // one preparatory class at level 5
    s.Type(12, 1, 17, "");
    s.Type(41, 2, 1, "60");
    s.Type(41, 3, 2, "50");
    EXPECT_EQ(s.At(41, 2, 61), " 60");
    EXPECT_EQ(s.At(41, 11, 1), " 60");
    EXPECT_EQ(s.At(41, 11, 61), "110");
    EXPECT_EQ(s.At(41, 2, 62), "  5");
    EXPECT_EQ(s.At(41, 11, 62), "  5"); // 9.1's sum row has 4, plus the preparatory class
}

TEST(TableSums, HomeTownOfACityThatIsItsOwnDistrict) {
    YearSheet s(116);
    s.sheet.regionalNumber = "222000";
    s[42].SetCells(0, 2, "Text");
    s[42].SetCells(2, 2, "3");
    s.Type(42, 1, 2, "5");
    EXPECT_EQ(s.At(42, 0, 2), "");
    EXPECT_EQ(s.At(42, 1, 2), "0");
    EXPECT_EQ(s.At(42, 2, 2), "  8");
    EXPECT_EQ(s.At(42, 9, 2), "  8");
    YearSheet rural(116);
    rural.sheet.regionalNumber = "225014";
    rural.Type(42, 1, 2, "5");
    rural.Type(42, 0, 2, "100");
    EXPECT_EQ(rural.At(42, 1, 2), "5");
    EXPECT_EQ(rural.At(42, 9, 2), "105");
}

TEST(TableSums, InclusionTotalsFrom2022) {
    YearSheet s(122);
    s.Type(43, 5, 1, "2"); // Lernen, all target-different
    s.Type(43, 5, 3, "3"); // Sprache
    s.Type(43, 5, 5, "1"); //   of them target-different
    s.Type(43, 5, 4, "1"); //   girls
    s.Type(43, 6, 3, "4");
    EXPECT_EQ(s.At(43, 5, 20), "  5");
    EXPECT_EQ(s.At(43, 5, 21), "  1");
    EXPECT_EQ(s.At(43, 5, 22), "  3");
    EXPECT_EQ(s.At(43, 14, 3), "  7");
    EXPECT_EQ(s.At(43, 14, 20), "  9");
}

TEST(TableSums, InclusionTotalsBefore2022) {
    YearSheet s(116);
    s.Type(43, 7, 1, "2");
    s.Type(43, 7, 13, "3");
    s.Type(43, 7, 14, "1");
    EXPECT_EQ(s.At(43, 7, 15), "  5");
    EXPECT_EQ(s.At(43, 7, 16), "  1");
    EXPECT_EQ(s.At(43, 14, 15), "  5");
}

TEST(TableSums, IslamicEducationParticipants) {
    YearSheet s(120);
    s.Type(44, 1, 2, "3");
    s.Type(44, 9, 2, "4");
    s.Type(44, 10, 2, "1"); // "Angebot fällt aus" is no class level
    EXPECT_EQ(s.At(44, 0, 2), "  7");
}

TEST(TableSums, CourseTotalsLeaveOutTheGesRow) {
    YearSheet s(116);
    const int last = s[51].RowCount() - 1;
    s.Type(51, 1, 1, "3");
    s.Type(51, 1, 2, "2");
    EXPECT_EQ(s.At(51, 1, last), "  5");
    EXPECT_EQ(s.At(51, 0, last), "ges");
    // A saved total read back into the "ges" row does not count twice.
    s.Type(51, 1, last - 1, "5");
    EXPECT_EQ(s.At(51, 1, last), "  5");
}

TEST(TableSums, CourseSizesPerRegime) {
    YearSheet s(116);
    s.Type(71, 2, 1, "1");
    s.Type(71, 2, 4, "2");
    s.Type(71, 2, 13, "3");
    s.Type(71, 2, 26, "4");
    EXPECT_EQ(s.At(71, 2, 5), "  3");
    EXPECT_EQ(s.At(71, 2, 19), "  3");
    EXPECT_EQ(s.At(71, 2, 27), "  4");
    YearSheet old(101);
    ASSERT_EQ(old[71].RowCount(), 12);
    old.Type(71, 2, 7, "6");
    EXPECT_EQ(old.At(71, 2, 11), "  6");
}

TEST(TableSums, CourseCombinationRowAndColumnTotals) {
    YearSheet s(112);
    s.Type(72, 3, 1, "2");
    s.Type(72, 4, 1, "3");
    s.Type(72, 3, 2, "1");
    EXPECT_EQ(s.At(72, 16, 1), "  5");
    EXPECT_EQ(s.At(72, 3, 21), "  3");
    EXPECT_EQ(s.At(72, 16, 21), "  6");
}

TEST(TableSums, CourseExchangeAndGradeTotals) {
    YearSheet s(116);
    s.Type(81, 2, 1, "2");
    s.Type(81, 3, 12, "4");
    s.Type(81, 2, 14, "5");
    EXPECT_EQ(s.At(81, 2, 13), "  2");
    EXPECT_EQ(s.At(81, 3, 13), "  4");
    EXPECT_EQ(s.At(81, 2, 26), "  5");
    s.Type(83, 1, 1, "3");
    s.Type(83, 1, 31, "9");
    EXPECT_EQ(s.At(83, 1, 32), " 12");
    YearSheet twoTracks(111);
    twoTracks.Type(83, 2, 5, "4");
    EXPECT_EQ(twoTracks.At(83, 2, 32), "  4");
}

TEST(TableSums, HoursTableSumsDifferencesAndTeacherRatio) {
    YearSheet s(116);
    s.Type(91, 3, 1, "25"); // target hours EvR
    s.Type(91, 3, 3, "10");
    s.Type(91, 3, 11, "12");
    s.Type(91, 3, 17, "2"); // teachers
    s.Type(91, 4, 1, "8");  // KR without teachers
    EXPECT_EQ(s.At(91, 3, 12), " 22");
    EXPECT_EQ(s.At(91, 3, 13), " -3");
    EXPECT_EQ(s.At(91, 3, 19), "12,5");
    EXPECT_EQ(s.At(91, 4, 19), "");
    EXPECT_EQ(s.At(91, 27, 1), " 33");
    EXPECT_EQ(s.At(91, 27, 19), "16,5");
    EXPECT_EQ(s.At(91, 27, 2), "");
}
