#pragma once
// The manual page tev-cli.1, made from the same declarations as "--help".
#include "app/cli_registry.h"

#include <CLI/CLI.hpp>
#include <string>

namespace tev::cli {

// The page in roff (man macros): the program's description, its global options and every
// command of the registry with its arguments and options.
std::string ManPage(const CLI::App& app, const CommandRegistry& registry);

// "--manpage" prints the page and ends the run (the build makes tev-cli.1 with it).
void DeclareManPageFlag(CLI::App& app, const CommandRegistry& registry);

} // namespace tev::cli
