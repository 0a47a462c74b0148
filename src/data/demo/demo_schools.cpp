#include "data/demo/demo_schools.h"

#include "data/demo/demo_places.h"
#include "data/demo/demo_random.h"
#include "output/codepage.h"
#include "output/text_routines.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace tev::demo {
namespace {

// Public schools are about 380 of 450.
constexpr double kPublicShare = 380.0 / 450.0;
// About 44 of 380 public schools offer the 9-year track again.
constexpr double kNineYearShare = 44.0 / 380.0;

// Characters 4 to 6 of regional numbers outside the towns that are their own county: the
// codes of the region group lookup, so that most schools fall into one of its groups.
const char* const kMunicipalityCodes[] = {"118", "136", "995", "111", "117", "135", "115",
                                          "119", "127", "128", "116", "121", "125", "126"};

// The seven schools of the French-German "ABG" group.
const char* const kAbiBacPublic[] = {"165402", "112331", "112276", "112264", "158033", "112240"};
const char* const kAbiBacPrivate = "301061";

struct NamePattern {
    const char* name;
    const char* brief; // for the short name
};

const NamePattern kEponyms[] = {
    {"Schiller-Gymnasium", "Schiller"},
    {"Goethe-Gymnasium", "Goethe"},
    {"Hölderlin-Gymnasium", "Hölderl"},
    {"Kepler-Gymnasium", "Kepler"},
    {"Mörike-Gymnasium", "Mörike"},
    {"Uhland-Gymnasium", "Uhland"},
    {"Hegel-Gymnasium", "Hegel"},
    {"Max-Planck-Gymnasium", "MPG"},
    {"Albert-Einstein-Gymnasium", "AEG"},
    {"Otto-Hahn-Gymnasium", "OHG"},
    {"Lessing-Gymnasium", "Lessing"},
    {"Humboldt-Gymnasium", "Humboldt"},
    {"Friedrich-List-Gymnasium", "List"},
    {"Theodor-Heuss-Gymnasium", "THG"},
    {"Robert-Bosch-Gymnasium", "Bosch"},
    {"Gottlieb-Daimler-Gymnasium", "Daimler"},
    {"Carl-Benz-Gymnasium", "Benz"},
    {"Hebel-Gymnasium", "Hebel"},
    {"Scheffel-Gymnasium", "Scheffel"},
    {"Eichendorff-Gymnasium", "Eichend"},
    {"Justinus-Kerner-Gymnasium", "Kerner"},
    {"Wilhelm-Hauff-Gymnasium", "Hauff"},
    {"Paracelsus-Gymnasium", "Paracels"},
    {"Leibniz-Gymnasium", "Leibniz"},
    {"Kant-Gymnasium", "Kant"},
    {"Copernicus-Gymnasium", "Copernic"},
    {"Hans-Thoma-Gymnasium", "Thoma"},
    {"Grünewald-Gymnasium", "Grünew"},
    {"Eduard-Spranger-Gymnasium", "Spranger"},
    {"Droste-Hülshoff-Gymnasium", "Droste"},
    {"Annette-Kolb-Gymnasium", "Kolb"},
    {"Anne-Frank-Gymnasium", "AFG"},
    {"Geschwister-Scholl-Gymnasium", "GSG"},
    {"Bertha-von-Suttner-Gymnasium", "Suttner"},
    {"Marie-Curie-Gymnasium", "Curie"},
    {"Lise-Meitner-Gymnasium", "Meitner"},
    {"Ricarda-Huch-Gymnasium", "Huch"},
    {"Elly-Heuss-Knapp-Gymnasium", "EHK"},
    {"Dietrich-Bonhoeffer-Gymnasium", "DBG"},
    {"Melanchthon-Gymnasium", "Melanch"},
    {"Reuchlin-Gymnasium", "Reuchlin"},
    {"Erasmus-Gymnasium", "Erasmus"},
    {"Staufer-Gymnasium", "Staufer"},
    {"Graf-Zeppelin-Gymnasium", "Zeppelin"},
    {"Eberhard-Ludwigs-Gymnasium", "ELG"},
    {"Karls-Gymnasium", "Karls"},
    {"Friedrich-Eugens-Gymnasium", "FEG"},
    {"Wilhelms-Gymnasium", "Wilhelms"},
    {"Fürstenberg-Gymnasium", "Fürstenb"},
    {"Markgrafen-Gymnasium", "Markgraf"},
    {"Bunsen-Gymnasium", "Bunsen"},
    {"Helmholtz-Gymnasium", "Helmholt"},
    {"Liebig-Gymnasium", "Liebig"},
    {"Albertus-Magnus-Gymnasium", "AMG"},
    {"Thomas-Mann-Gymnasium", "TMG"},
    {"Heinrich-Heine-Gymnasium", "Heine"},
    {"Hermann-Hesse-Gymnasium", "Hesse"},
    {"Erich-Kästner-Gymnasium", "Kästner"},
    {"Carlo-Schmid-Gymnasium", "CSG"},
    {"Johann-Peter-Hebel-Gymnasium", "JPH"},
    {"Gymnasium am Stadtgarten", "Stadtg"},
    {"Gymnasium im Schloss", "Schloss"},
    {"Gymnasium am Hohenstein", "Hohenst"},
    {"Gymnasium in der Taus", "Taus"},
};

const NamePattern kPrivateNames[] = {
    {"St. Ursula-Gymnasium", "Ursula"},
    {"Ev. Heidehof-Gymnasium", "Heidehof"},
    {"Mädchengymnasium St. Agnes", "Agnes"},
    {"Liebfrauenschule", "Liebfrau"},
    {"St. Dominikus-Gymnasium", "Dominik"},
    {"Marianum", "Marianum"},
    {"Merz-Schule", "Merz"},
    {"Ev. Firstwald-Gymnasium", "Firstw"},
    {"Freies Evang. Gymnasium", "FEvG"},
    {"Kath. Freies Gymnasium", "KFG"},
    {"Christliches Gymnasium", "CG"},
    {"Internationale Schule", "ISG"},
    {"Klosterschule vom Hl. Grab", "Kloster"},
    {"Gymnasium St. Paulusheim", "Paulush"},
    {"Zinzendorf-Gymnasium", "Zinzend"},
    {"Abt-Knittel-Gymnasium", "Knittel"},
    {"Gymnasium Maria Hilf", "MariaH"},
    {"Montessori-Gymnasium", "Montess"},
};

const char* const kStreets[] = {"Schulstraße",    "Gartenstraße",   "Bahnhofstraße", "Kirchplatz",
                                "Im Wiesengrund", "Schillerstraße", "Goethestraße",  "Parkstraße",
                                "Lindenstraße",   "Am Stadtgarten", "Talstraße",     "Schlossweg",
                                "Jahnstraße",     "Hauptstraße",    "Am Römerhof"};

// Boarding schools keep their traditional names.
struct BoardingSchool {
    const char* place;
    const char* name;
    const char* brief;
};
const BoardingSchool kBoardingSchools[] = {
    {"Salem", "Schule Schloss Salem", "Salem"},
    {"St. Blasien", "Kolleg St. Blasien", "Kolleg"},
    {"Sasbach", "Heimschule Lender", "Lender"},
};

void Put(std::string& line, size_t position, const std::string& text, size_t length) {
    line.replace(position - 1, length, PadRight(text, static_cast<int>(length)));
}

// A place for every school, drawn with the places' weights (spent as they are drawn, so the
// counts follow the weights closely).
std::vector<int> DrawPlaces(int count, bool privateSchools, DemoRandom& random) {
    const auto& places = DemoPlaces();
    std::vector<double> base;
    for (const auto& place : places)
        base.push_back(privateSchools ? place.privateWeight : place.publicWeight);
    double sum = 0;
    for (double w : base)
        sum += w;
    std::vector<double> left = base;
    for (double& w : left)
        w = sum > 0 ? w * count / sum : 0;
    std::vector<int> drawn;
    for (int i = 0; i < count; ++i) {
        bool anyLeft = std::any_of(left.begin(), left.end(), [](double w) { return w > 0; });
        const int place = random.Pick(anyLeft ? left : base);
        left[place] = std::max(0.0, left[place] - 1);
        drawn.push_back(place);
    }
    return drawn;
}

std::string NumberFor(const DemoSchool& school, std::map<std::string, int>& running,
                      std::set<std::string>& used, DemoRandom& random) {
    const auto& county = DemoCounties()[DemoPlaces()[school.place].county];
    const std::string prefix =
        std::string(school.isPrivate ? "3" : "1") + std::to_string(county.district) + county.code;
    int& next = running[prefix];
    if (next == 0) next = random.Between(1, 9);
    for (int tries = 0; tries < 100; ++tries) {
        const int value = next <= 99 ? next : (next % 99) + 1;
        next += random.Between(1, 2);
        const std::string number = prefix + (value < 10 ? "0" : "") + std::to_string(value);
        if (used.insert(number).second) return number;
    }
    throw std::runtime_error("demo-data: no free school number for " + prefix);
}

void NameSchools(std::vector<DemoSchool>& schools, DemoRandom& random) {
    std::map<int, std::vector<DemoSchool*>> publicByPlace, privateByPlace;
    for (auto& school : schools)
        (school.isPrivate ? privateByPlace : publicByPlace)[school.place].push_back(&school);
    constexpr int eponymCount = sizeof kEponyms / sizeof kEponyms[0];
    constexpr int privateCount = sizeof kPrivateNames / sizeof kPrivateNames[0];
    for (auto& [placeIndex, list] : publicByPlace) {
        const std::string placeName = DemoPlaces()[placeIndex].name;
        int offset = random.Below(eponymCount);
        const bool generic = list.size() == 1 && random.Chance(0.5);
        for (size_t i = 0; i < list.size(); ++i) {
            if (generic && ("Gymnasium " + placeName).size() <= 30) {
                list[i]->name = "Gymnasium " + placeName;
                list[i]->shortName = "Gym";
                continue;
            }
            const NamePattern& pattern = kEponyms[(offset + i * 7) % eponymCount];
            list[i]->name = pattern.name;
            list[i]->shortName = pattern.brief;
        }
    }
    for (auto& [placeIndex, list] : privateByPlace) {
        const std::string placeName = DemoPlaces()[placeIndex].name;
        int offset = random.Below(privateCount);
        for (size_t i = 0; i < list.size(); ++i) {
            const BoardingSchool* boarding = nullptr;
            for (const auto& candidate : kBoardingSchools)
                if (placeName == candidate.place && i == 0) boarding = &candidate;
            if (boarding) {
                list[i]->name = boarding->name;
                list[i]->shortName = boarding->brief;
                list[i]->boarding = true;
                continue;
            }
            const NamePattern& pattern = kPrivateNames[(offset + i * 5) % privateCount];
            list[i]->name = pattern.name;
            list[i]->shortName = pattern.brief;
            list[i]->boarding = random.Chance(0.1);
        }
    }
}

// Short names: the county's plate, a dash, the school's brief; unique within the office.
void MakeShortNamesUnique(std::vector<DemoSchool>& schools) {
    std::set<std::string> used;
    for (auto& school : schools) {
        const auto& place = DemoPlaces()[school.place];
        const auto& county = DemoCounties()[place.county];
        std::string brief =
            school.shortName == "Gym" ? "Gym " + std::string(place.name) : school.shortName;
        std::string base = std::string(county.plate) + "-" + brief;
        std::string candidate = DosFromUtf8(base).substr(0, 16);
        for (int n = 2; !used.insert(candidate).second; ++n) {
            const std::string suffix = std::to_string(n);
            candidate = DosFromUtf8(base).substr(0, 16 - suffix.size()) + suffix;
        }
        school.shortName = Utf8FromDos(TrimRight(candidate));
    }
}

void AssignAbiBac(std::vector<DemoSchool>& schools, std::set<std::string>& used) {
    size_t nextPublic = 0;
    bool privateDone = false;
    for (auto& school : schools) {
        if (!DemoPlaces()[school.place].nearFrance) continue;
        if (!school.isPrivate && nextPublic < std::size(kAbiBacPublic)) {
            used.erase(school.number);
            school.number = kAbiBacPublic[nextPublic++];
            school.abiBac = true;
        } else if (school.isPrivate && !privateDone) {
            used.erase(school.number);
            school.number = kAbiBacPrivate;
            school.abiBac = true;
            privateDone = true;
        }
    }
}

// New schools (data only from a later year), one closed school, and schools whose data set
// of the latest year has not arrived.
void SetDataYears(std::vector<DemoSchool>& schools, const DemoOptions& options,
                  DemoRandom& random) {
    for (auto& school : schools) {
        school.firstDataYear = options.firstYear;
        school.lastDataYear = options.lastYear;
    }
    const int n = static_cast<int>(schools.size());
    const int span = options.lastYear - options.firstYear + 1;
    if (n < 10) return;
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    for (int i = n - 1; i > 0; --i)
        std::swap(order[i], order[random.Below(i + 1)]);
    size_t next = 0;
    if (span >= 2) {
        const int newSchools = std::max(1, n * 3 / 450);
        for (int k = 0; k < newSchools; ++k)
            schools[order[next++]].firstDataYear = options.firstYear + 1 + random.Below(span - 1);
        const int late = std::max(1, n * 2 / 100);
        for (int k = 0; k < late; ++k)
            schools[order[next++]].lastDataYear = options.lastYear - 1;
    }
    // Closed before the latest year, so that it is not taken for a late delivery.
    if (span >= 3)
        schools[order[next++]].lastDataYear = options.lastYear - 2 - random.Below(span - 2);
}

} // namespace

int DistrictOf(const DemoSchool& school) {
    return DemoCounties()[DemoPlaces()[school.place].county].district;
}

int CountyOf(const DemoSchool& school) {
    return DemoPlaces()[school.place].county;
}

char RegionGroup(const std::string& regional) {
    static const std::string lookup =
        "118 136 995 995 995 995 111 117 135 135 135 135 115 119 127 128 128 128 116 121 125 "
        "126 126";
    if (regional.size() < 6) return ';';
    const size_t hit = lookup.find(regional.substr(3, 3));
    if (hit == std::string::npos) return ';';
    return static_cast<char>('0' + (hit + 1 + 23) / 24);
}

std::vector<DemoSchool> MakeDemoSchools(const DemoOptions& options) {
    DemoRandom random(MixSeed({options.seed, 0x5C400L}));
    const int total = options.schools;
    const int publicCount = static_cast<int>(std::lround(total * kPublicShare));
    std::vector<DemoSchool> schools;
    for (int place : DrawPlaces(publicCount, false, random)) {
        DemoSchool school;
        school.place = place;
        schools.push_back(school);
    }
    for (int place : DrawPlaces(total - publicCount, true, random)) {
        DemoSchool school;
        school.place = place;
        school.isPrivate = true;
        schools.push_back(school);
    }
    std::stable_sort(schools.begin(), schools.end(), [](const DemoSchool& a, const DemoSchool& b) {
        return std::pair(a.place, a.isPrivate) < std::pair(b.place, b.isPrivate);
    });
    NameSchools(schools, random);
    std::map<std::string, int> running;
    std::set<std::string> used;
    for (auto& school : schools) {
        const auto& place = DemoPlaces()[school.place];
        const auto& county = DemoCounties()[place.county];
        school.number = NumberFor(school, running, used, random);
        school.street = std::string(kStreets[random.Below(std::size(kStreets))]) + " " +
                        std::to_string(random.Between(1, 80));
        school.postcode =
            place.postcode +
            (place.postcodeSpread > 0 ? random.Below(place.postcodeSpread / 2 + 1) * 2 : 0);
        const std::string municipality =
            county.cityDistrict
                ? "000"
                : kMunicipalityCodes[MixSeed({static_cast<uint64_t>(school.place)}) %
                                     std::size(kMunicipalityCodes)];
        school.regional = std::to_string(county.district) + county.code + municipality;
        if (!school.isPrivate && random.Chance(kNineYearShare)) {
            school.trackMarker = random.Chance(0.5) ? '1' : '2';
            school.nineYearStart = school.trackMarker == '1' ? 112 : 113;
            school.nineYearShare = 0.4 + 0.4 * random.Unit();
        }
        school.seed = random.Next();
    }
    MakeShortNamesUnique(schools);
    if (total >= 60) AssignAbiBac(schools, used);
    std::stable_sort(schools.begin(), schools.end(),
                     [](const DemoSchool& a, const DemoSchool& b) { return a.number < b.number; });
    SetDataYears(schools, options, random);
    return schools;
}

std::vector<std::string> SchoolMasterFileLines(const std::vector<DemoSchool>& schools) {
    std::vector<std::string> lines = {
        DosFromUtf8("Schulnummer;Schulschlüssel;Abi-KennZ;Epr_Nr;Schülerzahl;Deputate;Kreis;"
                    "Schulname;Straße;PLZ;Ort;Privatschule;Abendgymnasium;Waldorfschule")};
    int examNumber = 100;
    for (const auto& school : schools) {
        const auto& place = DemoPlaces()[school.place];
        // The pupils and teaching hours are filled in by the office's own runs.
        lines.push_back(school.number + ";04" + school.number + ";1;" +
                        std::to_string(++examNumber) + ";0;0;" + std::to_string(CountyOf(school)) +
                        ";" + DosFromUtf8(school.name) + ";" + DosFromUtf8(school.street) + ";" +
                        std::to_string(school.postcode) + ";" + DosFromUtf8(place.name) + ";" +
                        (school.isPrivate ? "1" : "0") + ";0;0");
    }
    return lines;
}

std::string SchoolNameFileLine(const DemoSchool& school) {
    const auto& place = DemoPlaces()[school.place];
    std::string line(234, ' ');
    Put(line, 1, "00", 2);
    Put(line, 3, school.number, 6);
    Put(line, 9, DosFromUtf8(school.shortName), 16);
    Put(line, 25, DosFromUtf8(DistrictShortName(DistrictOf(school))), 6);
    Put(line, 31, DosFromUtf8(school.name), 30);
    Put(line, 61, DosFromUtf8(place.name), 16);
    Put(line, 77, std::string(1, RegionGroup(school.regional)), 1);
    Put(line, 78, school.regional, 6);
    Put(line, 84, std::string(1, school.trackMarker), 1);
    Put(line, 85, DosFromUtf8(school.street), 40);
    Put(line, 125, "poststelle@04" + school.number + ".schule.bwl.de", 40);
    Put(line, 185, std::to_string(school.postcode), 5);
    const char* type = school.isPrivate
                           ? (school.boarding ? "priv. Gym. Internat" : "priv. Gymnasium")
                       : school.trackMarker != ';' ? "öff. Gymnasium G8/G9"
                                                   : "öff. Gymnasium";
    Put(line, 215, DosFromUtf8(type), 20);
    return TrimRight(line);
}

} // namespace tev::demo
