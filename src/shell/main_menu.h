#pragma once
// The menu tree of the main window: captions, handlers and which entries are built. The
// window builds its menus from this table and the command line finds its commands in it.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

using MenuCommand = void (*)(Engine&);

struct MenuEntry {
    std::string path;    // captions joined by "/", engine text (CP1252)
    std::string handler; // the handler's name
    MenuCommand command; // nullptr: not available yet (or a caption without action)
    bool developerOnly = false;
};

const std::vector<MenuEntry>& MainMenu();
const MenuEntry* FindMenuEntry(const std::string& path);

} // namespace tev
