#include "app/cli_commands.h"

#include "app/cli_plausi.h"
#include "app/cli_sheet.h"
#include "output/codepage.h"
#include "shell/main_menu.h"

#include <iostream>

namespace tev::cli {
namespace {

int ListCommand(Session& session) {
    PrintLines(session.engine->schoolList.lines);
    return 0;
}

int MenuCommand(Session& session, const Options& options) {
    if (options.arguments.size() != 1)
        throw UsageError{"menu takes one PATH, e.g. \"Datei/Laden\""};
    const std::string path = EngineTextFromUtf8(options.arguments[0]);
    const MenuEntry* entry = FindMenuEntry(path);
    if (!entry) throw UsageError{"no menu entry \"" + options.arguments[0] + "\""};
    if (entry->developerOnly && !(session.engine->developerMode() & 1)) {
        std::cerr << "tev-cli: \"" << options.arguments[0] << "\" is only for developers\n";
        return 2;
    }
    if (!entry->command) {
        std::cerr << "tev-cli: \"" << options.arguments[0] << "\": not available yet\n";
        return 2;
    }
    entry->command(*session.engine);
    PrintLines(session.engine->outputBox.lines());
    return 0;
}

} // namespace

int RunCommand(Session& session, const Options& options) {
    if (options.command == "list") return ListCommand(session);
    if (options.command == "menu") return MenuCommand(session, options);
    if (options.command == "sheet") return SheetCommand(session, options);
    if (options.command == "edit") return EditCommand(session, options);
    if (options.command == "plausi") return PlausiCommand(session, options);
    throw UsageError{"unknown command \"" + options.command + "\""};
}

} // namespace tev::cli
