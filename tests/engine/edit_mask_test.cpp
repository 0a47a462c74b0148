#include "output/edit_mask.h"

#include <gtest/gtest.h>

using namespace tev;

TEST(EditMask, DigitsLettersAndBlankCharacter) {
    EXPECT_EQ(TranslateEditMask("99/99/99-99/99/99;1;_"), "00/00/00-00/00/00;_");
    EXPECT_EQ(TranslateEditMask("000-LLl;0; "), "999-AAa; ");
    EXPECT_EQ(TranslateEditMask("AaCc#"), "NnXx#;_");
    EXPECT_EQ(TranslateEditMask(">LL<>l"), ">AA!a;_");
}

TEST(EditMask, LiteralsThatMeanSomethingToTheToolkitAreEscaped) {
    EXPECT_EQ(TranslateEditMask("Dx\\9!"), "\\D\\x\\9;_");
    EXPECT_EQ(TranslateEditMask("[H]"), "\\[\\H\\];_");
    EXPECT_EQ(TranslateEditMask(""), ";_");
    EXPECT_EQ(TranslateEditMask("9\\"), "0\\\\;_");
}

TEST(EditMask, WidthCodesWithoutAMask) {
    EXPECT_EQ(InputMaskFor("", -17).pattern, "00/00/00-00/00/00;_");
    EXPECT_EQ(InputMaskFor("", 0).pattern, "");
    EXPECT_EQ(InputMaskFor("", 0).maxLength, 0);
    EXPECT_EQ(InputMaskFor("", 12).pattern, "");
    EXPECT_EQ(InputMaskFor("", 12).maxLength, 12);
    EXPECT_EQ(InputMaskFor("000", 12).pattern, "999;_");
}
