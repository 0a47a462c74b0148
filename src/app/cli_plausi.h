#pragma once
// The command that shows the plausibility test of one school: plausi SCHOOL.
#include "app/cli_registry.h"

namespace tev::cli {

void AddPlausiCommand(CommandRegistry& registry);

} // namespace tev::cli
