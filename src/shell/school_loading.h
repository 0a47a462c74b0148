#pragma once
// Loading the school of the list's current line, as every evaluation and a click do.
#include "shell/engine.h"

namespace tev {

// Loads the school at the list's current index from end to end; true when its data set
// could be read.
bool LoadListedSchool(Engine& engine);

// A click on the school list: loads the clicked school unless a load is running.
void LBClick(Engine& engine);

// A double click on an output box line that names a school loads that school.
void LB2DblClick(Engine& engine, int outputLine);

} // namespace tev
