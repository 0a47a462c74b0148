#include "demand/final_year_hours.h"

#include <climits>

namespace tev {
namespace {

// One formula R(f * (n - shift) + c) for the pupils from..to. Factors and constants are the
// decimal values of the table, held in thousandths so that every result is exact.
struct Band {
    int from;
    int to;
    int factor;   // thousandths
    int shift;    // pupils
    int constant; // thousandths
};

struct Period {
    int dFrom; // year code minus level
    int dTo;
    int yearFrom; // year code (with the demand mode)
    int yearTo;
    Band bands[4]; // a band with to == 0 ends the list
};

constexpr int kAnyYear = INT_MAX;

// clang-format off
const Period kPeriods[] = {
    {INT_MIN, 80, INT_MIN, kAnyYear,
     {{1, 20, 0, 0, 66000}, {21, 75, 1400, 20, 66499}, {76, 110, 1300, 75, 142499},
      {111, 999, 1700, 0, 499}}},
    {81, 106, INT_MIN, 111,
     {{1, 20, 0, 0, 62000}, {21, 75, 1300, 20, 62499}, {76, 110, 1200, 75, 133499},
      {111, 999, 1600, 0, 499}}},
    {81, 106, 112, kAnyYear, {{1, 109, 1300, 0, 38499}, {110, 999, 1650, 0, 499}}},
    {107, 116, INT_MIN, kAnyYear,
     {{1, 59, 1450, 0, 37499}, {60, 109, 1350, 0, 43499}, {110, 999, 1700, 0, 5499}}},
    {117, 129, INT_MIN, kAnyYear, {{1, 109, 1350, 0, 42499}, {110, 999, 1700, 0, 4499}}},
    {130, 142, INT_MIN, kAnyYear,
     {{1, 39, 1450, 0, 38499}, {40, 109, 1350, 0, 42499}, {110, 999, 1700, 0, 4499}}},
    {143, 155, INT_MIN, kAnyYear,
     {{1, 49, 1440, 0, 38499}, {50, 109, 1350, 0, 42499}, {110, 999, 1700, 0, 4499}}},
    {156, 168, INT_MIN, kAnyYear,
     {{1, 59, 1400, 0, 38499}, {60, 109, 1350, 0, 42499}, {110, 999, 1700, 0, 4499}}},
    {169, 181, INT_MIN, kAnyYear,
     {{1, 59, 1430, 0, 38499}, {60, 109, 1350, 0, 43499}, {110, 999, 1700, 0, 5499}}},
    {182, 194, INT_MIN, kAnyYear,
     {{1, 59, 1400, 0, 39499}, {60, 109, 1350, 0, 43499}, {110, 999, 1700, 0, 5499}}},
    {195, 207, INT_MIN, kAnyYear,
     {{1, 59, 1400, 0, 38499}, {60, 109, 1350, 0, 43499}, {110, 999, 1700, 0, 5499}}},
    {208, INT_MAX, INT_MIN, kAnyYear,
     {{1, 59, 1450, 0, 37499}, {60, 109, 1350, 0, 43499}, {110, 999, 1700, 0, 5499}}},
};
// clang-format on

// The year in which both tracks reach the level together (year code minus level).
constexpr int kDoubleCohort = 98;

// Hours of one course per SubjectIndexTable position outside the years of the 2-hour rule.
struct CourseHoursRange {
    int from;
    int to;
    int hours;
};
constexpr CourseHoursRange kCourseHours[] = {
    {1, 6, 3},   {7, 9, 2},   {10, 11, 1}, {12, 14, 2}, {15, 18, 3}, {19, 28, 2}, {29, 32, 3},
    {33, 33, 2}, {34, 34, 3}, {35, 35, 2}, {36, 41, 0}, {42, 51, 3}, {52, 53, 2}, {54, 54, 0},
};

} // namespace

int FinalYearHours(int pupils, int yearCode, int level) {
    const long long d = static_cast<long long>(yearCode) - level;
    for (const Period& period : kPeriods) {
        if (d < period.dFrom || d > period.dTo) continue;
        if (yearCode < period.yearFrom || yearCode > period.yearTo) continue;
        for (const Band& band : period.bands) {
            if (band.to == 0) break;
            if (pupils < band.from || pupils > band.to) continue;
            const long long milli =
                static_cast<long long>(band.factor) * (pupils - band.shift) + band.constant;
            return static_cast<int>((milli + 500) / 1000);
        }
        return 0;
    }
    return 0;
}

int FinalYearDemand(int groupA, int groupB, int yearCode, int level) {
    if (groupB == 0) return FinalYearHours(groupA, yearCode, level);
    if (yearCode - level == kDoubleCohort)
        return FinalYearHours(groupA, yearCode, level) + FinalYearHours(groupB, yearCode, level);
    return FinalYearHours(groupA + groupB, yearCode, level);
}

int FinalYearCourseHours(int subjectPosition, int schoolYearCode) {
    constexpr int kSeminar = 34;
    if (schoolYearCode > 101 && schoolYearCode <= 118) return subjectPosition == kSeminar ? 3 : 2;
    for (const CourseHoursRange& range : kCourseHours)
        if (subjectPosition >= range.from && subjectPosition <= range.to) return range.hours;
    return 0;
}

} // namespace tev
