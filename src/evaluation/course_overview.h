#pragma once
// The course overview: for chosen subjects and schools, each school's row of table 5.1 and
// its row of table 6.1 side by side, read straight from the data set files; built for all
// chosen subjects together or one table per subject, printed or saved.
#include "evaluation/course_overview_state.h"
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

inline constexpr int kCourseTableCols = 22;
inline constexpr int kCourseSubjectCol = 11;

// The subjects of table 6.1 of the loaded school and the schools of the school list, nothing
// chosen. Under the older course regime (6.1 with fewer than 47 rows) W and Gl are one item.
void FillCourseOverview(Engine& engine, CourseOverviewState& state);
// "_ D" or "x D".
std::string SubjectItemText(const CourseSubject& subject);
// A click on a subject (LBFClick).
void ToggleSubject(CourseOverviewState& state, int index);

// The table for all chosen subjects (SBGOClick). False, after its message, when no school is
// selected or no chosen subject was found.
bool BuildCourseTable(Engine& engine, CourseOverviewState& state);
// One table per chosen subject, each saved as text (Label1Click) or printed (LabelDruckClick).
void SaveEachSubject(Engine& engine, CourseOverviewState& state);
void PrintEachSubject(Engine& engine, CourseOverviewState& state);
// Every subject of the fixed list and the combinations, each saved as ".csv" and, after the
// question, as ".txt" (Label2Click).
void SaveAllSubjects(Engine& engine, CourseOverviewState& state);
// The visible table: printed when it has more than its heading row (PanelDruckClick), saved
// under an asked name (Panel3Click).
bool PrintCourseTable(Engine& engine, const CourseOverviewState& state, const std::string& title);
bool SaveCourseTable(Engine& engine, const CourseOverviewState& state);

// The menu entry: the window where the face has one, else the subjects and schools are
// asked and the table left for display.
void Kursbersichtenfachweise1Click(Engine& engine);

} // namespace tev
