#pragma once
// One run of tev-cli: the engine started as the window would start, with the scripted user.
#include "app/cli_options.h"
#include "shell/engine.h"
#include "shell/scripted_ui.h"

#include <filesystem>
#include <memory>

namespace tev::cli {

struct Session {
    explicit Session(const Options& options);

    ScriptedUi ui;
    std::unique_ptr<Engine> engine;
};

// Ends a document left open and tells whether every PDF file could be written.
bool FinishPrinting(Session& session);

// Lines to stdout, as UTF-8.
void PrintLines(const std::vector<std::string>& lines);

} // namespace tev::cli
