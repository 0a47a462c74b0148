#include "demand/demand_commands.h"

#include "demand/demand_grids.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kPrintFlagDemandWindow = 1 << 0;
constexpr int kFirstUserRow = 4;
constexpr int kLastUserRow = 7;
constexpr int kPanel4Shown = 300;
constexpr int kPanel4Collapsed = 4;
constexpr int kLBWide = 450;
constexpr int kLBNarrow = 50;

// The demand mode for one computation; the one before comes back afterwards, whatever
// happens in between.
class ModeScope {
public:
    ModeScope(DemandWindowState& state, int mode) : state_(state), saved_(state.mode) {
        state.mode = mode;
    }
    ~ModeScope() { state_.mode = saved_; }
    ModeScope(const ModeScope&) = delete;
    ModeScope& operator=(const ModeScope&) = delete;

private:
    DemandWindowState& state_;
    int saved_;
};

bool WkcGroup(const Engine& engine) {
    return engine.schoolGroup.rfind("WKc ", 0) == 0;
}

void Compute(Engine& engine, int mode) {
    DemandFormCreate(engine);
    DemandWindowState& state = engine.demand;
    const ModeScope scope(state, mode);
    Sheet& sheet = engine.sheet;
    DemandInput input;
    input.record = &sheet.record;
    input.schoolYearCode = sheet.schoolYearCode;
    input.mode = state.mode;
    input.switches.extraLevel = state.extraLevel;
    input.switches.wkc = WkcGroup(engine);
    input.shownSubjects = ShownHoursSubjects(sheet);
    const DemandResult result = ComputeDemand(input);
    sheet.record.demand = result.area;
    FillDemandWindow(state, result, sheet);
}

// A recomputation reads the record as the grids hold it now.
void Recompute(Engine& engine, int mode) {
    WriteBackCourses(engine.sheet);
    Compute(engine, mode);
}

void Quit1Click(Engine& engine) {
    engine.demand.visible = false;
}

void DruckAbbr1Click(Engine& engine) {
    engine.demand.printAbort = true;
}

void SwapAuswertung1Click(Engine& engine) {
    engine.demand.evaluationVisible = !engine.demand.evaluationVisible;
}

void SwapAnmerkungen1Click(Engine& engine) {
    engine.demand.remarksVisible = !engine.demand.remarksVisible;
}

void SwapTestinfo1Click(Engine& engine) {
    int& height = engine.demand.panel4Height;
    height = height == kPanel4Shown ? kPanel4Collapsed : kPanel4Shown;
}

void Hilfe1Click(Engine& engine) {
    engine.ui().ShowInfo(DemandHelpText());
}

std::string RowLabel(const DemandWindowState& state, int row) {
    return Trim(state.sgbedarf.Cells(0, row));
}

} // namespace

void DemandFormCreate(Engine& engine) {
    DemandWindowState& state = engine.demand;
    if (state.created) return;
    state.created = true;
    engine.print.controlFlags |= kPrintFlagDemandWindow;
    state.languageLetters = "EFLS";
    state.panel4Height = kPanel4Collapsed;
    ShapeDemandGrids(state);
}

void ComputeDemandOnLoad(Engine& engine) {
    DemandFormCreate(engine);
    DemandWindowState& state = engine.demand;
    if (state.summarySchool != engine.sheet.schoolNumber) {
        for (int row = kFirstUserRow; row <= kLastUserRow; ++row)
            state.sglbr.SetCells(1, row, "");
        state.summarySchool = engine.sheet.schoolNumber;
    }
    state.loadComputationPending = state.deferOnLoad;
    if (!state.deferOnLoad) Compute(engine, 0);
}

DeferDemandOnLoad::DeferDemandOnLoad(Engine& engine)
    : engine_(engine), saved_(engine.demand.deferOnLoad) {
    engine.demand.deferOnLoad = true;
}

DeferDemandOnLoad::~DeferDemandOnLoad() {
    // Left pending when the loop was broken off: the window computes it when it opens.
    engine_.demand.deferOnLoad = saved_;
}

void DeferDemandOnLoad::Finish() {
    engine_.demand.deferOnLoad = saved_;
    if (saved_ || !engine_.demand.loadComputationPending) return;
    engine_.demand.loadComputationPending = false;
    Compute(engine_, 0);
}

void Lehrerbedarf1Click(Engine& engine) {
    if (engine.schoolList.lines.empty()) {
        engine.ui().ShowInfo(Win("Keine Schule in der Liste (Datei/Laden)"));
        return;
    }
    if (engine.sheet.schoolNumber.empty()) {
        if (engine.schoolList.itemIndex < 0) SelectListedSchool(engine, 0);
        LBClick(engine);
    } else if (engine.sheet.record.demand.yearCode == 0 || engine.demand.loadComputationPending) {
        ComputeDemandOnLoad(engine);
    }
    engine.demand.visible = true;
}

void BerechnenClick(Engine& engine) {
    Recompute(engine, 1);
}

void BerechnenTestClick(Engine& engine) {
    Recompute(engine, 0);
}

const std::vector<MenuEntry>& DemandMenu() {
    static const std::vector<MenuEntry> menu = [] {
        struct Row {
            const char* path;
            const char* handler;
            MenuCommand command;
        };
        const Row rows[] = {
            {"Quit", "Quit1Click", Quit1Click},
            {"Laden", "Laden1Click", nullptr},
            {"voran", "voran1Click", nullptr},
            {"nachf", "nachf1Click", nullptr},
            {"Berechnen", "Berechnen1Click", BerechnenClick},
            {"Drucken/Drucke Zuweisungsblatt (akt.Schule)", "DruckeZuweisungsblatt1Click", nullptr},
            {"Drucken/Drucke Zuweisungsblatt (für mehrere Schulen)",
             "DruckeZuweisungsblattmehrere1Click", nullptr},
            {"Drucken/Anmerkungen", "Anmerkungen1Click", nullptr},
            {"Drucken/Anmerkungen Teiler Klst.11", "AnmerkungenTeilerKlst111Click", nullptr},
            {"Drucken/DruckLBB+Planungsl", "DruckLBBPlanungsl1Click", nullptr},
            {"DruckAbbr", "DruckAbbr1Click", DruckAbbr1Click},
            {"Stdtafel", "Stdtafel1Click", nullptr},
            {"Stdtafel_neu", "Stdtafelneu1Click", nullptr},
            {"ZeigPlanHilf", "ZeigPlanHilf1Click", nullptr},
            {"ZeigLBB", "ZeigLBB1Click", nullptr},
            {"DruckLBB+Planungsl", "DruckLBBPlanungsl2Click", nullptr},
            {"Diverses/Berechnen test", "Berechnentest1Click", BerechnenTestClick},
            {"Diverses/swap Auswertung", "swapAuswertung1Click", SwapAuswertung1Click},
            {"Diverses/swap Auswertung Anmerkungen", "swapAuswertungAnmerkungen1Click",
             SwapAnmerkungen1Click},
            {"Diverses/swap Testinfo", "swapTestinfo1Click", SwapTestinfo1Click},
            {"xxx", "xxx1Click", nullptr},
            {"Hilfe", "Hilfe1Click", Hilfe1Click},
        };
        std::vector<MenuEntry> entries;
        for (const Row& row : rows)
            entries.push_back({Win(row.path), row.handler, row.command, false});
        return entries;
    }();
    return menu;
}

std::string DemandHelpText() {
    return "Laden zum \"Laden einer anderen Schule\"\rDrucken insbes. Blatt bgzl. "
           "\"Direktzuweisung\"\rDruckLBB Drucken von Formularen des Lehrerberichts der "
           "Schule\r    bzw. Planungsblatt(Statistikformular1+Sollstunden)\rZeigLBB "
           "\"Lehrerbericht an der Schule\"";
}

void DemandLBDblClick(Engine& engine) {
    int& width = engine.demand.lbWidth;
    width = width == kLBWide ? kLBNarrow : kLBWide;
}

std::string DemandCellParts(const DemandWindowState& state, int col, int row) {
    const StringGrid& grid = state.sgbedarf;
    if (col < 3 || col > grid.ColCount() - 2 || row < 1 || row > 8) return {};
    const int subject = DemandColumnSubject(state, col);
    const int nine = ParseInt(state.matNumbers.Cells(subject, row));
    const int eight = ParseInt(state.matNumbers2.Cells(subject, row));
    return Trim(grid.Cells(col, 0)) + " " + RowLabel(state, row) + ": 9j " + std::to_string(nine) +
           " + 8j " + std::to_string(eight) + " = " +
           std::to_string(ParseInt(grid.Cells(col, row)));
}

void SGBEDARFSelectCell(Engine& engine, int col, int row) {
    engine.demand.label1 = DemandCellParts(engine.demand, col, row);
}

void SGBEDARFDblClick(Engine& engine, int col, int row) {
    const DemandWindowState& state = engine.demand;
    const StringGrid& grid = state.sgbedarf;
    if (col <= 2 || col > grid.ColCount() - 2 || row < 1 || row > 8) return;
    const int subject = DemandColumnSubject(state, col);
    auto parts = [](const std::string& text) { return text.empty() ? std::string("0") : text; };
    engine.ui().ShowInfo(RowLabel(state, row) + " " + Trim(grid.Cells(col, 0)) +
                         "\r9j: " + parts(state.matText.Cells(subject, row)) +
                         "\r8j: " + parts(state.matText2.Cells(subject, row)) +
                         "\r = " + std::to_string(ParseInt(grid.Cells(col, row))));
}

bool IsDemandSummaryEditable(int col, int row) {
    return col == 1 && row >= kFirstUserRow && row <= kLastUserRow;
}

bool SGLBRSetEditText(Engine& engine, int col, int row, const std::string& text) {
    if (!IsDemandSummaryEditable(col, row)) return false;
    std::string typed = text;
    std::replace(typed.begin(), typed.end(), ';', ',');
    DemandWindowState& state = engine.demand;
    state.sglbr.SetCells(col, row, typed);
    FillDemandSummary(state, engine.sheet.record.demand);
    return true;
}

} // namespace tev
