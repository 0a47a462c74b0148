#pragma once
// The summary's grids on stdout as grid blocks of the command line's contract.
#include "shell/engine.h"

namespace tev::cli {

// The grids a menu entry left for the user to see: the tables of the summary window when it
// is open.
void PrintShownGrids(const Engine& engine);

} // namespace tev::cli
