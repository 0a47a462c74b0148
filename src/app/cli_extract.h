#pragma once
// The sheet's extract of a row or column into SG00: extract SCHOOL TABLE COL ROW row|column
// CRITERION.
#include "app/cli_registry.h"

namespace tev::cli {

void AddExtractCommand(CommandRegistry& registry);

} // namespace tev::cli
