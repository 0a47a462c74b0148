#pragma once
// "vgl Migr Vj Aktj": the pupils with migration background per class level, this school year
// against the previous one, school by school.
#include "data/table_blocks.h"
#include "shell/engine.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tev {

// Class 5 to 11, J1 and J2.
using LevelCounts = std::array<int, 9>;

// The six groups of a school: 9j, 8j, 9jw, 8jw, zus (9j + 8j) and zusw (9jw + 8jw).
std::array<LevelCounts, 6> MigrationGroups(const DataSetText& text);

// Both files' lines: "vglMigr.csv" (one line per group and year, then the difference) and
// "vglMigrx.csv" (one line per group, the two years and the difference side by side).
// A school without last year's file gets its current figures and empty other columns.
struct MigrationLists {
    std::vector<std::string> byYear;
    std::vector<std::string> sideBySide;
};
void AddMigrationSchool(MigrationLists& lists, const DataSetText& current,
                        const std::optional<DataSetText>& previous);
MigrationLists MigrationHeadings();

void vglMigrVjAktj1Click(Engine& engine);

} // namespace tev
