#include "app/cli_registry.h"

namespace tev::cli {

CLI::App& CommandRegistry::Add(const std::string& name, const std::string& description,
                               SessionCommand run) {
    CLI::App* command = app_.add_subcommand(name, description);
    commands_.push_back({command, std::move(run), nullptr});
    return *command;
}

CLI::App& CommandRegistry::AddPlain(const std::string& name, const std::string& description,
                                    PlainCommand run) {
    CLI::App* command = app_.add_subcommand(name, description);
    commands_.push_back({command, nullptr, std::move(run)});
    return *command;
}

const CommandRegistry::Command* CommandRegistry::Chosen() const {
    for (const auto& command : commands_) {
        if (command.app->parsed()) return &command;
    }
    return nullptr;
}

} // namespace tev::cli
