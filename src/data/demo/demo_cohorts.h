#pragma once
// The pupils of one demo school, year by year: cohorts enter class 5, move up a level a year
// (the 8-year track from class 10 straight to Jgst.1), repeat, leave and take their Abitur.
// Each school year also keeps what happened in the year before it (not promoted, leavers,
// Abitur results), as the statistics form asks for it.
#include "data/demo/demo_schools.h"

#include <array>
#include <vector>

namespace tev::demo {

// Class levels 5, 6, 7, 8, 9, 10, 11, Jgst.1, Jgst.2 as indices 0..8.
inline constexpr int kLevels = 9;
inline constexpr int kClass11 = 6;
inline constexpr int kJ1 = 7;
inline constexpr int kJ2 = 8;
// The level's number as the statistics name it: 5..11, 12 for Jgst.1, 13 for Jgst.2.
inline int LevelNumber(int level) {
    return level + 5;
}

// Table 1.1 counts the 9-year track, table 1.8 the 8-year track.
enum Track { kNineYear = 0, kEightYear = 1 };

struct Sexes {
    int boys = 0;
    int girls = 0;
    int Total() const { return boys + girls; }
    Sexes& operator+=(const Sexes& other) {
        boys += other.boys;
        girls += other.girls;
        return *this;
    }
};

// Where a level's pupils were at the end of the previous school year (the rows of table 2.2,
// independent of the year's layout).
enum Origin {
    kGymnasiumBelow, // the level below at a Gymnasium (the rule)
    kRepeater,       // the same level at a Gymnasium
    kPrimary,
    kSameWrs,
    kBelowWrs,
    kSameRs,
    kBelowRs,
    kSameGms,
    kBelowGms,
    kSpecialSchool,
    kOtherKind,
    kWaldorf,
    kPreparatory,
    kAbroad,
    kOriginCount
};

// The leaving columns of table 3.2, independent of the year's layout.
enum LeaverColumn {
    kLeave8,
    kLeave9With,
    kLeave9Without,
    kLeave10With,
    kLeave10Without,
    kLeave11,
    kLeaveJ1,
    kLeaveJ1Fh, // part of kLeaveJ1
    kLeaveJ2With,
    kLeaveJ2Without,
    kLeaveJ2Fh, // part of kLeaveJ2Without
    kLeaverColumns
};

struct LeaverCount {
    Sexes pupils;
    int migration = 0; // part of pupils
    int foreign = 0;   // part of migration
};

// One track at one level in the statistics' October figures.
struct LevelFigures {
    Sexes pupils;
    Sexes migration; // part of pupils, foreign pupils included
    Sexes foreign;
    // Pupils per row 1..36 of tables 1.1/1.8 (index 0 unused); the language sequences in
    // rows 1..34 for classes 5 to 11, the final years in row 36.
    std::array<int, 37> rows{};
    int thirdLanguage = 0; // language rows with a third language
    int nwtProfile = 0;
    int musicProfile = 0;
    int artProfile = 0;
    std::vector<int> classes; // pupils per class (classes 5 to 11 only)
};

struct SchoolYearFigures {
    int year = 0;
    std::array<std::array<LevelFigures, kLevels>, 2> tracks;
    // The year before: not promoted in classes 5..11 and the exceptions of table 2.1.
    std::array<Sexes, 7> notPromoted;
    std::array<int, 7> promotedByException{};
    std::array<int, 7> onProbation{};
    std::array<std::array<int, kOriginCount>, kLevels> origins{};
    std::array<LeaverCount, kLeaverColumns> leavers{};
    // Abitur of the year before: certificates per grade 1,0 .. 4,0 and failures.
    std::array<int, 31> grades{};
    int failed = 0;

    Sexes LevelPupils(int level) const;
    int TotalPupils() const;
};

// The school's own letters: which languages are taught, religion shares, and so on.
struct SchoolProfile {
    std::array<double, 3> firstLanguage{}; // E, F, L
    double latinSecond = 0;                // share of E-first pupils taking Latin second
    char extraThird = 'S';                 // S (Spanish) or I (Italian) as third language
    double languageProfile = 0;            // share of the pupils in the language profile
    double musicProfile = 0, artProfile = 0;
    std::array<double, 3> religion{}; // ev, rk, ethics
    double foreignRate = 0, migrationRate = 0;
    bool nearFrance = false;
};

SchoolProfile ProfileOf(const DemoSchool& school);

// Pupils per track and level, boys and girls.
using LevelCounts = std::array<std::array<Sexes, kLevels>, 2>;

// The October figures of figures.year from the pupils' counts: foreign pupils and those with
// a migration background, language sequences, profiles and classes, as each cohort keeps them.
void DescribeYear(const DemoSchool& school, const SchoolProfile& profile, const LevelCounts& counts,
                  SchoolYearFigures& figures);

// The figures of every school year from..to (inclusive) of one school.
std::vector<SchoolYearFigures> SimulateSchool(const DemoSchool& school, int fromYear, int toYear);

} // namespace tev::demo
