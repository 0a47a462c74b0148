#include "output/codepage.h"

#include <gtest/gtest.h>

using namespace tev;

TEST(CodePage, ProgramTextsRoundTripThroughCp1252) {
    const std::string text = Win("Übersicht für Schüler ½ ß");
    EXPECT_EQ(text.size(), 25u);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xDC);
    EXPECT_EQ(Utf8FromWin(text), "Übersicht für Schüler ½ ß");
    EXPECT_EQ(Win("plain;ASCII 12\r\n"), "plain;ASCII 12\r\n");
}

TEST(CodePage, DosFilesDecodeAndEncode) {
    const std::string dos = "\x8E\x99\x9A\x84\x94\x81\xE1\xAB";
    EXPECT_EQ(Utf8FromDos(dos), "ÄÖÜäöüß½");
    EXPECT_EQ(DosFromUtf8("ÄÖÜäöüß½"), dos);
    EXPECT_EQ(DosFromUtf8("€"), "?");
}

TEST(CodePage, DisplayShowsUmlautsOfBothCodePages) {
    EXPECT_EQ(DisplayText(Win("Köln")), "Köln");
    EXPECT_EQ(DisplayText(DosFromUtf8("Köln Straße ½")), "Köln Straße ½");
    EXPECT_EQ(DisplayText("a;b"), "a;b");
}

TEST(CodePage, MalformedUtf8IsKeptAsCp1252) {
    EXPECT_EQ(Win(std::string("K\xF6ln")), std::string("K\xF6ln"));
}
