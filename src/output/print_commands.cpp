#include "output/print_commands.h"

#include "output/codepage.h"
#include "output/print_document.h"
#include "output/print_list.h"

namespace tev {
namespace {

// The school list holds the lines of the DOS-coded school-name file: printed in the DOS font,
// its height fitted to the line length.
constexpr int kSchoolListFontCode = 0;
constexpr int kOutputBoxFontCode = 35;

} // namespace

void DruckerOptionen1Click(Engine& engine) {
    auto& messages = engine.services.messages;
    if (!engine.printer) {
        messages.ShowInfo("Kein Drucker eingerichtet.");
        return;
    }
    if (engine.ui().ChoosePrinter(*engine.printer)) return;
    const std::string next = engine.printer->NextDocumentPath();
    messages.ShowInfo(next.empty() ? Win("Für diesen Drucker gibt es keine Auswahl.")
                                   : Win("Kein Drucker eingerichtet: gedruckt wird in "
                                         "PDF-Dateien, als nächstes in ") +
                                         Win(next));
}

void bersichtlinkeBox1Click(Engine& engine) {
    PrintListBox(engine, Win("Übersicht Schulen"), engine.schoolList.lines, kSchoolListFontCode);
}

void AusgaberechteBox1Click(Engine& engine) {
    PrintListBox(engine, "Ausgabe", engine.outputBox.lines(), kOutputBoxFontCode);
}

void DruckumleiteninDatei1Click(Engine& engine) {
    engine.print.redirectToFile = engine.services.messages.AskYesNo("Druck umleiten in Datei?");
}

void ein1Click(Engine& engine) {
    engine.print.controlFlags |= kPrintKeepDocumentOpen;
}

void aus1Click(Engine& engine) {
    const bool wasSet = (engine.print.controlFlags & kPrintKeepDocumentOpen) != 0;
    engine.print.controlFlags &= ~kPrintKeepDocumentOpen;
    if (wasSet) EndPrintDocument(engine);
}

void SGauswDblClick(Engine& engine, const GridPrintContext& context) {
    PrintGrid(engine, engine.upperTable.Cells(0, 0), engine.upperTable, -1, context);
}

void ObereTabelleAuswertungcsv1Click(Engine& engine) {
    // A file of bare separators would pass for a report that found nothing.
    if (engine.upperTable.IsBlank())
        engine.services.messages.ShowInfo(
            Win("Die obere Tabelle ist leer (noch keine Auswertung); die Datei enthält keine "
                "Werte."));
    engine.print.redirectToFile = true;
    SGauswDblClick(engine);
    engine.print.redirectToFile = false;
}

} // namespace tev
