#pragma once
// The command that shows the teacher demand window's grids of one school:
// demand SCHOOL [--next].
#include "app/cli_registry.h"

namespace tev::cli {

void AddDemandCommand(CommandRegistry& registry);

} // namespace tev::cli
