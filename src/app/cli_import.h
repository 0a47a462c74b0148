#pragma once
// The command that takes over the deliveries of the diskette folders: import.
#include "app/cli_registry.h"

namespace tev::cli {

void AddImportCommand(CommandRegistry& registry);

} // namespace tev::cli
