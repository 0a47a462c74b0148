#include "sheet/table_titles.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/sheet_grids.h"

#include <algorithm>
#include <map>

namespace tev {
namespace {

const std::map<int, std::string>& RawTitles() {
    static const std::map<int, std::string> titles = [] {
        std::map<int, std::string> t;
        const auto add = [&](int table, const char* utf8) { t[table] = Win(utf8); };
        add(11, "Zahl der Schüler je Klassenstufe und Fremdsprachenfolge (9-jähr.)");
        add(18, "Zahl der Schüler je Klassenstufe und Fremdsprachenfolge (8-jähr.)");
        add(12, "Zahl der Schüler je (Parallel-)Klasse");
        add(21, "Nicht versetzte Schüler und nach §1(3) VO versetzte Schüler");
        add(22, "Schüler am Stichtag nach der Herkunft");
        add(23, "Ausländische Schüler nach Staatsangehörigkeit");
        add(24, "Schüler nach Geburtsjahren");
        add(31, "Arbeitsgemeinschaften in den Klassenstufen 5-11 (einschl. GTU)");
        add(32, "Abgänge im Schuljahr #-");
        add(33, "Bundesjugendspiele im Schuljahr #-");
        add(34, "Heimschüler");
        add(41, "Einzugsbereich der Schule");
        add(42, "Schüler nach Wohnorten II:  Zahl der Schüler mit Wohnort in");
        add(43, "Inklusiv beschulte SchülerInnen MIT festgestelltem Anspruch auf sonderpäd. "
                "Bildungsangebot");
        add(44, "Islamischer Religionsunterricht sunnitischer Prägung");
        add(51, "Leistungskurse;Vierstündige Kurse/Leistungskurse;Vierstündige "
                "Kurse;Leistungskurse/Vierstündige Kurse;Leistungskurse");
        add(52, "Arbeitsgemeinschaften in den Jahrgangsstufen 1 und 2");
        add(61, "Grundkurse;Zweistündige Kurse/Grundkurse;Zweistündige Kurse;Basiskurse/"
                "Zweistündige Kurse;Basiskurse");
        add(71, "Kurse nach der Zahl der Teilnehmer");
        add(72, "Zahl der Schüler der berichtenden Schule nach Leistungskurskombinationen in der "
                "12. Klassenstufe");
        add(81, "Schüler der eigenen Schule, die Kurse einer anderen Schule besuchen");
        add(82, "Kursteilnehmer von anderen Schulen");
        add(83, "Abiturzeugnisse #0\\ nach Notenstufen");
        add(91, "Stundenübersicht");
        add(92, "Sollstundenübersicht");
        add(0, " ");
        add(1, "Gegenüberstellung 9.1(links) und 9.2(ggf. rechts)");
        return t;
    }();
    return titles;
}

} // namespace

int CourseRegimeFor(int schoolYearCode) {
    if (schoolYearCode >= 119) return std::clamp(schoolYearCode - 115, 3, 5);
    return std::clamp(schoolYearCode - 100, 1, 3);
}

std::string FillYearPlaceholders(std::string_view text, int schoolYearCode) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const int shift = next == '-' ? -1 : next == '0' ? 0 : next == '+' ? 1 : 2;
        if (text[i] != '#' || shift == 2) {
            out += text[i];
            continue;
        }
        std::string year = SchoolYearText(schoolYearCode + shift);
        i += 1;
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            year = year.substr(0, 4);
            i += 1;
        }
        out += year;
    }
    return out;
}

std::string TableTitle(std::string_view gridName, int schoolYearCode) {
    const int table = GridTableNumber(gridName);
    const auto& titles = RawTitles();
    const auto it = titles.find(table);
    if (it == titles.end()) return {};
    if (table == 51 || table == 61) return FieldAt(it->second, CourseRegimeFor(schoolYearCode));
    return FillYearPlaceholders(it->second, schoolYearCode);
}

} // namespace tev
