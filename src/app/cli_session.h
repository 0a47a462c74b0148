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
// A grid block: "# " + the grid's name, then each row from row 0, cells joined by ";".
// Under the grid's own name unless another is given.
void PrintGridBlock(const StringGrid& grid, const std::string& name = {});
// A list printed as a block: "# " + its name, then one line per item.
void PrintListBlock(const std::string& name, const std::vector<std::string>& lines);

} // namespace tev::cli
