#pragma once
// A click on a sort key of the main window.
#include "shell/engine.h"

namespace tev {

inline constexpr int kTestResultSortKey = 1;

// "Testergebnis" on a list no data test has marked yet runs the data test of all schools
// first (when that command is built); then the list is sorted by the chosen key. The selection
// stays on the loaded school; where the key selects another line, that school is loaded.
void RGSortClick(Engine& engine, int index);

} // namespace tev
