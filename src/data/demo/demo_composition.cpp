// What a school year's pupils are besides their number: foreign, with migration background,
// in which language sequence and profile, in which classes.
#include "data/demo/demo_cohorts.h"
#include "data/demo/demo_places.h"
#include "data/demo/demo_random.h"

#include <algorithm>
#include <cmath>

namespace tev::demo {
namespace {

using SexField = int Sexes::*;
constexpr SexField kSexes[] = {&Sexes::boys, &Sexes::girls};

double ForeignTrend(int year) {
    double factor = 1.0 + 0.015 * (year - 114);
    if (year >= 116) factor += 0.08;
    if (year >= 122) factor += 0.12;
    return std::max(factor, 0.7);
}

// The year a level's cohort entered class 5.
int EntryYear(int track, int level, int year) {
    if (level < kJ1) return year - level;
    return year - level + (track == kEightYear ? 1 : 0);
}

// The composition of one cohort: the school's shares, a little different for every cohort.
struct CohortShares {
    double foreign;
    double migration;
    std::array<double, 3> firstLanguage;
    double latinSecond;
    double languageProfile;
};

CohortShares SharesOf(const DemoSchool& school, const SchoolProfile& profile, int track,
                      int entryYear) {
    DemoRandom random(
        MixSeed({school.seed, 29, static_cast<uint64_t>(track), static_cast<uint64_t>(entryYear)}));
    CohortShares shares;
    shares.foreign = profile.foreignRate * random.Around(1, 0.2);
    shares.migration = std::max(shares.foreign, profile.migrationRate * random.Around(1, 0.1));
    for (int i = 0; i < 3; ++i)
        shares.firstLanguage[i] = profile.firstLanguage[i] * random.Around(1, 0.15);
    shares.latinSecond = profile.latinSecond * random.Around(1, 0.15);
    shares.languageProfile = profile.languageProfile * random.Around(1, 0.2);
    return shares;
}

void FillLanguageRows(LevelFigures& figures, int level, const CohortShares& shares,
                      const SchoolProfile& profile) {
    const int total = figures.pupils.Total();
    if (level >= kJ1) {
        figures.rows[36] = total;
        return;
    }
    const double e = shares.firstLanguage[0], f = shares.firstLanguage[1],
                 l = shares.firstLanguage[2];
    std::vector<double> weights(37, 0.0);
    if (level == 0) {
        weights[1] = e;
        weights[18] = f;
        weights[26] = l;
    } else if (level <= 2) {
        weights[2] = e * (1 - shares.latinSecond);
        weights[7] = e * shares.latinSecond;
        weights[19] = f;
        weights[27] = l;
    } else {
        const double lp = shares.languageProfile;
        // Per sequence: the row without a third language, then the third-language rows with
        // their shares of the language profile.
        auto sequence = [&](double w, int plainRow,
                            std::initializer_list<std::pair<int, double>> thirds) {
            weights[plainRow] += w * (1 - lp);
            for (auto [row, share] : thirds)
                weights[row] += w * lp * share;
        };
        const bool greek = profile.firstLanguage[2] > 0;
        sequence(e * (1 - shares.latinSecond), 3, {{4, 0.35}, {6, 0.65}});
        sequence(e * shares.latinSecond, 8, {{9, 0.6}, {11, 0.4}});
        sequence(f, 20, {{21, 0.4}, {23, 0.6}});
        sequence(l, 28,
                 {{29, greek ? 0.4 : 0.6}, {31, greek ? 0.3 : 0.0}, {32, greek ? 0.3 : 0.4}});
    }
    const std::vector<int> parts = Apportion(total, weights);
    for (int row = 1; row <= 36; ++row)
        figures.rows[row] = parts[row];
    if (level >= 3) {
        for (int row : {4, 6, 9, 11, 21, 23, 29, 31, 32})
            figures.thirdLanguage += parts[row];
        const int others = total - figures.thirdLanguage;
        const double sport = 0.05;
        const auto profiles =
            Apportion(others, {1.0 - profile.musicProfile - profile.artProfile - sport,
                               profile.musicProfile, profile.artProfile, sport});
        figures.nwtProfile = profiles[0];
        figures.musicProfile = profiles[1];
        figures.artProfile = profiles[2];
    }
}

// Classes of up to 33 pupils; a rare class of 34 where one class fewer is enough.
std::vector<int> FormClasses(int pupils, DemoRandom& random) {
    if (pupils <= 0) return {};
    int count = (pupils + 32) / 33;
    const int withLarge = (pupils + 33) / 34;
    if (withLarge < count && random.Chance(0.04)) count = withLarge;
    std::vector<int> classes(count, pupils / count);
    for (int i = 0; i < pupils % count; ++i)
        ++classes[i];
    for (int i = count - 1; i > 0; --i)
        std::swap(classes[i], classes[random.Below(i + 1)]);
    return classes;
}

} // namespace

void DescribeYear(const DemoSchool& school, const SchoolProfile& profile, const LevelCounts& counts,
                  SchoolYearFigures& figures) {
    const int year = figures.year;
    const double trend = ForeignTrend(year);
    for (int track : {kNineYear, kEightYear}) {
        for (int level = 0; level < kLevels; ++level) {
            LevelFigures& cell = figures.tracks[track][level];
            cell = LevelFigures{};
            cell.pupils = counts[track][level];
            if (cell.pupils.Total() == 0) continue;
            const CohortShares shares =
                SharesOf(school, profile, track, EntryYear(track, level, year));
            const double upper = 1.0 - 0.03 * level;
            const double foreign = std::min(0.8, shares.foreign * trend * upper);
            const double migration = std::min(0.95, std::max(foreign, shares.migration * upper));
            for (SexField sex : kSexes) {
                const int pupils = cell.pupils.*sex;
                cell.foreign.*sex =
                    std::min(pupils, static_cast<int>(std::lround(pupils * foreign)));
                cell.migration.*sex = std::clamp(static_cast<int>(std::lround(pupils * migration)),
                                                 cell.foreign.*sex, pupils);
            }
            FillLanguageRows(cell, level, shares, profile);
            DemoRandom classRandom(
                MixSeed({school.seed, 41, static_cast<uint64_t>(year), static_cast<uint64_t>(track),
                         static_cast<uint64_t>(level)}));
            if (level <= kClass11) cell.classes = FormClasses(cell.pupils.Total(), classRandom);
        }
    }
    // A school with several foreign pupils has foreign girls among them.
    int foreign = 0, foreignGirls = 0;
    for (const auto& track : figures.tracks)
        for (const auto& cell : track) {
            foreign += cell.foreign.Total();
            foreignGirls += cell.foreign.girls;
        }
    if (foreign > 2 && foreignGirls == 0) {
        for (auto& track : figures.tracks)
            for (auto& cell : track)
                if (foreignGirls == 0 && cell.pupils.girls > 0) {
                    cell.foreign.girls = 1;
                    cell.migration.girls = std::max(cell.migration.girls, 1);
                    foreignGirls = 1;
                }
    }
}

SchoolProfile ProfileOf(const DemoSchool& school) {
    DemoRandom random(MixSeed({school.seed, 5}));
    const auto& place = DemoPlaces()[school.place];
    const auto& county = DemoCounties()[place.county];
    SchoolProfile profile;
    profile.nearFrance = place.nearFrance;
    const double nearFrench = place.nearFrance      ? 0.25 + 0.35 * random.Unit()
                              : random.Chance(0.03) ? 0.1
                                                    : 0.0;
    // The French-German schools of the "ABG" group teach French to many.
    const double french = school.abiBac ? std::max(nearFrench, 0.4) : nearFrench;
    const double latin = random.Chance(0.06) ? 0.15 + 0.2 * random.Unit() : 0.0;
    profile.firstLanguage = {1.0 - french - latin, french, latin};
    profile.latinSecond = 0.2 + 0.25 * random.Unit();
    profile.extraThird = random.Chance(0.8) ? 'S' : 'I';
    profile.languageProfile = 0.12 + 0.18 * random.Unit();
    profile.musicProfile = random.Chance(0.4) ? 0.05 + 0.1 * random.Unit() : 0.0;
    profile.artProfile = random.Chance(0.4) ? 0.05 + 0.1 * random.Unit() : 0.0;
    switch (county.district) {
    case 1:
        profile.religion = {0.42, 0.33, 0.25};
        break;
    case 4:
        profile.religion = {0.25, 0.5, 0.25};
        break;
    default:
        profile.religion = {0.3, 0.45, 0.25};
        break;
    }
    for (double& share : profile.religion)
        share = random.Around(share, 0.2);
    const double base = school.isPrivate ? 0.06 : county.cityDistrict ? 0.15 : 0.10;
    profile.foreignRate = base * random.Around(1, 0.4);
    profile.migrationRate = std::min(0.6, profile.foreignRate * (2.2 + 0.8 * random.Unit()));
    return profile;
}

} // namespace tev::demo
