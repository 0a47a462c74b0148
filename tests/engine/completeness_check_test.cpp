#include "data/data_set_format.h"
#include "data/school_directory.h"
#include "data/school_groups.h"
#include "demand/demand_commands.h"
#include "evaluation/completeness_check.h"
#include "output/codepage.h"
#include "output/recording_canvas.h"
#include "output/text_routines.h"
#include "plausibility_school.h"
#include "shell/program_start.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"
#include "shell/sort_choice.h"
#include "support/engine_start.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

using namespace tev;
using namespace tev::test;

namespace {

// Three schools: 111111 consistent with a ZEP list, 222222 with too many non-promoted
// pupils and a wrong origin total, 333333 without data set file.
struct DataTestFixture : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    RecordingCanvas* canvas = nullptr;

    static std::string DataSetText(PlausibilitySchool& school) {
        std::ostringstream out;
        for (const auto& name : BlockOrder(116)) {
            WriteBlock(*school.engine.sheet.grids.Find(name), school.engine.sheet.header, out);
        }
        return out.str();
    }

    void SetUp() override {
        std::vector<std::string> lines;
        for (const char* number : {"111111", "222222", "333333"}) {
            SchoolNameLine line;
            line.number = number;
            line.shortName = std::string("Gym-") + number;
            lines.push_back(line.Text());
        }
        WriteFile(temp.path() / "schulnam.dat", DosLines(lines));
        PlausibilitySchool good;
        good.engine.sheet.header.SetSchoolNumber("111111");
        good.engine.sheet.header.yearText = "2016/17";
        WriteFile(temp.path() / "TEV" / "SL111111.16", DataSetText(good));
        PlausibilitySchool faulty;
        faulty.SetNotPromoted(40, 40);
        faulty.Put(22, 1, 3, 55); // an origin total that differs from the pupils
        faulty.engine.sheet.header.SetSchoolNumber("222222");
        WriteFile(temp.path() / "TEV" / "SL222222.16", DataSetText(faulty));
        WriteFile(temp.path() / "ZEP" / "ze111111.16", "");
        WriteFile(temp.path() / "nachford.mm", DosLines({"Sehr geehrte Damen und Herren,"}));

        auto recording = std::make_unique<RecordingCanvas>();
        canvas = recording.get();
        engine.printer = std::move(recording);
        StartEngine(engine, ui, temp.path());
    }
    void Answer(std::initializer_list<const char*> answers) {
        for (const char* answer : answers)
            ui.AddAnswer(Win(answer));
    }
    const std::vector<std::string>& Box() { return engine.outputBox.lines(); }
    bool BoxHas(const std::string& text) {
        for (const auto& line : Box()) {
            if (line.find(text) != std::string::npos) return true;
        }
        return false;
    }
};

} // namespace

TEST(DataTestClassification, FirstLineOrElseLastLine) {
    EXPECT_EQ(JudgeTestLines({"Schulstatistik-Daten ok"}).status, DataTestStatus::Ok);
    EXPECT_EQ(JudgeTestLines({"Folgende ...", "x"}).status, DataTestStatus::Faulty);
    EXPECT_EQ(JudgeTestLines({"Hinweis", "Schulstatistik-Daten ok"}).status, DataTestStatus::Ok);
    EXPECT_EQ(JudgeTestLines({"Hinweis", "nichts"}).status, DataTestStatus::Missing);
    EXPECT_EQ(JudgeTestLines({}).status, DataTestStatus::Missing);
    // Passed, with a question in the verdict or in a remark below it.
    EXPECT_EQ(JudgeTestLines({"Schulstatistik-Daten ok?"}).status, DataTestStatus::Doubtful);
    EXPECT_EQ(JudgeTestLines({"Schulstatistik-Daten ok", "  1.1 wirklich OS_9j?"}).status,
              DataTestStatus::Doubtful);
    // A question among the findings of a failed test changes nothing.
    EXPECT_EQ(JudgeTestLines({"Folgende ...", "wirklich 0 ?"}).status, DataTestStatus::Faulty);
}

TEST_F(DataTestFixture, MarksEverySchoolAndPrintsTheProtocol) {
    Answer({"alle", "ja", "ja", "wirklich drucken", "wirklich drucken"});
    Testen1Click(engine);
    const auto& lines = engine.schoolList.lines;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 8), "+ 111111");
    EXPECT_EQ(lines[1].substr(0, 8), "-\\222222");
    EXPECT_EQ(lines[2].substr(0, 8), "\\\\333333");
    EXPECT_TRUE(BoxHas(Win("wirklich mehr als 10% Nichtversetzte")));
    EXPECT_FALSE(BoxHas("+ 111111"));
    EXPECT_TRUE(BoxHas("PROTOKOLL:"));
    EXPECT_TRUE(BoxHas("   - Schulstat. fehlerhaft :  1"));
    EXPECT_TRUE(BoxHas("   + Schulstat. ok         :  1"));
    EXPECT_TRUE(BoxHas("   \\ Schulstat. fehlt      :  1"));
    EXPECT_TRUE(BoxHas("   \\ Zeplistn fehlt        :  2"));
    EXPECT_TRUE(BoxHas("     Zeplistn vorhanden    :  1"));
    EXPECT_TRUE(BoxHas("   ? Schulstat. unvollst.? :  0"));
    EXPECT_FALSE(BoxHas("1997"));
    // The school list prints in the DOS font, its title converted for it.
    EXPECT_NE(canvas->FindText(ToOemText(Win("Schulstatistik-Übersicht mit Testkennzeichen"))),
              nullptr);
    EXPECT_NE(canvas->FindText("Schulstatistik: Liste mit Fehlerhinweisen"), nullptr);
}

TEST_F(DataTestFixture, ShowAllListsPassedSchoolsOnlyWithRemarks) {
    Answer({"alle", "nein", "nein", "abbruch", "abbruch"});
    Testen1Click(engine);
    EXPECT_EQ(engine.schoolList.lines[0][0], '+');
    // The consistent school's test list is the verdict alone: not listed even so.
    EXPECT_FALSE(BoxHas("+ 111111"));
}

TEST_F(DataTestFixture, TheThreeLineLimitCutsTheFindings) {
    Answer({"2", "ja", "ja", "abbruch", "abbruch"});
    Testen1Click(engine);
    size_t after = 0;
    for (size_t i = 0; i < Box().size(); ++i) {
        if (Box()[i].rfind("-\\222222", 0) == 0) after = i;
    }
    EXPECT_EQ(engine.schoolList.lines[0][0], '0');
    // The school's verdict, then more findings than the limit lets through.
    const auto& findings = engine.sheet.findings;
    ASSERT_GT(findings.size(), 4u);
    ASSERT_GT(Box().size(), after + 4);
    EXPECT_EQ(std::vector<std::string>(Box().begin() + after + 1, Box().begin() + after + 4),
              std::vector<std::string>(findings.begin() + 1, findings.begin() + 4));
    EXPECT_EQ(Box()[after + 4], "PROTOKOLL:");
}

TEST_F(DataTestFixture, AClickOnTheGaugeStopsTheRunButKeepsTheProtocol) {
    ui.StopProgressAfter(1);
    Answer({"alle", "ja", "ja", "abbruch", "abbruch"});
    Testen1Click(engine);
    EXPECT_EQ(engine.schoolList.lines[0][0], '+');
    EXPECT_EQ(engine.schoolList.lines[1][0], '0');
    EXPECT_TRUE(BoxHas("   + Schulstat. ok         :  1"));
    EXPECT_TRUE(BoxHas("   - Schulstat. fehlerhaft :  0"));
}

TEST_F(DataTestFixture, SortingAfterAStoppedRunKeepsTheLoadedSchoolSelected) {
    std::vector<std::string> lines;
    for (auto [number, name] :
         {std::pair{"111111", "Zeppelin"}, {"222222", "Kepler"}, {"333333", "Albert"}}) {
        SchoolNameLine line;
        line.number = number;
        line.shortName = name;
        lines.push_back(line.Text());
    }
    WriteFile(temp.path() / "schulnam.dat", DosLines(lines));
    LoadSchoolDirectory(engine, "  ");
    ui.StopProgressAfter(1);
    Answer({"alle", "ja", "ja", "abbruch", "abbruch"});
    Testen1Click(engine);
    ASSERT_EQ(engine.sheet.header.SchoolNumber(), "111111");
    auto selected = [this] {
        const auto& list = engine.schoolList;
        return list.itemIndex < 0 ? std::string() : list.lines[list.itemIndex].substr(2, 6);
    };
    EXPECT_EQ(selected(), "111111");
    RGSortClick(engine, 3); // by short name: Albert, Kepler, Zeppelin
    EXPECT_EQ(engine.schoolList.lines[2].substr(2, 6), "111111");
    EXPECT_EQ(selected(), "111111");
    // One school per regional number selects the second line: it is loaded.
    RGSortClick(engine, 2);
    engine.schoolList.lines[1].replace(77, 6, "211111");
    RGSortClick(engine, 12);
    EXPECT_EQ(selected(), "222222");
    EXPECT_EQ(engine.sheet.header.SchoolNumber(), "222222");
}

TEST_F(DataTestFixture, ADoubleClickOnAListedFindingOpensItsCellInTheSheet) {
    Answer({"alle", "ja", "nein", "abbruch", "abbruch"});
    Testen1Click(engine);
    int schoolLine = -1;
    int findingLine = -1;
    for (size_t i = 0; i < Box().size(); ++i) {
        if (Box()[i].rfind("-\\222222", 0) == 0) schoolLine = static_cast<int>(i);
        if (Box()[i].rfind("Summe KlSt. 5 in   1.1+1.8 <> 2.2", 0) == 0)
            findingLine = static_cast<int>(i);
    }
    ASSERT_GE(schoolLine, 0);
    ASSERT_GT(findingLine, schoolLine);
    ASSERT_NE(engine.sheet.header.SchoolNumber(), "222222");

    // The school line only loads the school, as before.
    LB2DblClick(engine, schoolLine);
    EXPECT_EQ(engine.sheet.header.SchoolNumber(), "222222");
    EXPECT_FALSE(engine.sheet.window.visible);

    engine.outputBox.Clear();
    Answer({"alle", "ja", "nein", "abbruch", "abbruch"});
    Testen1Click(engine);
    ASSERT_EQ(Box()[findingLine].rfind("Summe KlSt. 5", 0), 0u);
    LB2DblClick(engine, findingLine);
    EXPECT_EQ(engine.sheet.header.SchoolNumber(), "222222");
    const SheetWindowState& w = engine.sheet.window;
    EXPECT_TRUE(w.visible);
    // The wrong origin total of class 5 (column 1) shows in the sum row, the last of 2.2.
    const int sumRow = engine.sheet.grids.Find("SG22")->RowCount() - 1;
    EXPECT_EQ(w.shownGrid, "SG22");
    EXPECT_EQ(w.currentCells.at("SG22"), (SheetCell{1, sumRow}));
    EXPECT_TRUE(w.highlight.Covers("SG22", 1, sumRow));
    EXPECT_FALSE(w.highlight.Covers("SG22", 2, sumRow));
}

TEST_F(DataTestFixture, AFindingLineChangedSinceTheTestOpensNothing) {
    Answer({"alle", "ja", "nein", "abbruch", "abbruch"});
    Testen1Click(engine);
    const auto found = std::find_if(Box().begin(), Box().end(), [](const std::string& line) {
        return line.rfind("Summe KlSt. 5 in", 0) == 0;
    });
    ASSERT_NE(found, Box().end());
    const size_t line = found - Box().begin();
    // The protocol's counters lie below the last school but belong to none.
    ASSERT_NE(engine.sheet.header.SchoolNumber(), "222222");
    const auto protocol = std::find(Box().begin(), Box().end(), "PROTOKOLL:");
    ASSERT_NE(protocol, Box().end());
    LB2DblClick(engine, static_cast<int>(protocol - Box().begin()) + 1);
    EXPECT_NE(engine.sheet.header.SchoolNumber(), "222222");
    engine.outputBox.lines()[line] = "Summe KlSt. 5 in 2.2 von Hand";
    LB2DblClick(engine, static_cast<int>(line));
    EXPECT_FALSE(engine.sheet.window.visible);
    engine.outputBox.Clear();
    engine.outputBox.Add("Summe KlSt. 5 in   1.1+1.8 <> 2.2");
    LB2DblClick(engine, 0);
    EXPECT_FALSE(engine.sheet.window.visible);
}

TEST_F(DataTestFixture, CancellingTheRangeChangesNothing) {
    Answer({"abbruch"});
    engine.outputBox.Add("bleibt");
    Testen1Click(engine);
    EXPECT_EQ(Box(), std::vector<std::string>{"bleibt"});
    EXPECT_EQ(engine.schoolList.lines[0][0], '0');
}

TEST_F(DataTestFixture, FehlListsTheSchoolsWithoutData) {
    Answer({"abbruch"});
    Fehl1Click(engine);
    ASSERT_EQ(Box().size(), 2u);
    EXPECT_EQ(Box()[0], "Statistikdaten(\"*.16\") fehlen von  1 Schulen");
    EXPECT_EQ(Box()[1].substr(0, 8), "\\0333333");
}

TEST_F(DataTestFixture, FehlCutsOnlyTheFullLineForm) {
    std::vector<std::string> lines;
    for (const char* number : {"111111", "444444"}) {
        SchoolNameLine line;
        line.number = number;
        line.tail = "G8 Ganztag";
        lines.push_back(line.Text());
    }
    WriteFile(temp.path() / "schulnam.dat", DosLines(lines));
    // Without a district the list line is short (84 + 20 characters): kept whole.
    LoadSchoolDirectory(engine, "  ");
    Answer({"abbruch"});
    Fehl1Click(engine);
    ASSERT_EQ(Box().size(), 2u);
    EXPECT_EQ(Box()[1], engine.schoolList.lines[1]);
    EXPECT_EQ(Box()[1].substr(84), "G8 Ganztag          ");
    // With a district the whole file line is listed: cut back to the short part.
    LoadSchoolDirectory(engine, " 1");
    ASSERT_EQ(engine.schoolList.lines[1].size(), 234u);
    Answer({"abbruch"});
    Fehl1Click(engine);
    ASSERT_EQ(Box().size(), 2u);
    EXPECT_EQ(Box()[1], engine.schoolList.lines[1].substr(0, 84));
}

TEST_F(DataTestFixture, APassedTestWithAQuestionMarksTheSchoolIncomplete) {
    PlausibilitySchool good;
    good.engine.sheet.header.SetSchoolNumber("111111");
    good.engine.sheet.header.yearText = "2016/17";
    good.Grid(31).FillRow(1, "0101;Chor;0;0;0;0"); // working groups answered with zeros
    WriteFile(temp.path() / "TEV" / "SL111111.16", DataSetText(good));
    Answer({"alle", "ja", "ja", "abbruch", "abbruch"});
    Testen1Click(engine);
    EXPECT_EQ(engine.schoolList.lines[0].substr(0, 8), "? 111111");
    // Listed with the questioning line although only faults were asked for.
    const auto school = std::find_if(Box().begin(), Box().end(), [](const std::string& line) {
        return line.rfind("? 111111", 0) == 0;
    });
    ASSERT_NE(school, Box().end());
    ASSERT_NE(school + 1, Box().end());
    EXPECT_EQ(school[1], "  3.1 keine AGs?");
    EXPECT_TRUE(BoxHas("   + Schulstat. ok         :  0"));
    EXPECT_TRUE(BoxHas("   ? Schulstat. unvollst.? :  1"));
}

TEST_F(DataTestFixture, NachForderungPrintsOneLetterPerFaultySchool) {
    Answer({"alle", "wirklich drucken"});
    NachForderung1Click(engine);
    EXPECT_EQ(Box().front(), "Sehr geehrte Damen und Herren,");
    EXPECT_TRUE(BoxHas(Win("Nichtversetzte")));
    EXPECT_NE(canvas->FindText(Win("Datenüberprüfung")), nullptr);
    EXPECT_EQ(engine.schoolList.lines[1][0], '0');
}

TEST_F(DataTestFixture, FormsOf1997AreCounted) {
    std::string text = ReadFile(temp.path() / "TEV" / "SL111111.16");
    for (size_t at = text.find("2016/17"); at != std::string::npos; at = text.find("2016/17"))
        text.replace(at, 7, "1997/98");
    WriteFile(temp.path() / "TEV" / "SL111111.16", text);
    Answer({"1", "ja", "ja", "abbruch", "abbruch"});
    Testen1Click(engine);
    EXPECT_TRUE(BoxHas("   noch Formulare von 1997:  1"));
}

namespace {

std::vector<std::vector<std::string>> DemandCells(const Engine& engine) {
    std::vector<std::vector<std::string>> cells;
    for (const StringGrid* grid : {&engine.demand.sgbedarf, &engine.demand.sglbr1,
                                   &engine.demand.sglbr2, &engine.demand.sglbr})
        for (int row = 0; row < grid->RowCount(); ++row)
            cells.push_back(grid->Row(row));
    return cells;
}

} // namespace

TEST_F(DataTestFixture, TheSchoolLeftLoadedHasTheDemandOfAPlainLoad) {
    const auto beforeAnyLoad = DemandCells(engine);
    Answer({"1-2", "ja", "ja", "abbruch", "abbruch"});
    Testen1Click(engine);
    ASSERT_EQ(engine.sheet.schoolNumber, "222222");
    const auto afterTest = DemandCells(engine);
    ASSERT_NE(afterTest, beforeAnyLoad);
    SelectListedSchool(engine, 0);
    LBClick(engine);
    SelectListedSchool(engine, 1);
    LBClick(engine);
    EXPECT_EQ(DemandCells(engine), afterTest);
}

TEST_F(DataTestFixture, TheDemandWindowComputesWhatAStoppedRunLeftPending) {
    Answer({"1-2", "ja", "ja", "abbruch", "abbruch"});
    Testen1Click(engine);
    const auto loadedDemand = DemandCells(engine);
    SelectListedSchool(engine, 0);
    LBClick(engine);
    engine.demand.sgbedarf.Clear(); // what the deferred load must not leave so
    {
        DeferDemandOnLoad deferred(engine);
        SelectListedSchool(engine, 1);
        LBClick(engine);
    } // broken off before Finish
    Lehrerbedarf1Click(engine);
    EXPECT_EQ(DemandCells(engine), loadedDemand);
}
