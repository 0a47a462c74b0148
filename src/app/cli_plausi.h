#pragma once
// The command that shows the plausibility test of one school: plausi SCHOOL.
#include "app/cli_options.h"
#include "app/cli_session.h"

namespace tev::cli {

int PlausiCommand(Session& session, const Options& options);

} // namespace tev::cli
