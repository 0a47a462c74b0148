#pragma once
// Menu commands around the school list.
#include "shell/engine.h"

namespace tev {

// "Datei/Laden": asks for the school group and reads the school directory.
void Laden1Click(Engine& engine);

} // namespace tev
