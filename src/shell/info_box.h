#pragma once
// The info box of the main window. Behind it a typed identification switches the developer
// functions on and off.
#include "shell/engine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tev {

// The version title and the program's credit line.
std::string InfoText();

// 32-bit FNV-1a of the bytes.
uint32_t IdChecksum(std::string_view text);

// When the typed text is the developers' identification: bit 0 of the developer mode is
// toggled and the developer panel and menu follow it. Any other text changes nothing.
bool ToggleDeveloperModeById(Engine& engine, std::string_view typed);

// Menu "Info": the info box; closed with Escape instead of OK it asks for the identification.
void InfoClick(Engine& engine);

} // namespace tev
