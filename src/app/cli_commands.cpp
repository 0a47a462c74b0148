#include "app/cli_commands.h"

#include "app/cli_grid_blocks.h"
#include "app/cli_options.h"
#include "evaluation/completeness_check.h"
#include "output/codepage.h"
#include "output/save_files.h"
#include "shell/main_menu.h"

#include <iostream>
#include <memory>

namespace tev::cli {
namespace {

// The data test whose findings also go into a CSV file.
int DataTestWithFindings(Session& session, const std::string& file) {
    std::vector<std::string> findings;
    RunDataTest(*session.engine, &findings);
    PrintLines(session.engine->outputBox.lines());
    if (!SaveCsvLines(*session.engine, file, findings)) {
        std::cerr << "tev-cli: could not write \"" << file << "\"\n";
        return 1;
    }
    return 0;
}

int MenuCommand(Session& session, const std::string& pathUtf8, const std::string& findingsFile) {
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
    if (!findingsFile.empty()) {
        if (entry->command != Testen1Click)
            throw UsageError{"--findings belongs to the menu entry \"Testen\""};
        return DataTestWithFindings(session, findingsFile);
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
    auto findingsFile = std::make_shared<std::string>();
    CLI::App& menu =
        registry.Add("menu",
                     "run a main-window menu entry and print the output box it leaves, then "
                     "the grids it leaves open (the summary's tables in the display kind of "
                     "--kind)",
                     [path, findingsFile](Session& session) {
                         return MenuCommand(session, *path, *findingsFile);
                     });
    menu.add_option("PATH", *path,
                    "the entry's captions joined by \"/\", e.g. \"Datei/Laden\", \"Testen\"")
        ->required();
    menu.add_option("--findings", *findingsFile,
                    "with \"Testen\": write the findings of every tested school to this CSV "
                    "file, one line each: school number;severity;table;column;row;text");
}

} // namespace tev::cli
