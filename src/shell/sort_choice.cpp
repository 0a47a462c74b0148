#include "shell/sort_choice.h"

#include "shell/main_menu.h"
#include "shell/school_list_sort.h"

namespace tev {

void RGSortClick(Engine& engine, int index) {
    const auto& lines = engine.schoolList.lines;
    const bool untested = !lines.empty() && !lines.front().empty() && lines.front()[0] == '0';
    if (index == kTestResultSortKey && untested) {
        for (const MenuEntry& entry : MainMenu()) {
            if (entry.handler != "Testen1Click") continue;
            if (entry.command) entry.command(engine);
            break;
        }
    }
    engine.window.sortIndex = index;
    SortSchoolList(engine, index);
}

} // namespace tev
