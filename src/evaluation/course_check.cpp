#include "evaluation/course_check.h"

#include "data/table_blocks.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/print_list.h"
#include "output/text_routines.h"
#include "sheet/subject_tables.h"
#include "sheet/table_headings.h"
#include "sheet/table_titles.h"

#include <cstdio>
#include <map>

namespace tev {
namespace {

// Hours per basic course, in the order of the first course regime's subject list of 6.1;
// 0 means no rule.
constexpr std::string_view kReferenceHours = "33333322211222333322222222223333333323000000000000";

// Rows that share their hours with other rows or run across both years have no rule of
// their own.
bool CheckedApart(const std::string& label) {
    for (const char* text : {"Sem", "Ek  Gk  ", "GL"}) {
        if (label.find(text) != std::string::npos) return true;
    }
    return label.find(Win("1213JÜ")) != std::string::npos;
}

const std::map<std::string, int>& ReferenceHoursByCode() {
    static const std::map<std::string, int> hours = [] {
        std::map<std::string, int> byCode;
        const auto& subjects = RegimeOneCourseSubjects(61);
        for (size_t i = 0; i < subjects.size() && i < kReferenceHours.size(); ++i) {
            const int digit = kReferenceHours[i] - '0';
            if (digit > 0) byCode.emplace(Trim(SubjectIndexTable()[subjects[i]]), digit);
        }
        return byCode;
    }();
    return hours;
}

std::string Printf(const char* format, auto... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

// Columns of one year of a course row: courses, pupils, hours.
struct YearColumns {
    const char* name;
    int courses, pupils, pupils2, hours;
};

const YearColumns kYears[] = {{"J1", 1, 2, 0, 3}, {"J2", 4, 5, 0, 6}, {"JÜ", 7, 8, 9, 10}};

} // namespace

bool CourseCheckFits(int schoolYearCode) {
    return CourseRegimeFor(schoolYearCode) == 1;
}

std::vector<std::string> CheckSchoolCourses(const DataSetText& text, const std::string& school,
                                            CourseCheckMode mode) {
    std::vector<std::string> lines;
    for (const auto& row : text.TableRows("61")) {
        const std::string label = FieldAt(row, 2);
        if (CheckedApart(label)) continue;
        const auto rule = ReferenceHoursByCode().find(Trim(label));
        if (rule == ReferenceHoursByCode().end()) continue;
        for (const auto& year : kYears) {
            const int courses = ParseInt(DataSetText::Cell(row, year.courses));
            int pupils = ClampInt(-9999, ParseInt(DataSetText::Cell(row, year.pupils)), 99999);
            if (year.pupils2)
                pupils += ClampInt(-9999, ParseInt(DataSetText::Cell(row, year.pupils2)), 99999);
            const int hours = ParseInt(DataSetText::Cell(row, year.hours));
            const int target = ClampInt(0, courses, 10000) * rule->second;
            const int diff = ClampInt(-99999, hours, 99999) - target;
            const bool tooMany = diff > 0, tooFew = diff < 0;
            if (!tooMany && !(tooFew && mode != CourseCheckMode::TooManyHours)) continue;
            lines.push_back(Printf("%-24s %sK %s %-3s:  %2d %3d %2d      %2d  ", school.c_str(),
                                   "G", Win(year.name).c_str(), rule->first.c_str(), courses,
                                   pupils, hours, diff));
            if (mode == CourseCheckMode::HoursFitCourses) continue;
            lines.push_back(Printf(tooMany ? "     zu viele Grp/Std: (Soll: %2d %3d %2d)  %d"
                                           : "     weniger  Grp/Std: (Soll: %2d %3d %2d)  %d",
                                   courses, pupils, target, diff));
        }
    }
    return lines;
}

void teste51611Click(Engine& engine) {
    const int year = engine.startup.schoolYearCode;
    if (!CourseCheckFits(year)) {
        engine.outputBox.Add(SchoolYearText(year) +
                             Win(": teste 5.1 + 6.1 nicht möglich, die Soll-Stunden je Kurs "
                                 "gelten nur für die Kursordnung bis 2001/02"));
        return;
    }
    const auto range = ChooseSchoolRange(engine, "teste 5.1 + 6.1");
    if (!range) return;
    OptionRequest choice;
    choice.caption = "teste 5.1 + 6.1";
    choice.options = {Win("5.1 + 6.1 prüfen ob Stundenzahl zu Kurszahl paßt"),
                      Win("5.1 + 6.1 prüfen mit Test ob nicht zu viele Iststunden"),
                      Win("5.1 + 6.1 prüfen ob zu viele oder zu wenige Iststunden")};
    const int chosen = engine.ui().ChooseOption(choice);
    if (chosen < 1 || chosen > 3) return;
    const auto mode = static_cast<CourseCheckMode>(chosen);

    engine.outputBox.Clear();
    engine.outputBox.Add(mode == CourseCheckMode::HoursFitCourses
                             ? "                          #Kurs Sch Std  Diff"
                             : "Schul-ID Schulname          Fach  #Kurs Sch Std  Std-Diff");
    engine.outputBox.Add(Win("5.1 (Leistungskurse) ohne Soll-Stunden je Kurs, nur 6.1 geprüft"));
    ForEachSchoolFile(engine, *range, engine.startup.yearSuffix, [&](int, const DataSetText& text) {
        const int header = text.FindBlock("61");
        const auto id = SplitFields(text.RowPrefix(header));
        const std::string school = id.at(0) + " " + (id.size() > 1 ? id[1] : std::string());
        for (const auto& line : CheckSchoolCourses(text, school.substr(0, 24), mode))
            engine.outputBox.Add(line);
    });
    PrintListBox(engine, "teste 5.1 + 6.1", engine.outputBox.lines(), 35);
}

} // namespace tev
