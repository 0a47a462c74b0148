#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/print_document.h"
#include "output/text_routines.h"
#include "sheet/sheet_printing.h"

namespace tev {

void TabellenfrmehrereSchulen1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, Win("Schulbogen(Tabellen) drucken für "));
    if (!range) return;
    engine.outputBox.lines().clear();
    // One document for the whole range.
    const int flags = engine.print.controlFlags;
    engine.print.controlFlags |= kPrintKeepDocumentOpen;
    bool chosen = false;
    FindSchool(engine, *range, [&engine, &chosen](int, bool loaded) {
        if (!loaded) return false;
        Sheet& sheet = engine.sheet;
        if (!chosen) {
            PrintSheetMenu(engine);
            if (sheet.printLast == 0) return true;
            chosen = true;
        } else {
            PrintSheet(engine, sheet.printFirst, sheet.printLast);
        }
        engine.outputBox.lines().push_back(DosToWindowsText(Trim(sheet.caption)) + ": " +
                                           "  gedruckt");
        return false;
    });
    engine.print.controlFlags = flags;
    EndPrintDocument(engine);
}

} // namespace tev
