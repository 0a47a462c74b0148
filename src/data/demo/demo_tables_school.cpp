// Tables 3.1 to 3.4, 4.1 to 4.4 and 5.2 of a demo school year.
#include "data/demo/demo_lists.h"
#include "data/demo/demo_places.h"
#include "data/demo/demo_random.h"
#include "data/demo/demo_tables.h"
#include "output/codepage.h"
#include "output/text_routines.h"

#include <algorithm>
#include <cmath>

namespace tev::demo {
namespace {

DemoRandom YearRandom(const DemoYearInput& in, uint64_t purpose) {
    return DemoRandom(MixSeed({in.school.seed, purpose, static_cast<uint64_t>(in.figures.year)}));
}

double SchoolTaste(const DemoYearInput& in, uint64_t purpose, uint64_t item = 0) {
    return DemoRandom(MixSeed({in.school.seed, purpose, item})).Unit();
}

int Code(const std::string& entry) {
    return ParseInt(entry.substr(0, 4));
}

void FillWorkingGroups(StringGrid& grid, const DemoYearInput& in) {
    const auto groups = WorkingGroupsOfYear(in.figures.year);
    DemoRandom random = YearRandom(in, 71);
    bool any = false;
    for (size_t i = 0; i < groups.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const uint64_t code = Code(groups[i]);
        const bool offered = SchoolTaste(in, 72, code) < 0.35 || (!any && i + 1 == groups.size());
        if (!offered || (any && random.Chance(0.1))) continue;
        any = true;
        const int count = SchoolTaste(in, 73, code) < 0.3 ? 2 : 1;
        grid.SetCells(2, row, Num(count));
        grid.SetCells(3, row, Num(count * random.Between(8, 24)));
        grid.SetCells(4, row, Num(count * (SchoolTaste(in, 74, code) < 0.5 ? 1 : 2)));
        if (random.Chance(0.15)) grid.SetCells(5, row, "1");
    }
}

void FillFinalYearGroups(StringGrid& grid, const DemoYearInput& in) {
    static const char* const kGroups[] = {
        "0101 Chor",           "0103 Orchester", "0104 Big Band",       "0301 Theater",
        "0305 Schülerzeitung", "0501 Robotik",   "0504 Jugend forscht", "0701 Schulsanitätsdienst"};
    DemoRandom random = YearRandom(in, 75);
    const int count = 1 + random.Below(3);
    const int first = static_cast<int>(SchoolTaste(in, 76) * std::size(kGroups));
    for (int i = 0; i < count; ++i) {
        const std::string entry = DosFromUtf8(kGroups[(first + i) % std::size(kGroups)]);
        const int row = i + 1;
        grid.SetCells(0, row, entry.substr(0, 4));
        grid.SetCells(1, row, entry.substr(5));
        grid.SetCells(2, row, "1");
        grid.SetCells(3, row, Num(random.Between(6, 20)));
        grid.SetCells(4, row, Num(random.Between(1, 2)));
    }
}

// Column of table 3.2 for a leaving column in the layout of the year, and whether the
// column adds to "zusammen".
int LeaverCol(int column, int year) {
    static const int before116[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    static const int from116[] = {1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13};
    return year < 116 ? before116[column] : from116[column];
}

void FillLeavers(StringGrid& grid, const DemoYearInput& in) {
    const int year = in.figures.year;
    const int lastRow = grid.RowCount() - 1;
    for (int column = 0; column < kLeaverColumns; ++column) {
        const LeaverCount& leavers = in.figures.leavers[column];
        const int col = LeaverCol(column, year);
        const bool mustShow = column == kLeaveJ2With; // "ggf. jeweils 0"
        grid.SetCells(col, 1,
                      mustShow ? std::to_string(leavers.pupils.boys) : Num(leavers.pupils.boys));
        grid.SetCells(col, 2,
                      mustShow ? std::to_string(leavers.pupils.girls) : Num(leavers.pupils.girls));
        if (year >= 114) grid.SetCells(col, 4, Num(leavers.migration));
        grid.SetCells(col, lastRow, Num(leavers.foreign));
    }
}

void FillSports(StringGrid& grid, const DemoYearInput& in) {
    if (SchoolTaste(in, 81) > 0.7) return;
    DemoRandom random = YearRandom(in, 82);
    const auto& f = in.figures;
    auto event = [&](int row, int pupils, double winners, double honours) {
        const int taking = random.Binomial(pupils, 0.95);
        const int won = random.Binomial(taking, winners);
        grid.SetCells(1, row, Num(taking));
        grid.SetCells(2, row, Num(won));
        grid.SetCells(3, row, Num(random.Binomial(taking - won, honours)));
    };
    event(2, f.LevelPupils(0).Total() + f.LevelPupils(1).Total() + f.LevelPupils(2).Total(), 0.35,
          0.2);
    if (SchoolTaste(in, 83) < 0.1) event(3, f.LevelPupils(0).Total(), 0.3, 0.15);
    if (SchoolTaste(in, 84) < 0.15) event(4, f.LevelPupils(0).Total(), 0.4, 0.15);
}

void FillBoarders(StringGrid& grid, const DemoYearInput& in) {
    if (!in.school.boarding) return;
    const bool traditional = in.school.name.find("Salem") != std::string::npos ||
                             in.school.name.find("Kolleg") != std::string::npos ||
                             in.school.name.find("Heimschule") != std::string::npos;
    const double share = traditional ? 0.35 + 0.25 * SchoolTaste(in, 85) : 0.08;
    grid.SetCells(1, 1, Num(static_cast<int>(std::lround(in.figures.TotalPupils() * share))));
}

// A place of residence: its name, county text, table 4.2 category and weight.
struct Residence {
    std::string name;
    std::string county;
    int category; // column of table 4.2
    double weight;
};

std::vector<Residence> ResidencesOf(const DemoYearInput& in) {
    const auto& places = DemoPlaces();
    const auto& own = places[in.school.place];
    const auto& counties = DemoCounties();
    const auto& county = counties[own.county];
    std::vector<Residence> list = {{own.name, county.name, 0, county.cityDistrict ? 0.8 : 0.5}};
    DemoRandom random(MixSeed({in.school.seed, 91}));
    int neighbours = 0;
    for (size_t i = 0; i < places.size() && neighbours < 6; ++i) {
        if (places[i].county != own.county || static_cast<int>(i) == in.school.place) continue;
        list.push_back({places[i].name, county.name, 1, 0.3 * random.Around(1, 0.5)});
        ++neighbours;
    }
    // Towns of other counties of the district, most of them next door.
    std::vector<size_t> others;
    for (size_t i = 0; i < places.size(); ++i)
        if (places[i].county != own.county &&
            counties[places[i].county].district == county.district)
            others.push_back(i);
    const int otherCount = county.cityDistrict ? 4 : 2;
    for (int k = 0; k < otherCount && !others.empty(); ++k) {
        const size_t pick = others[random.Below(static_cast<int>(others.size()))];
        if (std::any_of(list.begin(), list.end(),
                        [&](const Residence& r) { return r.name == places[pick].name; }))
            continue;
        list.push_back({places[pick].name, counties[places[pick].county].name, 2,
                        (county.cityDistrict ? 0.06 : 0.03) * random.Around(1, 0.5)});
    }
    for (Abroad where : county.neighbours) {
        const auto& abroad = AbroadPlaces(where);
        if (abroad.empty()) continue;
        list.push_back({abroad[random.Below(static_cast<int>(abroad.size()))],
                        AbroadCountyName(where), static_cast<int>(where), 0.015});
    }
    return list;
}

void FillResidence(StringGrid& grid41, StringGrid* grid42, const DemoYearInput& in) {
    const auto residences = ResidencesOf(in);
    std::vector<double> weights;
    for (const auto& r : residences)
        weights.push_back(r.weight);
    std::vector<int> byCategory(9, 0);
    for (size_t i = 0; i < residences.size(); ++i) {
        grid41.SetCells(0, static_cast<int>(i) + 1, DosFromUtf8(residences[i].name));
        grid41.SetCells(1, static_cast<int>(i) + 1, DosFromUtf8(residences[i].county));
    }
    for (int level = 0; level < kLevels; ++level) {
        const auto parts = Apportion(in.figures.LevelPupils(level).Total(), weights);
        for (size_t i = 0; i < residences.size(); ++i) {
            grid41.SetCells(level + 2, static_cast<int>(i) + 1, Num(parts[i]));
            byCategory[residences[i].category] += parts[i];
        }
    }
    if (!grid42) return;
    for (int col = 0; col < 9; ++col)
        grid42->SetCells(col, 2, Num(byCategory[col]));
    // Towns that are their own county have no other towns "of the county".
    if (in.school.regional.size() == 6 && in.school.regional.substr(3) == "000")
        grid42->SetCells(1, 2, "0");
}

// Table 4.3, the row of each kind of special need in the layout of the year.
struct NeedRows {
    int pupils;
    int girls;
    int targetDifferent; // 0 when the layout has none (or all of the row are)
};

void FillInclusion(StringGrid& grid, const DemoYearInput& in) {
    const bool newLayout = in.figures.year >= 122;
    // Learning, language, emotional and social, seeing, hearing, mental, physical.
    static const NeedRows oldRows[] = {{1, 2, 0},  {3, 4, 0},   {5, 6, 0},  {7, 8, 0},
                                       {9, 10, 0}, {11, 12, 0}, {13, 14, 0}};
    static const NeedRows newRows[] = {{1, 2, 0},    {3, 4, 5},   {6, 7, 8},   {9, 10, 11},
                                       {12, 13, 14}, {15, 16, 0}, {17, 18, 19}};
    static const double kindWeights[] = {0.05, 0.1, 0.25, 0.1, 0.2, 0.05, 0.25};
    const NeedRows* rows = newLayout ? newRows : oldRows;
    DemoRandom random = YearRandom(in, 101);
    const int pupils = random.Pick({0.45, 0.25, 0.15, 0.1, 0.05});
    std::vector<std::vector<int>> counts(grid.RowCount(), std::vector<int>(grid.ColCount(), 0));
    for (int i = 0; i < pupils; ++i) {
        const int kind =
            random.Pick(std::vector<double>(std::begin(kindWeights), std::end(kindWeights)));
        // Pupils taught to other targets stay in classes 5 to 10.
        const bool otherTargets = kind == 0 || kind == 5;
        const int level = random.Below(otherTargets ? 6 : kLevels);
        const int col = level + 5;
        ++counts[rows[kind].pupils][col];
        if (random.Chance(0.45)) ++counts[rows[kind].girls][col];
        if (rows[kind].targetDifferent > 0 && random.Chance(0.2))
            ++counts[rows[kind].targetDifferent][col];
        if (newLayout && random.Chance(0.15)) ++counts[rows[kind].pupils][15];
    }
    // Until 2021/22 the two "Insgesamt" rows are plain figures too.
    if (!newLayout) {
        for (int col = 5; col <= 13; ++col)
            for (int kind = 0; kind < 7; ++kind) {
                counts[15][col] += counts[rows[kind].pupils][col];
                counts[16][col] += counts[rows[kind].girls][col];
            }
    }
    for (int row = 1; row < grid.RowCount(); ++row)
        for (int col = 5; col < grid.ColCount(); ++col)
            if (col != 14 && counts[row][col] > 0) grid.SetCells(col, row, Num(counts[row][col]));
}

void FillIslamicEducation(StringGrid& grid, const DemoYearInput& in) {
    const bool offers = SchoolTaste(in, 111) < 0.05 && in.profile.foreignRate > 0.08;
    int total = 0;
    for (int level = 0; level < kLevels; ++level) {
        int pupils = 0;
        if (offers && level <= 5)
            for (const auto& track : in.figures.tracks)
                pupils += static_cast<int>(std::lround(track[level].foreign.Total() * 0.25));
        grid.SetCells(level + 1, 2, std::to_string(pupils));
        total += pupils;
    }
    if (total == 0) {
        grid.SetCells(10, 2, "x"); // the course does not take place
        grid.SetCells(12, 2, "x"); // nobody is left without it
        return;
    }
    const int groups = (total + 17) / 18;
    grid.SetCells(11, 2, "x");
    grid.SetCells(12, 2, "x");
    grid.SetCells(14, 2, Num(2 * groups));
    grid.SetCells(15, 2, Num(groups));
}

} // namespace

void FillSchoolTables(SheetGrids& grids, const DemoYearInput& input) {
    const int year = input.figures.year;
    FillWorkingGroups(*grids.Find("SG31"), input);
    FillLeavers(*grids.Find("SG32"), input);
    FillSports(*grids.Find("SG33"), input);
    FillBoarders(*grids.Find("SG34"), input);
    FillResidence(*grids.Find("SG41"), year >= 113 ? grids.Find("SG42") : nullptr, input);
    if (year >= 115) FillInclusion(*grids.Find("SG43"), input);
    if (year >= 120) FillIslamicEducation(*grids.Find("SG44"), input);
    FillFinalYearGroups(*grids.Find("SG52"), input);
}

} // namespace tev::demo
