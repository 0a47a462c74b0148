// The weekly hours of the profiles and of the final years.
#include "demand/final_year_hours.h"
#include "demand/profile_timetable.h"
#include "shell/trace_log.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

const ProfileTimetable& T() {
    return StandardProfileTimetable();
}

constexpr int kSprachprofil = 1;
constexpr int kNaturwiss = 2;
constexpr int kMusik = 3;
constexpr int kSport = 5;
constexpr int kAbg = 7;
// Year codes whose level 1 is on the 9-year and on the 8-year track.
constexpr int kNineYearYear = 100;
constexpr int kEightYearYear = 110;

} // namespace

TEST(ProfileTimetable, ProfileLettersGiveTheirIndex) {
    EXPECT_EQ(ProfileIndex('S'), 1);
    EXPECT_EQ(ProfileIndex('N'), 2);
    EXPECT_EQ(ProfileIndex('I'), 2);
    EXPECT_EQ(ProfileIndex('V'), 1);
    EXPECT_EQ(ProfileIndex('$'), 5);
    EXPECT_EQ(ProfileIndex('3'), 8);
    EXPECT_EQ(ProfileIndex('D'), 10);
    EXPECT_EQ(ProfileIndex('F'), 14);
    EXPECT_EQ(ProfileIndex('Q'), 0);
    EXPECT_EQ(T().At(7)->longName.substr(0, 8), "6jAufbau");
    EXPECT_EQ(T().At(1)->longName, "Sprachprofil"); // a missing long name copies the short one
}

TEST(ProfileTimetable, TheTrackFollowsYearMinusLevel) {
    EXPECT_EQ(TrackOf(104, 1), Track::EightYear);
    EXPECT_EQ(TrackOf(104, 2), Track::NineYear);
    // Mathematics (group 5) at level 2: 9-year "4535444" gives 5, the 8-year level 2 (from
    // 9-year level 3, plus one) gives 4.
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 5, 2, 104), 5);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 5, 2, 105), 4);
}

TEST(ProfileTimetable, NineYearLookupsWithTheLatinHour) {
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'E', kNineYearYear, 1), 5);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'E', kNineYearYear, 7), 3);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 3, 'L', kNineYearYear, 5), 5);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 4, 'S', kNineYearYear, 5), 5); // as the 3rd
    // Latin first: one hour more in the first two levels, only where there are hours.
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'L', kNineYearYear, 1), 6);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'l', kNineYearYear, 2), 6);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'L', kNineYearYear, 3), 4);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 2, 'L', kNineYearYear, 1), 0);
    EXPECT_EQ(LanguageHoursAt(T(), kAbg, 1, 'L', kNineYearYear, 1), 0);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 5, 'E', kNineYearYear, 1), 0);
    EXPECT_EQ(LanguageHoursAt(T(), 15, 1, 'E', kNineYearYear, 1), 0);
    EXPECT_EQ(GroupHoursAt(T(), kMusik, 10, 5, kNineYearYear), 4);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 10, 5, kNineYearYear), 1);
}

TEST(ProfileTimetable, EightYearTablesAreDerivedFromTheNineYearOnes) {
    // 8-year levels 1..6 from 9-year levels 1, 3, 4, 5, 6, 7.
    const int firstLanguage[] = {5, 4, 4, 4, 3, 3};
    const int german[] = {6, 5, 5, 4, 4, 5}; // "5544334" plus one
    const int maths[] = {5, 4, 6, 5, 5, 5};  // "4535444" plus one
    const int science[] = {1, 1, 0, 0, 0, 0};
    for (int level = 1; level <= 6; ++level) {
        EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'E', kEightYearYear, level),
                  firstLanguage[level - 1]);
        EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 1, level, kEightYearYear), german[level - 1]);
        EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 5, level, kEightYearYear), maths[level - 1]);
        EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 13, level, kEightYearYear), science[level - 1]);
    }
    // No Latin hour on the 8-year track.
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'L', kEightYearYear, 1), 5);
    // Negative levels ask for the sum over the 8-year table.
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'E', kEightYearYear, -1), 23);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 1, -10, kNineYearYear), 29);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 1, -11, kNineYearYear), 0);
}

TEST(ProfileTimetable, EightYearClass11HasItsOwnHours) {
    const int year = 120; // level 7 on the 8-year track
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'E', year, 7), 3);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 2, 'F', year, 7), 4);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 3, 'L', year, 7), 4); // level 6 has 5
    EXPECT_EQ(LanguageHoursAt(T(), kNaturwiss, 3, 'L', year, 7), 0);    // level 6 has 0
    // Groups from "31213221211100"; groups 9..14 give 4 after 4 or more in level 6.
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 1, 7, year), 3);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 4, 7, year), 1);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 9, 7, year), 2);
    EXPECT_EQ(GroupHoursAt(T(), kSport, 9, 7, year), 4);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 10, 7, year), 1);
    EXPECT_EQ(GroupHoursAt(T(), kMusik, 10, 7, year), 4);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 13, 7, year), 0);
}

TEST(ProfileTimetable, LevelSumAndSupplementaryRangeOnTheEightYearTrack) {
    // Sums of languages and groups of the Sprachprofil per 8-year level, against the weekly
    // totals 32, 33, 34, 35, 35, 35.
    const int sums[] = {31, 33, 33, 35, 35, 36};
    const int left[] = {1, 0, 1, 0, 0, -1};
    for (int level = 1; level <= 6; ++level) {
        EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, kAllGroups, level, kEightYearYear),
                  sums[level - 1]);
        EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 0, level, kEightYearYear), left[level - 1]);
        EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, -3, level, kEightYearYear), left[level - 1]);
    }
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, kAllGroups, 1, kNineYearYear), 0);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 0, 1, kNineYearYear), 0);
}

TEST(ProfileTimetable, SwitchesAddALevelOrTheWkcHours) {
    TimetableSwitches extra;
    extra.extraLevel = true;
    // 9-year: one level further; the 8-year track is not moved.
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 2, 'F', kNineYearYear, 2, extra), 4);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 7, 4, kNineYearYear, extra), 2);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 7, 7, kNineYearYear, extra), 0);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 5, 2, kEightYearYear, extra), 4);

    TimetableSwitches wkc;
    wkc.wkc = true;
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'E', kNineYearYear, 1, wkc), 6);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 1, 'E', kNineYearYear, 7, wkc), 3);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 2, 'F', kNineYearYear, 3, wkc), 5);
    EXPECT_EQ(LanguageHoursAt(T(), kSprachprofil, 2, 'F', kNineYearYear, 6, wkc), 4);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 1, 6, kNineYearYear, wkc), 4);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 5, 5, kNineYearYear, wkc), 5);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 5, 6, kNineYearYear, wkc), 4);
    EXPECT_EQ(GroupHoursAt(T(), kSprachprofil, 1, 1, kEightYearYear, wkc), 7);
}

TEST(ProfileTimetable, AProfileBeyondIndex14IsRefusedWithALogLine) {
    TempDir temp;
    TraceLog log(temp.path());
    log.SetDeveloperMode(1);
    ProfileTimetable timetable;
    EXPECT_TRUE(timetable.Add("NF", "F Bilingual F", "", "5544433", "", &log));
    EXPECT_FALSE(timetable.Add("OQ", "Q Zu viel", "", "5544433", "", &log));
    EXPECT_FALSE(timetable.Add("?Q", "Q Falsch", "", "5544433", "", &log));
    EXPECT_NE(timetable.At(14), nullptr);
    EXPECT_EQ(timetable.At(1), nullptr);
    EXPECT_NE(ReadFile(temp.path() / "syslog").find("array zu klein, zu viele Sprachen"),
              std::string::npos);
}

TEST(FinalYearHours, ExamplesOfTheRules) {
    EXPECT_EQ(FinalYearHours(20, 104, 12), 62);
    EXPECT_EQ(FinalYearHours(21, 104, 12), 64);
    EXPECT_EQ(FinalYearHours(75, 90, 12), 143);
    for (int year : {90, 104, 115, 130, 230}) {
        EXPECT_EQ(FinalYearHours(0, year, 12), 0);
        EXPECT_EQ(FinalYearHours(-3, year, 12), 0);
        EXPECT_EQ(FinalYearHours(1000, year, 13), 0);
    }
    // d = 99 reads the 62-table up to year code 111 and the other one from 112.
    EXPECT_EQ(FinalYearHours(30, 111, 12), 75);
    EXPECT_EQ(FinalYearHours(30, 112, 13), 77);
}

// Every row of the table at both ends of each pupil range; expected values worked out in
// decimal arithmetic from the table's formulas.
TEST(FinalYearHours, EveryRangeOfTheTableAtBothEnds) {
    struct Row {
        int year, level;
        std::vector<std::pair<int, int>> pupilsAndHours;
    };
    const Row rows[] = {
        {90,
         20,
         {{1, 66}, {20, 66}, {21, 68}, {75, 143}, {76, 144}, {110, 188}, {111, 189}, {999, 1699}}},
        {93,
         12,
         {{1, 62}, {20, 62}, {21, 64}, {75, 134}, {76, 135}, {110, 175}, {111, 178}, {999, 1599}}},
        {118, 12, {{1, 40}, {109, 180}, {110, 182}, {999, 1649}}},
        {119, 12, {{1, 39}, {59, 123}, {60, 124}, {109, 191}, {110, 192}, {999, 1704}}},
        {141, 12, {{1, 44}, {109, 190}, {110, 191}, {999, 1703}}},
        {142, 12, {{1, 40}, {39, 95}, {40, 96}, {109, 190}, {110, 191}, {999, 1703}}},
        {167, 12, {{1, 40}, {49, 109}, {50, 110}, {109, 190}, {110, 191}, {999, 1703}}},
        {168, 12, {{1, 40}, {59, 121}, {60, 123}, {109, 190}, {110, 191}, {999, 1703}}},
        {193, 12, {{1, 40}, {59, 123}, {60, 124}, {109, 191}, {110, 192}, {999, 1704}}},
        {194, 12, {{1, 41}, {59, 122}, {60, 124}, {109, 191}, {110, 192}, {999, 1704}}},
        {219, 12, {{1, 40}, {59, 121}, {60, 124}, {109, 191}, {110, 192}, {999, 1704}}},
        {220, 12, {{1, 39}, {59, 123}, {60, 124}, {109, 191}, {110, 192}, {999, 1704}}},
    };
    for (const Row& row : rows)
        for (const auto& [pupils, hours] : row.pupilsAndHours)
            EXPECT_EQ(FinalYearHours(pupils, row.year, row.level), hours)
                << pupils << " pupils, year " << row.year << ", level " << row.level;
}

TEST(FinalYearHours, TheDoubleCohortCountsEachGroupByItself) {
    // Year code 110, level 12: d = 98.
    EXPECT_EQ(FinalYearDemand(30, 40, 110, 12), 163);
    EXPECT_EQ(FinalYearDemand(30, 40, 111, 13), 163);
    // Other years count both groups together.
    EXPECT_EQ(FinalYearDemand(30, 40, 110, 13), 127);
    EXPECT_EQ(FinalYearDemand(70, 0, 110, 12), 127);
    EXPECT_EQ(FinalYearDemand(0, 40, 110, 12), 88);
}

TEST(FinalYearHours, CourseHoursPerSubjectPosition) {
    // 2 hours (the seminar course 3) in the years 102 to 118.
    EXPECT_EQ(FinalYearCourseHours(1, 110), 2);
    EXPECT_EQ(FinalYearCourseHours(34, 118), 3);
    EXPECT_EQ(FinalYearCourseHours(40, 102), 2);
    struct Case {
        int position, hours;
    };
    for (const Case& c :
         {Case{1, 3},  Case{6, 3},  Case{7, 2},  Case{10, 1}, Case{11, 1}, Case{12, 2},
          Case{15, 3}, Case{18, 3}, Case{19, 2}, Case{28, 2}, Case{29, 3}, Case{32, 3},
          Case{33, 2}, Case{34, 3}, Case{35, 2}, Case{36, 0}, Case{41, 0}, Case{42, 3},
          Case{51, 3}, Case{52, 2}, Case{53, 2}, Case{54, 0}, Case{0, 0},  Case{55, 0}}) {
        EXPECT_EQ(FinalYearCourseHours(c.position, 119), c.hours) << c.position;
        EXPECT_EQ(FinalYearCourseHours(c.position, 101), c.hours) << c.position;
    }
}
