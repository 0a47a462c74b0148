#include "data/school_directory.h"
#include "data/school_groups.h"
#include "output/codepage.h"
#include "shell/directory_commands.h"
#include "shell/program_start.h"
#include "shell/school_list_sort.h"
#include "shell/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <random>

using namespace tev;
using tev::test::DosLines;
using tev::test::SchoolNameLine;
using tev::test::TempDir;
using tev::test::WriteFile;

namespace {

SchoolNameLine School(const std::string& number, const std::string& regional,
                      const std::string& shortName = "Gym", char track = ';') {
    SchoolNameLine line;
    line.number = number;
    line.regional = regional;
    line.shortName = shortName;
    line.track = track;
    return line;
}

struct DirectoryFixture : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};

    void WriteSchools(const std::vector<SchoolNameLine>& schools,
                      std::vector<std::string> extra = {}) {
        std::vector<std::string> lines;
        for (const auto& s : schools)
            lines.push_back(s.Text());
        lines.insert(lines.end(), extra.begin(), extra.end());
        WriteFile(temp.path() / "schulnam.dat", DosLines(lines));
    }
    void Start(const std::string& group = "  ", int sort = 2) {
        ui.SetStandingAnswer(Win("Schul-Gruppe wählen"), SchoolGroupEntry(group));
        StartInputs inputs;
        inputs.parameters = {temp.path().string()};
        inputs.today = {2016, 11, 20};
        inputs.sortIndex = sort;
        ProcessStart(engine, inputs);
        FormCreate(engine, inputs);
    }
    std::vector<std::string> Numbers() const {
        std::vector<std::string> numbers;
        for (const auto& line : engine.schoolList.lines)
            numbers.push_back(line.substr(2, 6));
        return numbers;
    }
};

} // namespace

TEST(SchoolGroups, TwentyFourChoicesWithCodesAndTags) {
    const auto& choices = SchoolGroupChoices();
    ASSERT_EQ(choices.size(), 24u);
    for (const auto& c : choices)
        EXPECT_LE(c.size(), 19u) << c;
    EXPECT_EQ(SchoolGroupEntry("  ")[3], '_');
    EXPECT_EQ(SchoolGroupEntry("11").substr(3), "Stuttgart " + Win("öff"));
    EXPECT_EQ(SchoolGroupEntry("xx"), "");
}

TEST(SchoolGroups, FiltersByTypeDistrictAndTrack) {
    const std::string public1 = School("112233", "111801").Text();
    const std::string public3 = School("112234", "311801").Text();
    const std::string private2 = School("312235", "211801").Text();
    const std::string nine1 = School("112236", "111801", "G9", '1').Text();
    EXPECT_TRUE(InSchoolGroup(public1, "  "));
    EXPECT_TRUE(InSchoolGroup(public1, "1 "));
    EXPECT_FALSE(InSchoolGroup(private2, "1 "));
    EXPECT_TRUE(InSchoolGroup(private2, "32"));
    EXPECT_FALSE(InSchoolGroup(private2, "31"));
    EXPECT_TRUE(InSchoolGroup(public3, " 3"));
    EXPECT_FALSE(InSchoolGroup(public1, "* "));
    EXPECT_TRUE(InSchoolGroup(public3, "* "));
    EXPECT_FALSE(InSchoolGroup(private2, "* "));
    EXPECT_TRUE(InSchoolGroup(nine1, "9 "));
    EXPECT_TRUE(InSchoolGroup(nine1, "91"));
    EXPECT_TRUE(InSchoolGroup(nine1, "e "));
    EXPECT_FALSE(InSchoolGroup(nine1, "z "));
    EXPECT_FALSE(InSchoolGroup(public1, "9 "));
    EXPECT_TRUE(InSchoolGroup(School("301061", "111801").Text(), "a "));
    EXPECT_FALSE(InSchoolGroup(public1, "a "));
    EXPECT_FALSE(InSchoolGroup("0", "9 "));
}

TEST(SchoolGroups, RegionGroupOfRegionalNumbers) {
    EXPECT_EQ(RegionGroupOf("118"), '1');
    EXPECT_EQ(RegionGroupOf("995"), '1');
    EXPECT_EQ(RegionGroupOf("111"), '2');
    EXPECT_EQ(RegionGroupOf("128"), '3');
    EXPECT_EQ(RegionGroupOf("126"), '4');
    EXPECT_EQ(RegionGroupOf("999"), ';');
    EXPECT_EQ(RegionGroupOf(""), ';');
}

TEST_F(DirectoryFixture, ListsTheGroupMarksMissingDataAndShowsRegionalNumbers) {
    auto withData = School("112233", "111111", "Alpha");
    auto other = School("112240", "211118", "Beta");
    auto hidden = School("112250", "111801", "Gamma");
    hidden.status = "1 ";
    WriteSchools({withData, other, hidden}, {".Z", School("112260", "111801").Text()});
    WriteFile(temp.path() / "TEV" / "SL112233.16", "");
    Start();
    ASSERT_EQ(Numbers(), (std::vector<std::string>{"112233", "112240"}));
    const auto& first = engine.schoolList.lines[0];
    const auto& second = engine.schoolList.lines[1];
    EXPECT_EQ(first[0], '0');
    EXPECT_EQ(second[0], '\\');
    EXPECT_EQ(first.substr(52, 8), " 111111 ");
    EXPECT_EQ(first[76], '2');
    EXPECT_EQ(second[76], '1');
    EXPECT_EQ(first.size(), 84u);
    EXPECT_EQ(engine.schoolList.lineForm, kShortLineForm);
    EXPECT_EQ(engine.window.progressMaximum, 2);
    EXPECT_NE(engine.window.caption.find("     *.16    _alle"), std::string::npos);
}

TEST_F(DirectoryFixture, ADistrictKeepsTheWholeLine) {
    auto school = School("112233", "111801");
    school.tail = "Zusatz";
    WriteSchools({school, School("112240", "211118")});
    Start(" 1");
    ASSERT_EQ(Numbers(), (std::vector<std::string>{"112233"}));
    EXPECT_EQ(engine.schoolList.lines[0].substr(184, 5), "70173");
    EXPECT_EQ(engine.schoolList.lineForm, kFullLineForm);
}

TEST_F(DirectoryFixture, ShortFormEndsWithTheTrailingData) {
    auto school = School("112233", "111801");
    school.tail = "Zusatzdaten";
    WriteSchools({school});
    Start();
    EXPECT_EQ(engine.schoolList.lines[0].substr(84), "Zusatzdaten         ");
}

TEST_F(DirectoryFixture, DuplicatesAreReportedForEveryEarlierLine) {
    WriteSchools({School("112233", "111801", "A"), School("112233", "111801", "B"),
                  School("112233", "111801", "C")});
    Start();
    EXPECT_EQ(engine.schoolList.lines.size(), 3u);
    const auto& report = engine.outputBox.lines();
    ASSERT_EQ(report.size(), 6u);
    EXPECT_EQ(report[0].rfind("DID doppelt: \\0112233B", 0), 0u);
    EXPECT_EQ(report[1].rfind(std::string(13, ' ') + "\\0112233A", 0), 0u);
    EXPECT_EQ(report[4].rfind("DID doppelt: \\0112233C", 0), 0u);
}

// 5000 copies of one line make 12,497,500 pairs; the report shows 500 of them and counts the
// rest in one line, in time linear in the lines.
TEST_F(DirectoryFixture, TheDuplicateReportIsBoundedForThousandsOfEqualLines) {
    WriteSchools(std::vector<SchoolNameLine>(5000, School("112233", "111801", "A")));
    Start();
    EXPECT_EQ(engine.schoolList.lines.size(), 5000u);
    const auto& report = engine.outputBox.lines();
    ASSERT_EQ(report.size(), 1001u);
    EXPECT_EQ(report[998].rfind("DID doppelt: ", 0), 0u);
    EXPECT_EQ(report.back(), "DID doppelt: 24994000 weitere Zeilen nicht gezeigt");
}

TEST_F(DirectoryFixture, MissingSchoolNameFileGivesAnEmptyListAndAMessage) {
    Start();
    EXPECT_TRUE(engine.schoolList.lines.empty());
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_EQ(ui.messages()[0], "nicht gefunden: " + temp.dir() + "schulnam.dat");
}

TEST_F(DirectoryFixture, GarbageAndShortLinesDoNotHurt) {
    // Garbage lines never begin with "0" (a school) or "." (the end mark); three schools
    // stand among them, and three short lines that do begin with "0" follow.
    std::mt19937 random(7);
    std::vector<std::string> lines;
    for (int i = 0; i < 2000; ++i) {
        std::string line(random() % 255, ' ');
        for (char& c : line) {
            c = static_cast<char>(random() % 256);
            if (c == '\r' || c == '\n' || c == 26) c = '?'; // 26 ends a DOS file
        }
        if (!line.empty() && (line[0] == '0' || line[0] == '.')) line[0] = 'g';
        lines.push_back(line);
    }
    lines[10] = School("112250", "311801").Text();
    lines[1000] = School("112233", "111801").Text();
    lines[1999] = School("112240", "211801").Text();
    lines.insert(lines.end(), {"0", "00999", "0" + std::string(5000, 'x')});
    WriteFile(temp.path() / "schulnam.dat", DosLines(lines));
    Start();
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"      ", "112233", "112240", "112250", "999   ",
                                                   "xxxxxx"}));
    for (const auto& line : engine.schoolList.lines)
        EXPECT_GE(line.size(), 84u);
    SortSchoolList(engine, 8);
    EXPECT_EQ(engine.schoolList.lines.size(), 6u);
    // One line per regional number: the two short lines have the same blank one.
    SortSchoolList(engine, 12);
    EXPECT_EQ(Numbers(),
              (std::vector<std::string>{"      ", "112233", "112240", "112250", "xxxxxx"}));
}

TEST_F(DirectoryFixture, SortKeysAndUmlauts) {
    WriteSchools({School("112240", "111801", Win("Zeppelin")), School("112233", "211801", "Brecht"),
                  School("112250", "111801", Win("Ängelsberg")),
                  School("112260", "311801", DosFromUtf8("Ölberg")),
                  School("112270", "411801", "Anton")});
    Start("  ", 3);
    EXPECT_EQ(Numbers(),
              (std::vector<std::string>{"112250", "112270", "112233", "112260", "112240"}));
    SortSchoolList(engine, 2);
    EXPECT_EQ(Numbers(),
              (std::vector<std::string>{"112233", "112240", "112250", "112260", "112270"}));
    EXPECT_EQ(engine.listOrderNumbers[0], "112233");
    EXPECT_EQ(engine.listOrderNumbers[5], "      ");
    SortSchoolList(engine, 0);
    EXPECT_EQ(engine.rememberedSortIndex, 0);
    EXPECT_EQ(Numbers().front(), "112233");
}

TEST_F(DirectoryFixture, OnePerRegionalNumberKeepsTheFirstAndSelectsTheSecondLine) {
    WriteSchools({School("112233", "211801"), School("112240", "111801"),
                  School("112250", "211801"), School("112260", "111801"),
                  School("112270", "311801")});
    Start();
    SortSchoolList(engine, 12);
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"112240", "112233", "112270"}));
    EXPECT_EQ(engine.schoolList.itemIndex, 1);
    EXPECT_EQ(engine.listOrderNumbers[2], "112270");
    EXPECT_EQ(engine.listOrderNumbers[3], "      ");
}

TEST_F(DirectoryFixture, LoadingAgainFollowsTheChosenYear) {
    WriteSchools({School("112233", "111801")});
    WriteFile(temp.path() / "TEV" / "SL112233.15", "");
    Start();
    EXPECT_EQ(engine.schoolList.lines[0][0], '\\');
    ApplyYearSuffix(engine.startup, ".15");
    Laden1Click(engine);
    EXPECT_EQ(engine.schoolList.lines[0][0], '0');
}
