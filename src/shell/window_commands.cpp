#include "shell/window_commands.h"

#include "output/codepage.h"

namespace tev {

void Beenden1Click(Engine& engine) {
    engine.quitRequested = true;
}

void ObereTabelleschlieen1Click(Engine& engine) {
    engine.window.upperTableVisible = !engine.window.upperTableVisible;
}

void ShowUpperTable(Engine& engine, int height) {
    engine.window.upperTableVisible = true;
    if (height > 0) engine.upperTableHeight = height;
}

void weitereAuswertungen1Click(Engine& engine) {
    static const std::string note =
        Win("Im Kurzbericht werden nur die Klassenkopfdaten (Klassen- und Profilzahlen) "
            "abgefragt. Sinnvoll sind daher nur Auswertungen der Tabellen 1.1, 1.8 und 1.2, "
            "z.B. nach Fremdsprachen oder Klassenstärken.\r"
            "Dazu vorher einen Schuljahres-Suffix mit \"K\" einstellen (\".01K\" statt \".01\").");
    engine.services.messages.ShowInfo(note);
}

std::string ToggleListWidth(Engine& engine) {
    engine.window.listWidth = 715 - engine.window.listWidth;
    return engine.window.listWidth < 301 ? "links breiter" : "links schmaler";
}

} // namespace tev
