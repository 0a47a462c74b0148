#include "data/data_set_file.h"
#include "data/school_groups.h"
#include "output/codepage.h"
#include "plausibility_school.h"
#include "sheet/hours_columns.h"
#include "sheet/plausibility_test.h"
#include "sheet/sheet_repairs.h"
#include "sheet/table_headings.h"
#include "shell/program_start.h"
#include "shell/school_loading.h"
#include "support/engine_start.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

// The 9.1 heading row of the older column order: mathematics and the sciences right after
// the languages, no Italian, Spanish or second foreign language columns.
const char* const kOldHoursHeading =
    " 0;;;;EvR;KR;D;Ek;G;Gk;E;F;L;Gr;Ru;M;Ph;Ch;Bio;SM;SW;Mu;BK;Eth;;;;zus";

std::string DataSet(const std::vector<std::string>& blocks) {
    std::string text;
    for (const auto& block : blocks)
        text += block;
    return text;
}

std::string Block(const char* table, const std::vector<std::string>& lines) {
    std::vector<std::string> all = {std::string(".;") + table + ";112233;2016/17;Schiller-Gym    "};
    all.insert(all.end(), lines.begin(), lines.end());
    return DosLines(all);
}

// An office with one school whose data set file the test writes, started for 2016/17.
struct PlausibilityOffice : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    std::filesystem::path file = temp.path() / "TEV" / "SL112233.16";

    void Start(const std::string& dataSet) {
        SchoolNameLine school;
        school.shortName = "Schiller-Gym";
        school.name = "Schillergymnasium";
        WriteFile(temp.path() / "schulnam.dat", DosLines({school.Text()}));
        WriteFile(file, dataSet);
        StartEngine(engine, ui, temp.path());
        engine.schoolList.itemIndex = 0;
    }
    StringGrid& Grid(const char* name) { return *engine.sheet.grids.Find(name); }
};

} // namespace

TEST(SheetRepairs, HeadingsAreRestoredAndReported) {
    PlausibilitySchool school(116);
    EXPECT_EQ(RepairAllHeadings(school.engine.sheet), 0);
    EXPECT_TRUE(school.engine.sheet.findings.empty());

    school.Grid(21).SetCells(0, 1, "maennlich");
    school.Grid(83).SetCells(1, 0, "  Zahl der Zeugnisse "); // differs only in blanks
    school.Grid(92).SetCells(1, 0, "x");                     // no table of the repair list
    EXPECT_EQ(RepairAllHeadings(school.engine.sheet), 1);
    EXPECT_EQ(school.Grid(21).Cells(0, 1), Win("männlich"));
    EXPECT_EQ(school.engine.sheet.findings,
              std::vector<std::string>{"\n   SGcmp: SG21[00,01]=maennlich ersetzt durch " +
                                       Win("männlich")});
    EXPECT_EQ(school.Grid(92).Cells(1, 0), "x");
}

TEST(SheetRepairs, LabelsOfATableOfAnotherShapeStayWhereTheyAre) {
    PlausibilitySchool school(116);
    StringGrid& grid = school.Grid(31); // rows of its own, the list has none
    grid.SetCells(3, 0, "Teilnehmer");
    EXPECT_EQ(RepairHeadings(school.engine.sheet, 31), 1);
    EXPECT_EQ(grid.Cells(3, 0), "Zahl der Teilnehmer");
    EXPECT_EQ(grid.Cells(1, 1), "Chor");
}

TEST(SheetRepairs, HoursColumnsOfTheOlderOrderMove) {
    PlausibilitySchool school(116);
    StringGrid& grid = school.Grid(91);
    EXPECT_FALSE(MoveHoursColumnsToCurrentOrder(grid));
    grid.FillRow(0, ";;;EvR;KR;D;Ek;G;Gk;E;F;L;Gr;Ru;M;Ph;Ch;Bio;SM;SW;Mu;BK;Eth;;;;zus");
    grid.SetCells(14, 3, "4"); // mathematics
    grid.SetCells(22, 3, "1"); // ethics
    ASSERT_TRUE(MoveHoursColumnsToCurrentOrder(grid));
    EXPECT_EQ(grid.Row(0), (std::vector<std::string>{
                               "",    "",    "",   "EvR", "KR", "D",  "Ek",  "G",  "Gk", "E",
                               "F",   "L",   "Gr", "Ru",  "I",  "Sp", "SFS", "M",  "Ph", "Ch",
                               "Bio", "Nat", "SM", "SW",  "Mu", "BK", "Eth", "zus"}));
    EXPECT_EQ(grid.Cells(17, 3), "4");
    EXPECT_EQ(grid.Cells(26, 3), "1");
    EXPECT_EQ(grid.Cells(14, 3), "");
}

TEST(SheetRepairs, HoursSubjectListBackToTheStandardOrder) {
    PlausibilitySchool school(116);
    auto& list = school.engine.sheet.record.hours91.subjectIndex;
    for (int i = 0; i < kHoursSubjectColumns; ++i)
        list[kFirstHoursSubjectColumn + i] = static_cast<uint8_t>(StandardHoursSubjects()[i]);
    EXPECT_EQ(CheckHoursColumns(school.engine.sheet), 0);

    list[kFirstHoursSubjectColumn + 11] = 15; // mathematics where Italian belongs
    TraceLog log(school.temp.path());
    log.SetDeveloperMode(1);
    EXPECT_EQ(CheckHoursColumns(school.engine.sheet, &log), 1);
    EXPECT_EQ(list[kFirstHoursSubjectColumn + 11], 30);
    EXPECT_NE(ReadFile(school.temp.path() / "syslog").find("ZepSt2.test_matpoi9: 1"),
              std::string::npos);
}

TEST(SheetRepairs, BirthYearsOfLastYearMoveByOneYear) {
    PlausibilitySchool school(116);
    school.ui.AddAnswer("ja");
    MoveTable24ByOneYear(school.engine);
    EXPECT_EQ(school.ui.messages().back(), "ist ok");
    EXPECT_EQ(school.ui.answersLeft(), 1u);

    Sheet& sheet = school.engine.sheet;
    SetTableHeadings(sheet.grids, 24, 115); // last year's birth years, 2002 in column 5
    StringGrid& grid = school.Grid(24);
    grid.SetCells(12, 1, "2");
    grid.SetCells(13, 1, "3");
    MoveTable24ByOneYear(school.engine);
    EXPECT_EQ(school.ui.messages().back(), "\nist nun ok");
    EXPECT_EQ(grid.Cells(5, 0), "2003");
    EXPECT_EQ(grid.Cells(1, 0), Win("2007 und später"));
    EXPECT_EQ(grid.Cells(1, 1), "0");
    EXPECT_EQ(grid.Cells(13, 1), "5"); // the earliest years keep all their pupils
    EXPECT_EQ(grid.Cells(6, 1), "217");
    school.Test();
    EXPECT_TRUE(school.Has("2.4 wurde korrigiert/verschoben, bitte kontrollieren"));

    ForgetTable24Move(sheet);
    school.Test();
    EXPECT_FALSE(school.Has("2.4 wurde korrigiert"));
}

TEST(SheetRepairs, BirthYearsStayWhenTheMoveIsDeclined) {
    PlausibilitySchool school(116);
    SetTableHeadings(school.engine.sheet.grids, 24, 115);
    const std::vector<std::string> before = school.Grid(24).Row(1);
    school.ui.AddAnswer("nein");
    Rep24aktDS1Click(school.engine);
    EXPECT_EQ(school.Grid(24).Row(1), before);
    EXPECT_FALSE(Table24WasMoved(school.engine.sheet));
}

TEST_F(PlausibilityOffice, LoadingTestsTheSchoolAndSavingTestsAgain) {
    Start(Block("21", {" 1;;30;;;;;;;30", " 2;;20;;;;;;;20"}));
    LBClick(engine);
    ASSERT_FALSE(engine.sheet.findings.empty());
    EXPECT_EQ(engine.sheet.findings.front(), kFindingsHeading);
    EXPECT_EQ(engine.outputBox.lines(), engine.sheet.findings);
    EXPECT_NE(std::find(engine.sheet.findings.begin(), engine.sheet.findings.end(),
                        "wirklich mehr als 10% Nichtversetzte???(50/0)"),
              engine.sheet.findings.end());

    engine.sheet.findings.clear();
    ui.AddAnswer("nein");
    EXPECT_FALSE(SaveDataSet(engine, 0));
    EXPECT_EQ(engine.sheet.findings.front(), kFindingsHeading);
}

TEST_F(PlausibilityOffice, ASchoolWithoutDataSetHasNoData) {
    Start("");
    std::filesystem::remove(file);
    LoadListedSchool(engine);
    EXPECT_EQ(engine.sheet.findings, std::vector<std::string>{kNoData});
}

TEST_F(PlausibilityOffice, RepairOfTheHoursTableSavesTheSchool) {
    Start(DataSet(
        {Block("21", {" 1;;1"}), Block("91", {kOldHoursHeading, " 3;5;56;2;;;;;;;;;;;;4"})}));
    ui.AddAnswer("1");  // the range of schools
    ui.AddAnswer("ja"); // save
    SBrepair91Click(engine);
    ASSERT_EQ(engine.outputBox.size(), 1u);
    // 40 characters of the list line from its column 31 on.
    EXPECT_EQ(engine.outputBox.lines()[0],
              engine.schoolList.lines[0].substr(30, 40) + ": 9.1 repaired");
    EXPECT_EQ(engine.outputBox.lines()[0].rfind("Schillergymnasium", 0), 0u);
    const std::string saved = ReadFile(file);
    EXPECT_NE(saved.find(" 0;;;;EvR;KR;D;Ek;G;Gk;E;F;L;Gr;Ru;I;Sp;SFS;M;Ph;Ch;Bio;Nat;SM;SW;Mu;BK;"
                         "Eth;zus"),
              std::string::npos)
        << saved;

    ui.AddAnswer("1");
    SBrepair91Click(engine); // nothing left to repair, nothing saved
    EXPECT_TRUE(engine.outputBox.empty());
}

TEST_F(PlausibilityOffice, RepairOfHeadingsShowsWhatItReplaced) {
    Start(Block("82", {" 0;;Fach;Jgst.1;Jgst.2;abgebende Schule"}));
    ui.AddAnswer("1");
    SBRepairSGsClick(engine);
    EXPECT_EQ(engine.outputBox.lines().back(),
              "\n   SGcmp: SG82[04,00]=abgebende Schule ersetzt durch Name der abgebenden Schule");
    EXPECT_EQ(Grid("SG82").Cells(4, 0), "Name der abgebenden Schule");
}
