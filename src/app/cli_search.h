#pragma once
// The sheet's search for the next school: search SCHOOL TABLE COL ROW [COL2 ROW2] CRITERION.
#include "app/cli_registry.h"

namespace tev::cli {

void AddSearchCommand(CommandRegistry& registry);

} // namespace tev::cli
