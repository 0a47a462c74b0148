#include "data/school_groups.h"
#include "output/codepage.h"
#include "shell/program_start.h"
#include "shell/school_year_switch.h"
#include "shell/scripted_ui.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct YearSwitchFixture : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};

    void SetUp() override {
        WriteFile(temp.path() / "schulnam.dat", DosLines({SchoolNameLine{}.Text()}));
        WriteFile(temp.path() / "TEV" / "SL112233.12", "");
        WriteFile(temp.path() / "stal_ag.def", DosLines({"101", "102", "1500"}));
        WriteFile(temp.path() / "stal_ag2.def", DosLines({"201", "202", "203"}));
        StartEngine(engine, ui, temp.path());
    }
};

} // namespace

TEST(SchoolYearSuffixes, RunFromNinetyEightWithShortReportVariants) {
    const auto suffixes = SchoolYearSuffixes({2016, 11, 20});
    ASSERT_EQ(suffixes.size(), 52u);
    EXPECT_EQ(suffixes[0], ".98");
    EXPECT_EQ(suffixes[3], ".01");
    EXPECT_EQ(suffixes[4], ".02K");
    EXPECT_EQ(suffixes[5], ".02");
    EXPECT_EQ(suffixes.back(), ".25");
}

TEST(SchoolYearSuffixes, GoOnToTheCurrentSchoolYearButNotPast2029) {
    EXPECT_EQ(SchoolYearSuffixes({2027, 8, 31}).back(), ".26");
    EXPECT_EQ(SchoolYearSuffixes({2027, 9, 1}).back(), ".27");
    EXPECT_EQ(SchoolYearSuffixes({2045, 1, 1}).back(), ".29");
}

TEST_F(YearSwitchFixture, ChosenYearSetsCodesAndReloadsDirectoryAndLists) {
    ASSERT_EQ(engine.startup.yearSuffix, ".16");
    ASSERT_EQ(engine.schoolList.lines.at(0)[0], '\\');
    ASSERT_EQ(engine.startup.tableDefinitionItems.at(0), "101");
    ui.AddAnswer(".12");
    EXPECT_TRUE(SBpjjClick(engine));
    EXPECT_EQ(engine.startup.yearSuffix, ".12");
    EXPECT_EQ(engine.startup.schoolYearCode, 112);
    EXPECT_EQ(engine.startup.startYearText, "2012");
    EXPECT_EQ(engine.sheet.schoolYearCode, 112);
    EXPECT_EQ(engine.schoolList.lines.at(0)[0], '0');
    EXPECT_EQ(engine.startup.tableDefinitionItems.at(0), "101");

    ui.AddAnswer(".18K");
    EXPECT_TRUE(SBpjjClick(engine));
    EXPECT_EQ(engine.startup.yearSuffix, ".18K");
    EXPECT_EQ(engine.startup.schoolYearCode, 118);
    EXPECT_EQ(engine.startup.tableDefinitionItems.at(0), "201");
    EXPECT_EQ(engine.schoolList.lines.at(0)[0], '\\');
}

TEST_F(YearSwitchFixture, TheChoiceOffersTheCurrentYearAndCancelChangesNothing) {
    ui.AddAnswer("abbruch");
    EXPECT_FALSE(SBpjjClick(engine));
    EXPECT_EQ(ui.questions().back(), Win("Schuljahr wählen"));
    EXPECT_EQ(engine.startup.yearSuffix, ".16");
    EXPECT_EQ(engine.startup.schoolYearCode, 116);

    ScriptedUi defaults;
    defaults.SetUseDefaults(true);
    defaults.SetStandingAnswer(Win("Schul-Gruppe wählen"), SchoolGroupEntry("  "));
    Engine other{defaults, temp.path()};
    other.startup = engine.startup;
    EXPECT_TRUE(SBpjjClick(other)); // the preset answer is the current suffix
    EXPECT_EQ(other.startup.yearSuffix, ".16");
}

TEST_F(YearSwitchFixture, ASwitchByTheProgramKeepsTheDirectory) {
    engine.schoolList.lines.push_back("marker");
    SwitchSchoolYear(engine, ".13", false);
    EXPECT_EQ(engine.startup.schoolYearCode, 113);
    EXPECT_EQ(engine.schoolList.lines.back(), "marker");
}
