#pragma once
// Selecting a school of the list as a click on it does.
#include "shell/engine.h"

namespace tev {

void SelectListedSchool(Engine& engine, int index);

} // namespace tev
