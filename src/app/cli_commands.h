#pragma once
#include "app/cli_options.h"
#include "app/cli_session.h"

namespace tev::cli {

// Runs the command of the options; returns the exit code.
int RunCommand(Session& session, const Options& options);

} // namespace tev::cli
