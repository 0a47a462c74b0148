#pragma once
// The search for one foreign language at one place of the language sequences of tables 1.1
// and 1.8, over a range of schools.
#include "sheet/string_grid.h"
#include "shell/engine.h"

#include <string>

namespace tev {

// Whether a sequence row (label cells 0..2) holds the language at the position: 1..3 the
// first to third foreign language, 4 any of them. Only the language's first character counts.
bool SequenceMatches(const StringGrid& table, int row, const std::string& language, int position);

void SBPrFSpClick(Engine& engine);

} // namespace tev
