#pragma once
// "Suche Schule": find a school of the list by name or number.
#include "shell/engine.h"

namespace tev {

// The per-district old name list of a district letter.
std::string DistrictNameListFile(const Engine& engine, char districtLetter);
// The one-letter codes of the four districts, in district order.
inline constexpr char kDistrictLetters[] = {'S', 'K', 'F', 'T'};

void SearchSchool(Engine& engine);
void SucheSchule1Click(Engine& engine);

} // namespace tev
