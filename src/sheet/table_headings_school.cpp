// Tables 3.1 to 3.4, 4.1 to 4.4 and 5.2: working groups, leavers, sports, boarders,
// residence, inclusion and Islamic religious education.
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/heading_writers.h"

#include <algorithm>

namespace tev {

void SetResidenceTableLabels(StringGrid& grid41) {
    grid41.FillRow(0, Win("Wohnort der Schüler;Kreise;5;6;7;8;9;10;11;Jgst.1;Jgst.2;zusammen"));
    const int rows = grid41.RowCount();
    if (rows < 3) return;
    grid41.SetCells(0, rows - 2, Win("Schüler insgesamt"));
    grid41.SetCells(0, rows - 1, "Klassen insgesamt");
}

namespace headings {
namespace {

std::string Slice(const std::string& text, size_t from, size_t count) {
    return from < text.size() ? TrimRight(text.substr(from, count)) : std::string();
}

} // namespace

void WorkingGroupTable(StringGrid& grid, const Input& in, bool finalYears) {
    const auto& groups = in.lists.workingGroups;
    const int entries = finalYears ? 9 : std::min<int>(groups.size(), kMaxGridRows - 2);
    Reshape(grid, 6, entries + 2, 2, 1);
    grid.FillRow(0, "Id-Nr;Fach;Zahl der Gruppen;Zahl der Teilnehmer;Lehrerwochenstunden;"
                    "sonst.Wochenstunden");
    if (!finalYears) {
        for (int i = 0; i < entries; ++i) {
            grid.SetCells(0, i + 1, Slice(groups[i], 0, 4));
            grid.SetCells(1, i + 1, Slice(groups[i], 5, 24));
        }
    }
    grid.SetCells(1, grid.RowCount() - 1, "Insgesamt");
}

void LeaverTable(StringGrid& grid, const Input& in) {
    const char* heading;
    if (in.year < 112)
        heading = "Schüler;8;9 mit Hauptschulabschluß;9 ohne Hauptschulabschluß;10 mit "
                  "Realschulabschluß;10 ohne Realschulabschluß;11;Jgst.1;Jgst.2 mit "
                  "Hochschulreife;Jgst.2 ohne Hochschulreife;zusammen";
    else if (in.year == 112)
        heading = "Schüler;8;9 mit Hauptschulabschluss;9 ohne Hauptschulabschluss;10 mit "
                  "Realschulabschluss;10 ohne Realschulabschluss;11;J1;J2 G8 mit "
                  "Hochschulreife;J2 G9 mit Hochschulreife;J2 G8 ohne Hochschulreife;J2 G9 "
                  "ohne Hochschulreife;zusammen";
    else if (in.year < 116)
        heading = "Schüler;8;9 mit Hauptschulabschluss;9 ohne Hauptschulabschluss;10 mit "
                  "Realschulabschluss;10 ohne Realschulabschluss;11;J1 insges; dar. mit "
                  "FH-Reife(schul.Teil);J2 mit Hochschulreife;J2 ohne HR insges; dar. mit "
                  "FH-Reife(schul.Teil);zusammen";
    else if (in.year < 118)
        heading = "Abgänge;8;9 mit Hauptschulabschluss;9 ohne HA insges; dar.Abschluss FSP "
                  "lernen; dar.Abschluss FSP geistEntwick;10 mit Realschulabschluss;10 ohne "
                  "Realschulabschluss;11;J1 insges; dar. mit FH-Reife(schul.Teil);J2 mit "
                  "Hochschulreife;J2 ohne HR insges; dar. mit FH-Reife(schul.Teil);zusammen";
    else
        heading = "Abgänge;8;9 mit Hauptschulabschluss;9 ohne HA insges; dar.Abschluss FSP "
                  "lernen; dar.Abschluss FSP geistEntwick;10 mit Realschulabschluss;10 ohne "
                  "Realschulabschluss;11;J1 insges; dar. mit FH-Reife(schul.Teil);J2 mit "
                  "Hochschulreife;J2 ohne HR insges; dar. mit FH-Reife(schul.Teil);VKL;"
                  "zusammen";
    const std::string row0 = Win(heading);
    const bool withMigration = in.year >= 114;
    Reshape(grid, CountOccurrences(row0, ";") + 1, withMigration ? 6 : 5, 1, 1);
    SetColumnTexts(grid, 0, 1, {"männlich", "weiblich", "insgesamt"});
    if (withMigration) SetColumnTexts(grid, 0, 4, {"darunter Migrationshintergrund"});
    grid.SetCells(0, grid.RowCount() - 1, Win("darunter Ausländer"));
    grid.FillRow(0, row0);
}

void SportsTable(StringGrid& grid, const Input&) {
    Reshape(grid, 4, 5, 1, 2);
    grid.SetCells(0, 0, Win("Bundesjugendspiele durchgeführt:"));
    grid.SetCells(1, 0, "nein");
    grid.FillRow(1, ";Zahl der Teilnehmer;davon Siegerurkunden;davon Ehrenurkunden");
    SetColumnTexts(grid, 0, 2, {"Leichtathletik", "Geräteturnen", "Schwimmen"});
}

void BoarderTable(StringGrid& grid, const Input&) {
    Reshape(grid, 2, 2, 1, 1);
    SetColumnTexts(grid, 0, 1,
                   {"Minderjährige Schüler, die im Heim wohnen und nicht am Schulort mit "
                    "Hauptwohnsitz gemeldet sind"});
}

void ResidenceTable(StringGrid& grid, const Input& in) {
    Reshape(grid, 12, 63, 0, 1);
    SetResidenceTableLabels(grid);
    const int levelWidth = std::clamp((in.screenWidth - 424) / 9, 40, 50);
    for (int col = 2; col < 11; ++col)
        grid.SetColWidth(col, levelWidth);
    grid.SetColWidth(0, 200);
    grid.SetColWidth(1, 150);
    grid.SetColWidth(11, 64);
}

void HomeTownTable(StringGrid& grid, const Input&) {
    Reshape(grid, 10, 3, 0, 2);
    grid.FillRow(0, "d. Schulortgemeinde;anderen Gemeinden;anderen "
                    "Kreisen;Bayern;Hessen;Rheinland-Pfalz;Schweiz;Frankreich;sonstigen;"
                    "zusammen");
    grid.FillRow(1, "(incl. Stadtkreis); des Landkreises; des Landes;;;;;; Wohnorten;");
}

void InclusionTable(StringGrid& grid, const Input& in) {
    const bool withTargetDifferent = in.year >= 122;
    Reshape(grid, withTargetDifferent ? 16 : 15, withTargetDifferent ? 23 : 17, 5, 1);
    grid.FillRow(0, withTargetDifferent
                        ? ";1;2;3;4;5;6;7;8;9;10;11;Jgst.1;JgSt.2;zusammen;dar. erstmals"
                        : ";1;2;3;4;5;6;7;8;9;10;11;Jgst.1;JgSt.2;zusammen");
    grid.FillCol(
        0, Win(withTargetDifferent
                   ? "Förderschwerpunkt;Lernen(alle zieldifferent unterr.);  darunter "
                     "weiblich;Sprache;  darunter weiblich;  darunter zieldifferent "
                     "unterr.;Emotionale und soziale Entwicklung;  darunter weiblich;  "
                     "darunter zieldifferent unterr.;Sehen;  darunter weiblich;  darunter "
                     "zieldifferent unterr.;Hören;  darunter weiblich;  darunter zieldifferent "
                     "unterr.;Geistige Entwicklung(alle zieldifferent unterr.);  darunter "
                     "weiblich;Körperliche und motorische Entwicklung;  darunter weiblich;  "
                     "darunter zieldifferent unterr.;Insgesamt;  darunter weiblich;  darunter "
                     "zieldifferent unterr."
                   : "Förderschwerpunkt;Lernen;  darunter weiblich;Sprache;  darunter "
                     "weiblich;Emotionale und soziale Entwicklung;  darunter "
                     "weiblich;Sehen;  darunter weiblich;Hören;  darunter "
                     "weiblich;Geistige Entwicklung;  darunter weiblich;Körperliche und "
                     "motorische Entwicklung;  darunter weiblich;Insgesamt;  darunter "
                     "weiblich"));
    const int classWidth = std::clamp((in.screenWidth - 390) / 13, 30, 50);
    for (int col = 1; col < grid.ColCount() - 1; ++col)
        grid.SetColWidth(col, classWidth);
    grid.SetColWidth(0, 300);
    grid.SetColWidth(grid.ColCount() - 1, 80);
}

void IslamicEducationTable(StringGrid& grid, const Input&) {
    Reshape(grid, 16, 3, 0, 2);
    grid.FillRow(0, Win("Anzahl Teiln;davon aus Klst; ; ; ; ; ; ; ; ;Angebot fällt;Angebot "
                        "fällt;Alle SuS ;Alle SuS ; Anzahl LWS;Anzahl "));
    grid.FillRow(1, "IRU Insges; 5; 6; 7; 8; 9; 10; 11; J1; J2;aus: ja;aus: "
                    "nein;versorgt:ja;versorgt:nein; (erteilte UStd); Gruppen");
}

} // namespace headings
} // namespace tev
