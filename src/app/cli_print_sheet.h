#pragma once
// The sheet's printing choice for one school: print-sheet SCHOOL.
#include "app/cli_registry.h"

namespace tev::cli {

void AddPrintSheetCommand(CommandRegistry& registry);

} // namespace tev::cli
