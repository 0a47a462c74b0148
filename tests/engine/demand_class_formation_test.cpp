// Classes from pupil numbers and the foreign-language groups of one class level.
#include "demand/class_formation.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tev;

namespace {

SequenceRow Row(int pupils, const char* letters, bool ownThird = false) {
    SequenceRow row;
    row.pupils = pupils;
    for (int i = 0; i < 3 && letters[i] != '\0'; ++i)
        row.letters[i] = letters[i];
    row.ownThirdLanguage = ownThird;
    return row;
}

constexpr int kLevel = 3; // class 7
constexpr int kE = 1, kF = 2, kL = 3, kS = 6;

} // namespace

TEST(ClassFormation, ClassCountRoundsUpByTheDivisorOfTheLevel) {
    struct Case {
        int pupils, level, classes;
    };
    for (const Case& c : {Case{0, 1, 0}, Case{-5, 1, 0}, Case{1, 1, 1}, Case{33, 1, 1},
                          Case{34, 1, 2}, Case{66, 7, 2}, Case{67, 7, 3}, Case{20, 8, 1},
                          Case{21, 8, 2}, Case{40, 9, 2}, Case{41, 9, 3}})
        EXPECT_EQ(ClassCount(c.pupils, c.level), c.classes) << c.pupils << " at " << c.level;
    EXPECT_EQ(ClassDivisor(0, 7), 33);
    EXPECT_EQ(ClassDivisor(1, 7), 33);
    EXPECT_EQ(ClassDivisor(1, 8), 20);
}

TEST(ClassFormation, AdjustedCountAddsAClassAboveTheThreshold) {
    // T = max(A + 1, min((B + 34) / 2, 33)); with A 27, B 28: T = max(28, 31) = 31.
    EXPECT_EQ(ClassCountAdjusted(62, 1, 27, 28, 2), 2); // 31 a class: not above
    EXPECT_EQ(ClassCountAdjusted(64, 1, 27, 28, 2), 3); // 32 a class
    // A large own average raises the threshold: T = 33 keeps every count.
    EXPECT_EQ(ClassCountAdjusted(66, 1, 32, 28, 2), 2);
    // B beyond 32 is capped at 33: T = max(21, 33).
    EXPECT_EQ(ClassCountAdjusted(66, 1, 20, 40, 2), 2);
    // Without a reference class count, or without pupils, nothing is added.
    EXPECT_EQ(ClassCountAdjusted(64, 1, 27, 28, 0), 2);
    EXPECT_EQ(ClassCountAdjusted(0, 1, 27, 28, 2), 0);
}

TEST(ClassFormation, LanguageLettersAndNames) {
    EXPECT_EQ(LanguageIndex('E'), 1);
    EXPECT_EQ(LanguageIndex('T'), 12);
    EXPECT_EQ(LanguageIndex('N'), 15);
    EXPECT_EQ(LanguageIndex('e'), 1);
    EXPECT_EQ(LanguageIndex('_'), 0);
    EXPECT_EQ(LanguageIndex('X'), 0);
    EXPECT_EQ(LanguageName('G'), "Gr ");
    EXPECT_EQ(LanguageName('H'), "Heb");
    EXPECT_EQ(LanguageName('N'), "NWT");
    EXPECT_EQ(LanguageName('X'), "X  ");
}

TEST(ClassFormation, SequencesCountPerPositionAndThirdLanguageTotal) {
    const std::vector<SequenceRow> rows = {Row(60, "EF"), Row(20, "EFL"), Row(12, "EF_"),
                                           Row(0, "LE"), Row(15, "EFS", true)};
    const LanguageGroupTable t = FormLanguageGroups(kLevel, rows);
    EXPECT_EQ(t.pupils[1][kE], 107);
    EXPECT_EQ(t.pupils[2][kF], 107);
    EXPECT_EQ(t.pupils[3][kL], 20);
    EXPECT_EQ(t.pupils[4][kS], 15); // the school's own third language
    EXPECT_EQ(t.pupils[1][kL], 0);  // a row without pupils counts nothing
    EXPECT_EQ(t.thirdLanguagePupils, 35);
    EXPECT_EQ(t.groups[1][kE], 4);
    EXPECT_EQ(t.groups[3][kL], 1);
    EXPECT_EQ(t.groups[4][kS], 1);
}

// Two positions of one language: the later one at position 2 ("FE"), the earlier at 1 ("F").
TEST(ClassFormation, NeighbouringPositionsAreBalancedDroppedAndMerged) {
    struct Case {
        int first, second;
        int expectFirst, expectSecond;
    };
    const Case cases[] = {
        {3, 1, 0, 0},     // fewer than 5 pupils form no group
        {3, 2, 5, 0},     // 5 pupils are taught, in one group
        {25, 8, 33, 0},   // the 8 join the 25: one group of 33
        {5, 3, 8, 0},     // the smaller joins the larger
        {34, 1, 35, 0},   // 3 groups apart, 2 together: the pupil moves
        {40, 30, 40, 30}, // 3 groups either way
        {12, 12, 24, 0},  // 2 groups apart, 1 together
    };
    for (const Case& c : cases) {
        const std::vector<SequenceRow> rows = {Row(c.first, "F"), Row(c.second, "EF")};
        const LanguageGroupTable t = FormLanguageGroups(kLevel, rows);
        EXPECT_EQ(t.pupils[1][kF], c.expectFirst) << c.first << "/" << c.second;
        EXPECT_EQ(t.pupils[2][kF], c.expectSecond) << c.first << "/" << c.second;
    }
    const std::vector<SequenceRow> rows = {Row(3, "F"), Row(2, "EF")};
    EXPECT_EQ(FormLanguageGroups(kLevel, rows).groups[1][kF], 1);
}

// French first (position 1) and French third ("ELF", position 3) are no neighbours: only the
// merging joins them.
TEST(ClassFormation, SmallPositionsJoinTheLargestOfTheLanguage) {
    struct Case {
        int first, third;
        int expectFirst, expectThird;
    };
    const Case cases[] = {
        {25, 8, 33, 0},   // the 8 join the 25
        {12, 9, 21, 0},   // below 10 joins
        {12, 12, 12, 12}, // no position below 10
        {8, 20, 0, 28},   // the largest takes the small one, wherever it stands
        {40, 3, 40, 0},   // 3 pupils alone at position 3 form no group
    };
    for (const Case& c : cases) {
        const std::vector<SequenceRow> rows = {Row(c.first, "F"), Row(c.third, "ELF")};
        const LanguageGroupTable t = FormLanguageGroups(kLevel, rows);
        EXPECT_EQ(t.pupils[1][kF], c.expectFirst) << c.first << "/" << c.third;
        EXPECT_EQ(t.pupils[3][kF], c.expectThird) << c.first << "/" << c.third;
        EXPECT_EQ(t.pupils[2][kF], 0);
    }
}

TEST(ClassFormation, BalancingReachesTheJointGroupCountWithManyPupils) {
    const std::vector<SequenceRow> rows = {Row(100, "F"), Row(32000, "EF")};
    const LanguageGroupTable t = FormLanguageGroups(kLevel, rows);
    EXPECT_EQ(t.pupils[1][kF] + t.pupils[2][kF], 32100);
    EXPECT_EQ(t.groups[1][kF] + t.groups[2][kF], ClassCount(32100, kLevel));
}
