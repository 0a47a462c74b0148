#include "demand/profile_timetable.h"

#include "output/text_routines.h"
#include "shell/trace_log.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tev {
namespace {

constexpr int kEightYearLevels = 6;
constexpr int kSumLevels = 10; // negative levels ask for the sum over levels 1..10
// The 8-year class 11 per group: only the low 3 bits of each character count.
constexpr std::string_view kEightYearLevel7Groups = "31213221211100";

// The base group hours of most profiles.
constexpr std::string_view kBaseGroups = "5544334 2322001 0022221 0000022 4535444 0002212 "
                                         "0000222 2221021 3333322 3221111 2221111 2221222 "
                                         "0000000 0000000";
// Where a profile's place or regional model is named.
constexpr std::string_view kPlace = "Standort";
constexpr std::string_view kPlaceShort = "Std";
constexpr std::string_view kRegionalModel = "Regionalmodell";

int IndexOfCode(char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'J' && c <= 'Z') return c - 'J' + 10;
    return 0;
}

// Blank-separated groups of seven digits into [group][level].
template <size_t N>
void ReadDigits(std::string_view text, std::array<std::array<int, kTimetableLevels + 1>, N>& to) {
    size_t group = 1;
    int level = 0;
    for (char c : text) {
        if (c == ' ') {
            if (level > 0) ++group;
            level = 0;
            continue;
        }
        ++level;
        if (group < N && level <= kTimetableLevels)
            to[group][level] = c >= '0' && c <= '9' ? c - '0' : 0;
    }
}

// The 8-year levels 1..6 come from the 9-year levels 1, 3, 4, 5, 6, 7; German and
// mathematics get an hour more and group 13 one hour in the first two years.
ProfileHours EightYearHours(const ProfileHours& nine) {
    ProfileHours eight;
    for (int level = 1; level <= kEightYearLevels; ++level) {
        const int from = level == 1 ? 1 : level + 1;
        for (size_t position = 1; position < eight.language.size(); ++position)
            eight.language[position][level] = nine.language[position][from];
        for (int group = 1; group <= kSubjectGroups; ++group)
            eight.groups[group][level] = nine.groups[group][from];
        eight.groups[1][level] += 1;
        eight.groups[5][level] += 1;
    }
    eight.groups[13][1] = 1;
    eight.groups[13][2] = 1;
    return eight;
}

std::string WithGroups(std::string_view base,
                       std::initializer_list<std::pair<int, const char*>> changes) {
    std::string text(base);
    for (const auto& [group, digits] : changes)
        text.replace(static_cast<size_t>(group - 1) * 8, 7, digits);
    return text;
}

int SumOverLevels(const std::array<int, kTimetableLevels + 1>& levels) {
    int sum = 0;
    for (int level = 1; level <= kTimetableLevels && level <= kSumLevels; ++level)
        sum += levels[level];
    return sum;
}

bool AsksForSum(int level) {
    return level >= -kSumLevels && level <= -1;
}

// The 9-year value at the level, one level further with the extra-level switch.
int NineYearValue(const std::array<int, kTimetableLevels + 1>& levels, int level,
                  const TimetableSwitches& switches) {
    const int at = level + (switches.extraLevel ? 1 : 0);
    return at <= kTimetableLevels ? levels[at] : 0;
}

int WeeklyTotalEightYear(int level) {
    return std::min(std::max(level + 31, 32), 35);
}

int LevelSumEightYear(const ProfileTimetable& timetable, int profile, int level,
                      const TimetableSwitches& switches) {
    int sum = 0;
    for (int position = 1; position <= 3; ++position)
        sum += LanguageHoursOnTrack(timetable, Track::EightYear, profile, position, ' ', level,
                                    switches);
    for (int group = 1; group <= kSubjectGroups; ++group)
        sum += GroupHoursOnTrack(timetable, Track::EightYear, profile, group, level, switches);
    return sum;
}

} // namespace

Track TrackOf(int yearCode, int levelIndex) {
    return yearCode - levelIndex >= 103 ? Track::EightYear : Track::NineYear;
}

bool ProfileTimetable::Add(std::string_view code, std::string_view nameText,
                           std::string_view longName, std::string_view languageHours,
                           std::string_view groupHours, const TraceLog* log) {
    const int index = code.empty() ? 0 : IndexOfCode(code[0]);
    if (index > kProfileCount) {
        if (log) log->Write("array zu klein, zu viele Sprachen");
        return false;
    }
    if (index < 1 || code.size() < 2) return false;
    Profile profile;
    profile.letter = code[1];
    profile.shortName = nameText.size() > 2 ? TrimRight(nameText.substr(2)) : std::string();
    profile.longName = longName.empty() ? profile.shortName : TrimRight(longName);
    ReadDigits(languageHours, profile.nineYear.language);
    ReadDigits(groupHours, profile.nineYear.groups);
    profile.eightYear = EightYearHours(profile.nineYear);
    profiles_[index] = std::move(profile);
    present_[index] = true;
    return true;
}

const Profile* ProfileTimetable::At(int index) const {
    if (index < 1 || index > kProfileCount || !present_[index]) return nullptr;
    return &profiles_[index];
}

const ProfileTimetable& StandardProfileTimetable() {
    static const ProfileTimetable timetable = [] {
        const std::string place(kPlace), placeShort(kPlaceShort);
        constexpr std::string_view kLanguages = "5544433 0045443 0000000";
        constexpr std::string_view kThreeLanguages = "5544433 0045443 0000545";
        constexpr std::string_view kEarlySecond = "5544433 3333333 0000545";
        ProfileTimetable t;
        t.Add("1S", "S Sprachprofil", "", kThreeLanguages, kBaseGroups);
        t.Add("2N", "N Naturwiss.", "NaturWissTechn.", kLanguages,
              WithGroups(kBaseGroups,
                         {{6, "0002223"}, {7, "0000322"}, {8, "2221122"}, {13, "0000111"}}));
        t.Add("3M", "M Musikprofil", "", kLanguages, WithGroups(kBaseGroups, {{10, "4443444"}}));
        t.Add("4B", "B BK-Profil", "", kLanguages, WithGroups(kBaseGroups, {{11, "4433444"}}));
        t.Add("5$", "$ Sportprofil", "", kLanguages, WithGroups(kBaseGroups, {{9, "4444555"}}));
        t.Add("6X", "X " + place + " MNI", placeShort + " NaturWissT", "5544333 0044443 0000000",
              "5544333 2322001 0022221 0000022 4445434 0002223 0000222 2221222 3333322 "
              "2221111 2221111 2221222 0000110 0000221");
        t.Add("7Y", "Y ABG", "6jAufbau/RS-Aufsetz", "0004544 0003444 0000000",
              "0055444 0022002 0022221 0000022 0046444 0002212 0000221 0022022 0033322 "
              "0022222 0022221 0021222 0000000 0000000");
        t.Add("83", "3 Sprachl. Zug(alt)", "Sprachprofil3", kThreeLanguages,
              "5544333 2322001 0022221 0000022 4535334 0002112 0000221 2221021 3333322 "
              "3221101 2220111 2221222 0000000 0000000");
        t.Add("92", "2 mn-Zug(alt)", "NaturWissTechn3", kLanguages,
              "5544444 2322001 0022221 0000022 4535554 0002123 0000221 2221022 3333322 "
              "3221201 2220211 2221222 0000000 0000000");
        t.Add("JD", "D " + place + " sprachl", placeShort + " Sprachprofil",
              "5544333 0044443 0000545",
              "5544333 2322001 0022221 0000022 4445434 0002222 0000222 2221021 3333322 "
              "2221111 2221111 2221222 0000000 0000000");
        t.Add("KT", "T NaturWissTechnik", "NaturWissTechn2", kLanguages,
              WithGroups(kBaseGroups, {{13, "0000444"}}));
        t.Add("LR", "R " + std::string(kRegionalModel), "Sprachprofil3", kEarlySecond, kBaseGroups);
        t.Add("MZ", "Z Bilingual E", "", kEarlySecond, kBaseGroups);
        t.Add("NF", "F Bilingual F", "", kEarlySecond, kBaseGroups);
        return t;
    }();
    return timetable;
}

int ProfileIndex(char letter) {
    if (letter == 'I') letter = 'N';
    if (letter == 'V') letter = 'S';
    const ProfileTimetable& timetable = StandardProfileTimetable();
    for (int index = 1; index <= kProfileCount; ++index) {
        const Profile* profile = timetable.At(index);
        if (profile && profile->letter == letter) return index;
    }
    return 0;
}

int LanguageHoursAt(const ProfileTimetable& timetable, int profile, int position, char letter,
                    int yearCode, int level, const TimetableSwitches& switches) {
    return LanguageHoursOnTrack(timetable, TrackOf(yearCode, level), profile, position, letter,
                                level, switches);
}

int LanguageHoursOnTrack(const ProfileTimetable& timetable, Track track, int profile, int position,
                         char letter, int level, const TimetableSwitches& switches) {
    const Profile* p = timetable.At(profile);
    if (p == nullptr || position < 1 || position > 4) return 0;
    if (position == 4) position = 3;
    if (AsksForSum(level)) return SumOverLevels(p->eightYear.language[position]);
    if (level < 1 || level > kTimetableLevels) return 0;
    int hours = 0;
    if (track == Track::NineYear) {
        hours = NineYearValue(p->nineYear.language[position], level, switches);
        const bool latinFirst = position == 1 && (letter == 'L' || letter == 'l');
        if (latinFirst && level <= 2 && hours != 0) ++hours;
    } else if (level == kTimetableLevels) {
        hours = position == 1 ? 3 : 4;
        if (position == 3 && p->eightYear.language[3][kEightYearLevels] < 4) hours = 0;
    } else {
        hours = p->eightYear.language[position][level];
    }
    if (switches.wkc) {
        if (position == 1 && level <= 6) ++hours;
        if (position == 2 && level >= 3 && level <= 5) ++hours;
    }
    return hours;
}

int GroupHoursAt(const ProfileTimetable& timetable, int profile, int group, int level, int yearCode,
                 const TimetableSwitches& switches) {
    return GroupHoursOnTrack(timetable, TrackOf(yearCode, level), profile, group, level, switches);
}

int GroupHoursOnTrack(const ProfileTimetable& timetable, Track track, int profile, int group,
                      int level, const TimetableSwitches& switches) {
    const Profile* p = timetable.At(profile);
    if (p == nullptr || group > kSubjectGroups) return 0;
    if (AsksForSum(level)) {
        if (group >= 1) return SumOverLevels(p->eightYear.groups[group]);
        if (group != kAllGroups) return 0;
        int sum = 0;
        for (int position = 1; position <= 3; ++position)
            sum += SumOverLevels(p->eightYear.language[position]);
        for (int g = 1; g <= kSubjectGroups; ++g)
            sum += SumOverLevels(p->eightYear.groups[g]);
        return sum;
    }
    if (level < 1 || level > kTimetableLevels) return 0;
    if (group <= 0) {
        if (track == Track::NineYear) return 0;
        const int sum = LevelSumEightYear(timetable, profile, level, switches);
        return group == kAllGroups ? sum : WeeklyTotalEightYear(level) - sum;
    }
    int hours = 0;
    if (track == Track::NineYear) {
        hours = NineYearValue(p->nineYear.groups[group], level, switches);
    } else if (level == kTimetableLevels) {
        hours = kEightYearLevel7Groups[group - 1] & 7;
        if (group >= 9 && p->eightYear.groups[group][kEightYearLevels] >= 4) hours = 4;
    } else {
        hours = p->eightYear.groups[group][level];
    }
    if (switches.wkc) {
        if (group == 1 && level <= 6) ++hours;
        if (group == 5 && level <= 5) ++hours;
    }
    return hours;
}

} // namespace tev
