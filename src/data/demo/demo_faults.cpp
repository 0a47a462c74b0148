#include "data/demo/demo_faults.h"

#include "data/demo/demo_random.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/line_reader.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace tev::demo {
namespace {

struct KindInfo {
    DemoFaultKind kind;
    const char* code;
    int weight; // how often it is planned, among the data faults
    const char* explanation;
};

const KindInfo kKinds[] = {
    {DemoFaultKind::OriginTotal, "summe22", 16,
     "2.2: eine Klassenstufe zaehlt einen Schueler mehr als 1.1+1.8"},
    {DemoFaultKind::BirthYearsMissing, "fehlt24", 12, "2.4: Tabelle nicht ausgefuellt"},
    {DemoFaultKind::GirlsAboveTotal, "maedchen", 12,
     "1.1 oder 1.8: mehr Maedchen als Schueler in einer Klassenstufe (2.4 passend)"},
    {DemoFaultKind::TooManyNotPromoted, "nichtvers21", 12,
     "2.1: mehr als ein Zehntel der Schueler nicht versetzt"},
    {DemoFaultKind::ForeignersMismatch, "auslaender23", 9,
     "2.3: mehr auslaendische Schueler als in 1.1+1.8"},
    {DemoFaultKind::ForbiddenNationality, "code23", 7,
     "2.3: Staatsangehoerigkeit mit nicht mehr erlaubtem Code"},
    {DemoFaultKind::ClassTableMismatch, "klassen12", 9,
     "1.2: eine Klasse hat einen Schueler mehr als 1.1+1.8 zaehlen"},
    {DemoFaultKind::ResidenceMismatch, "wohnort41", 8,
     "4.1 (und 4.2): ein Schueler mehr als in 1.1+1.8"},
    {DemoFaultKind::AbiturMismatch, "abitur83", 6,
     "8.3: ein Abiturzeugnis mehr als Abgaenge mit Hochschulreife in 3.2"},
    {DemoFaultKind::HoursPupilMismatch, "stunden91", 5,
     "9.1: Schuelerzahl einer Klassenstufe um 1 zu hoch"},
    {DemoFaultKind::SportsCertificates, "bjs33", 4, "3.3: mehr Urkunden als Teilnehmer"},
    {DemoFaultKind::MissingDataSet, "datensatz-fehlt", 0,
     "kein Datensatz fuer das Jahr (neue oder geschlossene Schule, nicht geliefert)"},
    {DemoFaultKind::MissingZepList, "zepliste-fehlt", 0,
     "keine ZEP-Liste (ZEP/ze<Nr>.<Jahr>) zum vorhandenen Datensatz"},
};

constexpr int kDataKinds = 11;

const KindInfo& InfoOf(DemoFaultKind kind) {
    for (const auto& info : kKinds)
        if (info.kind == kind) return info;
    return kKinds[0];
}

std::string YearSuffix(int year) {
    const int two = year % 100;
    return std::string(".") + static_cast<char>('0' + two / 10) + static_cast<char>('0' + two % 10);
}

} // namespace

bool FaultPlanned(uint64_t seed, const std::string& schoolNumber, int year, DemoFaultKind& kind) {
    DemoRandom random(
        MixSeed({seed, std::stoull(schoolNumber), static_cast<uint64_t>(year), 0xFA}));
    if (random.Below(1000) >= kFaultsPerThousand) return false;
    std::vector<double> weights;
    for (int i = 0; i < kDataKinds; ++i)
        weights.push_back(kKinds[i].weight);
    kind = kKinds[random.Pick(weights)].kind;
    return true;
}

const std::vector<DemoFaultKind>& DataFaultKinds() {
    static const std::vector<DemoFaultKind> kinds = [] {
        std::vector<DemoFaultKind> list;
        for (int i = 0; i < kDataKinds; ++i)
            list.push_back(kKinds[i].kind);
        return list;
    }();
    return kinds;
}

std::vector<std::string> FaultFileHeader(const DemoOptions& options) {
    std::vector<std::string> lines = {
        "# demo-fehler.txt: absichtliche Fehler der Demo-Daten (tev-cli demo-data)",
        "# Schulen: " + std::to_string(options.schools) + ", Startwert (--seed): " +
            std::to_string(options.seed) + ", Schuljahre: " + SchoolYearText(options.firstYear) +
            " bis " + SchoolYearText(options.lastYear),
        "# Etwa " + std::to_string(kFaultsPerThousand / 10) +
            " % der vorhandenen Datensaetze tragen genau einen Fehler; jeder andere Datensatz",
        "# besteht alle Pruefungen des Plausibilitaetstests.",
        "# Format: Schulnummer;Jahr;Tabelle;Fehlerart;Klassenstufe;Beschreibung",
        "#   Jahr: Endung des Dateinamens (.16 = 2016/17); Tabelle: 2.2 usw., - bei fehlenden",
        "#   Dateien; Klassenstufe: 5 bis 11, J1, J2 oder -. Alle Zeilen in ASCII.",
        "# Fehlerarten:"};
    for (const auto& info : kKinds)
        lines.push_back("#   " + PadRight(info.code, 16) + info.explanation);
    return lines;
}

std::string FaultFileLine(const DemoFault& fault) {
    std::string level = "-";
    if (fault.level >= 5 && fault.level <= 11) level = std::to_string(fault.level);
    if (fault.level == 12) level = "J1";
    if (fault.level == 13) level = "J2";
    return fault.schoolNumber + ";" + YearSuffix(fault.schoolYearCode) + ";" + fault.table + ";" +
           DemoFaultCode(fault.kind) + ";" + level + ";" + fault.detail;
}

bool ParseFaultFileLine(const std::string& line, DemoFault& fault) {
    if (line.empty() || line[0] == '#') return false;
    const auto fields = SplitFields(line);
    if (fields.size() != 6 || fields[0].size() != 6 || fields[1].size() != 3 || fields[1][0] != '.')
        return false;
    if (!DemoFaultKindOfCode(fields[3], fault.kind)) return false;
    fault.schoolNumber = fields[0];
    fault.schoolYearCode = (ParseTwoDigits(fields[1].substr(1)) + 70) % 100 + 30;
    fault.table = fields[2];
    fault.level = fields[4] == "J1" ? 12 : fields[4] == "J2" ? 13 : ParseInt(fields[4]);
    fault.detail = fields[5];
    return true;
}

} // namespace tev::demo

namespace tev {

std::string DemoFaultCode(DemoFaultKind kind) {
    return demo::InfoOf(kind).code;
}

bool DemoFaultKindOfCode(const std::string& code, DemoFaultKind& kind) {
    for (const auto& info : demo::kKinds)
        if (code == info.code) {
            kind = info.kind;
            return true;
        }
    return false;
}

std::vector<std::string> DemoFaultFindings(const DemoFault& fault) {
    const bool nineYear = fault.table == "1.1";
    std::vector<const char*> stems;
    switch (fault.kind) {
    case DemoFaultKind::OriginTotal:
        stems = {"Summe <Klst> in   1.1+1.8 <> 2.2"};
        break;
    case DemoFaultKind::BirthYearsMissing:
        stems = {"2.4 ist nicht bearbeitet,  d.h. Summe gesamt  in  1.1+1.8 <> 2.4"};
        break;
    case DemoFaultKind::GirlsAboveTotal:
        stems = {nineYear ? "9j:Mädchen > Summe <Klst> in   1.1 "
                          : "8j:Mädchen > Summe <Klst> in   1.8 ",
                 "mit_Migr - mit_Migr_weibl > Schüler_insges - Mädchen in 1.1+1.8  <Klst>"};
        break;
    case DemoFaultKind::TooManyNotPromoted:
        stems = {"wirklich mehr als 10% Nichtversetzte???"};
        break;
    case DemoFaultKind::ForeignersMismatch:
        stems = {"Summe Ausländer in   1.1+1.8 <> 2.3"};
        break;
    case DemoFaultKind::ForbiddenNationality:
        stems = {"in 2.3 ist nicht mehr erlaubt: "};
        break;
    case DemoFaultKind::ClassTableMismatch:
        stems = {"Summe KlSt.<Klst> in  1.1+1.8 <> 1.2"};
        break;
    case DemoFaultKind::ResidenceMismatch:
        stems = {"Schülersumme <Klst> in  4.1 <> 1.1+1.8", "Schülersumme  in  4.1 <> 1.1+1.8"};
        break;
    case DemoFaultKind::AbiturMismatch:
        stems = {"Summe Hochschulreife in  3.2 <> 8.3"};
        break;
    case DemoFaultKind::HoursPupilMismatch:
        stems = {"Summe <Klst> in  1.1+1.8 <> 9.1", "Summe gesamt in  1.1+1.8 <> 9.1"};
        break;
    case DemoFaultKind::SportsCertificates:
        stems = {"<Zeile>: Teilnehmer < Siegerurkunden+Ehrenurkunden in 3.3"};
        break;
    case DemoFaultKind::MissingDataSet:
    case DemoFaultKind::MissingZepList:
        break;
    }
    std::vector<std::string> findings;
    for (const char* stem : stems)
        findings.push_back(Win(stem));
    return findings;
}

std::vector<DemoFault> ReadDemoFaultFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("demo-data: cannot read " + file.string());
    std::vector<DemoFault> faults;
    LineReader reader(in, 1000);
    std::string line;
    while (reader.Next(line)) {
        DemoFault fault;
        if (demo::ParseFaultFileLine(line, fault)) faults.push_back(fault);
    }
    return faults;
}

} // namespace tev
