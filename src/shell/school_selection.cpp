#include "shell/school_selection.h"

namespace tev {

void SelectListedSchool(Engine& engine, int index) {
    if (index < 0 || index >= static_cast<int>(engine.schoolList.lines.size())) return;
    engine.schoolList.itemIndex = index;
}

} // namespace tev
