#pragma once
// What an extract takes from each school: the cells of a row or column (with a further one,
// a second table added in, the short report beside them), or the column sets of the special
// queries of tables 1.1 and 9.2.
#include "shell/engine.h"

#include <optional>
#include <string>
#include <vector>

namespace tev {

enum class ExtractLine { Row, Column };

enum class ExtractKind {
    Plain,                // the row or column as it is
    PupilsAgainstCourses, // 1.1: final-year pupils against the 4-hour courses in D and M
    SubjectTargets,       // 9.2 and a column: target and actual hours of that subject
    TargetSum,            // 9.2 and its target sum row: target and actual over all subjects
    FourLineTargets,      // 9.2: target, actual, difference, actual of the final years
};

// The row of table 9.2 that holds the target hours of every class ("KlassenSollSumme").
inline constexpr int kTargetSumRow92 = 11;

struct ExtractColumns {
    ExtractKind kind = ExtractKind::Plain;
    int table = 0; // 11 for 1.1
    ExtractLine line = ExtractLine::Row;
    int index = 0; // the row or column
    std::optional<int> extra;
    int addedTable = 0;       // "auch 1.8?" and the like: its cells are added
    bool shortReport = false; // "mit Kurzbericht-Vergleich?"
    bool total = false;       // "auch zusammen?"
    std::vector<std::string> headings;
};

struct ExtractLineValues {
    std::string label; // the line of the four-line form; empty otherwise
    std::vector<std::string> cells;
};

std::vector<std::string> ExtractHeadings(const Sheet& sheet, const ExtractColumns& columns);
// The lines of the loaded school.
std::vector<ExtractLineValues> ExtractValues(Engine& engine, const ExtractColumns& columns);

} // namespace tev
