#include "sheet/sheet_tabs.h"

#include "output/codepage.h"

#include <map>

namespace tev {
namespace {

SheetTab Page(const char* caption, SheetPage page, const char* grid = "",
              const char* subHeading = "", const char* titlePrefix = "") {
    return {Win(caption), page, grid, Win(subHeading), Win(titlePrefix)};
}

SheetTab Table(const char* caption, const char* grid, const char* subHeading) {
    return Page(caption, SheetPage::Table, grid, subHeading);
}

} // namespace

std::vector<SheetTab> SheetTabs(int schoolYearCode) {
    const SheetTab test = Page("Test", SheetPage::Test, "", "", "Testen der Statistik-Daten     ");
    std::vector<SheetTab> tabs = {
        Page("Übersicht", SheetPage::Overview, "", "", "Statistik  "),
        Table("1.1", "SG11", "Klassenstufe"),
        Table("1.8(8j.)", "SG18", "Klassenstufe"),
        Table("1.2", "SG12", "Klassenstufe"),
        Table("2.1", "SG21",
              "Schüler, die am Ende des Schuljahres das Klassenziel nicht erreicht haben, nach "
              "Klassenstufen"),
        Table("2.2", "SG22", "jetzige Klassenstufe"),
        Table("2.3", "SG23", " "),
        Table("2.4", "SG24", "Geburtsjahr"),
        Table("3.1", "SG31", " "),
        Table("3.2", "SG32",
              "Abgänge aus Klassenstufe(ohne Übergänge auf andere allgemeinbild.Schulen)"),
        Table("3.3", "SG33",
              "nur Zahlen eintragen, falls Bundesjugendspiele an der Schule durchgeführt"),
        Table("3.4", "SG34", "ohne Schüler, die am Schulort mit Hauptwohnsitz gemeldet sind"),
        test,
        Table("4.1", "SG41", "Zahl der Schüler aus nebenstehenden Orten in Klassenstufen"),
        Table("4.2", "SG42", "Schüler nach Wohnorten II:  Zahl der Schüler mit Wohnort in"),
        Table("4.3", "SG43",
              "Zahl der SchülerInnen MIT festgestelltem Anspruch auf sonderpäd. "
              "Bildungsangebot in Klassenstufe"),
    };
    if (schoolYearCode >= 120)
        tabs.push_back(Table("4.4", "SG44", "Islamischer Religionsunterricht sunn.Prägung"));
    tabs.push_back(Table("5.1", "SG51", ""));
    tabs.push_back(Table("5.2", "SG52", " "));
    tabs.push_back(Table("6.1", "SG61", ""));
    tabs.push_back(Table("7.1", "SG71", " "));
    if (schoolYearCode < 113)
        tabs.push_back(Table("7.2", "SG72",
                             "(einschließlich der Schüler, die Leistungskurse an anderen Schulen "
                             "besuchen)"));
    else if (schoolYearCode < 120)
        tabs.push_back(Page("---", SheetPage::Nothing));
    const std::vector<SheetTab> rest = {
        Table("8.1", "SG81", "Zahl der Schüler aus Jahrgangsstufe"),
        Table("8.2", "SG82", "Zahl der Schüler aus Jahrgangsstufe"),
        Table("8.3", "SG83", " "),
        Table("9.1", "SG91",
              "Die Zeile Klst.11 enthält soweit vorhanden  \"GTU-Std\", \"Poolstd in AG-Liste\" "
              "und \"VKL-Std\" "),
        Table("9.2", "SG92",
              "Die Zeile Klst.5 enthält die Sollstunden für 5-11, die Zeile "
              "Klassen_Soll_Stunden für 5..J2 incl. Sonderstunden"),
        Page("zu 9", SheetPage::Note9),
        test,
        Page("1", SheetPage::Form1, "SG00"),
        Page("5+6", SheetPage::Form56, "SG01", "", "Formular 5+6 aus ZEP   "),
        Page("9.1+9.2", SheetPage::Comparison, "SG01",
             "Gegenüberstellung 9.1(links) und 9.2(ggf. rechts), Zeile Klst.5 enthält rechts "
             "die Sollstunden für 5-11"),
        Page("Auszug", SheetPage::Extract, "SG00"),
    };
    tabs.insert(tabs.end(), rest.begin(), rest.end());
    return tabs;
}

int TabTableNumber(std::string_view caption) {
    if (caption.size() < 3 || caption[1] != '.') return -1;
    const char major = caption[0];
    const char minor = caption[2];
    if (major < '0' || major > '9' || minor < '0' || minor > '9') return -1;
    return (major - '0') * 10 + (minor - '0');
}

const std::vector<int>& TabTables(int schoolYearCode) {
    thread_local std::map<int, std::vector<int>> byYear;
    auto [it, added] = byYear.try_emplace(schoolYearCode);
    if (added) {
        for (const SheetTab& tab : SheetTabs(schoolYearCode))
            if (const int table = TabTableNumber(tab.caption); table >= 0)
                it->second.push_back(table);
    }
    return it->second;
}

} // namespace tev
