#include "demand/class_formation.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kFinalYearDivisor = 20;
constexpr int kLowerLevelDivisor = 33;
constexpr int kSmallestGroup = 5;
constexpr int kMergeBelow = 10;
constexpr std::string_view kLanguageNames = "E  F  L  Gr Ru Sp I  HebPorJapChiTurTurTurNWT";

int GroupsAt(int pupils, int position, int levelIndex, int mode) {
    return ClassCount(pupils, levelIndex, position == kLanguagePositions ? mode : 0);
}

void CountSequences(LanguageGroupTable& table, std::span<const SequenceRow> rows) {
    for (const SequenceRow& row : rows) {
        if (row.pupils <= 0) continue;
        for (int position = 1; position <= 3; ++position) {
            const int language = LanguageIndex(row.letters[position - 1]);
            if (language == 0) continue;
            const bool own = position == 3 && row.ownThirdLanguage;
            table.pupils[own ? kLanguagePositions : position][language] += row.pupils;
            if (position == 3) table.thirdLanguagePupils += row.pupils;
        }
    }
}

// Pupils move from the later position to the earlier one as long as the two form more
// groups apart than together. This ends after fewer than a divisor's worth of moves.
void Balance(LanguageGroupTable& table, int levelIndex, int mode) {
    for (int language = 1; language <= kLanguageCount; ++language) {
        for (int position = 1; position < kLanguagePositions; ++position) {
            int& a = table.pupils[position][language];
            int& b = table.pupils[position + 1][language];
            while (GroupsAt(a, position, levelIndex, mode) +
                       GroupsAt(b, position + 1, levelIndex, mode) >
                   GroupsAt(a + b, position, levelIndex, mode)) {
                --b;
                ++a;
            }
        }
    }
}

void DropSmallGroups(LanguageGroupTable& table) {
    for (int language = 1; language <= kLanguageCount; ++language) {
        for (int position = 1; position < kLanguagePositions; ++position) {
            int& a = table.pupils[position][language];
            int& b = table.pupils[position + 1][language];
            if (a + b >= 1 && a + b < kSmallestGroup) a = b = 0;
        }
    }
}

// A language taught at several positions, one of them below 10 pupils: every position
// below 10 joins the largest one.
void MergeSmallPositions(LanguageGroupTable& table) {
    for (int language = 1; language <= kLanguageCount; ++language) {
        int taught = 0;
        bool small = false;
        int largest = 0;
        for (int position = 1; position <= kLanguagePositions; ++position) {
            const int pupils = table.pupils[position][language];
            if (pupils <= 0) continue;
            ++taught;
            small = small || pupils < kMergeBelow;
            if (largest == 0 || pupils > table.pupils[largest][language]) largest = position;
        }
        if (taught < 2 || !small) continue;
        for (int position = 1; position <= kLanguagePositions; ++position) {
            int& pupils = table.pupils[position][language];
            if (position == largest || pupils <= 0 || pupils >= kMergeBelow) continue;
            table.pupils[largest][language] += pupils;
            pupils = 0;
        }
    }
}

} // namespace

int ClassDivisor(int /*mode*/, int levelIndex) {
    return levelIndex > kLowerLevels ? kFinalYearDivisor : kLowerLevelDivisor;
}

int ClassCount(int pupils, int levelIndex, int mode) {
    if (pupils < 1) return 0;
    return (pupils - 1) / ClassDivisor(mode, levelIndex) + 1;
}

int ClassCountAdjusted(int pupils, int levelIndex, int averageA, int averageB,
                       int referenceClasses) {
    const int classes = ClassCount(pupils, levelIndex);
    if (classes < 1 || referenceClasses < 1) return classes;
    const int threshold = std::max(averageA + 1, std::min((averageB + 34) / 2, 33));
    return threshold < pupils / classes ? classes + 1 : classes;
}

int LanguageIndex(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    const size_t found = kLanguageLetters.find(letter);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string LanguageName(char letter) {
    const int index = LanguageIndex(letter);
    if (index == 0) return std::string(1, letter) + "  ";
    return std::string(kLanguageNames.substr(3 * index - 3, 3));
}

LanguageGroupTable FormLanguageGroups(int levelIndex, std::span<const SequenceRow> rows, int mode) {
    LanguageGroupTable table;
    CountSequences(table, rows);
    Balance(table, levelIndex, mode);
    DropSmallGroups(table);
    MergeSmallPositions(table);
    for (int position = 1; position <= kLanguagePositions; ++position)
        for (int language = 1; language <= kLanguageCount; ++language)
            table.groups[position][language] =
                GroupsAt(table.pupils[position][language], position, levelIndex, mode);
    return table;
}

} // namespace tev
