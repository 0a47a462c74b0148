#pragma once
// Runs tev-cli as a user would and collects what it printed.
#include <filesystem>
#include <string>
#include <vector>

namespace tev::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::vector<std::string> OutLines() const;
};

// The lines of the block "# NAME" of the output, up to the next block.
std::vector<std::string> BlockLines(const std::vector<std::string>& lines, const std::string& name);

// Runs the program in the folder `workDirectory` with the arguments.
CliResult RunCli(const std::string& program, const std::vector<std::string>& args,
                 const std::filesystem::path& workDirectory,
                 const std::vector<std::string>& environment = {});

} // namespace tev::test
