#include "sheet/sheet_extract_entries.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/extract_columns.h"
#include "sheet/sheet_commands.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_tabs.h"

namespace tev {
namespace {

constexpr int kTargetSumCol = 17;

// The tab of table 9.2 (the 26th in the tab sets of every school year).
int TargetsTab(int schoolYearCode) {
    const auto tabs = SheetTabs(schoolYearCode);
    for (size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].gridName == "SG92") return static_cast<int>(i);
    return -1;
}

} // namespace

void Sollsummen1Click(Engine& engine) {
    engine.ui().ShowInfo(
        Win("in \"Bearbeiten\" unten im blauen Bereich Suchkriterien bilden\r"
            " dann auf \"Z\" bzw. \"S\" klicken um eine zeilen- bzw. spaltenweise Aggregation "
            "zu bewirken\r"
            " das Ergebnis befindet sich dann in der Tabelle \"Auszug\"\r"
            " Sonderfälle bzgl. 9.2 siehe Hinweis von \"Z S\""));
    Bearbeiten1Click(engine);
}

void Sollsummen921Click(Engine& engine) {
    Bearbeiten1Click(engine);
    if (!engine.sheet.window.visible) return;
    const int tab = TargetsTab(engine.sheet.schoolYearCode);
    if (tab < 0) return;
    ShowSheetTab(engine, tab);
    SheetWindowState& w = engine.sheet.window;
    if (w.shownGrid != "SG92") return;
    w.currentCells["SG92"] = {kTargetSumCol, kTargetSumRow92};
    w.positionText = "Z" + FormatInt(kTargetSumRow92, 2) + "  S" + FormatInt(kTargetSumCol, 2);
    PanelZSClick(engine, false, "", w.criterion);
}

} // namespace tev
