#pragma once
// Sorting of the school list by the thirteen keys of the sort radio group.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// The captions of the sort keys, index 0..12.
const std::vector<std::string>& SortKeyCaptions();

// A negative index keeps the remembered one. Rebuilds the ListOrderNumbers in every case. The
// selection moves with its line (the one-per-regional-number key selects the second line, as
// its rule says); returns where the line selected before sorting went, -1 when nowhere.
int SortSchoolList(Engine& engine, int index);

} // namespace tev
