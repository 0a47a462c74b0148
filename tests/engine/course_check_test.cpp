// The course check on a hand-made school of the first course regime: basic course rows
// whose hours deviate from their course count by one either way, and rows that fit or have
// no rule of their own.
#include "data/table_blocks.h"
#include "evaluation/course_check.h"
#include "output/codepage.h"

#include <gtest/gtest.h>

using namespace tev;

namespace {

const std::string kSchool = "04123456 MUSTERGYM";

// A data set with only table 6.1. D and Mu have 3 and 2 hours per course, Ek 1; "Sem" and
// "Ek  Gk  " are checked apart and "Xyz" has no rule, so their odd hours must not show.
DataSetText School(const std::string& hoursOfD_J1, const std::string& hoursOfMu_J1) {
    return DataSetText({
        ".;51;123456;;MUSTERGYM",
        ";L J1;Sch.12;Std.;LK13;Sch.13;Std.;LK JÜ;Sch.12;Sch.13;Std.",
        "1;D;1;20;5;1;19;5;;;;",
        ".;61;123456;;MUSTERGYM",
        ";GK12;Sch.12;Std.;GK13;Sch.13;Std.;GK JÜ;Sch.12;Sch.13;Std.",
        "1;D;2;40;" + hoursOfD_J1 + ";2;38;6;;;;",
        "8;Mu;1;15;" + hoursOfMu_J1 + ";1;12;2;;;;",
        "10;Ek;2;30;2;1;14;1;;;;",
        "21;S;;;;;;;1;5;4;2",
        "38;Sem;1;10;5;;;;;;;",
        "42;Ek  Gk  ;1;20;9;;;;;;;",
        "43;Xyz;1;1;9;;;;;;;",
        "45;ges;7;156;24;5;83;15;1;5;4;2",
    });
}

struct ModeCase {
    CourseCheckMode mode;
    std::vector<std::string> lines;
};

const std::string kDLine = "04123456 MUSTERGYM       GK J1 D  :   2  40  7       1  ";
const std::string kMuLine = "04123456 MUSTERGYM       GK J1 Mu :   1  15  1      -1  ";

TEST(CourseCheck, OneHourTooManyAndOneTooFewGiveExactlyTheirLinesPerTest) {
    const std::vector<ModeCase> cases = {
        {CourseCheckMode::HoursFitCourses, {kDLine, kMuLine}},
        {CourseCheckMode::TooManyHours, {kDLine, "     zu viele Grp/Std: (Soll:  2  40  6)  1"}},
        {CourseCheckMode::TooManyOrTooFew,
         {kDLine, "     zu viele Grp/Std: (Soll:  2  40  6)  1", kMuLine,
          "     weniger  Grp/Std: (Soll:  1  15  2)  -1"}},
    };
    const auto school = School("7", "1");
    for (const auto& c : cases) {
        EXPECT_EQ(CheckSchoolCourses(school, kSchool, c.mode), c.lines)
            << "test " << static_cast<int>(c.mode);
    }
}

TEST(CourseCheck, HoursThatFitTheirCoursesGiveNoLine) {
    const auto school = School("6", "2");
    for (auto mode : {CourseCheckMode::HoursFitCourses, CourseCheckMode::TooManyHours,
                      CourseCheckMode::TooManyOrTooFew}) {
        EXPECT_TRUE(CheckSchoolCourses(school, kSchool, mode).empty())
            << "test " << static_cast<int>(mode);
    }
}

TEST(CourseCheck, CoursesAcrossBothYearsCountThePupilsOfBothYears) {
    // S: one course of both years, 5 + 4 pupils, 3 hours where 2 are due.
    const DataSetText school({".;61;123456;;MUSTERGYM", ";", "21;S;;;;;;;1;5;4;3"});
    EXPECT_EQ(
        CheckSchoolCourses(school, kSchool, CourseCheckMode::HoursFitCourses),
        std::vector<std::string>{Win("04123456 MUSTERGYM       GK JÜ S  :   1   9  3       1  ")});
}

TEST(CourseCheck, OnlyTheFirstCourseRegimeHasReferenceHours) {
    EXPECT_TRUE(CourseCheckFits(101));  // 2001/02
    EXPECT_FALSE(CourseCheckFits(102)); // regime 2
    EXPECT_FALSE(CourseCheckFits(124));
}

} // namespace
