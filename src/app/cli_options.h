#pragma once
// The options of tev-cli that come before (or after) any command.
#include "shell/startup.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

namespace tev::cli {

struct Options {
    std::optional<std::string> dataDirectory;
    std::optional<std::string> yearSuffix;
    std::optional<Date> today;
    std::string groupCode = "  ";
    std::optional<int> sortIndex;     // without it, the window's start-up choice
    std::vector<std::string> answers; // UTF-8, as typed
    bool useDefaults = false;
    // Named: the run's documents go to exactly this file and its numbered names. Not named:
    // to "druck.pdf", "druck-2.pdf", ... past the files an earlier run left.
    std::optional<std::string> printerFile;
    std::optional<std::string> school; // loaded before the command runs
    std::optional<int> kind;           // the summary's display kind 0..14
    bool charts = false;               // charts shown are written as SVG and PNG files
};

// Declares the options on the program's command line, bound to `options`.
void DeclareOptions(CLI::App& app, Options& options);

// A usage error a command finds in its arguments (exit code 2).
struct UsageError {
    std::string message;
};

} // namespace tev::cli
