#include "data/demo/demo_cohorts.h"

#include "data/demo/demo_random.h"

#include <algorithm>
#include <cmath>

namespace tev::demo {
namespace {

// The simulation starts here with the 8-year track everywhere, long enough before the first
// year written that every cohort of it has moved up from class 5.
constexpr int kSimulationStart = 100;
constexpr double kGirlsAtEntry = 0.52;

using SexField = int Sexes::*;
constexpr SexField kSexes[] = {&Sexes::boys, &Sexes::girls};

// Class 5 intake of a year relative to the school's usual size.
double IntakeTrend(int year) {
    if (year < 110) return 1.0;
    if (year < 115) return 0.95;
    if (year < 119) return 0.97;
    if (year < 125) return 1.02;
    return 1.04;
}

// Pupils arriving from abroad: the refugee years 2015/16 and the war in Ukraine from 2022.
double ArrivalFactor(int year) {
    if (year == 115 || year == 116) return 3.0;
    if (year == 122 || year == 123) return 5.0;
    if (year > 123) return 2.0;
    return 1.0;
}

// Not promoted at the end of a school year; 2019/20 and 2020/21 suspended or eased the rule.
double NotPromotedRate(int level, int year) {
    static const double rates[] = {0.0, 0.012, 0.022, 0.028, 0.03, 0.024, 0.02};
    double rate = level >= 0 && level <= kClass11 ? rates[level] : 0.0;
    if (year == 119) rate *= 0.25;
    if (year == 120) rate *= 0.6;
    return rate;
}

int TopLevel(int track) {
    return track == kEightYear ? 5 : kClass11;
}

int Grade(DemoRandom& random) {
    const double normal =
        (random.Unit() + random.Unit() + random.Unit() + random.Unit() - 2.0) * 1.7320508;
    return std::clamp(static_cast<int>(std::lround(23.5 + 6.0 * normal)), 10, 40);
}

class SchoolSimulation {
public:
    explicit SchoolSimulation(const DemoSchool& school)
        : school_(school), profile_(ProfileOf(school)), random_(MixSeed({school.seed, 17})) {}

    void Start() {
        const double intake = IntakeBase();
        for (int level = 0; level < kLevels; ++level) {
            if (level == kClass11) continue;
            const double keep = level < kJ1 ? std::pow(0.985, level) : level == kJ1 ? 0.9 : 0.87;
            const int pupils = static_cast<int>(std::lround(intake * keep));
            Sexes& cell = counts_[kEightYear][level];
            cell.girls = random_.Binomial(pupils, kGirlsAtEntry);
            cell.boys = pupils - cell.girls;
        }
    }

    // From the October figures of `year` to those of the next year; `next` receives what
    // happened in between.
    void Advance(int year, SchoolYearFigures& next) {
        LevelCounts after{};
        repeaters_ = LevelCounts{};
        for (int track : {kNineYear, kEightYear})
            for (int level = 0; level < kLevels; ++level)
                for (SexField sex : kSexes)
                    Move(track, level, sex, year, after, next);
        LimitRepeaters(after, next);
        for (int c = 0; c < kLeaverColumns; ++c) {
            LeaverCount& column = next.leavers[c];
            column.migration =
                random_.Binomial(column.pupils.Total(), std::min(0.9, profile_.migrationRate));
            column.foreign = random_.Binomial(
                column.migration, profile_.foreignRate / std::max(profile_.migrationRate, 0.01));
            // A "dar." column counts part of the column before it, in every row.
            if (c == kLeaveJ1Fh || c == kLeaveJ2Fh) {
                const LeaverCount& whole = next.leavers[c - 1];
                column.migration = std::min(column.migration, whole.migration);
                column.foreign = std::min({column.foreign, whole.foreign, column.migration});
            }
        }
        for (int level = 0; level <= kClass11; ++level) {
            const int notPromoted = next.notPromoted[level].Total();
            next.promotedByException[level] = random_.Binomial(notPromoted, 0.08);
            next.onProbation[level] =
                random_.Binomial(notPromoted - next.promotedByException[level], 0.05);
        }
        Arrivals(year + 1, after, next);
        counts_ = after;
        next.year = year + 1;
    }

    const LevelCounts& Counts() const { return counts_; }
    const SchoolProfile& Profile() const { return profile_; }

private:
    double IntakeBase() const {
        DemoRandom random(MixSeed({school_.seed, 3}));
        if (school_.isPrivate) return 40 + random.Below(36);
        // Roughly log-normal, so that the schools have 300 to 1,400 pupils.
        const double normal = (random.Unit() + random.Unit() + random.Unit() - 1.5) * 2.0;
        return std::clamp(86.0 * std::exp(0.33 * normal), 42.0, 158.0);
    }

    // Hardly more than a tenth of a level repeats it: the others leave the school instead
    // (from the final years as leavers of table 3.2, from the lower levels to other kinds of
    // school).
    void LimitRepeaters(LevelCounts& after, SchoolYearFigures& next) {
        for (int level = 0; level < kLevels; ++level) {
            const int size = after[kNineYear][level].Total() + after[kEightYear][level].Total();
            int excess = next.origins[level][kRepeater] - (2 + size / 10);
            for (int track : {kNineYear, kEightYear})
                for (SexField sex : kSexes)
                    while (excess > 0 && repeaters_[track][level].*sex > 0) {
                        --(repeaters_[track][level].*sex);
                        --(after[track][level].*sex);
                        --next.origins[level][kRepeater];
                        --excess;
                        if (level == kJ1) Leave(next, kLeaveJ1, sex, 1);
                        if (level == kJ2) Leave(next, kLeaveJ2Without, sex, 1);
                    }
        }
    }

    void Leave(SchoolYearFigures& next, LeaverColumn column, SexField sex, int count) {
        next.leavers[column].pupils.*sex += count;
    }

    void Move(int track, int level, SexField sex, int year, LevelCounts& after,
              SchoolYearFigures& next) {
        const int count = counts_[track][level].*sex;
        if (count == 0) return;
        if (level == kJ2) {
            const int dropped = random_.Binomial(count, 0.01);
            // At most one failure in 30, so that no school has remarkably many.
            const int failed =
                std::min(random_.Binomial(count - dropped, 0.018), (count - dropped) / 30);
            const int repeating = random_.Binomial(failed, 0.5);
            const int passed = count - dropped - failed;
            after[track][kJ2].*sex += repeating;
            repeaters_[track][kJ2].*sex += repeating;
            next.origins[kJ2][kRepeater] += repeating;
            Leave(next, kLeaveJ2With, sex, passed);
            const int without = dropped + failed - repeating;
            Leave(next, kLeaveJ2Without, sex, without);
            Leave(next, kLeaveJ2Fh, sex, random_.Binomial(without, 0.5));
            for (int i = 0; i < passed; ++i)
                ++next.grades[Grade(random_) - 10];
            next.failed += failed;
            return;
        }
        if (level == kJ1) {
            const int leaving = random_.Binomial(count, 0.025);
            Leave(next, kLeaveJ1, sex, leaving);
            Leave(next, kLeaveJ1Fh, sex, random_.Binomial(leaving, 0.4));
            const int repeating = random_.Binomial(count - leaving, 0.02);
            after[track][kJ1].*sex += repeating;
            repeaters_[track][kJ1].*sex += repeating;
            next.origins[kJ1][kRepeater] += repeating;
            after[track][kJ2].*sex += count - leaving - repeating;
            next.origins[kJ2][kGymnasiumBelow] += count - leaving - repeating;
            return;
        }
        if (level > TopLevel(track)) return;
        const int notPromoted = random_.Binomial(count, NotPromotedRate(level, year));
        next.notPromoted[level].*sex += notPromoted;
        const int toOtherSchools = random_.Binomial(notPromoted, 0.15);
        int toWork = 0;
        if (level == 4 || level == 5) {
            toWork = random_.Binomial(notPromoted - toOtherSchools, 0.12);
            Leave(next, level == 4 ? kLeave9Without : kLeave10Without, sex, toWork);
        }
        const int repeating = notPromoted - toOtherSchools - toWork;
        after[track][level].*sex += repeating;
        repeaters_[track][level].*sex += repeating;
        next.origins[level][kRepeater] += repeating;

        int promoted = count - notPromoted;
        promoted -= random_.Binomial(promoted, level <= 3 ? 0.012 : 0.005);
        int leaving = 0;
        if (level == 4) {
            leaving = random_.Binomial(promoted, 0.004);
            Leave(next, kLeave9With, sex, leaving);
        } else if (level == 5) {
            leaving = random_.Binomial(promoted, track == kEightYear ? 0.05 : 0.01);
            Leave(next, kLeave10With, sex, leaving);
        } else if (level == kClass11) {
            leaving = random_.Binomial(promoted, 0.02);
            Leave(next, kLeave11, sex, leaving);
        }
        promoted -= leaving;
        const int target = level == TopLevel(track) ? kJ1 : level + 1;
        after[track][target].*sex += promoted;
        next.origins[target][kGymnasiumBelow] += promoted;
    }

    void Arrivals(int year, LevelCounts& after, SchoolYearFigures& next) {
        // Class 5, on the 9-year track for the schools that offer it again.
        const int intake = static_cast<int>(
            std::lround(IntakeBase() * IntakeTrend(year) * random_.Around(1, 0.07)));
        const bool nineYear = school_.nineYearStart > 0 && year >= school_.nineYearStart;
        const int nine =
            nineYear ? static_cast<int>(std::lround(intake * school_.nineYearShare)) : 0;
        for (int track : {kNineYear, kEightYear}) {
            const int pupils = track == kNineYear ? nine : intake - nine;
            const int girls = random_.Binomial(pupils, kGirlsAtEntry);
            after[track][0].girls += girls;
            after[track][0].boys += pupils - girls;
        }
        const int abroad = random_.Binomial(intake, 0.01 * ArrivalFactor(year));
        const int waldorf = random_.Binomial(intake - abroad, 0.003);
        next.origins[0][kAbroad] += abroad;
        next.origins[0][kWaldorf] += waldorf;
        next.origins[0][kPrimary] += intake - abroad - waldorf;

        // A few pupils a year join the higher levels from other schools and from abroad.
        const double arrival = ArrivalFactor(year);
        for (int level = 1; level <= kJ1; ++level) {
            const int track = after[kNineYear][level].Total() > after[kEightYear][level].Total()
                                  ? kNineYear
                                  : kEightYear;
            const int size = after[track][level].Total();
            if (size == 0) continue;
            const double rate = level == kJ1 ? 0.025 : level == kClass11 ? 0.02 : 0.008;
            const int arriving = random_.Binomial(size, rate * (0.5 + 0.5 * arrival));
            std::vector<double> weights(kOriginCount, 0.0);
            if (level == kJ1) {
                weights[kBelowGms] = year >= 113 ? 0.4 : 0;
                weights[kAbroad] = 0.3 * arrival;
                weights[kGymnasiumBelow] = 0.3;
            } else {
                weights[kBelowRs] = 0.35;
                weights[kSameRs] = level < kClass11 ? 0.1 : 0;
                weights[kBelowWrs] = 0.06;
                weights[kSameWrs] = level < kClass11 ? 0.02 : 0;
                weights[kSameGms] = year >= 113 ? 0.04 : 0;
                weights[kBelowGms] = year >= 113 ? 0.1 : 0;
                weights[kAbroad] = 0.15 * arrival;
                weights[kPreparatory] = year >= 116 ? 0.03 * arrival : 0;
                weights[kWaldorf] = 0.03;
                weights[kSpecialSchool] = 0.01;
                weights[kGymnasiumBelow] = 0.25;
            }
            for (int i = 0; i < arriving; ++i) {
                ++next.origins[level][random_.Pick(weights)];
                (random_.Chance(0.5) ? after[track][level].girls : after[track][level].boys)++;
            }
        }
    }

    const DemoSchool& school_;
    SchoolProfile profile_;
    DemoRandom random_;
    LevelCounts counts_{};
    LevelCounts repeaters_{}; // who stays in their level, during Advance
};

} // namespace

Sexes SchoolYearFigures::LevelPupils(int level) const {
    Sexes sum = tracks[kNineYear][level].pupils;
    sum += tracks[kEightYear][level].pupils;
    return sum;
}

int SchoolYearFigures::TotalPupils() const {
    int sum = 0;
    for (int level = 0; level < kLevels; ++level)
        sum += LevelPupils(level).Total();
    return sum;
}

std::vector<SchoolYearFigures> SimulateSchool(const DemoSchool& school, int fromYear, int toYear) {
    SchoolSimulation simulation(school);
    simulation.Start();
    std::vector<SchoolYearFigures> years;
    for (int year = kSimulationStart; year < toYear; ++year) {
        SchoolYearFigures next;
        simulation.Advance(year, next);
        if (next.year >= fromYear) {
            DescribeYear(school, simulation.Profile(), simulation.Counts(), next);
            years.push_back(std::move(next));
        }
    }
    return years;
}

} // namespace tev::demo
