#pragma once
// The commands that load one school: sheet, edit.
#include "app/cli_options.h"
#include "app/cli_session.h"

namespace tev::cli {

int SheetCommand(Session& session, const Options& options);
int EditCommand(Session& session, const Options& options);

} // namespace tev::cli
