#include "data/data_set_file.h"
#include "data/school_groups.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "shell/program_start.h"
#include "shell/school_loading.h"
#include "shell/scripted_ui.h"
#include "support/schiller_office.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tev;
using namespace tev::test;

namespace {

struct DataSetFixture : SchillerOffice {
    void SetUp() override { StartOffice(); }
    const StringGrid& Grid(const char* name) { return *engine.sheet.grids.Find(name); }
};

} // namespace

TEST_F(DataSetFixture, LoadingFillsTheSheetAndNamesTheFile) {
    EXPECT_TRUE(LoadListedSchool(engine));
    EXPECT_EQ(Grid("SG21").Cells(1, 1), "1");
    EXPECT_EQ(Grid("SG34").Cells(1, 1), "4");
    EXPECT_EQ(engine.sheet.currentFile, file.string());
    EXPECT_EQ(engine.sheet.header.SchoolNumber(), "112233");
    EXPECT_EQ(engine.sheet.header.shortName, "Schiller-Gym    ");
}

TEST_F(DataSetFixture, ASchoolWithoutFileLoadsEmpty) {
    std::filesystem::remove(file);
    EXPECT_FALSE(LoadListedSchool(engine));
    EXPECT_EQ(Grid("SG21").Cells(1, 1), "");
    EXPECT_EQ(engine.sheet.header.SchoolNumber(), "112233");
    EXPECT_EQ(engine.sheet.header.yearText, "2016/17");
}

TEST_F(DataSetFixture, SavingAsksKeepsABackupAndWritesTheYearsBlocks) {
    LoadListedSchool(engine);
    ui.AddAnswer("nein");
    EXPECT_FALSE(SaveDataSet(engine, 0));
    EXPECT_EQ(ReadFile(file), kSchillerDataSet);

    ui.AddAnswer("ja");
    EXPECT_TRUE(SaveDataSet(engine, -1));
    EXPECT_EQ(ui.messages().back(), "Schulstatistik-Daten sind gespeichert");
    EXPECT_EQ(ReadFile(temp.path() / "TEV" / "SL112233.alt"), kSchillerDataSet);
    const std::string saved = ReadFile(file);
    EXPECT_NE(saved.find(".;42;"), std::string::npos);
    EXPECT_NE(saved.find(".;43;"), std::string::npos);
    EXPECT_EQ(saved.find(".;44;"), std::string::npos);
    EXPECT_EQ(saved.find(".;72;"), std::string::npos);
    EXPECT_EQ(saved.find(".;92;"), std::string::npos);
    EXPECT_LT(saved.find(".;41;"), saved.find(".;42;"));
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".$$$"));

    const size_t messages = ui.messages().size();
    LoadListedSchool(engine);
    EXPECT_EQ(Grid("SG34").Cells(1, 1), "4");
    EXPECT_EQ(ui.messages().size(), messages) << ui.messages().back();
}

TEST_F(DataSetFixture, ExportWritesOneBlockPerTable) {
    LoadListedSchool(engine);
    ui.AddAnswer("11");
    EXPECT_TRUE(SaveDataSet(engine, 1));
    const std::string exported = ReadFile(temp.path() / "STAL7_1.ASC");
    EXPECT_EQ(exported.rfind(".;71;112233;2016/17;", 0), 0u);
    EXPECT_EQ(exported.find(".;", 1), std::string::npos);
}

TEST_F(DataSetFixture, ImportTakesTablesFromExchangeFiles) {
    LoadListedSchool(engine);
    WriteFile(temp.path() / "STAL3_4.ASC", ".;34;112233;2016/17;X\r\n 1;Heim;9\r\n");
    ui.AddAnswer((temp.path() / "STAL3_4.ASC").string());
    ui.AddAnswer("ja");
    EXPECT_TRUE(LoadDataSet(engine, 1));
    EXPECT_EQ(Grid("SG34").Cells(1, 1), "9");
    EXPECT_EQ(Grid("SG21").Cells(1, 1), "1");
    EXPECT_EQ(engine.sheet.currentFile, file.string());
}

TEST_F(DataSetFixture, GarbageFilesGiveOneMessageAndBoundedGrids) {
    WriteFile(file, ".;21;112233;2016/17;X\r\n999999999;a;1\r\n1234567;b;2\r\n 1;" +
                        std::string(10000, 'x') + "\r\n");
    LoadListedSchool(engine);
    EXPECT_LE(Grid("SG21").RowCount(), 1000);
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_NE(ui.messages().back().find("999999999"), std::string::npos);
    EXPECT_NE(ui.messages().back().find("(und 2 weitere)"), std::string::npos);
}

TEST_F(DataSetFixture, AnUnfilledHeaderIsRepairedFromTheOldNameList) {
    WriteFile(temp.path() / "namen_.dat", DosLines({"01998877Schiller-Gym    Bezirk"}));
    engine.sheet.header = SchoolHeader{};
    engine.sheet.header.shortName = "Schiller-Gym    ";
    std::ostringstream out;
    WriteTableBlock(engine, *engine.sheet.grids.Find("SG34"), out);
    EXPECT_EQ(engine.sheet.header.schoolKey, "04998877");
    EXPECT_EQ(out.str().substr(0, 12), ".;34;998877;");

    engine.sheet.header = SchoolHeader{};
    engine.sheet.header.shortName = "Unbekannt       ";
    WriteTableBlock(engine, *engine.sheet.grids.Find("SG34"), out);
    EXPECT_EQ(engine.sheet.header.schoolKey, "00000000");
}

// 4.4's yes/no marks are saved as "x", whatever was typed; the cells beside them stay.
TEST_F(DataSetFixture, TheMarksOfIslamicEducationAreSavedAsX) {
    ShapeSheetForYear(engine.sheet, 120);
    engine.sheet.header.SetSchoolNumber("112233");
    StringGrid& grid = *engine.sheet.grids.Find("SG44");
    const std::vector<std::string> typed = {"4", "ja", " j", "  ", "1", "k"};
    for (int col = 9; col <= 14; ++col)
        grid.SetCells(col, 2, typed[col - 9]);
    std::ostringstream out;
    WriteTableBlock(engine, grid, out);
    std::istringstream lines(out.str());
    std::string line;
    while (std::getline(lines, line) && line.rfind(" 2;", 0) != 0) {
    }
    const std::vector<std::string> fields = SplitFields(line);
    ASSERT_GE(fields.size(), 16u) << line; // the row number, then the columns
    EXPECT_EQ(std::vector<std::string>(fields.begin() + 10, fields.begin() + 16),
              (std::vector<std::string>{"4", "x", "x", "", "x", "k"}));
}
