#include "data/demo/demo_places.h"

namespace tev::demo {
namespace {

using A = Abroad;

// Indices of the counties below, for the place table.
enum County {
    kStuttgart,
    kBoeblingen,
    kEsslingen,
    kGoeppingen,
    kLudwigsburg,
    kRemsMurr,
    kHeilbronnCity,
    kHeilbronn,
    kHohenlohe,
    kHall,
    kMainTauber,
    kHeidenheim,
    kOstalb,
    kBadenBaden,
    kKarlsruheCity,
    kKarlsruhe,
    kRastatt,
    kHeidelberg,
    kMannheim,
    kNeckarOdenwald,
    kRheinNeckar,
    kPforzheim,
    kCalw,
    kEnzkreis,
    kFreudenstadt,
    kFreiburgCity,
    kBreisgau,
    kEmmendingen,
    kOrtenau,
    kRottweil,
    kBaar,
    kTuttlingen,
    kKonstanz,
    kLoerrach,
    kWaldshut,
    kReutlingen,
    kTuebingen,
    kZollernalb,
    kUlm,
    kAlbDonau,
    kBiberach,
    kBodensee,
    kRavensburg,
    kSigmaringen,
};

} // namespace

const std::vector<DemoCounty>& DemoCounties() {
    static const std::vector<DemoCounty> counties = {
        {1, "11", "Stuttgart", "S", true, {A::None, A::None}},
        {1, "15", "Böblingen", "BB", false, {A::None, A::None}},
        {1, "16", "Esslingen", "ES", false, {A::None, A::None}},
        {1, "17", "Göppingen", "GP", false, {A::None, A::None}},
        {1, "18", "Ludwigsburg", "LB", false, {A::None, A::None}},
        {1, "19", "Rems-Murr", "WN", false, {A::None, A::None}},
        {1, "21", "Heilbronn St.", "HN", true, {A::None, A::None}},
        {1, "25", "Heilbronn", "HN", false, {A::None, A::None}},
        {1, "26", "Hohenlohe", "KÜN", false, {A::None, A::None}},
        {1, "27", "Schwäb. Hall", "SHA", false, {A::Bavaria, A::None}},
        {1, "28", "Main-Tauber", "TBB", false, {A::Bavaria, A::None}},
        {1, "35", "Heidenheim", "HDH", false, {A::Bavaria, A::None}},
        {1, "36", "Ostalb", "AA", false, {A::Bavaria, A::None}},
        {2, "11", "Baden-Baden", "BAD", true, {A::France, A::None}},
        {2, "12", "Karlsruhe St.", "KA", true, {A::Palatinate, A::France}},
        {2, "15", "Karlsruhe", "KA", false, {A::Palatinate, A::None}},
        {2, "16", "Rastatt", "RA", false, {A::France, A::Palatinate}},
        {2, "21", "Heidelberg", "HD", true, {A::Hesse, A::None}},
        {2, "22", "Mannheim", "MA", true, {A::Palatinate, A::Hesse}},
        {2, "25", "Neckar-Odenwald", "MOS", false, {A::Hesse, A::Bavaria}},
        {2, "26", "Rhein-Neckar", "HD", false, {A::Hesse, A::Palatinate}},
        {2, "31", "Pforzheim", "PF", true, {A::None, A::None}},
        {2, "35", "Calw", "CW", false, {A::None, A::None}},
        {2, "36", "Enzkreis", "PF", false, {A::None, A::None}},
        {2, "37", "Freudenstadt", "FDS", false, {A::None, A::None}},
        {3, "11", "Freiburg", "FR", true, {A::France, A::None}},
        {3, "15", "Breisgau-Hochschw.", "FR", false, {A::France, A::Switzerland}},
        {3, "16", "Emmendingen", "EM", false, {A::France, A::None}},
        {3, "17", "Ortenau", "OG", false, {A::France, A::None}},
        {3, "25", "Rottweil", "RW", false, {A::None, A::None}},
        {3, "26", "Schwarzwald-Baar", "VS", false, {A::None, A::None}},
        {3, "27", "Tuttlingen", "TUT", false, {A::None, A::None}},
        {3, "35", "Konstanz", "KN", false, {A::Switzerland, A::None}},
        {3, "36", "Lörrach", "LÖ", false, {A::Switzerland, A::France}},
        {3, "37", "Waldshut", "WT", false, {A::Switzerland, A::None}},
        {4, "15", "Reutlingen", "RT", false, {A::None, A::None}},
        {4, "16", "Tübingen", "TÜ", false, {A::None, A::None}},
        {4, "17", "Zollernalb", "BL", false, {A::None, A::None}},
        {4, "21", "Ulm", "UL", true, {A::Bavaria, A::None}},
        {4, "25", "Alb-Donau", "UL", false, {A::Bavaria, A::None}},
        {4, "26", "Biberach", "BC", false, {A::Bavaria, A::None}},
        {4, "35", "Bodensee", "FN", false, {A::Bavaria, A::Switzerland}},
        {4, "36", "Ravensburg", "RV", false, {A::Bavaria, A::None}},
        {4, "37", "Sigmaringen", "SIG", false, {A::None, A::None}},
    };
    return counties;
}

const std::vector<DemoPlace>& DemoPlaces() {
    static const std::vector<DemoPlace> places = {
        {kStuttgart, "Stuttgart", 70173, 60, 24, 7, false},
        {kBoeblingen, "Böblingen", 71032, 4, 3, 0, false},
        {kBoeblingen, "Sindelfingen", 71063, 6, 3, 0.5, false},
        {kBoeblingen, "Leonberg", 71229, 0, 2, 0, false},
        {kBoeblingen, "Herrenberg", 71083, 0, 2, 0, false},
        {kBoeblingen, "Holzgerlingen", 71088, 0, 1, 0, false},
        {kBoeblingen, "Renningen", 71272, 0, 1, 0, false},
        {kBoeblingen, "Weil der Stadt", 71263, 0, 1, 0, false},
        {kEsslingen, "Esslingen", 73728, 6, 4, 1, false},
        {kEsslingen, "Nürtingen", 72622, 0, 2, 1, false},
        {kEsslingen, "Kirchheim/Teck", 73230, 0, 2, 0, false},
        {kEsslingen, "Filderstadt", 70794, 0, 2, 0, false},
        {kEsslingen, "Leinfelden-Echt.", 70771, 0, 2, 0, false},
        {kEsslingen, "Ostfildern", 73760, 0, 1, 0, false},
        {kEsslingen, "Plochingen", 73207, 0, 1, 0, false},
        {kEsslingen, "Wendlingen", 73240, 0, 1, 0, false},
        {kGoeppingen, "Göppingen", 73033, 4, 3, 0.5, false},
        {kGoeppingen, "Geislingen/St.", 73312, 0, 2, 0, false},
        {kGoeppingen, "Eislingen", 73054, 0, 1, 0, false},
        {kGoeppingen, "Ebersbach", 73061, 0, 1, 0, false},
        {kLudwigsburg, "Ludwigsburg", 71634, 6, 5, 1, false},
        {kLudwigsburg, "Bietigheim-Biss.", 74321, 0, 3, 0, false},
        {kLudwigsburg, "Kornwestheim", 70806, 0, 1, 0, false},
        {kLudwigsburg, "Ditzingen", 71254, 0, 1, 0, false},
        {kLudwigsburg, "Vaihingen/Enz", 71665, 0, 1, 0, false},
        {kLudwigsburg, "Marbach/Neckar", 71672, 0, 1, 0, false},
        {kLudwigsburg, "Besigheim", 74354, 0, 1, 0, false},
        {kLudwigsburg, "Gerlingen", 70839, 0, 1, 0, false},
        {kLudwigsburg, "Remseck", 71686, 0, 1, 0, false},
        {kRemsMurr, "Waiblingen", 71332, 2, 2, 0, false},
        {kRemsMurr, "Schorndorf", 73614, 0, 2, 0, false},
        {kRemsMurr, "Backnang", 71522, 0, 2, 0, false},
        {kRemsMurr, "Fellbach", 70734, 2, 2, 0, false},
        {kRemsMurr, "Winnenden", 71364, 0, 1, 1, false},
        {kRemsMurr, "Welzheim", 73642, 0, 1, 0, false},
        {kRemsMurr, "Murrhardt", 71540, 0, 1, 0, false},
        {kHeilbronnCity, "Heilbronn", 74072, 10, 6, 1, false},
        {kHeilbronn, "Neckarsulm", 74172, 0, 1, 0, false},
        {kHeilbronn, "Eppingen", 75031, 0, 1, 0, false},
        {kHeilbronn, "Bad Rappenau", 74906, 0, 1, 0, false},
        {kHeilbronn, "Lauffen/Neckar", 74348, 0, 1, 0, false},
        {kHeilbronn, "Brackenheim", 74336, 0, 1, 0, false},
        {kHeilbronn, "Möckmühl", 74219, 0, 1, 0, false},
        {kHohenlohe, "Künzelsau", 74653, 0, 1, 1, false},
        {kHohenlohe, "Öhringen", 74613, 0, 1, 0, false},
        {kHall, "Schwäbisch Hall", 74523, 0, 2, 1, false},
        {kHall, "Crailsheim", 74564, 0, 2, 0, false},
        {kHall, "Gaildorf", 74405, 0, 1, 0, false},
        {kMainTauber, "Tauberbischofsh.", 97941, 0, 1, 0, false},
        {kMainTauber, "Wertheim", 97877, 0, 1, 0, false},
        {kMainTauber, "Bad Mergentheim", 97980, 0, 2, 1, false},
        {kHeidenheim, "Heidenheim/Brenz", 89518, 4, 3, 0, false},
        {kHeidenheim, "Giengen/Brenz", 89537, 0, 1, 0, false},
        {kHeidenheim, "Herbrechtingen", 89542, 0, 1, 0, false},
        {kOstalb, "Aalen", 73430, 4, 3, 0, false},
        {kOstalb, "Schwäbisch Gmünd", 73525, 4, 3, 1, false},
        {kOstalb, "Ellwangen", 73479, 0, 2, 1, false},
        {kOstalb, "Bopfingen", 73441, 0, 1, 0, false},
        {kBadenBaden, "Baden-Baden", 76530, 4, 3, 1, true},
        {kKarlsruheCity, "Karlsruhe", 76131, 60, 12, 3, true},
        {kKarlsruhe, "Bruchsal", 76646, 0, 3, 1, false},
        {kKarlsruhe, "Ettlingen", 76275, 0, 2, 0, false},
        {kKarlsruhe, "Bretten", 75015, 0, 2, 0, false},
        {kKarlsruhe, "Stutensee", 76297, 0, 1, 0, false},
        {kKarlsruhe, "Rheinstetten", 76287, 0, 1, 0, true},
        {kKarlsruhe, "Philippsburg", 76661, 0, 1, 0, false},
        {kKarlsruhe, "Waghäusel", 68753, 0, 1, 0, false},
        {kKarlsruhe, "Graben-Neudorf", 76676, 0, 1, 0, false},
        {kRastatt, "Rastatt", 76437, 0, 2, 1, true},
        {kRastatt, "Gaggenau", 76571, 0, 1, 0, false},
        {kRastatt, "Bühl", 77815, 0, 2, 0, true},
        {kRastatt, "Gernsbach", 76593, 0, 1, 0, false},
        {kRastatt, "Durmersheim", 76448, 0, 1, 0, true},
        {kHeidelberg, "Heidelberg", 69115, 12, 7, 3, false},
        {kMannheim, "Mannheim", 68159, 50, 11, 2, false},
        {kNeckarOdenwald, "Mosbach", 74821, 0, 2, 0, false},
        {kNeckarOdenwald, "Buchen", 74722, 0, 1, 0, false},
        {kNeckarOdenwald, "Walldürn", 74731, 0, 1, 0, false},
        {kNeckarOdenwald, "Adelsheim", 74740, 0, 1, 0, false},
        {kRheinNeckar, "Weinheim", 69469, 0, 3, 1, false},
        {kRheinNeckar, "Sinsheim", 74889, 0, 2, 0, false},
        {kRheinNeckar, "Wiesloch", 69168, 0, 2, 0, false},
        {kRheinNeckar, "Schwetzingen", 68723, 0, 2, 0, false},
        {kRheinNeckar, "Leimen", 69181, 0, 1, 0, false},
        {kRheinNeckar, "Hockenheim", 68766, 0, 1, 0, false},
        {kRheinNeckar, "Eberbach", 69412, 0, 1, 0, false},
        {kRheinNeckar, "Ladenburg", 68526, 0, 1, 0, false},
        {kRheinNeckar, "Walldorf", 69190, 0, 1, 0, false},
        {kRheinNeckar, "Neckargemünd", 69151, 0, 1, 0, false},
        {kPforzheim, "Pforzheim", 75172, 10, 6, 1, false},
        {kCalw, "Calw", 75365, 0, 1, 0, false},
        {kCalw, "Nagold", 72202, 0, 2, 0, false},
        {kCalw, "Altensteig", 72213, 0, 1, 0, false},
        {kEnzkreis, "Mühlacker", 75417, 0, 1, 0, false},
        {kEnzkreis, "Neuenbürg", 75305, 0, 1, 0, false},
        {kFreudenstadt, "Freudenstadt", 72250, 0, 2, 0, false},
        {kFreudenstadt, "Horb am Neckar", 72160, 0, 1, 0, false},
        {kFreiburgCity, "Freiburg", 79098, 20, 9, 4, true},
        {kBreisgau, "Breisach", 79206, 0, 1, 0, true},
        {kBreisgau, "Müllheim", 79379, 0, 1, 0, true},
        {kBreisgau, "Titisee-Neustadt", 79822, 0, 1, 0, false},
        {kBreisgau, "Kirchzarten", 79199, 0, 1, 0, false},
        {kBreisgau, "Bad Krozingen", 79189, 0, 1, 0, true},
        {kBreisgau, "Staufen", 79219, 0, 1, 0, false},
        {kEmmendingen, "Emmendingen", 79312, 0, 2, 0, true},
        {kEmmendingen, "Waldkirch", 79183, 0, 1, 0, false},
        {kEmmendingen, "Kenzingen", 79341, 0, 1, 0, true},
        {kEmmendingen, "Denzlingen", 79211, 0, 1, 0, false},
        {kOrtenau, "Offenburg", 77652, 4, 3, 1, true},
        {kOrtenau, "Lahr", 77933, 0, 2, 0, true},
        {kOrtenau, "Kehl", 77694, 0, 1, 0, true},
        {kOrtenau, "Achern", 77855, 0, 1, 0, true},
        {kOrtenau, "Oberkirch", 77704, 0, 1, 0, false},
        {kOrtenau, "Haslach", 77716, 0, 1, 0, false},
        {kOrtenau, "Gengenbach", 77723, 0, 1, 1, false},
        {kOrtenau, "Wolfach", 77709, 0, 1, 0, false},
        {kOrtenau, "Sasbach", 77880, 0, 0, 1, true},
        {kRottweil, "Rottweil", 78628, 0, 2, 0, false},
        {kRottweil, "Schramberg", 78713, 0, 1, 0, false},
        {kRottweil, "Oberndorf", 78727, 0, 1, 0, false},
        {kBaar, "Villingen-Schw.", 78050, 4, 4, 1, false},
        {kBaar, "Donaueschingen", 78166, 0, 1, 0, false},
        {kBaar, "St. Georgen", 78112, 0, 1, 0, false},
        {kBaar, "Furtwangen", 78120, 0, 1, 0, false},
        {kTuttlingen, "Tuttlingen", 78532, 0, 2, 0, false},
        {kTuttlingen, "Spaichingen", 78549, 0, 1, 0, false},
        {kTuttlingen, "Trossingen", 78647, 0, 1, 0, false},
        {kKonstanz, "Konstanz", 78462, 6, 3, 1, false},
        {kKonstanz, "Singen", 78224, 0, 3, 0, false},
        {kKonstanz, "Radolfzell", 78315, 0, 2, 0, false},
        {kKonstanz, "Stockach", 78333, 0, 1, 0, false},
        {kKonstanz, "Engen", 78234, 0, 1, 0, false},
        {kLoerrach, "Lörrach", 79539, 2, 3, 1, true},
        {kLoerrach, "Weil am Rhein", 79576, 0, 1, 0, true},
        {kLoerrach, "Rheinfelden", 79618, 0, 1, 0, true},
        {kLoerrach, "Schopfheim", 79650, 0, 1, 0, false},
        {kWaldshut, "Waldshut-Tiengen", 79761, 0, 2, 0, false},
        {kWaldshut, "Bad Säckingen", 79713, 0, 1, 0, false},
        {kWaldshut, "St. Blasien", 79837, 0, 0, 1, false},
        {kReutlingen, "Reutlingen", 72764, 6, 5, 1, false},
        {kReutlingen, "Metzingen", 72555, 0, 1, 0, false},
        {kReutlingen, "Pfullingen", 72793, 0, 1, 0, false},
        {kReutlingen, "Münsingen", 72525, 0, 1, 0, false},
        {kTuebingen, "Tübingen", 72070, 6, 5, 1, false},
        {kTuebingen, "Rottenburg", 72108, 0, 2, 0, false},
        {kTuebingen, "Mössingen", 72116, 0, 1, 0, false},
        {kZollernalb, "Balingen", 72336, 0, 2, 0, false},
        {kZollernalb, "Albstadt", 72458, 0, 2, 0, false},
        {kZollernalb, "Hechingen", 72379, 0, 1, 0, false},
        {kUlm, "Ulm", 89073, 8, 6, 2, false},
        {kAlbDonau, "Ehingen", 89584, 0, 2, 0, false},
        {kAlbDonau, "Blaubeuren", 89143, 0, 1, 0, false},
        {kAlbDonau, "Laichingen", 89150, 0, 1, 0, false},
        {kAlbDonau, "Langenau", 89129, 0, 1, 0, false},
        {kBiberach, "Biberach/Riß", 88400, 0, 3, 1, false},
        {kBiberach, "Laupheim", 88471, 0, 1, 0, false},
        {kBiberach, "Riedlingen", 88499, 0, 1, 0, false},
        {kBiberach, "Ochsenhausen", 88416, 0, 1, 0, false},
        {kBodensee, "Friedrichshafen", 88045, 4, 3, 0, false},
        {kBodensee, "Überlingen", 88662, 0, 1, 0, false},
        {kBodensee, "Markdorf", 88677, 0, 1, 0, false},
        {kBodensee, "Tettnang", 88069, 0, 1, 0, false},
        {kBodensee, "Salem", 88682, 0, 0, 1, false},
        {kRavensburg, "Ravensburg", 88212, 2, 3, 1, false},
        {kRavensburg, "Weingarten", 88250, 0, 1, 0, false},
        {kRavensburg, "Wangen im Allgäu", 88239, 0, 1, 0, false},
        {kRavensburg, "Leutkirch", 88299, 0, 1, 0, false},
        {kRavensburg, "Bad Waldsee", 88339, 0, 1, 0, false},
        {kRavensburg, "Isny", 88316, 0, 1, 0, false},
        {kSigmaringen, "Sigmaringen", 72488, 0, 1, 0, false},
        {kSigmaringen, "Bad Saulgau", 88348, 0, 1, 0, false},
        {kSigmaringen, "Pfullendorf", 88630, 0, 1, 0, false},
        {kSigmaringen, "Meßkirch", 88605, 0, 1, 0, false},
    };
    return places;
}

std::string DistrictShortName(int district) {
    static const char* const names[] = {"Stuttg", "Karlsr", "Freibg", "Tübing"};
    return district >= 1 && district <= 4 ? names[district - 1] : "";
}

const std::vector<const char*>& AbroadPlaces(Abroad where) {
    static const std::vector<const char*> bavaria = {"Neu-Ulm", "Lindau", "Nördlingen",
                                                     "Dinkelsbühl", "Aschaffenburg"};
    static const std::vector<const char*> hesse = {"Viernheim", "Lampertheim", "Hirschhorn"};
    static const std::vector<const char*> palatinate = {"Ludwigshafen", "Speyer", "Wörth am Rhein",
                                                        "Germersheim"};
    static const std::vector<const char*> switzerland = {"Basel", "Schaffhausen", "Kreuzlingen"};
    static const std::vector<const char*> france = {"Strasbourg", "Wissembourg", "Colmar",
                                                    "Mulhouse"};
    static const std::vector<const char*> none;
    switch (where) {
    case Abroad::Bavaria:
        return bavaria;
    case Abroad::Hesse:
        return hesse;
    case Abroad::Palatinate:
        return palatinate;
    case Abroad::Switzerland:
        return switzerland;
    case Abroad::France:
        return france;
    case Abroad::None:
        break;
    }
    return none;
}

const char* AbroadCountyName(Abroad where) {
    switch (where) {
    case Abroad::Bavaria:
        return "Bayern";
    case Abroad::Hesse:
        return "Hessen";
    case Abroad::Palatinate:
        return "Rheinland-Pfalz";
    case Abroad::Switzerland:
        return "Schweiz";
    case Abroad::France:
        return "Frankreich";
    case Abroad::None:
        break;
    }
    return "";
}

} // namespace tev::demo
