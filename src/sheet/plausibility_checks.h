#pragma once
// Internal to the plausibility test: what every group of checks reads, where it writes its
// lines, and the rows and columns of the form that several groups share.
#include "output/text_routines.h"
#include "sheet/finding.h"
#include "sheet/pupil_table_rows.h"
#include "sheet/sheet.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tev::plausi {

// Class levels 5, 6, 7, 8, 9, 10, 11, J1, J2 as indexes 0..8; tables 1.1 and 1.8 hold level
// k in column 3 + k, their row sum in column 12.
inline constexpr int kLevels = 9;
inline constexpr int kLevel10 = 5;
inline constexpr int kLevel11 = 6;
inline constexpr int kJ1 = 7;
inline constexpr int kJ2 = 8;
inline constexpr int kPupilSumColumn = 12;

namespace rows = ::tev::pupil_rows;

// Cell numbers as the checks read them: beyond a million nothing in the form is meant, and
// sums of such numbers stay within range.
inline constexpr int kLargestCount = 1000000;
inline int ReadCount(std::string_view text) {
    return std::clamp(ParseInt(text), -kLargestCount, kLargestCount);
}

// What the main window's check boxes switch on.
struct Options {
    bool hoursPlausibility = false;  // "9.1 Plaus-Test"
    bool targetPlausibility = false; // "9.1 Soll-Plausibilität"
    bool showDifferences = false;    // "Diff zeigen"
};

// Cells that the sums of the test rewrite, read before the sums ran.
struct BeforeSums {
    // Table 2.1: a class column whose "insgesamt" did not match "männlich" + "weiblich"
    // (-1 when every column matched), with the three typed values.
    int promotionColumn = -1;
    int promotionMale = 0;
    int promotionFemale = 0;
    int promotionTotal = 0;
    // Table 4.2: "anderen Gemeinden des Landkreises".
    int otherTownsOfDistrict = 0;
};

class Context {
public:
    Context(const Sheet& sheet, Options options, BeforeSums before);

    const Sheet& sheet;
    const int year;
    const int regime;
    const Options options;
    const BeforeSums before;

    // Grids by table number (11 for 1.1); a table the sheet lacks reads as an empty grid.
    const StringGrid& Grid(int table) const {
        return table >= 0 && table < kTableSlots ? *grids_[table] : EmptyGrid();
    }
    int Num(int table, int col, int row) const { return ReadCount(Grid(table).Cells(col, row)); }
    // Trimmed cell text.
    std::string Text(int table, int col, int row) const;
    // The same as a view into the cell, valid until the cell changes.
    std::string_view TextView(int table, int col, int row) const {
        return TrimView(Grid(table).Cells(col, row));
    }
    bool Empty(int table, int col, int row) const { return TextView(table, col, row).empty(); }

    // A row of tables 1.1 + 1.8 at one level, and over all levels.
    int Pupils(int row, int level) const;
    int PupilsOfTable(int table, int row, int level) const;
    int PupilTotal(int row) const;

    // message + ":  a <> b" (the numbers go before a "\r" that starts a second part of the
    // message); with "Diff zeigen" the difference follows.
    std::string Differs(std::string_view message, int a, int b) const;
    // message + ":  a > b".
    std::string Exceeds(std::string_view message, int a, int b) const;
    std::string FallsShort(std::string_view message, int a, int b) const;

private:
    // The test reads each table hundreds of times: the grids are looked up once.
    static constexpr int kTableSlots = 100;
    static const StringGrid& EmptyGrid();
    std::array<const StringGrid*, kTableSlots> grids_{};
};

struct Report {
    // Errors; any of them makes the school's data faulty.
    std::vector<std::string> findings;
    // Lines that are shown but are no errors.
    std::vector<std::string> remarks;
    // Where each error and each remark points, in the order of their lines; `line` counts
    // within its own list.
    std::vector<::tev::Finding> errorPlaces;
    std::vector<::tev::Finding> remarkPlaces;

    void Finding(std::string line, CellArea place, CellArea compared = {}) {
        errorPlaces.push_back(
            {FindingSeverity::Error, place, compared, static_cast<int>(findings.size())});
        findings.push_back(std::move(line));
    }
    void Remark(std::string line, CellArea place, CellArea compared = {}) {
        remarkPlaces.push_back(
            {FindingSeverity::Hint, place, compared, static_cast<int>(remarks.size())});
        remarks.push_back(std::move(line));
    }
};

// "KlSt. 5" .. "KlSt.11", "KlSt.12/J1", "KlSt.13/J2".
std::string LevelText(int level);

// Steps of the test, in the order they run.
void CheckPupilTotals(const Context& c, Report& r);             // 1
void CheckForeignPupils(const Context& c, Report& r);           // 2
void CheckMigration(const Context& c, Report& r);               // 3
void CheckPreparatoryClasses(const Context& c, Report& r);      // 4
void CheckProfiles(const Context& c, Report& r);                // 5
void CheckDisallowedNationalities(const Context& c, Report& r); // 6
void CheckBirthYears(const Context& c, Report& r);              // 7
void CheckNonPromoted(const Context& c, Report& r);             // 8
void CheckCourses(const Context& c, Report& r);                 // 9
void CheckHours(const Context& c, Report& r);                   // 10
void CheckResidence(const Context& c, Report& r);               // 11
void CheckLeavers(const Context& c, Report& r);                 // 12
void CheckYugoslavia(const Context& c, Report& r);              // 13
void CheckInclusion(const Context& c, Report& r);               // 14
void CheckIslamicEducation(const Context& c, Report& r);        // 15
void CheckCourseSizes(const Context& c, Report& r);             // 16
void CheckSports(const Context& c, Report& r);                  // 17
void CheckWorkingGroups(const Context& c, Report& r);           // 18
void CheckGrades(const Context& c, Report& r);                  // 19
void AddRemarks(const Context& c, Report& r);                   // 20

// Table 1.2 at a class level 5..11 (index 0..6): its regular classes (rows with pupils), its
// preparatory classes, all its pupils; the pupils of all its preparatory classes; whether the
// class letters of a level leave a gap.
int RegularClassesOf12(const Context& c, int level);
int PreparatoryClassesOf12(const Context& c, int level);
int PupilsOf12(const Context& c, int level);
int PreparatoryPupilsOf12(const Context& c);
bool ClassLettersOf12HaveGap(const Context& c, int level);

// Whether 1.1 + 1.8 hold pupils in the final years.
bool HasFinalYearPupils(const Context& c);
// The target total of 9.2 against that of 9.1 (more than a tenth apart).
bool TargetTotalsDeviate(const Context& c);
// The target-hours remark of the hours table, also needed for the notes of the summary.
inline constexpr std::string_view kTargetDeviation = "erhebl.Abweich. Soll9.1-Soll9.2";

} // namespace tev::plausi
