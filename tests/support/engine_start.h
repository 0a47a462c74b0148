#pragma once
// Starts an engine on a data directory as the programs do, with every school group question
// answered "all schools".
#include "shell/engine.h"
#include "shell/scripted_ui.h"
#include "shell/startup.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tev::test {

struct StartOptions {
    Date today{2016, 11, 20};
    std::optional<std::string> yearSuffix;
    std::optional<int> sortIndex;
    std::string groupCode = "  ";
};

void StartEngine(Engine& engine, ScriptedUi& ui, const std::filesystem::path& dataDirectory,
                 const StartOptions& options = {});

} // namespace tev::test
