#pragma once
// The main window's printing entries.
#include "output/print_grid.h"
#include "shell/engine.h"

namespace tev {

// "Drucken/Drucker-Optionen": the face's printer selection, or where printing goes when
// there is none (the next PDF file).
void DruckerOptionen1Click(Engine& engine);
// "Drucken/Übersicht(linke Box)": the school list under "Übersicht Schulen".
void bersichtlinkeBox1Click(Engine& engine);
// "Drucken/Ausgabe(rechte Box)": the output box under "Ausgabe" in font code 35.
void AusgaberechteBox1Click(Engine& engine);
// "Diverses/Druck umleiten in Datei": the answer becomes the print redirection switch.
void DruckumleiteninDatei1Click(Engine& engine);
// "XXX/_ein", "XXX/_aus": keep the print document open across lists, or stop doing so (and
// end the document kept open).
void ein1Click(Engine& engine);
void aus1Click(Engine& engine);
// A double click on the upper table prints it, titled by its top-left cell.
void SGauswDblClick(Engine& engine, const GridPrintContext& context = {});
// "Drucken/Obere Tabelle (Auswertung) -> *.csv": the same print, redirected into a file.
void ObereTabelleAuswertungcsv1Click(Engine& engine);

} // namespace tev
