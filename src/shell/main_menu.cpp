#include "shell/main_menu.h"

#include "data/school_file_reconcile.h"
#include "data/school_search.h"
#include "demand/demand_commands.h"
#include "evaluation/central_test_list.h"
#include "evaluation/class_reports.h"
#include "evaluation/column_extracts.h"
#include "evaluation/completeness_check.h"
#include "evaluation/course_overview.h"
#include "evaluation/general_evaluation.h"
#include "evaluation/language_evaluation.h"
#include "evaluation/language_n_search.h"
#include "evaluation/language_search.h"
#include "evaluation/migration_comparison.h"
#include "evaluation/nationality_extract.h"
#include "evaluation/november_run.h"
#include "evaluation/profile_numbers.h"
#include "evaluation/pupil_numbers.h"
#include "evaluation/residence_extract.h"
#include "evaluation/sequence_extract.h"
#include "output/codepage.h"
#include "output/print_commands.h"
#include "sheet/sheet_commands.h"
#include "sheet/sheet_extract_entries.h"
#include "sheet/sheet_printing.h"
#include "sheet/sheet_repairs.h"
#include "shell/directory_commands.h"
#include "shell/info_box.h"
#include "shell/window_commands.h"

namespace tev {

const std::vector<MenuEntry>& MainMenu() {
    static const std::vector<MenuEntry> menu = [] {
        struct Row {
            const char* path;
            const char* handler;
            MenuCommand command;
            bool developerOnly;
        };
        const Row rows[] = {
            {"Datei/Laden", "Laden1Click", Laden1Click, false},
            {"Datei/Ende", "Beenden1Click", Beenden1Click, false},
            {"Bearbeiten", "Bearbeiten1Click", Bearbeiten1Click, false},
            {"Lehrerbedarf", "Lehrerbedarf1Click", Lehrerbedarf1Click, false},
            {"Fehl", "Fehl1Click", Fehl1Click, false},
            {"Testen", "Testen1Click", Testen1Click, false},
            {"Drucken/Drucker-Optionen", "DruckerOptionen1Click", DruckerOptionen1Click, false},
            {"Drucken/Obere Tabelle (Auswertung)", "", nullptr, false},
            {"Drucken/Übersicht(linke Box)", "bersichtlinkeBox1Click", bersichtlinkeBox1Click,
             false},
            {"Drucken/Ausgabe(rechte Box)", "AusgaberechteBox1Click", AusgaberechteBox1Click,
             false},
            {"Drucken/NachForderung", "NachForderung1Click", NachForderung1Click, false},
            {"Drucken/Tabellen für mehrere Schulen", "TabellenfrmehrereSchulen1Click",
             TabellenfrmehrereSchulen1Click, false},
            {"Drucken/Obere Tabelle (Auswertung) -> *.csv", "ObereTabelleAuswertungcsv1Click",
             ObereTabelleAuswertungcsv1Click, false},
            {"Kurzbericht/Schülerzahlen ( Kurzberichtauswertung!!! )",
             "SchlerzahlenKurzbericht1Click", SchlerzahlenKurzberichtauswertung1Click, false},
            {"Kurzbericht/weitere Auswertungen", "weitereAuswertungen1Click",
             weitereAuswertungen1Click, false},
            {"Kurzbericht/Zentrale Klassenarbeit: Schülerzahlen -> ZKSch.txt",
             "ZentraleKlassenarbeit1Click", ZentraleKlassenarbeit1Click, false},
            {"Auswerten/---Hinweis", "Hinweis1Click", Hinweis1Click, false},
            {"Auswerten/Schülerzahlen ( Oktoberstatistik )", "SchlerzahlenKurzbericht1Click",
             SchlerzahlenOktoberstatistik1Click, false},
            {"Auswerten/Auswerten allgemein", "AuswertenClick", AuswertenAllgemein1Click, false},
            {"Auswerten/Auswerten allgemein (ohne Testkennz.berücks.)", "AuswertenClick",
             AuswertenOhneTestkennz1Click, false},
            {"Auswerten/Auswerten nach einer Fremdsprache", "SBPrFSpClick", SBPrFSpClick, false},
            {"Auswerten/Auswerten nach Fremdsprachen Kl.5 - 9 sowie 2.FS",
             "AuswertennachFremdsprachenKl5791Click", AuswertennachFremdsprachenKl5791Click, false},
            {"Auswerten/Klassenstärken (1.2) auswerten", "Klassenstrken1Click", Klassenstrken1Click,
             false},
            {"Auswerten/Klassenzahlen (9.1 9.2) auswerten", "Klassenzahlenauswerten1Click",
             Klassenzahlenauswerten1Click, false},
            {"Auswerten/Sollzahlen (9.1, 9.2, 9.1-9.2)", "Sollzahlen1Click", Sollzahlen1Click,
             false},
            {"Auswerten/Sonderauswertungen", "Sonderauswertungen1Click", Sonderauswertungen1Click,
             false},
            {"Auswerten/Sollsummen 9.2-Ist 9.1", "Sollsummen921Click", Sollsummen921Click, false},
            {"Auswerten/Zeilen-/Spalten/Soll_Ist-Auszüge", "Sollsummen1Click", Sollsummen1Click,
             false},
            {"Auswerten/Kursübersichten fachweise", "Kursbersichtenfachweise1Click",
             Kursbersichtenfachweise1Click, false},
            {"Auswerten/ausgewählte Spalten-Auszüge (7.1,8.1,8.2,8.3)", "SpaltenAuszge1Click",
             SpaltenAuszge1Click, false},
            {"Auswerten/(teste 5.1+6.1)", "teste51611Click", nullptr, false},
            {"Auswerten/Auszug Wohnorte (4.1-4.3, 5.2, 1.x, Profilzahlen)", "AuszugWohnorte1Click",
             AuszugWohnorte1Click, false},
            {"Auswerten/Auszug Wohnorte 2002 bis 2022", "AuszugWohnorteJahre1Click",
             AuszugWohnorteJahre1Click, false},
            {"Auswerten/Auszug Profilzahlen", "Profilzahlen1Click", Profilzahlen1Click, false},
            {"Auswerten/Auszug Staatszugehörigkeit", "SucheStaatszugehrigkeit1Click",
             SucheStaatszugehrigkeit1Click, false},
            {"XXX/Rep 2.4  akt DS", "Rep24aktDS1Click", Rep24aktDS1Click, true},
            {"XXX/Suche Schule", "SucheSchule1Click", SucheSchule1Click, true},
            {"XXX/Abgleich_Schulnam_dat", "AbgleichSchulnamdat1Click", AbgleichSchulnamdat1Click,
             true},
            {"XXX/FS-Folgen 8j -> csv", "FSFolgen8j1Click", FSFolgen8j1Click, true},
            {"XXX/Suche  N", "SucheN1Click", SucheN1Click, true},
            {"XXX/vgl Migr Vj Aktj", "vglMigrVjAktj1Click", vglMigrVjAktj1Click, true},
            {"XXX/_ein", "ein1Click", ein1Click, true},
            {"XXX/_aus", "aus1Click", aus1Click, true},
            {"Diverses/Obere Tabelle schließen / anzeigen", "ObereTabelleschlieen1Click",
             ObereTabelleschlieen1Click, false},
            {"Diverses/Druck umleiten in Datei", "DruckumleiteninDatei1Click",
             DruckumleiteninDatei1Click, false},
            {"Diverses/Rep 9.1", "SBrepair91Click", SBrepair91Click, false},
            {"Info", "InfoClick", InfoClick, false},
        };
        std::vector<MenuEntry> entries;
        for (const Row& row : rows) {
            entries.push_back({Win(row.path), row.handler, row.command, row.developerOnly});
        }
        return entries;
    }();
    return menu;
}

const MenuEntry* FindMenuEntry(const std::string& path) {
    for (const auto& entry : MainMenu()) {
        if (entry.path == path) return &entry;
    }
    return nullptr;
}

} // namespace tev
