#include "shell/directory_commands.h"

#include "data/school_directory.h"

namespace tev {

void Laden1Click(Engine& engine) {
    engine.outputBox.Clear();
    if (!ChooseSchoolGroup(engine)) return;
    // A summary holds the figures of the directory read before; the next one reads anew.
    engine.summary.Release();
    engine.work.tevDir = engine.startup.dataPath + "TEV/";
    engine.work.dataPathCopy = engine.startup.dataPath;
    LoadSchoolDirectory(engine, engine.schoolGroup.substr(0, 2));
    ShowRegionalNumbers(engine.schoolList);
}

} // namespace tev
