#pragma once
// The evaluation of the first foreign language in class 5 and of the second in classes 5 to 9
// over a range of schools, with shares per level and, for all schools, per district.
#include "sheet/sheet_grids.h"
#include "sheet/string_grid.h"
#include "shell/engine.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tev {

inline constexpr int kLanguageEvaluationCols = 82;

// Pupils of the sequence rows per class level 5..9 and track (0 the 9-year, 1 the 8-year).
struct LevelPupils {
    std::array<std::array<int64_t, 2>, 5> count{};
    LevelPupils& operator+=(const LevelPupils& other);
};

void PrepareLanguageEvaluation(StringGrid& grid);
// The school's cells in the row from its tables 1.1 and 1.8 (sequence texts, counts); returns
// its pupils per level and track, the base of the shares.
LevelPupils FillLanguageEvaluationRow(StringGrid& grid, int row, const SheetGrids& grids);
// The three total rows ("zus", "in % pro Jahrgang", both tracks) of the school rows `rows`,
// from grid row `at` on; the label is the district letter or a blank.
void AddLanguageTotals(StringGrid& grid, int at, const std::vector<int>& rows, char label,
                       const LevelPupils& pupils);

void AuswertennachFremdsprachenKl5791Click(Engine& engine);

} // namespace tev
