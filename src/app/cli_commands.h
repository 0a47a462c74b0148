#pragma once
// The commands on the school list and the main menu: list, menu.
#include "app/cli_registry.h"

namespace tev::cli {

void AddListAndMenuCommands(CommandRegistry& registry);

} // namespace tev::cli
