#include "output/selection_preset.h"

#include <gtest/gtest.h>

using namespace tev;

using Lines = std::vector<std::string>;

TEST(SelectionItems, SeparatedTextGivesOneLinePerField) {
    const auto items = BuildSelectionItems("Laser;Nadel;;PDF;", -1, 0);
    EXPECT_EQ(items.lines, (Lines{"Laser", "Nadel", "", "PDF"}));
    EXPECT_EQ(items.separatorLine, -1);
}

TEST(SelectionItems, FixedWidthItemsStopAtTheCountOrTheSource) {
    EXPECT_EQ(BuildSelectionItems("aaabbbccc", 2, 3).lines, (Lines{"aaa", "bbb"}));
    EXPECT_EQ(BuildSelectionItems("aaabbbcc", 9, 3).lines, (Lines{"aaa", "bbb", "cc"}));
    EXPECT_TRUE(BuildSelectionItems("aaa", 2000000, 0).lines.empty());
    EXPECT_TRUE(BuildSelectionItems("aaa", -7, 3).lines.empty());
}

TEST(SelectionItems, CountCodeWithSeparator) {
    // High byte 0xFE: the separator follows item 2; low byte: four items.
    const int code = static_cast<int16_t>(0xFE04);
    const auto items = BuildSelectionItems("p1  p2  p3  p4  ", code, 4);
    EXPECT_EQ(items.lines, (Lines{"p1  ", "p2  ", "----", "p3  ", "p4  "}));
    EXPECT_EQ(items.separatorLine, 2);
    EXPECT_EQ(ChosenItemNumber(1, items.separatorLine), 2);
    EXPECT_EQ(ChosenItemNumber(3, items.separatorLine), 3); // just after the separator
    EXPECT_EQ(ChosenItemNumber(4, items.separatorLine), 4);
    EXPECT_EQ(ChosenItemNumber(4, -1), 5);
}

TEST(SelectionPreset, AnswersTwiceWithLimitedDefaultsThenLetsTheDialogShow) {
    SelectionPreset preset;
    preset.Set(2);
    int number = 9;
    EXPECT_TRUE(preset.Take(number, 4));
    EXPECT_EQ(number, 4);
    number = 0;
    EXPECT_TRUE(preset.Take(number, 4));
    EXPECT_EQ(number, 1);
    number = 3;
    EXPECT_FALSE(preset.Take(number, 4));
    EXPECT_EQ(number, 3);
    EXPECT_EQ(preset.Left(), 0);
}
