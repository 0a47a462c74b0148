#pragma once
// tev-cli grid FILE.csv OPERATION... [--out FILE]: the grid tool's operations on a CSV file.
#include "app/cli_registry.h"

namespace tev::cli {

// Exit code 0 on success, 2 for an operation that is wrong or does not fit the table (nothing
// is written then), 1 when a file cannot be read or written.
void AddGridCommand(CommandRegistry& registry);

} // namespace tev::cli
