#pragma once
// The demand routine: from the pupils of tables 1.1 and 1.8 the classes and groups of every
// class level 5 to 11 and their weekly hours per subject, and the pupils of the final years.
#include "data/school_record.h"
#include "demand/class_formation.h"
#include "demand/profile_timetable.h"

#include <array>
#include <string>
#include <vector>

namespace tev {

// The pupil rows the demand reads besides the sequences, per track and level.
struct ProfilePupils {
    int all = 0;
    int naturalScience = 0; // N profile
    int music = 0;
    int sport = 0;
    int art = 0;
    int placeScience = 0;  // the special-profile school: its pupils
    int placeLanguage = 0; // and its language pupils
    int abg = 0;
    int protestant = 0;
    int catholic = 0;
    int ethics = 0;
    int boys = 0;
    int girls = 0;
};

// One part of a demand cell: count classes or groups times hours per week.
struct DemandTerm {
    int count = 0;
    int hours = 0;
    std::string what;    // "Kl.", "Gr. E1", "Gr. Musikprofil", ...
    std::string subject; // the subject when its hours stand in another column ("Heb")
};

// "4 Kl. x 5 Std.", led by the subject when it stands in another column.
std::string TermText(const DemandTerm& term);

struct DemandInput {
    const SchoolRecord* record = nullptr;
    // The year the data were collected for, and the demand mode added to it in formulas.
    int schoolYearCode = 0;
    int mode = 0;
    TimetableSwitches switches;
    // The subjects (SubjectIndexTable positions) that the hours grid shows; hours of any other
    // subject are booked under "Son".
    std::vector<int> shownSubjects;
};

struct DemandResult {
    DemandWorkArea area;
    // [track][level 1..7]
    std::array<std::array<LanguageGroupTable, kDemandLevels + 1>, 2> languages{};
    std::array<std::array<ProfilePupils, kDemandLevels + 1>, 2> profiles{};
    // [track][level 1..7][subject]: the parts of each hours value.
    std::array<std::array<std::array<std::vector<DemandTerm>, kRecordSubjects>, kDemandLevels + 1>,
               2>
        terms;
    // Remarks for the hint list (hours that no column shows, religion without pupils per
    // denomination).
    std::vector<std::string> notes;
};

DemandResult ComputeDemand(const DemandInput& input);

// The last language-sequence RowId: 35, the row of other sequences, until the form of
// 2016/17 made it the preparatory classes; 34 from then on.
int LastSequenceRowId(int schoolYearCode);

// The pupils that form classes at a level of a track: the language-sequence rows (with the
// row of other sequences before 2016/17, when it is not the preparatory classes).
int LevelPupils(const PupilMatrix& pupils, int level, int schoolYearCode);

// The 8-year classes that get the special allocation: all of them, less those of the first
// min(year - 102, 6) levels from the year code 103 on.
int SpecialAllocationClasses(const DemandWorkArea& area, int yearCode);

} // namespace tev
