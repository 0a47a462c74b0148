#pragma once
// The colours of the sheet's editable and locked cells, chosen by name and shade.
#include "sheet/sheet_window_state.h"
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// "Olive", "Green", ... "ActiveCaption", in the order of the choice.
const std::vector<std::string>& SheetColourNames();
// The colour of a name of SheetColourNames; white for any other.
SheetColour NamedSheetColour(const std::string& name);
// Shade 1 to 4 ("normal" .. "ganz blass"): each component c becomes (n * 255 + c - 255) / n.
SheetColour ShadeColour(SheetColour colour, int shade);

// Asks for a colour and its shade and sets the colour of the editable or the locked cells;
// false when cancelled.
bool ChooseSheetColour(Engine& engine, bool editableCells);

} // namespace tev
