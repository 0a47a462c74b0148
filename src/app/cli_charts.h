#pragma once
// --charts: every chart a command shows is written as "<fileStem>.svg" and "<fileStem>.png"
// into the current directory.
#include "shell/scripted_ui.h"

#include <memory>

namespace tev::cli {

// Whether this tev-cli was built with Qt and can draw charts.
bool ChartFilesAvailable();
// Hands every chart the user interface is shown to the image writer. The flag turns true when
// a file could not be written. Throws UsageError in a build without Qt.
std::shared_ptr<bool> WriteChartFiles(ScriptedUi& ui);

} // namespace tev::cli
