#pragma once
// Classes and teaching groups formed from pupil numbers: the class divisor, the class count
// and its correction for classes that would become too large, and the foreign-language
// groups of one class level.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tev {

// Class level index 1..7 stands for the levels 5..11; indices above 7 for the final years.
inline constexpr int kLowerLevels = 7;

// The 15 one-letter language codes, index 1..15 (the first match counts: "T" is 12).
inline constexpr std::string_view kLanguageLetters = "EFLGRSIHPJCTTTN";
inline constexpr int kLanguageCount = 15;
// 1st, 2nd and 3rd foreign language, and the 4th position: a third language the school
// chooses itself, which starts later than the sequence's standard third language.
inline constexpr int kLanguagePositions = 4;

// The pupils that make one class: 20 in the final years, 33 below (in both demand modes).
int ClassDivisor(int mode, int levelIndex);
// Pupils divided by the divisor, rounded up; 0 for no pupils.
int ClassCount(int pupils, int levelIndex, int mode = 0);
// ClassCount, one class more when the classes would be larger than the threshold formed from
// the averages A and B; only when the caller has a reference class count of at least 1.
int ClassCountAdjusted(int pupils, int levelIndex, int averageA, int averageB,
                       int referenceClasses);

// 1..15 for a language letter (upper or lower case), 0 for any other character.
int LanguageIndex(char letter);
// The 3-character display name ("E  ", "Gr ", "NWT"); another letter is shown as itself.
std::string LanguageName(char letter);

// One language-sequence row of a class level: its pupils and the letters of its 1st, 2nd
// and 3rd foreign language (blank for none).
struct SequenceRow {
    int pupils = 0;
    std::array<char, 3> letters{' ', ' ', ' '};
    // The third language is the school's own choice (the standard sequence leaves it open).
    bool ownThirdLanguage = false;
};

// Pupils and groups per position (1..4) and language (1..15); index 0 is unused.
struct LanguageGroupTable {
    std::array<std::array<int, kLanguageCount + 1>, kLanguagePositions + 1> pupils{};
    std::array<std::array<int, kLanguageCount + 1>, kLanguagePositions + 1> groups{};
    // Pupils of the level with a third foreign language.
    int thirdLanguagePupils = 0;
};

// Counts the sequences, balances and merges neighbouring positions of each language, drops
// groups of fewer than 5 pupils and forms the groups. `mode` is the demand mode, whose
// divisor the 4th position uses.
LanguageGroupTable FormLanguageGroups(int levelIndex, std::span<const SequenceRow> rows,
                                      int mode = 0);

} // namespace tev
