#pragma once
// The command line of tev-cli.
#include "shell/startup.h"

#include <optional>
#include <string>
#include <vector>

namespace tev::cli {

struct Options {
    std::optional<std::string> dataDirectory;
    std::optional<std::string> yearSuffix;
    std::optional<Date> today;
    std::string groupCode = "  ";
    int sortIndex = 2;
    std::vector<std::string> answers; // UTF-8, as typed
    bool useDefaults = false;
    std::string printerFile = "druck.pdf";
    std::string command;
    std::vector<std::string> arguments;
};

// Throws UsageError with a message for anything it cannot read.
Options ParseOptions(const std::vector<std::string>& args);

struct UsageError {
    std::string message;
};

const char* UsageText();

} // namespace tev::cli
