#include "data/demo/demo_lists.h"

#include "output/codepage.h"
#include "output/text_routines.h"

#include <algorithm>

namespace tev::demo {
namespace {

struct WorkingGroup {
    const char* line; // "nnnn Name"
    int fromVersion;  // first list version that has it
};

// Numbers whose hundreds and units avoid 2, the statistics office's mark for groups that need
// a remark number.
const WorkingGroup kWorkingGroups[] = {
    {"0101 Chor", 1},
    {"0103 Orchester", 1},
    {"0104 Big Band", 1},
    {"0105 Musical", 1},
    {"0301 Theater", 1},
    {"0303 Kunst", 1},
    {"0304 Fotografie/Film", 1},
    {"0305 Schülerzeitung", 1},
    {"0401 Fußball", 1},
    {"0403 Basketball", 1},
    {"0404 Volleyball", 1},
    {"0405 Schwimmen", 1},
    {"0406 Leichtathletik", 1},
    {"0407 Turnen/Akrobatik", 1},
    {"0408 Schach", 1},
    {"0501 Robotik", 1},
    {"0503 Informatik", 1},
    {"0504 Jugend forscht", 1},
    {"0505 Astronomie", 1},
    {"0506 Schulgarten/Umwelt", 1},
    {"0507 Mathematik-Olympiade", 2},
    {"0508 Programmieren/KI", 3},
    {"0601 DELF (Französisch)", 1},
    {"0603 Cambridge (Englisch)", 1},
    {"0604 Spanisch", 1},
    {"0701 Schulsanitätsdienst", 1},
    {"0703 Streitschlichtung", 1},
    {"0704 Schülermentoren", 1},
    {"0705 Medienmentoren", 2},
    {"0801 Hausaufgabenbetreuung", 1},
    {"0803 Förderunterricht", 1},
    {"0901 Ganztag (GTU)", 1},
};

std::vector<std::string> Dos(std::initializer_list<const char*> lines) {
    std::vector<std::string> out;
    for (const char* line : lines)
        out.push_back(DosFromUtf8(line));
    return out;
}

} // namespace

const std::vector<DemoNationality>& DemoNationalities() {
    static const std::vector<DemoNationality> list = {
        {121, "Albanien", 0.5, 0.3, 0},
        {122, "Bosnien und Herzegowina", 2.5, 0, 0},
        {124, "Belgien", 0.3, 0, 0},
        {125, "Bulgarien", 1.5, 0.5, 0},
        {126, "Dänemark", 0.1, 0, 0},
        {127, "Estland", 0.05, 0, 0},
        {128, "Finnland", 0.1, 0, 0},
        {129, "Frankreich", 2.0, 0, 0},
        {130, "Kroatien", 6.0, 0.5, 0},
        {131, "Slowenien", 0.4, 0, 0},
        {134, "Griechenland", 5.0, 0.5, 0},
        {135, "Irland", 0.1, 0, 0},
        {136, "Island", 0.02, 0, 0},
        {137, "Italien", 10.0, 0, 0},
        {139, "Lettland", 0.2, 0, 0},
        {140, "Montenegro", 0.2, 0, 0},
        {142, "Litauen", 0.2, 0, 0},
        {143, "Luxemburg", 0.1, 0, 0},
        {144, "Nordmazedonien", 1.0, 0.2, 0},
        {145, "Malta", 0.02, 0, 0},
        {146, "Moldau", 0.2, 0, 0.3},
        {148, "Niederlande", 0.5, 0, 0},
        {149, "Norwegen", 0.05, 0, 0},
        {150, "Kosovo", 2.5, 0.5, 0},
        {151, "Österreich", 2.0, 0, 0},
        {152, "Polen", 4.0, 0, 0},
        {153, "Portugal", 1.5, 0, 0},
        {154, "Rumänien", 4.0, 1.0, 0},
        {155, "Slowakei", 0.4, 0, 0},
        {157, "Schweden", 0.1, 0, 0},
        {158, "Schweiz", 0.6, 0, 0},
        {160, "Russische Föderation", 3.0, 0, 0.5},
        {161, "Spanien", 1.5, 0, 0},
        {163, "Türkei", 18.0, 0, 0},
        {164, "Tschechische Republik", 0.5, 0, 0},
        {165, "Ungarn", 2.0, 0.3, 0},
        {166, "Ukraine", 1.0, 0, 30.0},
        {168, "Vereinigtes Königreich", 1.0, 0, 0},
        {169, "Belarus", 0.2, 0, 0.3},
        {170, "Serbien", 2.0, 0.3, 0},
        {181, "Zypern", 0.05, 0, 0},
        {221, "Algerien", 0.2, 0, 0},
        {224, "Eritrea", 0.1, 1.0, 0},
        {225, "Äthiopien", 0.1, 0.2, 0},
        {232, "Nigeria", 0.3, 0.3, 0},
        {238, "Ghana", 0.2, 0, 0},
        {243, "Kenia", 0.1, 0, 0},
        {252, "Marokko", 0.5, 0, 0},
        {262, "Kamerun", 0.3, 0, 0},
        {263, "Südafrika", 0.1, 0, 0},
        {272, "Somalia", 0.05, 0.3, 0},
        {277, "Sudan", 0.02, 0.1, 0},
        {285, "Tunesien", 0.3, 0, 0},
        {287, "Ägypten", 0.3, 0, 0},
        {323, "Argentinien", 0.1, 0, 0},
        {327, "Brasilien", 0.4, 0, 0},
        {332, "Chile", 0.1, 0, 0},
        {348, "Kanada", 0.2, 0, 0},
        {349, "Kolumbien", 0.2, 0, 0},
        {353, "Mexiko", 0.2, 0, 0},
        {361, "Peru", 0.1, 0, 0},
        {367, "Venezuela", 0.1, 0, 0},
        {368, "Vereinigte Staaten", 1.0, 0, 0},
        {422, "Armenien", 0.1, 0, 0},
        {423, "Afghanistan", 0.5, 3.0, 0},
        {425, "Aserbaidschan", 0.1, 0, 0},
        {430, "Georgien", 0.2, 0, 0},
        {431, "Sri Lanka", 0.2, 0, 0},
        {432, "Vietnam", 1.0, 0, 0},
        {436, "Indien", 1.0, 0, 0},
        {437, "Indonesien", 0.1, 0, 0},
        {438, "Irak", 0.8, 3.0, 0},
        {439, "Iran", 0.8, 1.0, 0},
        {441, "Israel", 0.1, 0, 0},
        {442, "Japan", 0.3, 0, 0},
        {444, "Kasachstan", 0.3, 0, 0},
        {445, "Jordanien", 0.1, 0, 0},
        {451, "Libanon", 0.2, 0.2, 0},
        {461, "Pakistan", 0.3, 0.2, 0},
        {462, "Philippinen", 0.1, 0, 0},
        {467, "Korea, Republik", 0.3, 0, 0},
        {475, "Syrien", 0.5, 8.0, 0},
        {476, "Thailand", 0.2, 0, 0},
        {477, "Usbekistan", 0.05, 0, 0},
        {479, "China", 1.5, 0, 0},
        {523, "Australien", 0.1, 0, 0},
        {536, "Neuseeland", 0.05, 0, 0},
        {997, "staatenlos", 0.1, 0.2, 0},
        {998, "ungeklärt", 0.05, 0.1, 0},
    };
    return list;
}

double NationalityWeight(const DemoNationality& nationality, int year) {
    double weight = nationality.weight;
    if (year >= 116) weight += nationality.refugees * std::min(1.0, 0.5 + 0.25 * (year - 116));
    if (year >= 122) weight += nationality.ukraine * (year == 122 ? 1.0 : 0.8);
    return weight;
}

std::vector<std::string> NationalityListLines() {
    std::vector<std::string> lines;
    for (const auto& nationality : DemoNationalities())
        lines.push_back(std::to_string(nationality.code) + " " + DosFromUtf8(nationality.name));
    return lines;
}

std::vector<std::string> WorkingGroupListLines(int version) {
    std::vector<std::string> lines = {"Arbeitsgemeinschaften (Tabelle 3.1)",
                                      "Liste " + std::to_string(version) +
                                          " der Statistik, Nr. und Bezeichnung"};
    for (const auto& group : kWorkingGroups)
        if (group.fromVersion <= version) lines.push_back(DosFromUtf8(group.line));
    return lines;
}

std::string WorkingGroupListName(int version) {
    return version <= 1 ? "stal_ag.def" : "stal_ag" + std::to_string(version) + ".def";
}

std::vector<std::string> WorkingGroupsOfYear(int year) {
    const int version = year >= 120 ? 3 : year >= 118 ? 2 : 1;
    std::vector<std::string> lines = WorkingGroupListLines(version);
    // The program takes the groups from the third line on: the number derived from that
    // line is below 1000.
    lines.erase(lines.begin(), lines.begin() + 2);
    return lines;
}

std::vector<std::string> OverviewLines() {
    return Dos({
        "Amtliche Schulstatistik der Gymnasien - Übersicht über das Formular",
        "",
        "1.1   Schüler je Klassenstufe und Fremdsprachenfolge, 9-jähriger Zug",
        "1.8   Schüler je Klassenstufe und Fremdsprachenfolge, 8-jähriger Zug",
        "      (Zeilen: Fremdsprachenfolgen, Schüler insgesamt, Mädchen, Ausländer,",
        "       Ausländerinnen, Profile, Migrationshintergrund)",
        "1.2   Schüler je Klasse (Klassenköpfe) der Klassenstufen 5 bis 11",
        "2.1   Nicht versetzte Schüler am Ende des vergangenen Schuljahres",
        "2.2   Herkunft der Schüler (Schulart und Klassenstufe im Vorjahr)",
        "2.3   Ausländische Schüler nach Staatsangehörigkeit",
        "2.4   Schüler nach Geburtsjahren",
        "3.1   Arbeitsgemeinschaften der Klassenstufen 5 bis 11 (einschl. GTU)",
        "3.2   Abgänge im vergangenen Schuljahr",
        "3.3   Bundesjugendspiele",
        "3.4   Heimschüler",
        "4.1   Einzugsbereich: Schüler nach Wohnorten und Klassenstufen",
        "4.2   Schüler nach Wohnorten II (Gemeinde, Kreis, Land, Ausland)",
        "4.3   Inklusiv beschulte Schüler mit sonderpädagogischem Anspruch",
        "4.4   Islamischer Religionsunterricht (ab 2020/21)",
        "5.1   Vierstündige Kurse / Leistungskurse der Jahrgangsstufen",
        "5.2   Arbeitsgemeinschaften der Jahrgangsstufen 1 und 2",
        "6.1   Zweistündige Kurse / Basiskurse der Jahrgangsstufen",
        "7.1   Kurse nach der Zahl der Teilnehmer",
        "8.1   Schüler, die Kurse einer anderen Schule besuchen",
        "8.2   Kursteilnehmer von anderen Schulen",
        "8.3   Abiturzeugnisse nach Durchschnittsnoten",
        "9.1   Stundenübersicht (Ist-Stunden je Fach und Klassenstufe)",
        "9.2   Sollstundenübersicht (aus WnnZEP)",
        "",
        "Die Summen werden beim Laden und bei jeder Eingabe neu berechnet.",
        "Der Reiter \"Test\" zeigt die Ergebnisse der Plausibilitätsprüfung.",
    });
}

std::vector<std::string> RequestLetterLines() {
    return Dos({
        "Regierungspräsidium  -  Abteilung Schule und Bildung",
        "Referat Gymnasien, Schulstatistik",
        "",
        "Datum: ______________          Aktenzeichen: ______________",
        "",
        "An die Schulleitung",
        "",
        "Betreff: Amtliche Schulstatistik - Nachforderung berichtigter Daten",
        "",
        "Sehr geehrte Damen und Herren,",
        "",
        "bei der Prüfung der Statistikdaten Ihrer Schule sind die unten aufgeführten",
        "Unstimmigkeiten aufgefallen. Bitte berichtigen Sie die Angaben (Tabellen 1.x,",
        "5.1 und 6.1 sowie die Ist-Stunden in 9.1 in der Lehrauftragsverteilung) und",
        "senden Sie uns die berichtigten Daten bis zum ______________ erneut zu.",
        "",
        "Für Rückfragen: ______________________   Telefon: ______________",
        "",
        "Mit freundlichen Grüßen",
        "Im Auftrag",
        "",
        "______________________",
    });
}

std::vector<std::string> ZepListLines(const DemoSchool& school, const SchoolYearFigures& figures) {
    std::vector<std::string> lines = {"WnnZEP-Liste;" + school.number + ";" +
                                          DosFromUtf8(school.shortName) + ";" +
                                          SchoolYearText(figures.year),
                                      DosFromUtf8("Klst;Schüler;Klassen")};
    int pupils = 0, classes = 0;
    for (int level = 0; level < kLevels; ++level) {
        int levelClasses = 0;
        for (const auto& track : figures.tracks)
            levelClasses += static_cast<int>(track[level].classes.size());
        const int levelPupils = figures.LevelPupils(level).Total();
        pupils += levelPupils;
        classes += levelClasses;
        lines.push_back(Trim(ClassLevelLabel(level + 5)) + ";" + std::to_string(levelPupils) + ";" +
                        std::to_string(levelClasses));
    }
    lines.push_back("Summe;" + std::to_string(pupils) + ";" + std::to_string(classes));
    return lines;
}

} // namespace tev::demo
