#include "output/codepage.h"
#include "sheet/sheet_search.h"
#include "support/engine_start.h"
#include "support/sheet_office.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct CriterionCase {
    const char* criterion;
    const char* cell;
    bool accepted;
};

bool Accepts(const char* criterion, const std::string& cell) {
    const auto parsed = ParseSearchCriterion(criterion);
    EXPECT_TRUE(parsed.has_value()) << criterion;
    return parsed && CriterionAccepts(*parsed, cell);
}

struct SearchOffice : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};

    void SetUp() override {
        WriteSheetOffice(temp.path());
        StartEngine(engine, ui, temp.path());
    }
    int Search(const char* criterion, int start, SearchArea area = {"SG21", 1, 1, 1, 1, ""}) {
        return SearchNextSchool(engine, area, *ParseSearchCriterion(criterion), start,
                                static_cast<int>(engine.schoolList.lines.size()) - 1);
    }
    std::string Loaded() const { return engine.sheet.schoolNumber; }
};

} // namespace

TEST(SearchCriterion, EveryFormAcceptsWhatItSays) {
    const CriterionCase cases[] = {
        {">0", "  3", true},    {">0", "", false},       {">0", "-1", false},
        {"=0", "", true},       {"=12", " 12 ", true},   {"=12", "13", false},
        {"<5", "4", true},      {"<5", "5", false},      {"2..5", "2", true},
        {"2..5", "5", true},    {"2..5", "6", false},    {"2..5", "", false},
        {"\\2..5", "1", true},  {"\\2..5", "2", false},  {"\\2..5", "5", false},
        {"\\2..5", "6", true},  {"\\2..5", "", true},    {"*", "", true},
        {"*", "x", true},       {"Serb", "170 Serbien", true},
        {"Serb", "Kosovo", false}, {">x", "a>x", true}, // no number after ">": a text
    };
    for (const auto& c : cases)
        EXPECT_EQ(Accepts(c.criterion, c.cell), c.accepted) << c.criterion << " on '" << c.cell << "'";
    EXPECT_FALSE(ParseSearchCriterion("   ").has_value());
}

TEST(SearchCriterion, TypedTextFindsCellsInTheFilesCodePage) {
    // The office's files hold "ä" in the DOS code page, the user types it in the program's.
    EXPECT_TRUE(Accepts(Win("Dän").c_str(), "126 D\x84nemark"));
}

TEST_F(SearchOffice, StopsAtTheFirstFollowingSchoolThatMeetsTheCriterion) {
    // Table 2.1 cell (1, 1) of the schools in list order: 0, 3, 7, empty, 4.
    EXPECT_EQ(Search(">0", 0), 1);
    EXPECT_EQ(Loaded(), "112202");
    EXPECT_EQ(engine.sheet.schoolSpinValue, 2);
    EXPECT_EQ(Search("*", 1), 2);
    EXPECT_EQ(Search("\\2..5", 0), 2); // 7 lies outside
    EXPECT_EQ(Search("\\2..5", 2), 3); // empty counts 0
    EXPECT_EQ(Search(">0", 3), 4);
    EXPECT_EQ(Search(">0", 4), -1);
    EXPECT_EQ(Loaded(), "112205");
}

TEST_F(SearchOffice, SearchAreaSecondGridAndAbort) {
    // Nothing is tested when the "bis" row lies above the "von" row.
    EXPECT_EQ(Search("*", 0, {"SG21", 1, 1, 1, 0, ""}), -1);
    // A hit in the second grid counts: the name column of 2.3 holds "Montenegro" at 112202.
    EXPECT_EQ(Search("Monte", 0, {"SG21", 1, 1, 1, 1, "SG23"}), 1);
    // "Abbruch" after the first school ends the search there.
    ui.StopProgressAfter(1);
    EXPECT_EQ(Search(">5", 0), -1);
    EXPECT_EQ(Loaded(), "112202");
}
