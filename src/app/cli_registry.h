#pragma once
// The commands of tev-cli. Each command declares its name, description, arguments and
// options once, on its CLI11 subcommand; "--help" and the manual page are made from that.
#include "app/cli_session.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

namespace tev::cli {

// A command's work on the started engine; returns the exit code.
using SessionCommand = std::function<int(Session&)>;
// A command that needs no data directory (demo-data); returns the exit code.
using PlainCommand = std::function<int()>;

class CommandRegistry {
public:
    explicit CommandRegistry(CLI::App& app) : app_(app) {}

    // Returns the subcommand so that the caller declares its arguments and options.
    CLI::App& Add(const std::string& name, const std::string& description, SessionCommand run);
    CLI::App& AddPlain(const std::string& name, const std::string& description, PlainCommand run);

    struct Command {
        CLI::App* app;
        SessionCommand run;
        PlainCommand runPlain;
    };
    // After parsing: the command the user chose, or nullptr.
    const Command* Chosen() const;
    const std::vector<Command>& Commands() const { return commands_; }

private:
    CLI::App& app_;
    std::vector<Command> commands_;
};

} // namespace tev::cli
