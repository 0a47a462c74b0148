#include "data/data_set_format.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "sheet/sheet.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>

using namespace tev;

namespace {

DataSetReadResult Read(const std::string& text, Sheet& sheet, bool import = false) {
    std::istringstream in(text);
    DataSetReadOptions options;
    options.courseRegime = sheet.courseRegime;
    options.import = import;
    options.fileName = "SL112233.16";
    return ReadDataSet(in, sheet.grids, sheet.header, options);
}

std::string Write(const Sheet& sheet, const std::vector<std::string>& gridNames) {
    std::ostringstream out;
    for (const auto& name : gridNames)
        WriteBlock(*sheet.grids.Find(name), sheet.header, out);
    return out.str();
}

const std::string kHeader21 = ".;21;112233;2016/17;Schiller-Gym    \r\n";

} // namespace

TEST(DataSetFormat, BlockOrderFollowsTheSchoolYear) {
    const std::vector<std::string> first = {"SG11", "SG18", "SG12", "SG21", "SG22", "SG23",
                                            "SG24", "SG31", "SG32", "SG33", "SG34", "SG41"};
    const std::vector<std::string> courses = {"SG51", "SG52", "SG61", "SG71"};
    const std::vector<std::string> last = {"SG81", "SG82", "SG83", "SG91"};
    const struct {
        int year;
        std::vector<std::string> afterResidence;
        std::vector<std::string> afterCourses;
    } years[] = {{112, {}, {"SG72"}},         {113, {"SG42"}, {}},
                 {114, {"SG42"}, {}},         {115, {"SG42", "SG43"}, {}},
                 {119, {"SG42", "SG43"}, {}}, {120, {"SG42", "SG43", "SG44"}, {}}};
    for (const auto& y : years) {
        std::vector<std::string> expected = first;
        for (const auto* part : {&y.afterResidence, &courses, &y.afterCourses, &last})
            expected.insert(expected.end(), part->begin(), part->end());
        EXPECT_EQ(BlockOrder(y.year), expected) << y.year;
    }
}

TEST(DataSetFormat, LinesAreWrittenTrimmedWithTheirRowNumber) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 116);
    StringGrid& grid = *sheet.grids.Find("SG34");
    grid.SetCells(1, 1, "  7 ");
    EXPECT_EQ(DataLine(grid, 1).substr(0, 3), " 1;");
    EXPECT_EQ(DataLine(grid, 1).substr(DataLine(grid, 1).size() - 2), ";7");
    grid.SetCells(1, 1, "");
    EXPECT_EQ(DataLine(grid, 1).back(), ';');
    grid.SetCells(1, 1, "a;b");
    EXPECT_EQ(DataLine(grid, 1).substr(DataLine(grid, 1).size() - 4), ";a,b");

    sheet.header.SetSchoolNumber("112233");
    sheet.header.yearText = "2016/17";
    sheet.header.shortName = "Schiller-Gym";
    EXPECT_EQ(HeaderLine("SG21", sheet.header), ".;21;112233;2016/17;Schiller-Gym    ");
}

TEST(DataSetFormat, OverlongLinesAreCutWhenWritten) {
    StringGrid grid("SG41", 12, 3);
    for (int col = 0; col < 12; ++col)
        grid.SetCells(col, 1, std::string(40, 'x'));
    EXPECT_EQ(DataLine(grid, 1).size(), 254u);
}

TEST(DataSetFormat, ReadingFillsCellsAndTheHeader) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 116);
    const auto result = Read(kHeader21 + " 1;m;1;2;3\r\nohne Semikolon\r\n 2;w;4;5\r\n", sheet);
    EXPECT_EQ(result.storedLines, 2);
    EXPECT_TRUE(result.messages.empty());
    const StringGrid& grid = *sheet.grids.Find("SG21");
    EXPECT_EQ(grid.Cells(0, 1), "m");
    EXPECT_EQ(grid.Cells(3, 1), "3");
    EXPECT_EQ(grid.Cells(2, 2), "5");
    EXPECT_EQ(sheet.header.SchoolNumber(), "112233");
    EXPECT_EQ(sheet.header.yearText, "2016/17");
}

TEST(DataSetFormat, ColonInTheYearReadsAsZero) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 109);
    Read(".;21;112233;2009/:0;X\r\n 1;m;1\r\n", sheet);
    EXPECT_EQ(sheet.header.yearText, "2009/00");
}

TEST(DataSetFormat, CourseLinesGoToTheRowOfTheirSubject) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 116);
    const auto result = Read(".;51;112233;2016/17;X\r\n 7;E;3;60;12\r\n 1;M;2;40;8\r\n"
                             " 3;Xyz;1\r\n50;zus;5;100;20\r\n",
                             sheet);
    const StringGrid& grid = *sheet.grids.Find("SG51");
    EXPECT_EQ(grid.Cells(1, 2), "3");
    EXPECT_EQ(grid.Cells(0, 2), "E");
    EXPECT_EQ(grid.Cells(1, 27), "2");
    EXPECT_EQ(grid.Cells(1, grid.RowCount() - 1), "5");
    EXPECT_EQ(grid.Cells(1, 3), "");
    EXPECT_EQ(grid.Cells(1, 0), "4std");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_NE(result.messages[0].find("Xyz"), std::string::npos);

    Sheet old;
    ShapeSheetForYear(old, 99);
    Read(".;61;112233;1999/00;X\r\n 7;BK;3\r\n", old);
    EXPECT_EQ(old.grids.Find("SG61")->Cells(0, 7), "BK");
    EXPECT_EQ(old.grids.Find("SG61")->Cells(1, 7), "3");
}

TEST(DataSetFormat, TableOnePointTwoSumLineGoesToTheLastRow) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 116);
    const StringGrid& grid = *sheet.grids.Find("SG12");
    Read(".;12;112233;2016/17;X\r\n11;Summe;50;51\r\n15;Summe Regelkl;40\r\n", sheet);
    EXPECT_EQ(grid.Cells(1, grid.RowCount() - 1), "50");
    EXPECT_EQ(grid.Cells(1, 15), "40");
}

TEST(DataSetFormat, NineteenNinetySevenFormsAreConverted) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 98);
    Read(".;23;112233;1997/98;X\r\n 1;163;2\r\n.;72;112233;1997/98;X\r\n 1;E;1;2\r\n18;x;9\r\n",
         sheet);
    const StringGrid& nationalities = *sheet.grids.Find("SG23");
    EXPECT_EQ(nationalities.Cells(1, 1), "163");
    EXPECT_EQ(nationalities.Cells(2, 1), "2");
    const StringGrid& combinations = *sheet.grids.Find("SG72");
    EXPECT_EQ(combinations.Cells(0, 1), "E");
    EXPECT_EQ(combinations.Cells(1, 1), "");
    EXPECT_EQ(combinations.Cells(3, 1), "1");
    EXPECT_EQ(combinations.Cells(0, 18), "");
    EXPECT_EQ(combinations.Cells(3, 18), "");
}

TEST(DataSetFormat, RowsGrowTheGridWithinBounds) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 116);
    const auto result = Read(kHeader21 + "40;x;1\r\n999999999;y;2\r\n-3;z;3\r\n", sheet);
    EXPECT_EQ(sheet.grids.Find("SG21")->RowCount(), 41);
    EXPECT_EQ(sheet.grids.Find("SG21")->Cells(1, 40), "1");
    ASSERT_EQ(result.messages.size(), 2u);
    EXPECT_NE(result.messages[0].find("999999999"), std::string::npos);
    EXPECT_NE(result.messages[0].find("SL112233.16, Zeile 3"), std::string::npos);
}

TEST(DataSetFormat, ImportRefusesPupilAndCourseTables) {
    Sheet sheet;
    ShapeSheetForYear(sheet, 116);
    const auto result =
        Read(".;11;112233;2016/17;X\r\n 1;E;;;5\r\n" + kHeader21 + " 1;m;4\r\n", sheet, true);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], Win("externe Daten für  1.1  können nicht geladen werden"));
    EXPECT_EQ(sheet.grids.Find("SG11")->Cells(3, 1), "");
    EXPECT_EQ(sheet.grids.Find("SG21")->Cells(1, 1), "4");
}

TEST(DataSetFormat, GarbageNeverHurts) {
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        std::string garbage;
        for (int i = 0; i < 20000; ++i) {
            const int c = static_cast<int>(random() % 300);
            garbage += c < 256 ? static_cast<char>(c) : (c < 280 ? ';' : (c < 290 ? '\n' : '.'));
        }
        Sheet sheet;
        ShapeSheetForYear(sheet, 116);
        Read(garbage, sheet);
        for (const auto& grid : sheet.grids.All()) {
            EXPECT_LE(grid.RowCount(), kMaxDataSetRow);
        }
    }
    Sheet sheet;
    ShapeSheetForYear(sheet, 116);
    const auto result = Read(kHeader21 + " 1;" + std::string(10000, '7') + "\r\n", sheet);
    EXPECT_EQ(sheet.grids.Find("SG21")->Cells(0, 1).size(), 252u);
    ASSERT_EQ(result.messages.size(), 1u);
}

TEST(DataSetFormat, ReadWriteReadKeepsEveryValue) {
    for (int year : {98, 105, 112, 113, 116, 118, 120, 122, 124}) {
        Sheet first;
        ShapeSheetForYear(first, year);
        first.header.SetSchoolNumber("112233");
        first.header.yearText = "2016/17";
        int value = 1;
        for (auto& grid : first.grids.All()) {
            for (int row = 1; row < grid.RowCount(); ++row) {
                for (int col = 1; col < grid.ColCount(); ++col) {
                    grid.SetCells(col, row, std::to_string(value++ % 97));
                }
            }
        }
        const std::string written = Write(first, BlockOrder(year));
        Sheet second;
        ShapeSheetForYear(second, year);
        Read(written, second);
        EXPECT_EQ(Write(second, BlockOrder(year)), written) << "year " << year;
        // Cells come back trimmed, as they were written; heading rows too long for a line are
        // cut, the tables put their headings back after loading.
        for (const auto& name : BlockOrder(year)) {
            const StringGrid &a = *first.grids.Find(name), &b = *second.grids.Find(name);
            ASSERT_EQ(a.RowCount(), b.RowCount()) << "year " << year << " " << name;
            for (int row = 1; row < a.RowCount(); ++row)
                for (int col = 0; col < a.ColCount(); ++col)
                    ASSERT_EQ(Trim(a.Cells(col, row)), b.Cells(col, row))
                        << "year " << year << " " << name << " [" << col << "," << row << "]";
        }
    }
}

// A file as the office's older program wrote it, typed in by hand: reading and writing it
// again gives back every byte.
TEST(DataSetFormat, AFileWrittenByHandIsWrittenBackByteForByte) {
    const std::string file =
        Win(".;21;112233;2016/17;Schiller-Gym    \r\n"
            " 0;;5;6;7;8;9;10;11;zusammen\r\n"
            " 1;männlich;1;;2;;;;;3\r\n"
            " 2;weiblich;;1;;;;;;1\r\n"
            " 3;insgesamt;1;1;2;;;;;4\r\n"
            " 4;darunter n.P.1(3)VO in die nächsthöh.Klst. versetzt;;;1;;;;;1\r\n"
            " 5;darunter n.P.1(6)VO probeweise in die nächsthöh.Klst. aufgenommen;;;;;;;;\r\n"
            ".;33;112233;2016/17;Schiller-Gym    \r\n"
            " 0;Bundesjugendspiele durchgeführt:;ja;;\r\n"
            " 1;;Zahl der Teilnehmer;davon Siegerurkunden;davon Ehrenurkunden\r\n"
            " 2;Leichtathletik;120;30;12\r\n"
            " 3;Gerätturnen;;;\r\n"
            " 4;Schwimmen;45;10;5\r\n");
    Sheet sheet;
    ShapeSheetForYear(sheet, 116);
    EXPECT_EQ(Read(file, sheet).storedLines, 11);
    sheet.header.shortName = "Schiller-Gym";
    EXPECT_EQ(Write(sheet, {"SG21", "SG33"}), file);
}
