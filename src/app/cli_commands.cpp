#include "app/cli_commands.h"

#include "app/cli_grid_blocks.h"
#include "app/cli_options.h"
#include "output/codepage.h"
#include "shell/main_menu.h"

#include <iostream>
#include <memory>

namespace tev::cli {
namespace {

int MenuCommand(Session& session, const std::string& pathUtf8) {
    const std::string path = EngineTextFromUtf8(pathUtf8);
    const MenuEntry* entry = FindMenuEntry(path);
    if (!entry) throw UsageError{"no menu entry \"" + pathUtf8 + "\""};
    if (entry->developerOnly && !(session.engine->developerMode() & 1)) {
        std::cerr << "tev-cli: \"" << pathUtf8 << "\" is only for developers\n";
        return 2;
    }
    if (entry->handler.empty()) {
        // A caption of the window with nothing behind it; the window prints the upper table
        // on a double click instead.
        std::cerr << "info: \"" << pathUtf8 << "\" has no action of its own\n";
        return 0;
    }
    if (!entry->command) {
        std::cerr << "tev-cli: \"" << pathUtf8 << "\": not available yet\n";
        return 2;
    }
    entry->command(*session.engine);
    PrintLines(session.engine->outputBox.lines());
    PrintShownGrids(*session.engine);
    return 0;
}

} // namespace

void AddListAndMenuCommands(CommandRegistry& registry) {
    registry.Add("list", "the school list lines after start-up and sorting", [](Session& session) {
        PrintLines(session.engine->schoolList.lines);
        return 0;
    });

    auto path = std::make_shared<std::string>();
    CLI::App& menu =
        registry.Add("menu",
                     "run a main-window menu entry and print the output box it leaves, then "
                     "the grids it leaves open (the summary's tables in the display kind of "
                     "--kind)",
                     [path](Session& session) { return MenuCommand(session, *path); });
    menu.add_option("PATH", *path,
                    "the entry's captions joined by \"/\", e.g. \"Datei/Laden\", \"Testen\"")
        ->required();
}

} // namespace tev::cli
