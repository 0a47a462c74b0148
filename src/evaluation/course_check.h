#pragma once
// The course check: per school, the hours of each basic course row against the hours its
// course count calls for, in the years whose course rules the reference hours describe.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

class DataSetText;

enum class CourseCheckMode {
    HoursFitCourses = 1, // any difference
    TooManyHours = 2,    // only more hours than the courses call for
    TooManyOrTooFew = 3, // both, each with its target line
};

// Whether the reference hours per course describe the course rules of the school year.
bool CourseCheckFits(int schoolYearCode);
// The output lines of one school's data set file; none when every checked row fits.
// `school` is the first column of the lines (identifier and name).
std::vector<std::string> CheckSchoolCourses(const DataSetText& text, const std::string& school,
                                            CourseCheckMode mode);

void teste51611Click(Engine& engine);

} // namespace tev
