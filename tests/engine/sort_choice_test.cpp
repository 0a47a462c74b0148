#include "shell/scripted_ui.h"
#include "shell/sort_choice.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;

TEST(SortChoice, SortsByTheChosenKeyAndRemembersIt) {
    test::TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    test::SchoolNameLine a;
    a.number = "222222";
    a.shortName = "Zeppelin";
    test::SchoolNameLine b;
    b.number = "111111";
    b.shortName = "Albert";
    engine.schoolList.lines = {a.Text(), b.Text()};

    RGSortClick(engine, 3);
    EXPECT_EQ(engine.schoolList.lines[0].substr(2, 6), "111111");
    EXPECT_EQ(engine.window.sortIndex, 3);
    EXPECT_EQ(engine.rememberedSortIndex, 3);
    EXPECT_EQ(engine.listOrderNumbers[1], "222222");

    // Marked lists sort by their marks without a new test.
    engine.schoolList.lines[0][0] = '-';
    engine.schoolList.lines[1][0] = '+';
    RGSortClick(engine, kTestResultSortKey);
    EXPECT_EQ(engine.schoolList.lines[0].substr(2, 6), "222222");
    EXPECT_EQ(engine.window.sortIndex, kTestResultSortKey);
}
