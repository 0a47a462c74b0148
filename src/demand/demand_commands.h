#pragma once
// What the teacher demand window does: the computation at load and on "Berechnen", its menu,
// the breakdown of a demand cell and the edits of the summary grid.
#include "shell/engine.h"
#include "shell/main_menu.h"

#include <string>
#include <vector>

namespace tev {

// The window's start: print flag, the language letters, the summary's row names, the panel
// collapsed, the work grids sized. Runs once.
void DemandFormCreate(Engine& engine);

// The demand of the school just loaded (demand mode 0); the summary's own entries go when
// another school is shown.
void ComputeDemandOnLoad(Engine& engine);

// While it lives, loading a school leaves its demand computation pending; Finish runs the
// pending one for the school that is loaded then. For loops that never read the demand of the
// schools they pass: the demand of each load would be thrown away by the next.
class DeferDemandOnLoad {
public:
    explicit DeferDemandOnLoad(Engine& engine);
    ~DeferDemandOnLoad();
    DeferDemandOnLoad(const DeferDemandOnLoad&) = delete;
    DeferDemandOnLoad& operator=(const DeferDemandOnLoad&) = delete;
    void Finish();

private:
    Engine& engine_;
    bool saved_;
};

// Main menu "Lehrerbedarf": the window for the loaded school (the first one when none is).
void Lehrerbedarf1Click(Engine& engine);

// "Berechnen": the following school year (demand mode 1); "Berechnen test": the statistics
// year (mode 0). The mode is the one before afterwards.
void BerechnenClick(Engine& engine);
void BerechnenTestClick(Engine& engine);

// The menu of the window, in its order; entries without a command carry no action.
const std::vector<MenuEntry>& DemandMenu();

// The help text of "Hilfe".
std::string DemandHelpText();

// A double click on the list LB toggles its width between 450 and 50.
void DemandLBDblClick(Engine& engine);

// Label1 for a selected cell of SGBEDARF (column >= 3, row >= 1): the parts of the 9-year
// and the 8-year track, " = " and the cell's value; empty elsewhere.
std::string DemandCellParts(const DemandWindowState& state, int col, int row);
void SGBEDARFSelectCell(Engine& engine, int col, int row);
// Double click (column > 2, row >= 1): the parts as classes and groups times hours.
void SGBEDARFDblClick(Engine& engine, int col, int row);

// An edit of SGLBR: rows 4 to 7 of the hours column take the text (";" becomes ","), and the
// summary is filled again. False for a cell that cannot be edited.
bool SGLBRSetEditText(Engine& engine, int col, int row, const std::string& text);
bool IsDemandSummaryEditable(int col, int row);

} // namespace tev
