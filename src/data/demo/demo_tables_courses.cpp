// Tables 5.1, 6.1, 7.1, 8.3 and 9.1 of a demo school year: the courses of the final years,
// the Abitur results and the hours taught.
#include "data/demo/demo_random.h"
#include "data/demo/demo_tables.h"
#include "output/text_routines.h"
#include "sheet/subject_tables.h"
#include "sheet/table_titles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace tev::demo {
namespace {

// Every pupil of a final year takes German and mathematics as 4-hour (later "L") courses and
// nothing else there, so table 5.1 holds two courses per pupil, as the test of the sheet
// expects; history, religion or ethics and sport are 2-hour ("B") courses for everyone.
struct CourseSubject {
    const char* code;
    double share; // of the year's pupils
    bool everyone;
};

const CourseSubject kBasicSubjects[] = {
    {"G", 1.0, true},     {"S", 1.0, true},     {"E", 0.85, false},   {"Bio", 0.55, false},
    {"Gk", 0.6, false},   {"BK", 0.45, false},  {"Ek", 0.4, false},   {"Ch", 0.3, false},
    {"Ph", 0.3, false},   {"Mu", 0.3, false},   {"Sem", 0.15, false}, {"Inf", 0.1, false},
    {"Phi", 0.08, false}, {"Psy", 0.06, false}, {"NWT", 0.05, false}, {"LTh", 0.04, false},
    {"Ast", 0.03, false},
};

// Columns of table 9.1 by subject code; everything else counts as "Son".
int HoursColumn(const std::string& code) {
    static const std::map<std::string, int> columns = {
        {"EvR", 3}, {"KR", 4},  {"D", 5},   {"Ek", 6},  {"G", 7},    {"Gk", 8},
        {"E", 9},   {"F", 10},  {"L", 11},  {"Gr", 12}, {"Ru", 13},  {"I", 14},
        {"Sp", 15}, {"M", 17},  {"Ph", 18}, {"Ch", 19}, {"Bio", 20}, {"NWT", 21},
        {"SM", 22}, {"SW", 23}, {"Mu", 24}, {"BK", 25}, {"Eth", 26}};
    const auto hit = columns.find(code);
    return hit == columns.end() ? 16 : hit->second;
}

constexpr int kSportBoys = 22, kSportGirls = 23, kNat = 21;
constexpr int kHoursCols = 28;
using HoursRow = std::array<int, kHoursCols>;

struct Course {
    std::string code;
    bool advanced;
    std::array<int, 2> pupils{}; // Jgst.1, Jgst.2
    std::array<int, 2> courses{};
    std::array<int, 2> hours{};
    int jointCourses = 0; // courses across both years ("JÜ")
    int jointHours = 0;
    std::array<int, 2> jointPupils{};
};

int Groups(int pupils, int size) {
    return pupils <= 0 ? 0 : (pupils + size - 1) / size;
}

int HoursPerCourse(bool advanced, const std::string& code, int regime, int finalYear) {
    if (advanced) return regime >= 5 || (regime == 4 && finalYear == 0) ? 5 : 4;
    if (code == "S" || code == "EvR" || code == "KR" || code == "Eth") return 2;
    return regime >= 5 || (regime == 4 && finalYear == 0) ? 3 : 2;
}

std::vector<Course> PlanCourses(const DemoYearInput& in) {
    const int regime = CourseRegimeFor(in.figures.year);
    DemoRandom random(MixSeed({in.school.seed, 121, static_cast<uint64_t>(in.figures.year)}));
    const std::array<int, 2> pupils = {in.figures.LevelPupils(kJ1).Total(),
                                       in.figures.LevelPupils(kJ2).Total()};
    std::vector<Course> courses;
    auto add = [&](const std::string& code, bool advanced, std::array<int, 2> taking,
                   bool mayJoin) {
        Course course{code, advanced};
        course.pupils = taking;
        const int size = advanced ? 24 : code == "S" || code == "EvR" || code == "KR" ? 26 : 22;
        const bool join =
            mayJoin && taking[0] > 0 && taking[1] > 0 && taking[0] < 10 && taking[1] < 10;
        if (join) {
            course.jointCourses = 1;
            course.jointPupils = taking;
            course.jointHours = HoursPerCourse(advanced, code, regime, 0);
            course.pupils = {0, 0};
        } else {
            for (int y = 0; y < 2; ++y) {
                course.courses[y] = Groups(taking[y], size);
                course.hours[y] = course.courses[y] * HoursPerCourse(advanced, code, regime, y);
            }
        }
        if (taking[0] + taking[1] > 0) courses.push_back(course);
    };
    add("D", true, pupils, false);
    add("M", true, pupils, false);
    std::array<std::vector<int>, 2> religion;
    for (int y = 0; y < 2; ++y)
        religion[y] = Apportion(
            pupils[y], {in.profile.religion[0], in.profile.religion[1], in.profile.religion[2]});
    add("EvR", false, {religion[0][0], religion[1][0]}, false);
    add("KR", false, {religion[0][1], religion[1][1]}, false);
    add("Eth", false, {religion[0][2], religion[1][2]}, false);
    const double french = 0.15 + 0.6 * in.profile.firstLanguage[1];
    const double latin = 0.05 + 0.5 * in.profile.firstLanguage[2];
    std::vector<CourseSubject> subjects(std::begin(kBasicSubjects), std::end(kBasicSubjects));
    subjects.push_back({"F", french, false});
    subjects.push_back({"L", latin, false});
    subjects.push_back({in.profile.extraThird == 'S' ? "Sp" : "I", 0.07, false});
    if (in.profile.firstLanguage[2] > 0) subjects.push_back({"Gr", 0.03, false});
    if (in.figures.year >= 118) subjects.push_back({"W", 0.15, false});
    for (const auto& subject : subjects) {
        std::array<int, 2> taking{};
        for (int y = 0; y < 2; ++y)
            taking[y] =
                subject.everyone
                    ? pupils[y]
                    : std::min(pupils[y], static_cast<int>(std::lround(pupils[y] * subject.share *
                                                                       random.Around(1, 0.15))));
        add(subject.code, false, taking, !subject.everyone);
    }
    return courses;
}

void FillCourseTable(StringGrid& grid, const std::vector<Course>& courses, bool advanced) {
    for (const auto& course : courses) {
        if (course.advanced != advanced) continue;
        const int row = SubjectCodeIndex(course.code);
        if (row <= 0 || row >= grid.RowCount() - 1) continue;
        for (int y = 0; y < 2; ++y) {
            grid.SetCells(1 + 3 * y, row, Num(course.courses[y]));
            grid.SetCells(2 + 3 * y, row, Num(course.pupils[y]));
            grid.SetCells(3 + 3 * y, row, Num(course.hours[y]));
        }
        grid.SetCells(7, row, Num(course.jointCourses));
        grid.SetCells(8, row, Num(course.jointPupils[0]));
        grid.SetCells(9, row, Num(course.jointPupils[1]));
        grid.SetCells(10, row, Num(course.jointHours));
    }
}

// Table 7.1: courses per size class (from 2003 "unter 6" to "28 und mehr"), with the subjects
// of the smallest and largest courses named.
void FillCourseSizes(StringGrid& grid, const std::vector<Course>& courses) {
    auto sizeClass = [](int size) {
        return size < 6 ? 0 : size <= 12 ? 1 : size <= 17 ? 2 : size <= 23 ? 3 : size <= 27 ? 4 : 5;
    };
    for (bool advanced : {true, false}) {
        const int first = advanced ? 13 : 21;
        std::array<int, 6> counts{};
        std::array<std::string, 6> names;
        auto count = [&](const Course& course, int size) {
            const int k = sizeClass(size);
            ++counts[k];
            const std::string code = course.code;
            if (names[k].find(code) == std::string::npos && names[k].size() < 40)
                names[k] += (names[k].empty() ? "" : ", ") + code;
        };
        for (const auto& course : courses) {
            if (course.advanced != advanced) continue;
            for (int y = 0; y < 2; ++y)
                for (int c = 0; c < course.courses[y]; ++c)
                    count(course, course.pupils[y] / course.courses[y] +
                                      (c < course.pupils[y] % course.courses[y] ? 1 : 0));
            if (course.jointCourses > 0)
                count(course, course.jointPupils[0] + course.jointPupils[1]);
        }
        for (int k = 0; k < 6; ++k)
            grid.SetCells(2, first + k, Num(counts[k]));
        grid.SetCells(3, first, names[0]);
        grid.SetCells(3, first + 5, names[5]);
    }
}

void FillGrades(StringGrid& grid, const DemoYearInput& in) {
    for (int grade = 0; grade < 31; ++grade)
        grid.SetCells(1, grade + 1, Num(in.figures.grades[grade]));
    grid.SetCells(1, 33, std::to_string(in.figures.failed));
}

// Weekly hours per class of classes 5 to 11.
struct LevelHours {
    const char* code;
    std::array<int, 7> perClass;
};
const LevelHours kClassHours[] = {
    {"D", {5, 4, 4, 3, 3, 3, 3}},  {"M", {4, 4, 4, 4, 4, 4, 4}},   {"G", {0, 2, 2, 2, 2, 2, 2}},
    {"Ek", {2, 1, 1, 1, 1, 1, 1}}, {"Gk", {0, 0, 0, 1, 1, 2, 2}},  {"Bio", {2, 2, 2, 1, 2, 2, 2}},
    {"Ph", {0, 0, 2, 2, 2, 2, 2}}, {"Ch", {0, 0, 0, 2, 2, 2, 2}},  {"Mu", {2, 2, 2, 1, 1, 1, 1}},
    {"BK", {2, 2, 1, 1, 1, 1, 1}}, {"Son", {2, 1, 0, 0, 0, 0, 0}},
};
const std::array<int, 7> kFirstLanguageHours = {5, 4, 3, 3, 3, 3, 3};
const std::array<int, 7> kSecondLanguageHours = {0, 4, 4, 3, 3, 3, 3};
const std::array<int, 7> kSportHours = {3, 3, 2, 2, 2, 2, 2};

int RowSum(const LevelFigures& cell, std::initializer_list<int> rows) {
    int sum = 0;
    for (int row : rows)
        sum += cell.rows[row];
    return sum;
}

void AddLevelHours(HoursRow& hours, const LevelFigures& cell, int level,
                   const SchoolProfile& profile) {
    const int classes = static_cast<int>(cell.classes.size());
    const int pupils = cell.pupils.Total();
    if (pupils == 0) return;
    for (const auto& subject : kClassHours)
        hours[HoursColumn(subject.code)] += subject.perClass[level] * classes;
    // Languages: teaching groups of up to 30 pupils.
    auto teach = [&](const char* code, int taking, int perGroup, int size) {
        hours[HoursColumn(code)] += perGroup * Groups(taking, size);
    };
    const int first = kFirstLanguageHours[level], second = kSecondLanguageHours[level];
    teach("E", RowSum(cell, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}), first,
          30);
    teach("F", RowSum(cell, {18, 19, 20, 21, 22, 23, 24, 25}), first, 30);
    teach("L", RowSum(cell, {26, 27, 28, 29, 30, 31, 32, 33, 34}), first, 30);
    teach("F", RowSum(cell, {2, 3, 4, 5, 6}), second, 30);
    teach("L", RowSum(cell, {7, 8, 9, 10, 11}), second, 30);
    teach("E", RowSum(cell, {19, 20, 21, 22, 23, 27, 28, 29, 30, 31, 32}), second, 30);
    if (level >= 3) {
        const char* own = profile.extraThird == 'S' ? "Sp" : "I";
        teach("L", RowSum(cell, {4, 21}), 4, 26);
        teach("F", RowSum(cell, {9, 29}), 4, 26);
        teach("Gr", RowSum(cell, {31}), 4, 26);
        teach(own, RowSum(cell, {6, 11, 23, 32}), 4, 26);
        hours[kNat] += 4 * Groups(cell.nwtProfile, 26);
        teach("Mu", cell.musicProfile, 4, 26);
        teach("BK", cell.artProfile, 4, 26);
    }
    const auto religion = Apportion(
        pupils, {profile.religion[0], profile.religion[1], level >= 2 ? profile.religion[2] : 0.0});
    teach("EvR", religion[0], 2, 28);
    teach("KR", religion[1], 2, 28);
    teach("Eth", religion[2], 2, 28);
    if (level < 2) {
        const int sport = kSportHours[level] * classes;
        hours[kSportGirls] += sport / 2;
        hours[kSportBoys] += sport - sport / 2;
    } else {
        hours[kSportBoys] += kSportHours[level] * Groups(cell.pupils.boys, 28);
        hours[kSportGirls] += kSportHours[level] * Groups(cell.pupils.girls, 28);
    }
}

void FillHours(StringGrid& grid, const DemoYearInput& in, const std::vector<Course>& courses) {
    HoursRow total{};
    for (int level = 0; level < kLevels; ++level) {
        HoursRow hours{};
        int classes = 0;
        for (const auto& track : in.figures.tracks) {
            if (level <= kClass11) AddLevelHours(hours, track[level], level, in.profile);
            classes += static_cast<int>(track[level].classes.size());
        }
        if (level >= kJ1) {
            const int y = level - kJ1;
            for (const auto& course : courses) {
                int taught = course.hours[y] + (y == 0 ? course.jointHours : 0);
                if (course.code == "S") {
                    hours[kSportBoys] += taught - taught / 2;
                    hours[kSportGirls] += taught / 2;
                } else {
                    hours[HoursColumn(course.code)] += taught;
                }
            }
        }
        const int row = level + 3;
        grid.SetCells(1, row, Num(in.figures.LevelPupils(level).Total()));
        grid.SetCells(2, row, Num(classes));
        for (int col = 3; col < kHoursCols - 1; ++col) {
            grid.SetCells(col, row, Num(hours[col]));
            total[col] += hours[col];
        }
    }
    // The target hours differ a little from those given.
    DemoRandom random(MixSeed({in.school.seed, 131, static_cast<uint64_t>(in.figures.year)}));
    for (int col = 3; col < kHoursCols - 1; ++col) {
        int target = total[col];
        if (target > 0 && random.Chance(0.3)) target = std::max(0, target + random.Between(-2, 2));
        grid.SetCells(col, 1, Num(target));
    }
}

} // namespace

void FillCourseTables(SheetGrids& grids, const DemoYearInput& input) {
    const std::vector<Course> courses = PlanCourses(input);
    FillCourseTable(*grids.Find("SG51"), courses, true);
    FillCourseTable(*grids.Find("SG61"), courses, false);
    FillCourseSizes(*grids.Find("SG71"), courses);
    FillGrades(*grids.Find("SG83"), input);
    FillHours(*grids.Find("SG91"), input, courses);
}

} // namespace tev::demo
