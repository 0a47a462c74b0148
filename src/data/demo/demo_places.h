#pragma once
// The land of the demo office: four districts (1 Stuttgart, 2 Karlsruhe, 3 Freiburg,
// 4 Tübingen), their counties and the towns that have a Gymnasium. Names are UTF-8.
#include <string>
#include <vector>

namespace tev::demo {

// Places outside the land, as table 4.2 counts them (its columns 3 to 8).
enum class Abroad { None = 0, Bavaria = 3, Hesse = 4, Palatinate = 5, Switzerland = 6, France = 7 };

struct DemoCounty {
    int district;      // 1..4
    const char* code;  // two digits of the regional number after the district digit
    const char* name;  // as table 4.1 shows it in "Kreise"
    const char* plate; // licence plate letters, the start of short names
    bool cityDistrict; // a town that is its own county (regional number ends in "000")
    Abroad neighbours[2];
};

struct DemoPlace {
    int county;       // index into DemoCounties()
    const char* name; // at most 16 characters
    int postcode;
    int postcodeSpread;  // larger towns use several postcodes from postcode upwards
    double publicWeight; // about the number of public Gymnasien
    double privateWeight;
    bool nearFrance; // French is taught first at many of its schools
};

const std::vector<DemoCounty>& DemoCounties();
const std::vector<DemoPlace>& DemoPlaces();
// "Stuttg", "Karlsr", "Freibg", "Tübing".
std::string DistrictShortName(int district);
// Towns across the border for the residence table.
const std::vector<const char*>& AbroadPlaces(Abroad where);
const char* AbroadCountyName(Abroad where);

} // namespace tev::demo
