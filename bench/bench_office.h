#pragma once
// The office every benchmark runs on: a demo office of 450 schools for 2016/17, written once
// per run into a temporary folder, and an engine started on it as the programs start.
#include "shell/engine.h"

#include <filesystem>

namespace tev::bench {

const std::filesystem::path& DemoOffice();
void RemoveDemoOffice();

// Start-up on the demo office with all schools listed; the group choice is answered by `ui`
// itself (a ScriptedUi gets a standing answer, other faces must answer it themselves).
void StartOnDemoOffice(Engine& engine);

} // namespace tev::bench
