#pragma once
// The commands that load one school: sheet, edit.
#include "app/cli_registry.h"

namespace tev::cli {

void AddSheetCommands(CommandRegistry& registry);

} // namespace tev::cli
