// Tables 9.1 and 9.2: the hours per class level and subject, given and due.
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/heading_writers.h"

namespace tev::headings {

void HoursTable(StringGrid& grid, const Input&) {
    Reshape(grid, 28, 23, 1, 1);
    grid.FillCol(0, Win(";Klassen-Soll-Stunden;KlSt;5;6;7;8;9;10;11;Jgst.1;Jgst.2;Summe Klst "
                        "5-13;Diff. Soll- und Ist-Stunden;Std im Ergbereich;Gesamtzahl "
                        "Stunden;;Lehrer mit Lehrbef..;davon kl.Fakultas,Fachlehrer,;"
                        "Sollstunden-Lehrerverhältnis"));
    grid.SetCells(0, 15, "fachfremd erteilte Unterrichtsstunden");
    grid.SetCells(0, 16, "nebenberuflich erteilte Unterrichtsstunden");
    grid.SetCells(0, 20, Win("+/- Sollstunden f.genehmigte Sonderfälle"));
    // Row 2 counts pupils and classes; its label "KlSt" stays.
    grid.SetCells(1, 2, Win("Schü"));
    grid.SetCells(2, 2, "#Kl.");
    grid.FillRow(0,
                 "\\3;EvR;KR;D;Ek;G;Gk;E;F;L;Gr;Ru;I;Sp;SFS;M;Ph;Ch;Bio;Nat;SM;SW;Mu;BK;Eth;zus");
    grid.SetCells(16, 0, "Son");
    grid.SetColWidth(0, 127);
    grid.SetColWidth(1, 50);
    grid.SetColWidth(27, 50);
}

void TargetHoursTable(StringGrid& grid, const StringGrid* hours91, const StringGrid* shadow) {
    const int hoursCols = hours91 != nullptr ? hours91->ColCount() : 28;
    Reshape(grid, hoursCols + 1, 14, 1, 1);
    grid.Clear();
    const bool imported =
        shadow != nullptr && ParseInt(shadow->Cells(shadow->ColCount() - 2, 11)) >= 1;
    if (imported) {
        StringGrid copy = *shadow;
        copy.SetName(grid.Name());
        copy.SetTag(grid.Tag());
        grid = std::move(copy);
        grid.ResetSizes();
    } else {
        grid.FillCol(0, Win(";9.2;wird nur noch;von WnnZEP;unterstützt"));
    }
    if (hours91 == nullptr) return;
    for (int col = 0; col < hoursCols; ++col)
        grid.SetColWidth(col, hours91->ColWidth(col));
    grid.SetColWidth(hoursCols, hours91->ColWidth(hoursCols - 2));
}

} // namespace tev::headings
