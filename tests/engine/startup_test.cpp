#include "output/codepage.h"
#include "shell/program_start.h"
#include "shell/scripted_ui.h"
#include "shell/startup.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using tev::test::DosLines;
using tev::test::SchoolNameLine;
using tev::test::TempDir;
using tev::test::WriteFile;

TEST(SchoolYear, TheSchoolYearStartsOnTheFirstOfSeptember) {
    EXPECT_EQ(YearSuffixOfDate({2004, 8, 31}, false), ".03");
    EXPECT_EQ(YearSuffixOfDate({2004, 9, 1}, false), ".04");
    EXPECT_EQ(YearSuffixOfDate({2000, 1, 15}, false), ".99");
    EXPECT_EQ(YearSuffixOfDate({2016, 12, 31}, false), ".16");
    EXPECT_EQ(SchoolYearCodeOfDate({2004, 9, 1}), 104);
}

TEST(SchoolYear, ShortReportMarkerFromFirstOfSeptemberToTwelfthOfOctober) {
    EXPECT_EQ(YearSuffixOfDate({2003, 10, 12}, true), ".03K");
    EXPECT_EQ(YearSuffixOfDate({2003, 10, 13}, true), ".03");
    EXPECT_EQ(YearSuffixOfDate({2003, 9, 1}, true), ".03K");
    EXPECT_EQ(YearSuffixOfDate({2003, 8, 31}, true), ".02");
    EXPECT_EQ(YearSuffixOfDate({2003, 10, 12}, false), ".03");
}

TEST(SchoolYear, SuffixGivesCodeRegimeAndStartYear) {
    StartupState state;
    ApplyYearSuffix(state, ".98");
    EXPECT_EQ(state.schoolYearCode, 98);
    EXPECT_EQ(state.startYearText, "2098");
    EXPECT_EQ(state.courseRegime, 1);
    ApplyYearSuffix(state, ".25");
    EXPECT_EQ(state.schoolYearCode, 125);
    EXPECT_EQ(state.courseRegime, 5);
    ApplyYearSuffix(state, ".16K");
    EXPECT_EQ(state.schoolYearCode, 116);
    EXPECT_EQ(state.courseRegime, 3);
    EXPECT_EQ(state.yearSuffix, ".16K");
}

TEST(Startup, DataPathAndOptions) {
    EXPECT_EQ(DataPathFromParameter("/daten/"), "/daten//");
    EXPECT_EQ(DataPathFromParameter("/daten"), "/daten/");
    EXPECT_EQ(DataPathFromCurrentDirectory("/"), "/");
    EXPECT_EQ(DataPathFromCurrentDirectory("/home/amt"), "/home/amt/");

    StartupState state;
    ScanCommandOptions({"/daten", "/hhilfe", "/Lmein.win", "/x", "/Hnicht-mehr-gelesen"}, state);
    EXPECT_EQ(state.helpPath, "hilfe/");
    EXPECT_EQ(state.adjustFileName, "mein.win");
    ScanCommandOptions({"/daten", "/H"}, state);
    EXPECT_EQ(state.helpPath, "");

    // The data directory is no option, and long folder names are kept whole.
    StartupState absolute;
    ScanCommandOptions({"/home/amt/daten"}, absolute);
    EXPECT_EQ(absolute.helpPath, "");
    const std::string longFolder = "/srv/schulamt/statistik/hilfedateien/" + std::string(60, 'h');
    ScanCommandOptions({"/home/amt/daten", "/H" + longFolder}, absolute);
    EXPECT_EQ(absolute.helpPath, longFolder + "/");
    const std::string longData = "/srv/schulamt/statistik/daten/" + std::string(40, 'd');
    EXPECT_EQ(DataPathFromParameter(longData), longData + "/");
}

TEST(Startup, DeveloperSwitchFromTheEnvironment) {
    EXPECT_EQ(DeveloperModeFromEnvironment("QVZ", ""), 1);
    EXPECT_EQ(DeveloperModeFromEnvironment("QVZabc", ""), 1);
    EXPECT_EQ(DeveloperModeFromEnvironment("QV", ""), 0);
    EXPECT_EQ(DeveloperModeFromEnvironment("", ""), 0);
    EXPECT_EQ(DeveloperModeFromEnvironment("", "\\\\KMSTEV01\\TEVENTW$\\meier"), 1);
}

namespace {

struct StartFixture : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    StartInputs inputs;

    void SetUp() override {
        inputs.parameters = {temp.path().string()};
        inputs.today = {2016, 11, 20};
        WriteFile(temp.path() / "schulnam.dat", DosLines({SchoolNameLine{}.Text()}));
        ui.AddAnswer(Win("   _alle ö+p"));
    }
    void Start() {
        ProcessStart(engine, inputs);
        FormCreate(engine, inputs);
    }
};

} // namespace

TEST_F(StartFixture, FormCreateSettlesPathsYearAndCaption) {
    WriteFile(temp.path() / "epr.dat-", "");
    Start();
    EXPECT_EQ(engine.startup.dataPath, temp.dir());
    EXPECT_EQ(engine.work.tevDir, temp.dir() + "TEV/");
    EXPECT_EQ(engine.work.zepDir, temp.dir() + "ZEP/");
    EXPECT_EQ(engine.startup.yearSuffix, ".16");
    EXPECT_EQ(engine.startup.schoolYearCode, 116);
    EXPECT_EQ(engine.startup.helpPath, temp.dir());
    EXPECT_EQ(engine.startup.todayText, "20.11.16");
    EXPECT_EQ(engine.window.sortIndex, 2);
    EXPECT_TRUE(engine.window.check91Plaus);
    EXPECT_FALSE(engine.window.developerPanelVisible);
    EXPECT_EQ(engine.schoolList.lines.size(), 1u);
    EXPECT_EQ(engine.window.caption.rfind("WnnTEV10.24       " + temp.dir(), 0), 0u);
}

TEST_F(StartFixture, TheMemoryLogShowsTheRecordsReservedAtStart) {
    WriteFile(temp.path() / "sysmem.log", "");
    Start();
    const std::string log = tev::test::ReadFile(temp.path() / "sysmem.log");
    for (const char* label : {" sysnew:tempbuf\r\n", " zepsdcl:tempbuf\r\n", " zepsdcl:_1\r\n",
                              " zepsdcl:_9\r\n", " zepsdcl:_2\r\n"}) {
        EXPECT_NE(log.find(label), std::string::npos) << label;
    }
}

TEST_F(StartFixture, DevelopersStartUnsortedWithTheirPanel) {
    inputs.usw = "QVZ";
    Start();
    EXPECT_EQ(engine.window.sortIndex, 0);
    EXPECT_TRUE(engine.window.developerPanelVisible);
    EXPECT_TRUE(engine.window.developerMenuVisible);
}

TEST_F(StartFixture, TableDefinitionListsFollowTheYear) {
    WriteFile(temp.path() / "stal_ag.def", DosLines({"101", "202", "1503"}));
    WriteFile(temp.path() / "stal_ag2.def", DosLines({"7", "8", "9"}));
    Start();
    EXPECT_EQ(engine.startup.tableDefinitionItems,
              (std::vector<std::string>{"101", "202", "1503"}));
    EXPECT_EQ(engine.startup.tableDefinitionNumbers[1], 256 + 1);
    EXPECT_EQ(engine.startup.tableDefinitionNumbers[3], 15 * 256 + 3);
    EXPECT_EQ(engine.startup.tableDefinitionSelector, 2);

    ApplyYearSuffix(engine.startup, ".18");
    LoadTableDefinitionLists(engine);
    EXPECT_EQ(engine.startup.tableDefinitionItems, (std::vector<std::string>{"7", "8", "9"}));
    EXPECT_EQ(engine.startup.tableDefinitionSelector, 3);
}

TEST_F(StartFixture, DefinitionNumbersOutsideTheirRangeStayZero) {
    WriteFile(temp.path() / "stal_ag.def",
              DosLines({"25599", "25600", "838860800", "-5", "99999999999"}));
    Start();
    EXPECT_EQ(engine.startup.tableDefinitionNumbers[1], 255 * 256 + 99);
    for (int i = 2; i <= 5; ++i)
        EXPECT_EQ(engine.startup.tableDefinitionNumbers[i], 0) << i;
}

TEST_F(StartFixture, OldDataSetFilesSwitchToTheOldNameList) {
    WriteFile(temp.path() / "TEV" / "SL112233.98", "");
    WriteFile(temp.path() / "namen1.dat",
              DosLines({"Kopf", ".S", "01112233 Alt-Gym", "02999999 Anderes", ".Z", "Fuss"}));
    ui = ScriptedUi{};
    Start();
    EXPECT_EQ(engine.schoolList.lines,
              (std::vector<std::string>{"01112233 Alt-Gym", "02999999 Anderes"}));
    EXPECT_TRUE(ui.questions().empty());
}
