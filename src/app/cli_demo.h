#pragma once
// tev-cli demo-data DIR [--schools N] [--seed S] [--years .14-.24]
#include "app/cli_registry.h"

namespace tev::cli {

// Exit code 0 on success, 2 for a usage error, 1 when the office could not be written.
void AddDemoCommand(CommandRegistry& registry);

} // namespace tev::cli
