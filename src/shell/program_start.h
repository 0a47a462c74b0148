#pragma once
// From process start to a filled main window: command line, environment, data path, school
// year, definition lists and the school directory.
#include "shell/engine.h"

#include <optional>
#include <string>
#include <vector>

namespace tev {

struct StartInputs {
    std::vector<std::string> parameters; // the command line without the program name
    std::string usw;                     // environment values
    std::string homeShare;
    Date today;
    std::string currentDirectory;
    std::optional<std::string> yearSuffix; // a school year chosen up front (command line)
    std::optional<int> sortIndex;          // a sort key chosen up front
    DriveSettings drives;                  // the drive folders the environment names
};

// Before any window: options, developer switch, today's date, the work buffer.
void ProcessStart(Engine& engine, const StartInputs& inputs);
// The main window's creation handler, as far as it concerns the engine.
void FormCreate(Engine& engine, const StartInputs& inputs);

// The table definition lists "stal_ag.def", "stal_ag2.def", "stal_ag3.def".
void LoadTableDefinitionLists(Engine& engine);

// Today's date from the system clock.
Date Today();

} // namespace tev
