#pragma once
// The main window's ways into the sheet's row and column extracts.
#include "shell/engine.h"

namespace tev {

// "Zeilen-/Spalten/Soll_Ist-Auszüge": tells how an extract is made and opens the sheet.
void Sollsummen1Click(Engine& engine);
// "Sollsummen 9.2-Ist 9.1": opens the sheet on table 9.2 and makes the extract of its target
// sum row (target against actual hours over all subjects) once.
void Sollsummen921Click(Engine& engine);

} // namespace tev
