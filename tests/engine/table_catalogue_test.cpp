#include "output/codepage.h"
#include "sheet/table_catalogue.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tev;

namespace {

// A sheet shaped for a school year, the way the window prepares it.
struct YearSheet {
    explicit YearSheet(int year, int screenWidth = kDefaultScreenWidth, TableRowLists lists = {}) {
        SetAllTableHeadings(grids, year, screenWidth, lists);
    }
    StringGrid& operator[](int table) { return *grids.FindTable(table); }
    SheetGrids grids;
};

std::vector<std::string> Captions(int year) {
    std::vector<std::string> captions;
    for (const auto& tab : SheetTabs(year))
        captions.push_back(tab.caption);
    return captions;
}

bool Has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

bool Editable(const StringGrid& grid, int col, int row, int year) {
    return IsCellEditable(grid, col, row, year).editable;
}

} // namespace

TEST(TableTitles, FillTheSchoolYearPlaceholders) {
    EXPECT_EQ(TableTitle("SG32", 116), Win("Abgänge im Schuljahr 2015/16"));
    EXPECT_EQ(TableTitle("SG83", 116), "Abiturzeugnisse 2016 nach Notenstufen");
    EXPECT_EQ(TableTitle("SG33", 100), "Bundesjugendspiele im Schuljahr 1999/00");
    EXPECT_EQ(FillYearPlaceholders("#+\\ und #0 #x#", 119), "2020 und 2019/20 #x#");
    EXPECT_EQ(TableTitle("SG00", 116), " ");
    EXPECT_EQ(TableTitle("SG77", 116), "");
    EXPECT_EQ(TableTitle("SGcmp", 116), "");
}

TEST(TableTitles, CourseTablesAreNamedAfterTheRegime) {
    EXPECT_EQ(CourseRegimeFor(90), 1);
    EXPECT_EQ(CourseRegimeFor(101), 1);
    EXPECT_EQ(CourseRegimeFor(102), 2);
    EXPECT_EQ(CourseRegimeFor(103), 3);
    EXPECT_EQ(CourseRegimeFor(118), 3);
    EXPECT_EQ(CourseRegimeFor(119), 4);
    EXPECT_EQ(CourseRegimeFor(120), 5);
    EXPECT_EQ(CourseRegimeFor(130), 5);
    EXPECT_EQ(TableTitle("SG51", 101), "Leistungskurse");
    EXPECT_EQ(TableTitle("SG61", 119), Win("Basiskurse/Zweistündige Kurse"));
    EXPECT_EQ(TableTitle("SG51", 124), "Leistungskurse");
}

TEST(SheetTabs, DependOnTheSchoolYear) {
    EXPECT_FALSE(Has(Captions(119), "4.4"));
    EXPECT_TRUE(Has(Captions(120), "4.4"));
    EXPECT_TRUE(Has(Captions(112), "7.2"));
    EXPECT_FALSE(Has(Captions(112), "---"));
    EXPECT_FALSE(Has(Captions(113), "7.2"));
    EXPECT_TRUE(Has(Captions(113), "---"));
    EXPECT_FALSE(Has(Captions(120), "---"));
    const auto tabs = SheetTabs(116);
    EXPECT_EQ(tabs.front().caption, Win("Übersicht"));
    EXPECT_EQ(tabs.back().caption, "Auszug");
    EXPECT_EQ(tabs.size(), 32u);
    EXPECT_EQ(SheetTabs(120).size(), 32u);
    EXPECT_EQ(SheetTabs(112)[20].subHeading.substr(0, 17), Win("(einschließlich d"));
    EXPECT_EQ(TabTableNumber("1.8(8j.)"), 18);
    EXPECT_EQ(TabTableNumber("Test"), -1);
    EXPECT_EQ(TabTableNumber("5+6"), -1);
}

TEST(SheetTabs, TablesOfOtherYearsKeepNoShape) {
    YearSheet sheet113(113);
    EXPECT_EQ(sheet113[72].ColCount(), 5);
    EXPECT_EQ(sheet113[44].ColCount(), 5);
    YearSheet sheet120(120);
    EXPECT_EQ(sheet120[44].ColCount(), 16);
    YearSheet sheet112(112);
    EXPECT_EQ(sheet112[72].ColCount(), 17);
    EXPECT_EQ(sheet112[72].Cells(15, 0), "beurlaubt");
    EXPECT_EQ(sheet112[72].Cells(3, 0), "I");
    EXPECT_EQ(sheet112[72].Cells(14, 0), "Ph");
}

TEST(PupilTables, ShapeRowsAndLabels) {
    YearSheet sheet(115);
    StringGrid& g11 = sheet[11];
    StringGrid& g18 = sheet[18];
    EXPECT_EQ(g11.ColCount(), 13);
    EXPECT_EQ(g11.RowCount(), 57);
    EXPECT_EQ(g11.FixedCols(), 0);
    EXPECT_EQ(g11.Cells(9, 0), "11");
    EXPECT_EQ(g18.Cells(9, 0), "");
    EXPECT_EQ(g18.Cells(12, 0), "Summe");
    EXPECT_EQ(g11.ColWidth(1), 38);
    EXPECT_EQ(g11.RowHeight(56), 22);
    EXPECT_EQ(g11.Cells(0, 35), "");
    EXPECT_EQ(g11.Cells(0, 36), "NGO");
    EXPECT_EQ(g11.Cells(0, 37), Win("Schüler insges:"));
    EXPECT_EQ(g11.Cells(0, 39), "mit mn-Zug");
    EXPECT_EQ(g11.Cells(0, 40), Win("Ausländer"));
    EXPECT_EQ(g11.Cells(0, 43), "mit Sprachzug");
    EXPECT_EQ(g11.Cells(0, 56), "ohn.Zuordnung");
}

TEST(PupilTables, FromSchoolYear116CarryThePreparatoryClasses) {
    YearSheet sheet(116);
    for (int table : {11, 18}) {
        StringGrid& grid = sheet[table];
        EXPECT_EQ(grid.Cells(0, 35), "VKL");
        EXPECT_EQ(grid.Cells(0, 50), "  dar. weibl.VKL");
        EXPECT_EQ(grid.Cells(0, 52), "  dar. weibl.Mig");
        EXPECT_EQ(grid.Cells(0, 55), "Sch.in Regelkl.");
        EXPECT_EQ(grid.Cells(0, 56), Win(" dar.Mädchen Reg"));
        EXPECT_EQ(grid.Cells(0, 49), "mit biling.F");
    }
    // Shaped again for an earlier year, row 35 holds language letters; typed data stays.
    sheet[11].SetCells(1, 35, "F");
    sheet[11].SetCells(4, 35, "7");
    SetTableHeadings(sheet.grids, 11, 115);
    EXPECT_EQ(sheet[11].Cells(0, 35), "");
    EXPECT_EQ(sheet[11].Cells(1, 35), "F");
    EXPECT_EQ(sheet[11].Cells(4, 35), "7");
    EXPECT_EQ(sheet[11].Cells(0, 55), "mit Sprachprf");
}

TEST(RowIds, LabelsAreSixteenCharactersWithLanguagesInPlace) {
    for (int id = 0; id < kRowIdCount; ++id)
        EXPECT_EQ(RowIdLabel(id).size(), 16u) << id;
    EXPECT_EQ(RowIdLabel(1), "E               ");
    EXPECT_EQ(RowIdLabel(2), "    EF          ");
    EXPECT_EQ(RowIdLabel(3), "        EF    M ");
    EXPECT_EQ(RowIdLabel(4), "        EFL  N2 ");
    EXPECT_EQ(RowIdLabel(31), "        LEGr  A ");
    EXPECT_EQ(RowIdLabel(35), "Sonst.  ____ __ ");
    EXPECT_EQ(RowIdLabel(38), Win("dar.  Mädchen   "));
    EXPECT_EQ(RowIdLabel(85), "dar. weibl.MGH  ");
    EXPECT_EQ(RowIdLabel(86), std::string(16, ' '));
    EXPECT_EQ(RowIdLabel(-1), std::string(16, ' '));
}

TEST(RowIds, StandInTheGridRowsInFormOrder) {
    EXPECT_EQ(RowIdOfRow(38), 38);
    EXPECT_EQ(RowIdOfRow(39), 64);
    EXPECT_EQ(RowIdOfRow(40), 39);
    EXPECT_EQ(RowIdOfRow(41), 63);
    EXPECT_EQ(RowIdOfRow(42), 40);
    EXPECT_EQ(RowIdOfRow(43), 65);
    EXPECT_EQ(RowIdOfRow(44), 66);
    EXPECT_EQ(RowIdOfRow(56), 78);
    EXPECT_EQ(RowIdOfRow(57), 0);
    EXPECT_EQ(RowIdOfRow(0), 0);
    EXPECT_EQ(RowOfRowId(39), 40);
    EXPECT_EQ(RowOfRowId(41), -1);
    EXPECT_EQ(RowOfRowId(0), -1);
}

TEST(SubjectTables, LookUpCodesOnThreeCharacters) {
    ASSERT_EQ(SubjectCodeTable().size(), 50u);
    EXPECT_EQ(SubjectCodeIndex("E  "), 2);
    EXPECT_EQ(SubjectCodeIndex("E"), 2);
    EXPECT_EQ(SubjectCodeIndex("D  x"), 1);
    EXPECT_EQ(SubjectCodeIndex("Gr\""), 16);
    EXPECT_EQ(SubjectCodeIndex("ges"), 49);
    EXPECT_EQ(SubjectCodeIndex("XYZ"), 0);
    EXPECT_EQ(SubjectCodeIndex("   "), 0);
    EXPECT_EQ(SubjectCodeIndex(""), 0);
    ASSERT_EQ(SubjectIndexTable().size(), 55u);
    EXPECT_EQ(SubjectIndexOf("CAS"), 35);
    EXPECT_EQ(SubjectIndexOf("ges"), 40);
    EXPECT_EQ(SubjectIndexOf("Ukr"), 54);
    EXPECT_EQ(SubjectIndexOf("   "), -1);
    EXPECT_EQ(ExpandSubjectCode("S  "), "Sport");
    EXPECT_EQ(ExpandSubjectCode("Sp"), "Spanisch");
    EXPECT_EQ(ExpandSubjectCode("I"), "Italienisch");
    EXPECT_EQ(ExpandSubjectCode("SM "), "SM ");
}

TEST(CourseTables, FollowTheRegime) {
    YearSheet regime1(101);
    EXPECT_EQ(regime1[51].RowCount(), 28);
    EXPECT_EQ(regime1[51].Cells(0, 23), "Por");
    EXPECT_EQ(regime1[51].Cells(0, 24), "");
    EXPECT_EQ(regime1[51].Cells(0, 27), "zus");
    EXPECT_EQ(regime1[61].RowCount(), 45);
    EXPECT_EQ(regime1[61].Cells(0, 32), "F\"");
    EXPECT_EQ(regime1[61].Cells(0, 41), "ges");
    EXPECT_EQ(regime1[61].Cells(1, 0), "GK12");
    EXPECT_EQ(RegimeOneCourseSubjects(61).back(), 40);

    YearSheet regime4(119);
    StringGrid& g51 = regime4[51];
    EXPECT_EQ(g51.ColCount(), 11);
    EXPECT_EQ(g51.RowCount(), 51);
    EXPECT_EQ(g51.Cells(1, 0), "L J1");
    EXPECT_EQ(g51.Cells(4, 0), "4std");
    EXPECT_EQ(g51.Cells(7, 0), Win("   JÜ"));
    EXPECT_EQ(g51.Cells(0, 2), "E");
    EXPECT_EQ(g51.Cells(0, 39), "CA");
    EXPECT_EQ(g51.Cells(0, 50), "zus");
    EXPECT_EQ(regime4[61].Cells(1, 0), "B J1");
}

TEST(CourseTables, SizeClassesAndExchangeRowsFollowTheRegime) {
    YearSheet regime1(101);
    EXPECT_EQ(regime1[71].RowCount(), 12);
    EXPECT_EQ(regime1[71].Cells(3, 0), Win("Fächer"));
    EXPECT_EQ(regime1[71].RowHeight(6), 2);
    YearSheet regime2(102);
    EXPECT_EQ(regime2[71].RowCount(), 28);
    EXPECT_EQ(regime2[71].Cells(1, 18), Win("über 25"));
    EXPECT_EQ(regime2[71].Cells(0, 13), "4st");
    EXPECT_EQ(regime2[71].Cells(2, 12), "Zahl der Kurse");
    YearSheet regime5(121);
    EXPECT_EQ(regime5[71].Cells(0, 21), "B ");
    EXPECT_EQ(regime5[71].Cells(1, 18), "28 und mehr");
    EXPECT_EQ(regime5[71].Cells(3, 0), "Kurse");
    EXPECT_EQ(regime5[71].ColWidth(3), 550);
    EXPECT_EQ(regime5[81].Cells(0, 1), "L ");
    EXPECT_EQ(regime5[82].Cells(4, 0), "Name der abgebenden Schule");
    EXPECT_EQ(regime5[81].RowHeight(13), 20);
    EXPECT_EQ(regime2[81].Cells(0, 26), "2std/GK");
    EXPECT_EQ(regime2[81].Cells(1, 26), "Insgesamt");
}

TEST(TableShapes, ChangeWithTheSchoolYear) {
    YearSheet y111(111), y112(112), y115(115), y116(116), y118(118), y122(122);
    EXPECT_EQ(y115[12].RowCount(), 16);
    EXPECT_EQ(y115[12].Cells(0, 10), "j");
    EXPECT_EQ(y115[12].Cells(0, 15), "Summe");
    EXPECT_EQ(y116[12].RowCount(), 21);
    EXPECT_EQ(y116[12].Cells(0, 15), "Summe Regelkl");
    EXPECT_EQ(y116[12].Cells(0, 20), "Summe");
    EXPECT_EQ(y116[12].ColWidth(8), 120);

    EXPECT_EQ(y111[21].RowCount(), 6);
    EXPECT_EQ(y122[21].RowCount(), 7);
    EXPECT_EQ(YearSheet(101)[21].RowCount(), 5);
    EXPECT_EQ(YearSheet(101)[21].Cells(0, 4), Win("Ausnahmefälle:"));

    EXPECT_EQ(y112[22].RowCount(), 13);
    EXPECT_EQ(y115[22].RowCount(), 15);
    EXPECT_EQ(y116[22].RowCount(), 16);
    EXPECT_EQ(y112[22].Cells(0, 12), "Summe");
    EXPECT_EQ(y115[22].Cells(0, 13), Win("in einer Förderklasse/Ausland bzw. sonst"));
    EXPECT_EQ(y116[22].Cells(0, 14), "im Ausland bzw. sonst");
    EXPECT_EQ(y116[22].Cells(0, 15), "Summe");

    EXPECT_EQ(y111[32].ColCount(), 11);
    EXPECT_EQ(y112[32].ColCount(), 13);
    EXPECT_EQ(y115[32].ColCount(), 13);
    EXPECT_EQ(y116[32].ColCount(), 15);
    EXPECT_EQ(y118[32].ColCount(), 16);
    EXPECT_EQ(y118[32].Cells(14, 0), "VKL");
    EXPECT_EQ(y116[32].Cells(0, 0), Win("Abgänge"));
    EXPECT_EQ(y112[32].RowCount(), 5);
    EXPECT_EQ(y116[32].RowCount(), 6);
    EXPECT_EQ(y116[32].Cells(0, 5), Win("darunter Ausländer"));

    EXPECT_EQ(y115[43].ColCount(), 15);
    EXPECT_EQ(y115[43].RowCount(), 17);
    EXPECT_EQ(y115[43].FixedCols(), 5);
    EXPECT_EQ(y122[43].ColCount(), 16);
    EXPECT_EQ(y122[43].RowCount(), 23);
    EXPECT_EQ(y122[43].Cells(0, 20), "Insgesamt");

    EXPECT_EQ(y111[83].ColCount(), 3);
    EXPECT_EQ(y111[83].ColWidth(2), kDefaultColWidth * 2 / 3);
    EXPECT_EQ(y112[83].Cells(2, 0), "Zahl der Zeugnisse G9-Zug");
    EXPECT_EQ(y116[83].ColCount(), 2);
    EXPECT_EQ(y116[83].Cells(0, 1), "1,0");
    EXPECT_EQ(y116[83].Cells(0, 31), "4,0");
    EXPECT_EQ(y116[83].Cells(0, 33), "nicht bestanden");
}

TEST(TableShapes, BirthYearsCountBackFromTheSchoolYear) {
    YearSheet sheet(116);
    StringGrid& g24 = sheet[24];
    EXPECT_EQ(g24.ColCount(), 15);
    EXPECT_EQ(g24.Cells(1, 0), Win("2007 und später"));
    EXPECT_EQ(g24.Cells(2, 0), "2006");
    EXPECT_EQ(g24.Cells(13, 0), Win("1995 und früher"));
    EXPECT_EQ(g24.Cells(14, 0), "zusammen");
}

TEST(TableShapes, WidthsFollowTheScreen) {
    YearSheet wide(116, 1280), narrow(116, 600), middle(116, 800);
    EXPECT_EQ(wide[21].ColWidth(0), 500);
    EXPECT_EQ(narrow[21].ColWidth(0), 280);
    EXPECT_EQ(middle[22].ColWidth(0), 430);
    EXPECT_EQ(wide[41].ColWidth(2), 50);
    EXPECT_EQ(narrow[41].ColWidth(2), 40);
    EXPECT_EQ(middle[41].ColWidth(5), 41);
    EXPECT_EQ(middle[41].ColWidth(11), 64);
    EXPECT_EQ(middle[43].ColWidth(3), 31);
    EXPECT_EQ(middle[43].ColWidth(14), 80);
    EXPECT_EQ(narrow[71].ColWidth(3), kDefaultColWidth);
}

TEST(TableShapes, RowsFromOutsideLists) {
    TableRowLists lists;
    lists.workingGroups = {"0101 Chor", "0102 Theater-AG", "x"};
    YearSheet sheet(116, kDefaultScreenWidth, lists);
    StringGrid& g31 = sheet[31];
    EXPECT_EQ(g31.RowCount(), 5);
    EXPECT_EQ(g31.Cells(0, 2), "0102");
    EXPECT_EQ(g31.Cells(1, 2), "Theater-AG");
    EXPECT_EQ(g31.Cells(0, 3), "x");
    EXPECT_EQ(g31.Cells(1, 4), "Insgesamt");
    EXPECT_EQ(sheet[52].RowCount(), 11);
    EXPECT_EQ(sheet[52].Cells(1, 10), "Insgesamt");

    EXPECT_EQ(sheet[23].RowCount(), 2);
    EXPECT_EQ(sheet[23].Cells(1, 1), "Insgesamt      ");
    sheet[23].SetRowCount(4);
    lists.nationalities = {"129 Italien", "163 T\xFCrkei"};
    SetTableHeadings(sheet.grids, 23, 116, kDefaultScreenWidth, lists);
    EXPECT_EQ(sheet[23].Cells(0, 2), "163");
    EXPECT_EQ(sheet[23].Cells(1, 1), "Italien");
    EXPECT_EQ(sheet[23].Cells(1, 3), "Insgesamt      ");
}

TEST(TableShapes, TargetHoursFollowTheHoursTable) {
    YearSheet sheet(116);
    StringGrid& g91 = sheet[91];
    EXPECT_EQ(g91.Cells(3, 0), "EvR");
    EXPECT_EQ(g91.Cells(16, 0), "Son");
    EXPECT_EQ(g91.Cells(26, 0), "Eth");
    EXPECT_EQ(g91.Cells(27, 0), "zus");
    EXPECT_EQ(g91.Cells(2, 2), "#Kl.");
    EXPECT_EQ(g91.Cells(0, 20), Win("+/- Sollstunden f.genehmigte Sonderfälle"));
    StringGrid& g92 = sheet[92];
    EXPECT_EQ(g92.ColCount(), 29);
    EXPECT_EQ(g92.RowCount(), 14);
    EXPECT_EQ(g92.ColWidth(0), 127);
    EXPECT_EQ(g92.ColWidth(28), kDefaultColWidth);
    EXPECT_EQ(g92.Cells(0, 2), "wird nur noch");

    StringGrid& shadow = *sheet.grids.Find("SG92shadow");
    shadow.SetColCount(29);
    shadow.SetRowCount(14);
    shadow.SetCells(27, 11, " 1");
    shadow.SetCells(5, 5, "42");
    EXPECT_TRUE(SetTableHeadings(sheet.grids, 92, 116));
    EXPECT_EQ(g92.Cells(5, 5), "42");
    EXPECT_EQ(g92.Cells(0, 2), "");
    EXPECT_EQ(g92.Name(), "SG92");
    EXPECT_FALSE(SetTableHeadings(sheet.grids, 10, 116));
}

TEST(CellEditability, PupilTablesLockTheFinalYearsOfLanguageRows) {
    YearSheet sheet(116);
    for (int row : {1, 34}) {
        for (int col = 9; col <= 12; ++col)
            EXPECT_FALSE(Editable(sheet[18], col, row, 116));
        EXPECT_TRUE(Editable(sheet[11], 9, row, 116));
        EXPECT_FALSE(Editable(sheet[11], 10, row, 116));
        EXPECT_TRUE(Editable(sheet[18], 8, row, 116));
    }
    EXPECT_TRUE(Editable(sheet[18], 10, 35, 116));
    EXPECT_FALSE(Editable(sheet[12], 8, 1, 116));
    EXPECT_TRUE(Editable(sheet[12], 8, 2, 116));
}

TEST(CellEditability, OriginTableLocksImpossibleTransitions) {
    YearSheet sheet(116);
    const StringGrid& g22 = sheet[22];
    EXPECT_FALSE(Editable(g22, 1, 1, 116));
    EXPECT_TRUE(Editable(g22, 2, 1, 116));
    EXPECT_TRUE(Editable(g22, 1, 3, 116));
    EXPECT_FALSE(Editable(g22, 2, 3, 116));
    EXPECT_TRUE(Editable(g22, 6, 4, 116));
    EXPECT_FALSE(Editable(g22, 7, 6, 116));
    EXPECT_FALSE(Editable(g22, 1, 5, 116));
    EXPECT_TRUE(Editable(g22, 7, 7, 116));
    EXPECT_FALSE(Editable(g22, 8, 7, 116));
    EXPECT_TRUE(Editable(g22, 8, 8, 112));
    EXPECT_FALSE(Editable(g22, 8, 8, 113));
    EXPECT_TRUE(Editable(g22, 7, 8, 113));
    EXPECT_TRUE(Editable(g22, 1, 9, 112));
    EXPECT_FALSE(Editable(g22, 1, 9, 113));
    EXPECT_TRUE(Editable(g22, 8, 9, 113));
    EXPECT_FALSE(Editable(g22, 9, 9, 113));
    EXPECT_TRUE(Editable(g22, 9, 10, 113));
}

TEST(CellEditability, CourseCombinationsLockImpossiblePairs) {
    YearSheet sheet(111);
    const StringGrid& g72 = sheet[72];
    EXPECT_TRUE(Editable(g72, 7, 1, 111));
    EXPECT_FALSE(Editable(g72, 8, 1, 111));
    EXPECT_TRUE(Editable(g72, 13, 7, 111));
    EXPECT_FALSE(Editable(g72, 14, 7, 111));
    EXPECT_FALSE(Editable(g72, 6, 7, 111));
    EXPECT_TRUE(Editable(g72, 6, 6, 111));
    EXPECT_TRUE(Editable(g72, 6, 16, 111));
    EXPECT_FALSE(Editable(g72, 5, 11, 111));
    EXPECT_TRUE(Editable(g72, 5, 10, 111));
    EXPECT_FALSE(Editable(g72, 14, 9, 111));
    EXPECT_TRUE(Editable(g72, 14, 10, 111));
    EXPECT_FALSE(Editable(g72, 14, 15, 111));
    EXPECT_FALSE(Editable(g72, 15, 7, 111));
    EXPECT_FALSE(Editable(g72, 15, 8, 111));
    EXPECT_TRUE(Editable(g72, 15, 9, 111));
    EXPECT_TRUE(Editable(g72, 15, 20, 111));
    EXPECT_FALSE(Editable(g72, 1, 21, 111));
    EXPECT_FALSE(Editable(g72, 16, 20, 111));
}

TEST(CellEditability, HoursTableLocksCountsAndTotals) {
    YearSheet sheet(116);
    const StringGrid& g91 = sheet[91];
    EXPECT_FALSE(Editable(g91, 5, 2, 116));
    EXPECT_FALSE(Editable(g91, 2, 1, 116));
    EXPECT_TRUE(Editable(g91, 2, 3, 116));
    EXPECT_TRUE(Editable(g91, 2, 12, 116));
    EXPECT_FALSE(Editable(g91, 0, 13, 116));
    EXPECT_TRUE(Editable(g91, 3, 13, 116));
    EXPECT_TRUE(Editable(g91, 27, 16, 116));
    EXPECT_FALSE(Editable(g91, 27, 17, 116));
    EXPECT_TRUE(Editable(g91, 26, 17, 116));
}

TEST(CellEditability, InclusionTableLocksUpperLevelsOfSomeNeeds) {
    YearSheet sheet(121);
    const StringGrid& g43 = sheet[43];
    for (int row : {1, 2, 11, 12})
        EXPECT_FALSE(Editable(g43, 11, row, 121)) << row;
    for (int row : {3, 10, 13})
        EXPECT_TRUE(Editable(g43, 12, row, 121)) << row;
    EXPECT_TRUE(Editable(g43, 10, 1, 121));
    EXPECT_TRUE(Editable(g43, 14, 1, 121));
    EXPECT_TRUE(Editable(g43, 13, 11, 122));
    EXPECT_FALSE(Editable(g43, 13, 15, 122));
    EXPECT_FALSE(Editable(g43, 13, 16, 122));
    EXPECT_TRUE(Editable(g43, 13, 17, 122));
}

TEST(CellEditability, OtherTablesLockTheirTotalRows) {
    YearSheet sheet(116);
    EXPECT_FALSE(Editable(sheet[81], 2, 13, 116));
    EXPECT_FALSE(Editable(sheet[82], 2, 26, 116));
    EXPECT_TRUE(Editable(sheet[82], 2, 25, 116));
    EXPECT_TRUE(Editable(sheet[71], 3, 4, 116));
    EXPECT_FALSE(Editable(sheet[71], 3, 5, 116));
    EXPECT_TRUE(Editable(sheet[71], 2, 5, 116));
    EXPECT_TRUE(Editable(sheet[51], 0, 0, 116));

    const StringGrid& g41 = sheet[41];
    EXPECT_TRUE(Editable(g41, 3, 59, 116));
    EXPECT_FALSE(Editable(g41, 3, 60, 116));
    const auto pupils = IsCellEditable(g41, 3, 61, 116, "312345");
    EXPECT_FALSE(pupils.editable);
    EXPECT_EQ(pupils.message.substr(0, 26), Win("Falls nur die Schülersumme"));
    EXPECT_EQ(IsCellEditable(g41, 3, 61, 116, "412345").message, "");
    EXPECT_EQ(IsCellEditable(g41, 3, 62, 116).message,
              "Klassenanzahl bitte in 9.1 Spalte 3 eingeben");
    EXPECT_EQ(g41.Cells(0, 62), "Klassen insgesamt");

    EXPECT_EQ(CellEditMask(sheet[44], 9), "####");
    EXPECT_EQ(CellEditMask(sheet[44], 10), "");
    EXPECT_EQ(CellEditMask(sheet[43], 1), "");
}
