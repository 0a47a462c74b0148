#pragma once
// The weekly hours of the two final years from a table of formulas by pupil count and school
// year, and the weekly hours of one final-year course per subject.
namespace tev {

// Hours for one final-year level (12 or 13) with n pupils; the year code includes the demand
// mode. 0 for no pupils or 1000 and more.
int FinalYearHours(int pupils, int yearCode, int level);

// Hours for two groups of a level (the two tracks, or the two halves of a double cohort): in
// the year in which two cohorts reach the level together each group counts by itself.
int FinalYearDemand(int groupA, int groupB, int yearCode, int level);

// Weekly hours of one final-year course of the subject at a SubjectIndexTable position.
int FinalYearCourseHours(int subjectPosition, int schoolYearCode);

} // namespace tev
