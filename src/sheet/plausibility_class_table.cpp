// What the checks read from the class table 1.2: classes and pupils per class level.
#include "sheet/plausibility_checks.h"

namespace tev::plausi {
namespace {

// Rows of the regular classes and, from 2016/17 (21 rows), of the preparatory classes.
struct ClassRows {
    int lastRegular = 0;
    int firstPreparatory = 16;
    int lastPreparatory = 15; // none
};

ClassRows ClassRowsOf(const Context& c) {
    ClassRows rowsOf12;
    const int rowCount = c.Grid(12).RowCount();
    if (rowCount == 21) {
        rowsOf12.lastRegular = 14;
        rowsOf12.lastPreparatory = 18;
    } else {
        rowsOf12.lastRegular = rowCount - 2;
    }
    return rowsOf12;
}

int CountClasses(const Context& c, int level, int firstRow, int lastRow) {
    int classes = 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        if (c.Num(12, 1 + level, row) > 0) ++classes;
    }
    return classes;
}

int SumPupils(const Context& c, int level, int firstRow, int lastRow) {
    int pupils = 0;
    for (int row = firstRow; row <= lastRow; ++row)
        pupils += c.Num(12, 1 + level, row);
    return pupils;
}

} // namespace

int RegularClassesOf12(const Context& c, int level) {
    return CountClasses(c, level, 1, ClassRowsOf(c).lastRegular);
}

int PreparatoryClassesOf12(const Context& c, int level) {
    const ClassRows classRows = ClassRowsOf(c);
    return CountClasses(c, level, classRows.firstPreparatory, classRows.lastPreparatory);
}

int PupilsOf12(const Context& c, int level) {
    const ClassRows classRows = ClassRowsOf(c);
    return SumPupils(c, level, 1, classRows.lastRegular) +
           SumPupils(c, level, classRows.firstPreparatory, classRows.lastPreparatory);
}

int PreparatoryPupilsOf12(const Context& c) {
    const ClassRows classRows = ClassRowsOf(c);
    int pupils = 0;
    for (int level = 0; level <= kLevel11; ++level)
        pupils += SumPupils(c, level, classRows.firstPreparatory, classRows.lastPreparatory);
    return pupils;
}

// Classes are lettered a, b, c, ... without gaps: the last filled row is the class count.
bool ClassLettersOf12HaveGap(const Context& c, int level) {
    const int lastRegular = ClassRowsOf(c).lastRegular;
    int filled = 0;
    int lastFilled = 0;
    for (int row = 1; row <= lastRegular; ++row) {
        if (c.Num(12, 1 + level, row) <= 0) continue;
        ++filled;
        lastFilled = row;
    }
    return filled != lastFilled;
}

} // namespace tev::plausi
