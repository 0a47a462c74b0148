#pragma once
// The small handlers of the main window that only change what it shows.
#include "shell/engine.h"

namespace tev {

void Beenden1Click(Engine& engine);
void ObereTabelleschlieen1Click(Engine& engine);
// A report filled the upper table: its panel shows, at this height in pixels when not 0.
void ShowUpperTable(Engine& engine, int height = 0);
void weitereAuswertungen1Click(Engine& engine);
// Width of the school list: 530 <-> 185; returns the caption of the toggle button.
std::string ToggleListWidth(Engine& engine);

} // namespace tev
