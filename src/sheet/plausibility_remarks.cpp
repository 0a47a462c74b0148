// Step 20: the remarks that are shown with the result but are no errors.
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/plausibility_checks.h"

namespace tev::plausi {
namespace {

// Pupils in the final years of the 9-year track while its classes 5 to 11 are empty.
bool OnlyNineYearUpperLevel(const Context& c) {
    int finalYears = 0;
    int classes = 0;
    for (int level = 0; level < kLevels; ++level) {
        const int pupils = c.PupilsOfTable(11, rows::kAll, level);
        (level >= kJ1 ? finalYears : classes) += pupils;
    }
    return finalYears > 0 && classes == 0;
}

// Working groups entered, but every count 0 (the table was answered with "none").
bool NoWorkingGroups(const Context& c) {
    const int last = c.Grid(31).RowCount() - 2;
    bool anyEntry = false;
    for (int row = 1; row <= last; ++row) {
        if (c.Num(31, 2, row) > 0) return false;
        for (int col = 2; col <= 5; ++col) {
            if (!c.Empty(31, col, row)) anyEntry = true;
        }
    }
    return anyEntry;
}

bool CityIsOwnDistrict(const Context& c) {
    const std::string regional = Trim(c.sheet.regionalNumber);
    return regional.size() >= 3 && regional.compare(regional.size() - 3, 3, "000") == 0;
}

} // namespace

void AddRemarks(const Context& c, Report& r) {
    if (OnlyNineYearUpperLevel(c)) r.Remark("  1.1 wirklich OS_9j?", TableOf(11));
    if (NoWorkingGroups(c)) r.Remark("  3.1 keine AGs?", ColumnOf(31, 2));
    if (c.options.targetPlausibility && TargetTotalsDeviate(c))
        r.Remark(Win("Abweichungen Soll9.1-Soll9.2 sind zu groß!"), TableOf(91), TableOf(92));
    if (CityIsOwnDistrict(c) && c.before.otherTownsOfDistrict > 0) {
        r.Remark("  in 4.2 \"in anderen Gemeinden des Landkreises\"  " +
                     std::to_string(c.before.otherTownsOfDistrict) + "  statt 0!",
                 CellOf(42, 1, 2));
    }
}

} // namespace tev::plausi
