#pragma once
// The weekly hours of the school profiles for the class levels 5 to 11: per profile the hours
// of the three foreign-language positions and of 14 subject groups, for the 9-year track and,
// derived from it, for the 8-year track.
#include <array>
#include <string>
#include <string_view>

namespace tev {

class TraceLog;

inline constexpr int kProfileCount = 14;
inline constexpr int kSubjectGroups = 14;
inline constexpr int kTimetableLevels = 7;
// GroupHoursAt: the sum of all positions and groups of a level (8-year track).
inline constexpr int kAllGroups = -99;

enum class Track { NineYear, EightYear };

// A class level of a school year is on the 8-year track when the year code minus the level
// index is 103 or more.
Track TrackOf(int yearCode, int levelIndex);

// Hours indexed [position or group][level], both from 1; index 0 unused.
struct ProfileHours {
    std::array<std::array<int, kTimetableLevels + 1>, 4> language{};
    std::array<std::array<int, kTimetableLevels + 1>, kSubjectGroups + 1> groups{};
};

struct Profile {
    char letter = ' ';
    std::string shortName;
    std::string longName;
    ProfileHours nineYear;
    ProfileHours eightYear;
};

class ProfileTimetable {
public:
    // Adds a profile: code = index character ("1".."9", "J".."N") and letter; nameText =
    // letter, blank, short name; language hours "5544433 0045443 0000545"; group hours 14
    // groups of seven digits. An index above 14 is refused with a log line.
    bool Add(std::string_view code, std::string_view nameText, std::string_view longName,
             std::string_view languageHours, std::string_view groupHours,
             const TraceLog* log = nullptr);

    // Index 1..14; nullptr for a profile that was not added.
    const Profile* At(int index) const;

private:
    std::array<Profile, kProfileCount + 1> profiles_{};
    std::array<bool, kProfileCount + 1> present_{};
};

// The office's 14 profiles, built once.
const ProfileTimetable& StandardProfileTimetable();

// 1..14 for a profile letter ("I" counts as "N", "V" as "S"), 0 for any other.
int ProfileIndex(char letter);

// What changes the lookups besides profile, level and year.
struct TimetableSwitches {
    // The 9-year lookups read one level further.
    bool extraLevel = false;
    // The school group text begins with "WKc ": an hour more in the first language, the
    // second language of the middle levels, group 1 and group 5.
    bool wkc = false;
};

// Weekly hours of a language position (1..3; 4 reads as 3) at a level on the track of the
// year; a level of -10..-1 asks for the sum over the levels of the 8-year table.
int LanguageHoursAt(const ProfileTimetable& timetable, int profile, int position, char letter,
                    int yearCode, int level, const TimetableSwitches& switches = {});
int LanguageHoursOnTrack(const ProfileTimetable& timetable, Track track, int profile, int position,
                         char letter, int level, const TimetableSwitches& switches = {});

// Weekly hours of a subject group 1..14 at a level; kAllGroups gives the sum of the level on
// the 8-year track, any other group of 0 or below the hours left for the supplementary range
// of the 8-year track (0 on the 9-year track).
int GroupHoursAt(const ProfileTimetable& timetable, int profile, int group, int level, int yearCode,
                 const TimetableSwitches& switches = {});
int GroupHoursOnTrack(const ProfileTimetable& timetable, Track track, int profile, int group,
                      int level, const TimetableSwitches& switches = {});

} // namespace tev
