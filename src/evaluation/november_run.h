#pragma once
// "---Hinweis": the evaluations the office runs once all statistics files of the year are in.
#include "shell/engine.h"

namespace tev {

void Hinweis1Click(Engine& engine);

} // namespace tev
