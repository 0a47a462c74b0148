#pragma once
// The grid tool's operations written as text, as `tev-cli grid` and scripted runs take them:
// "NAME" or "NAME:ARGUMENTS", columns and rows counted from 1 ("sum-rows:3", "sort:2",
// "add-col:3,4>5", "delete-row:7-9").
#include "output/grid_tool.h"

#include <string>
#include <string_view>

namespace tev {

// Applies one operation to the tool's grid. False, with the reason in error, when the text is
// no operation or names a column or row outside the table; the grid is then unchanged.
bool ApplyGridOperation(GridTool& tool, std::string_view operation, std::string& error);

// Every operation with its arguments and meaning, one per line (for --help and the README).
std::string GridOperationsHelp();

} // namespace tev
