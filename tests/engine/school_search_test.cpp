#include "data/school_file_reconcile.h"
#include "data/school_groups.h"
#include "data/school_search.h"
#include "output/codepage.h"
#include "shell/program_start.h"
#include "shell/scripted_ui.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct SearchFixture : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};

    void SetUp() override {
        std::vector<std::string> lines;
        for (auto [number, name] : {std::pair{"112233", "Schiller-Gym"},
                                    {"112240", "Kepler-Gym"},
                                    {"112250", "Schickhardt"},
                                    {"112260", "M\x94rike-Gym"}}) {
            SchoolNameLine line;
            line.number = number;
            line.shortName = name;
            lines.push_back(line.Text());
        }
        WriteFile(temp.path() / "schulnam.dat", DosLines(lines));
        WriteFile(temp.path() / "TEV" / "SL112240.16", ".;34;112240;2016/17;Kepler\r\n 1;x;7\r\n");
        StartEngine(engine, ui, temp.path());
    }
};

} // namespace

TEST_F(SearchFixture, OneHitIsLoadedAtOnce) {
    ui.AddAnswer("Kepler");
    SearchSchool(engine);
    EXPECT_EQ(engine.schoolList.itemIndex, 1);
    EXPECT_EQ(engine.sheet.grids.Find("SG34")->Cells(1, 1), "7");
    EXPECT_FALSE(engine.outputBox.empty());
}

TEST_F(SearchFixture, UmlautsTypedAsTheListShowsThemAreFound) {
    // The list holds the school-name file's DOS code page, the user types in the program's.
    ui.AddAnswer(Win("Mörike"));
    SearchSchool(engine);
    EXPECT_EQ(engine.schoolList.itemIndex, 3);
}

TEST_F(SearchFixture, SeveralHitsArePickedFromAList) {
    ui.AddAnswer("Sch");
    ui.AddAnswer("2");
    SearchSchool(engine);
    EXPECT_EQ(engine.schoolList.itemIndex, 2);
    EXPECT_EQ(ui.questions().back(), Win("auswählen"));
}

TEST_F(SearchFixture, WithoutHitsTheOldDistrictListsAreShown) {
    WriteFile(temp.path() / "TEVK" / "namenK.dat", DosLines({"0K999999 Alt-Gymnasium", "x"}));
    ui.AddAnswer("Alt-Gym");
    SearchSchool(engine);
    EXPECT_EQ(engine.schoolList.itemIndex, -1);
    const auto& shown = ui.messages();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2], "gefunden");
    EXPECT_NE(shown.back().find("0K999999 Alt-Gymnasium"), std::string::npos);
}

TEST(Reconcile, UpdatesKnownSchoolsAndListsNewOnes) {
    SchoolNameLine known;
    known.number = "112233";
    known.name = "Altes Gymnasium";
    const auto result = ReconcileSchoolLines(
        {known.Text()}, {"Nr;Kurz;Bez;Name;Ort;Reg;PLZ",
                         "112233;Muster-Gym;Bez1;Neues Gymnasium;Musterstadt;111801;70173",
                         "112299;Neu-Gym;Bez2;Neugründung;Neustadt;211111;76131"});
    ASSERT_EQ(result.changes.size(), 1u);
    EXPECT_EQ(result.changes[0], "112233;Schulname;Altes Gymnasium;Neues Gymnasium");
    EXPECT_EQ(result.schoolLines[0].substr(30, 15), "Neues Gymnasium");
    ASSERT_EQ(result.newSchools.size(), 1u);
    EXPECT_EQ(result.newSchools[0].substr(0, 8), "00112299");
    EXPECT_EQ(result.newSchools[0].substr(77, 6), "211111");
    EXPECT_EQ(result.newSchools[0].substr(184, 5), "76131");
}
