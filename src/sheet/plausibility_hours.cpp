// Step 10: the hours table 9.1 against the pupils and classes of 1.1, 1.8 and 1.2, its
// subject groups against the target hours, and the course exchange without subjects.
#include "output/codepage.h"
#include "sheet/plausibility_checks.h"

#include <cstdlib>
#include <initializer_list>

namespace tev::plausi {
namespace {

// Table 9.1: column 1 pupils, column 2 classes; rows 3 to 11 the levels, row 12 their sum,
// row 1 the target hours.
constexpr int kHoursPupilsColumn = 1;
constexpr int kHoursClassesColumn = 2;
constexpr int kTargetRow = 1;
constexpr int kFirstLevelRow = 3;
constexpr int kHoursSumRow = 12;
// Table 9.2 holds its target hours in row 11.
constexpr int kTargetRow92 = 11;
constexpr int kLastClassLevel = kLevel11;

struct HoursGroup {
    const char* name;
    std::initializer_list<const char*> codes;
};

const HoursGroup kGroups[] = {{"Sprachen", {"E", "F", "L", "Gr", "Ru", "I", "Sp"}},
                              {"Ph/Ch/Bio", {"Ph", "Ch", "Bio"}},
                              {"Sport", {"SM", "SW"}}};

// The sum of row `row` of table `table` over the subject columns of a group; the columns are
// found by their subject headings in 9.1, whose layout 9.2 shares.
int GroupSum(const Context& c, const HoursGroup& group, int table, int row) {
    const StringGrid& hours = c.Grid(91);
    int sum = 0;
    for (int col = 3; col < hours.ColCount() - 1; ++col) {
        const std::string_view code = c.TextView(91, col, 0);
        for (const char* member : group.codes) {
            if (code == member) sum += c.Num(table, col, row);
        }
    }
    return sum;
}

// Given hours differ from the target hours by more than a fifth: shifted hours between the
// subjects of a group are usual, whole lessons missing or added are not.
bool GivenHoursImplausible(int given, int target) {
    return target > 0 && std::abs(given - target) * 5 > target;
}

// Two target figures differ by more than a tenth of the imported one.
bool TargetsDeviate(int target91, int target92) {
    return target92 != 0 && std::abs(target91 - target92) * 10 > target92;
}

void CheckPupilsAndClasses(const Context& c, Report& r) {
    for (int level = 0; level < kLevels; ++level) {
        const int pupils = c.Pupils(rows::kAll, level);
        const int hours = c.Num(91, kHoursPupilsColumn, kFirstLevelRow + level);
        if (pupils != hours)
            r.Finding(c.Differs("Summe " + LevelText(level) + " in  1.1+1.8 <> 9.1", pupils, hours),
                      CellOf(91, kHoursPupilsColumn, kFirstLevelRow + level),
                      CellOf(11, 3 + level, rows::kAll));
    }
    const int pupils = c.PupilTotal(rows::kAll);
    if (pupils != c.Num(91, kHoursPupilsColumn, kHoursSumRow)) {
        r.Finding(c.Differs("Summe gesamt in  1.1+1.8 <> 9.1", pupils,
                            c.Num(91, kHoursPupilsColumn, kHoursSumRow)),
                  CellOf(91, kHoursPupilsColumn, kHoursSumRow),
                  CellOf(11, kPupilSumColumn, rows::kAll));
    }
    for (int level = 0; level <= kLastClassLevel; ++level) {
        const int classes = RegularClassesOf12(c, level);
        const int hours = c.Num(91, kHoursClassesColumn, kFirstLevelRow + level);
        if (classes != hours) {
            r.Finding(c.Differs(Win("Klassenzahl für ") + LevelText(level) + " in  1.2 <> 9.1",
                                classes, hours),
                      CellOf(91, kHoursClassesColumn, kFirstLevelRow + level),
                      ColumnOf(12, 1 + level));
        }
    }
    for (int level = 0; level <= kLastClassLevel; ++level) {
        if (!ClassLettersOf12HaveGap(c, level)) continue;
        r.Finding(Win("Klassenzahl für KlSt. 5-11 inkorrekt in  1.2 <> 1.2"),
                  ColumnOf(12, 1 + level));
        break;
    }
    // Before 2016/17 the extra column of 1.2 takes the classes of the final years in rows 2
    // and 6; only a school that filled them in is compared.
    if (c.year < 116 && !(c.Empty(12, 8, 2) && c.Empty(12, 8, 6))) {
        const int finalClasses = c.Num(12, 8, 2) + c.Num(12, 8, 6);
        const int hours = c.Num(91, kHoursClassesColumn, kFirstLevelRow + kJ1) +
                          c.Num(91, kHoursClassesColumn, kFirstLevelRow + kJ2);
        if (finalClasses != hours) {
            r.Finding(c.Differs(Win("Klassenzahl für KlSt.12+13/J1+J2 in  1.2 <> 9.1"),
                                finalClasses, hours),
                      ColumnOf(12, 8), CellOf(91, kHoursClassesColumn, kFirstLevelRow + kJ1));
        }
    }
    for (int level = 0; level <= kLastClassLevel; ++level) {
        const int inPupilTables = c.Pupils(rows::kAll, level);
        const int inClassTable = PupilsOf12(c, level);
        if (inPupilTables != inClassTable) {
            r.Finding(c.Differs("Summe " + LevelText(level) + " in  1.1+1.8 <> 1.2", inPupilTables,
                                inClassTable),
                      ColumnOf(12, 1 + level), CellOf(11, 3 + level, rows::kAll));
        }
    }
}

void CheckSubjectGroups(const Context& c, Report& r) {
    for (const HoursGroup& group : kGroups) {
        const int given = GroupSum(c, group, 91, kHoursSumRow);
        const int target = GroupSum(c, group, 91, kTargetRow);
        if (c.options.hoursPlausibility && GivenHoursImplausible(given, target)) {
            r.Finding(c.Differs(std::string("  9.1 Iststunden sind unplausibel:  ") + group.name,
                                given, target),
                      RowOf(91, kHoursSumRow), RowOf(91, kTargetRow));
        }
        const int target92 = GroupSum(c, group, 92, kTargetRow92);
        if (c.options.targetPlausibility && TargetsDeviate(target, target92)) {
            r.Remark(c.Differs("  " + std::string(kTargetDeviation) + ":  " + group.name, target,
                               target92),
                     RowOf(91, kTargetRow), RowOf(92, kTargetRow92));
        }
    }
}

void CheckExchangeSubjects(const Context& c, Report& r) {
    int withoutSubject = 0;
    for (int table : {81, 82}) {
        for (int row = 1; row <= 25; ++row) {
            if (row == 13 || !c.Empty(table, 1, row)) continue;
            withoutSubject += c.Num(table, 2, row) + c.Num(table, 3, row);
        }
    }
    if (withoutSubject > 0) {
        r.Finding("keine Fachangabe in 8.1 / 8.2  obwohl   " + std::to_string(withoutSubject) +
                      Win(" Schüler!"),
                  ColumnOf(81, 1), ColumnOf(82, 1));
    }
}

} // namespace

void CheckHours(const Context& c, Report& r) {
    CheckPupilsAndClasses(c, r);
    CheckSubjectGroups(c, r);
    CheckExchangeSubjects(c, r);
}

bool TargetTotalsDeviate(const Context& c) {
    const int col = c.Grid(92).ColCount() - 2;
    return TargetsDeviate(c.Num(91, col, kTargetRow), c.Num(92, col, kTargetRow92));
}

} // namespace tev::plausi
