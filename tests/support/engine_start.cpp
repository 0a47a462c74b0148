#include "support/engine_start.h"

#include "data/school_groups.h"
#include "output/codepage.h"
#include "shell/program_start.h"

namespace tev::test {

void StartEngine(Engine& engine, ScriptedUi& ui, const std::filesystem::path& dataDirectory,
                 const StartOptions& options) {
    ui.SetStandingAnswer(Win("Schul-Gruppe wählen"), SchoolGroupEntry(options.groupCode));
    StartInputs inputs;
    inputs.parameters = {dataDirectory.string()};
    inputs.today = options.today;
    inputs.yearSuffix = options.yearSuffix;
    inputs.sortIndex = options.sortIndex;
    ProcessStart(engine, inputs);
    FormCreate(engine, inputs);
}

} // namespace tev::test
