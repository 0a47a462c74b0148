#include "shell/sort_choice.h"

#include "shell/main_menu.h"
#include "shell/school_list_sort.h"
#include "shell/school_loading.h"

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
    // The highlighted line is always the loaded school: a key that selects a line of its own
    // loads it.
    const int followed = SortSchoolList(engine, index);
    if (engine.schoolList.itemIndex >= 0 && engine.schoolList.itemIndex != followed)
        LBClick(engine);
}

} // namespace tev
