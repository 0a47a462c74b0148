#include "support/cli_runner.h"

#include "support/test_support.h"

#include <sstream>
#include <sys/wait.h>

namespace tev::test {
namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

} // namespace

std::vector<std::string> CliResult::OutLines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

CliResult RunCli(const std::string& program, const std::vector<std::string>& args,
                 const std::filesystem::path& workDirectory,
                 const std::vector<std::string>& environment) {
    const auto outFile = workDirectory / ".cli-out";
    const auto errFile = workDirectory / ".cli-err";
    std::string command = "cd " + Quoted(workDirectory.string()) + " && env -u usw -u HOMESHARE";
    for (const auto& variable : environment)
        command += " " + Quoted(variable);
    command += " " + Quoted(program);
    for (const auto& arg : args)
        command += " " + Quoted(arg);
    command += " >" + Quoted(outFile.string()) + " 2>" + Quoted(errFile.string()) + " </dev/null";
    const int status = std::system(command.c_str());
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(outFile);
    result.err = ReadFile(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return result;
}

std::vector<std::string> BlockLines(const std::vector<std::string>& lines,
                                    const std::string& name) {
    std::vector<std::string> block;
    bool inside = false;
    for (const auto& line : lines) {
        if (line.rfind("# ", 0) == 0) {
            if (inside) break;
            inside = line == "# " + name;
            continue;
        }
        if (inside) block.push_back(line);
    }
    return block;
}

} // namespace tev::test
