#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/sheet_search.h"
#include "support/demo_sheets.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct CriterionCase {
    const char* criterion;
    const char* cell;
    bool accepted;
};

const CriterionCase kCriterionCases[] = {
    {">0", "", false},     {">0", "  3", true},   {">5", "5", false},
    {">-1", "", true},     {"=0", "", true},      {"=7", "  7", true},
    {"=7", "17", false},   {"<3", "2", true},     {"<3", "3", false},
    {"< 3", "x", true},    {"2..5", "2", true},   {"2..5", "5", true},
    {"2..5", "6", false},  {"2..5", "1", false},  {"5..2", "3", true},
    {"\\2..5", "1", true}, {"\\2..5", "6", true}, {"\\2..5", "3", false},
    {"\\2..5", "", true},  {"*", "", true},       {"*", "abc", true},
    {"EF", " EF ", true},  {"EF", "E F", false},  {"2..x", "a 2..x b", true},
    {"2..x", "2", false},  {"\\x", "a\\x", true}, {"Heim", "im Heim wohnen", true},
};

TEST(SearchCriterion, AcceptsCellsByTheFormOfTheCriterion) {
    for (const CriterionCase& c : kCriterionCases) {
        const auto criterion = ParseSearchCriterion(c.criterion);
        ASSERT_TRUE(criterion) << c.criterion;
        EXPECT_EQ(CriterionAccepts(*criterion, c.cell), c.accepted)
            << "\"" << c.criterion << "\" on \"" << c.cell << "\"";
    }
}

TEST(SearchCriterion, RefusesTextsThatAskNothing) {
    for (const char* text : {"", "   ", ">", "=", "<x", ">5x", "=1.5"})
        EXPECT_FALSE(ParseSearchCriterion(text)) << "\"" << text << "\"";
}

TEST(SearchCriterion, FindsATypedUmlautInDosCells) {
    const auto criterion = ParseSearchCriterion(Win("Mörike"));
    ASSERT_TRUE(criterion);
    EXPECT_TRUE(CriterionAccepts(*criterion, DosFromUtf8("Mörike-Gymnasium")));
    EXPECT_TRUE(CriterionAccepts(*criterion, Win("Mörike-Gymnasium")));
    EXPECT_FALSE(CriterionAccepts(*criterion, DosFromUtf8("Morike")));
}

class SearchNextSchoolTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sheets = new DemoSheets(8);
        // Table 3.4 is empty in the demo office but for these two schools.
        sheets->Plant(2, {{"SG34", 1, 1, "3"}});
        sheets->Plant(5, {{"SG34", 1, 1, "7"}});
        sheets->Plant(6, {{"SG21", 4, 2, "45"}});
    }
    static void TearDownTestSuite() {
        delete sheets;
        sheets = nullptr;
    }

    static int Search(const SearchArea& area, const std::string& criterion, int start,
                      int last = 7) {
        const auto parsed = ParseSearchCriterion(criterion);
        EXPECT_TRUE(parsed) << criterion;
        return SearchNextSchool(sheets->engine(), area, *parsed, start, last);
    }

    static DemoSheets* sheets;
};

DemoSheets* SearchNextSchoolTest::sheets = nullptr;

const SearchArea kHomeCell{"SG34", 1, 1, 1, 1, ""};

TEST_F(SearchNextSchoolTest, StopsAtTheNextSchoolThatMeetsTheCondition) {
    struct Case {
        const char* criterion;
        int start;
        int found;
    };
    const Case cases[] = {
        {">0", -1, 2}, {">0", 2, 5},    {">0", 5, -1}, {"=3", -1, 2}, {"\\0..5", -1, 5},
        {"*", 3, 4},   {"2..3", 2, -1}, {"<1", 1, 3},  {">0", 1, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Search(kHomeCell, c.criterion, c.start), c.found)
            << c.criterion << " from " << c.start;
    }
}

TEST_F(SearchNextSchoolTest, LeavesTheFoundSchoolLoadedAndSelected) {
    ASSERT_EQ(Search(kHomeCell, ">5", -1), 5);
    Engine& engine = sheets->engine();
    EXPECT_EQ(engine.schoolList.itemIndex, 5);
    EXPECT_EQ(engine.sheet.schoolSpinValue, 6);
    EXPECT_EQ(engine.sheet.schoolNumber, sheets->SchoolNumber(5));
    EXPECT_EQ(Trim(engine.sheet.grids.Find("SG34")->Cells(1, 1)), "7");
}

TEST_F(SearchNextSchoolTest, TestsTheWholeRectangleAndTheSecondGrid) {
    const SearchArea girls{"SG21", 1, 1, 7, 2, ""};
    EXPECT_EQ(Search(girls, ">40", -1), 6);
    const SearchArea upsideDown{"SG21", 1, 2, 7, 1, ""};
    EXPECT_EQ(Search(upsideDown, ">40", -1), -1);
    // Row 1 of 4.2 is a heading row that every school has.
    EXPECT_EQ(Search(kHomeCell, "Landkreis", -1), -1);
    SearchArea withSecond = kHomeCell;
    withSecond.secondGrid = "SG42";
    EXPECT_EQ(Search(withSecond, "Landkreis", 3), 4);
    // Cells beyond a school's grid are not there to be empty.
    const SearchArea beyond{"SG34", 1, 5, 1, 5, ""};
    EXPECT_EQ(Search(beyond, "=0", -1), -1);
}

TEST_F(SearchNextSchoolTest, EndsAtTheLastIndexOrWhenTheGaugeIsHidden) {
    EXPECT_EQ(Search(kHomeCell, ">5", -1, 4), -1);
    EXPECT_EQ(sheets->engine().schoolList.itemIndex, 4);
    sheets->ui().StopProgressAfter(2);
    EXPECT_EQ(Search(kHomeCell, ">5", -1), -1);
    EXPECT_LT(sheets->engine().schoolList.itemIndex, 5);
    sheets->ui().StopProgressAfter(-1);
    EXPECT_EQ(Search(kHomeCell, ">5", -1), 5);
}

} // namespace
