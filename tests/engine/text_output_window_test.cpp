#include "output/codepage.h"
#include "output/dialog_options.h"
#include "output/text_window_actions.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;

using Lines = std::vector<std::string>;

TEST(DialogOptions, PlainTitleKeepsTheDefaults) {
    const auto options = ParseDialogOptions("Auswerten;filter");
    EXPECT_EQ(options.title, "Auswerten;filter");
    EXPECT_EQ(options.okCaption, "OK");
    EXPECT_EQ(options.cancelCaption, "Abbruch");
    EXPECT_TRUE(options.okVisible);
    EXPECT_FALSE(options.cancelHidden);
    EXPECT_EQ(options.step, 0);
    EXPECT_EQ(options.joinChar, ' ');
}

TEST(DialogOptions, CodesAreConsumedInTheirOrder) {
    const std::string title =
        std::string("\0\x05", 2) + "\x01\x02\x03\x07\x0b" + "\x0ex1;x2\x0e" + "\x1b|Titel";
    const auto options = ParseDialogOptions(title);
    EXPECT_EQ(options.widthLimit, 5);
    EXPECT_TRUE(options.cancelHidden);
    EXPECT_EQ(options.cancelCaption, Win("Schließen"));
    EXPECT_EQ(options.okCaption, "Weiter");
    EXPECT_TRUE(options.searchPanel);
    EXPECT_EQ(options.step, 1);
    EXPECT_TRUE(options.separatorSkip);
    EXPECT_EQ(options.extraLines, (Lines{"x1", "x2"}));
    EXPECT_EQ(options.joinChar, '|');
    EXPECT_EQ(options.title, "Titel");
}

TEST(DialogOptions, CodesOutOfOrderStayInTheTitle) {
    const auto options = ParseDialogOptions("\x03\x01Titel");
    EXPECT_EQ(options.okCaption, "Weiter");
    EXPECT_FALSE(options.cancelHidden);
    EXPECT_EQ(options.title, "\x01Titel");
}

TEST(DialogOptions, ListFileEditingOnceOrTwice) {
    const auto once = ParseDialogOptions("\x04\x05\x06Liste");
    EXPECT_EQ(once.listFileEditing, 1);
    EXPECT_FALSE(once.okVisible);
    EXPECT_EQ(once.cancelCaption, Win("Schließen"));
    EXPECT_TRUE(once.deleteLine);
    EXPECT_TRUE(once.copyLine);
    EXPECT_EQ(once.title, "Liste");
    EXPECT_EQ(ParseDialogOptions("\x04\x04Liste").listFileEditing, 2);
}

TEST(DialogOptions, StepCodesAndAnUnclosedExtraList) {
    EXPECT_EQ(ParseDialogOptions("\x09T").step, -1);
    EXPECT_EQ(ParseDialogOptions("\x0aT").step, 0);
    EXPECT_TRUE(ParseDialogOptions("\x0aT").separatorSkip);
    const auto unclosed = ParseDialogOptions("\x0e"
                                             "a;b");
    EXPECT_EQ(unclosed.extraLines, (Lines{"a", "b"}));
    EXPECT_EQ(unclosed.title, "");
    EXPECT_EQ(ParseDialogOptions(std::string(1, '\0')).title, std::string(1, '\0'));
}

TEST(RangeLines, FilterExtraLinesAndWidthLimit) {
    const Lines items = {"Mainz 1", "Trier 2", "Mainz 3"};
    auto options = ParseDialogOptions(std::string("\0\x06", 2) + "\x0e"
                                                                 "opt\x0e"
                                                                 "Wahl;Mainz;e1;e2;;e3");
    const auto listed = FillRangeLines(items, SplitRangeTitle(options.title), options);
    EXPECT_EQ(listed.caption, "Wahl");
    EXPECT_EQ(listed.lines, (Lines{"Mainz ", "Mainz ", "e1", "e2", "opt"}));
    EXPECT_EQ(listed.itemNumbers, (std::vector<int>{1, 3, 4, 5, 6}));
}

TEST(RangeLines, FilterRetriesWithCapitalAndEmptyCaptionTakesTheFirstLine) {
    const Lines items = {"Kopf", "Mainz", "Trier"};
    const auto options = ParseDialogOptions(";trier");
    const auto listed = FillRangeLines(items, SplitRangeTitle(options.title), options);
    EXPECT_EQ(listed.caption, "Trier");
    EXPECT_TRUE(listed.lines.empty());

    const auto all = FillRangeLines(items, SplitRangeTitle(""), ParseDialogOptions(""));
    EXPECT_EQ(all.caption, "Kopf");
    EXPECT_EQ(all.lines, (Lines{"Mainz", "Trier"}));
    EXPECT_EQ(all.itemNumbers, (std::vector<int>{2, 3}));
}

TEST(RangeLines, SeparatorSkipMovesByTheStep) {
    const Lines lines = {"a", "-", "--", "b"};
    auto options = ParseDialogOptions("\x0bT");
    EXPECT_EQ(AcceptedLine(lines, 1, options), 3);
    EXPECT_EQ(AcceptedLine(lines, 0, options), 0);
    options.step = -1;
    EXPECT_EQ(AcceptedLine(lines, 2, options), 0);
    options.step = 0;
    EXPECT_EQ(AcceptedLine(lines, 2, options), -1);
    EXPECT_EQ(AcceptedLine(lines, 7, options), -1);
    EXPECT_EQ(AcceptedLine(lines, 1, ParseDialogOptions("T")), 1);
}

TEST(TextWindow, FontsCycleAndFollowTheMode) {
    EXPECT_EQ(NextListFont("Arial"), "Courier New");
    EXPECT_EQ(NextListFont("Courier New"), "MS LineDraw");
    EXPECT_EQ(NextListFont("MS LineDraw"), "Arial");
    EXPECT_EQ(NextListFont("System"), "Arial");
    EXPECT_EQ(RangeListFont(-1001), "Arial");
    EXPECT_EQ(RangeListFont(-1000), "Courier New");
    EXPECT_EQ(RangeListFont(-1), "Courier New");
    EXPECT_EQ(RangeListFont(0), "MS LineDraw");
}

TEST(TextWindow, ColumnsWhenTheLinesDoNotFit) {
    // 20 lines fit a list of 340 pixels with items of 16.
    EXPECT_EQ(RangeListColumns(340, 16, 19, 0), 0);
    EXPECT_EQ(RangeListColumns(340, 16, 40, 0), 3);
    EXPECT_EQ(RangeListColumns(340, 16, 4000, 0), 25);
    EXPECT_EQ(RangeListColumns(340, 16, 4000, 8), 5);
    EXPECT_EQ(RangeListColumns(340, 16, 4000, 17), 0);
    EXPECT_EQ(RangeListColumns(10, 16, 3, 0), 4);
}

TEST(TextWindow, SearchWrapsAndSkipsTheCurrentLine) {
    const Lines lines = {"Mainz", "Trier", "mainz-Land"};
    EXPECT_EQ(FindLineAfter(lines, 0, "MAINZ"), 2);
    EXPECT_EQ(FindLineAfter(lines, 2, "mainz"), 0); // wraps from the last line to the first
    EXPECT_EQ(FindLineAfter(lines, 1, "trier"), -1);
    EXPECT_EQ(FindLineAfter(lines, -1, "trier"), 1);
    EXPECT_EQ(FindLineAfter({"\xE4rger"}, -1, "\xC4R"), 0);
    EXPECT_EQ(FindLineAfter({}, -1, "x"), -1);

    const std::string first = SearchCaption("Liste", 2, "mainz-Land");
    EXPECT_EQ(first, "Liste   -->\x9E"
                     "2: mainz-Land");
    EXPECT_EQ(SearchCaption(first, 0, "Mainz"), "Liste   -->\x9E"
                                                "0: Mainz");
}

TEST(TextWindow, ClipboardTakesTheMarkedLinesOnlyWhenSeveralAreMarked) {
    EXPECT_EQ(MarkedOrAllLines(true, 2, 4, 10).from, 1);
    EXPECT_EQ(MarkedOrAllLines(true, 2, 4, 10).to, 3);
    EXPECT_EQ(MarkedOrAllLines(true, 4, 4, 10).from, 0);
    EXPECT_EQ(MarkedOrAllLines(true, 2, 11, 10).to, 9);
    EXPECT_EQ(MarkedOrAllLines(false, 2, 4, 10).from, 0);
}

TEST(ListFile, EditsAreSavedAndReadBack) {
    test::TempDir temp;
    const std::string file = (temp.path() / "liste.dat").string();
    auto lines = ReadListFile(file);
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(AddListLine(lines, "", -1));
    EXPECT_TRUE(AddListLine(lines, "b", -1));
    EXPECT_TRUE(AddListLine(lines, "a", 0));
    EXPECT_TRUE(AddListLine(lines, "c", 9));
    SaveListFile(file, lines);
    EXPECT_EQ(test::ReadFile(file), "a\r\nb\r\nc\r\n");

    std::string removed;
    EXPECT_EQ(RemoveListLine(lines, 1, removed), 1);
    EXPECT_EQ(removed, "b");
    EXPECT_EQ(RemoveListLine(lines, 1, removed), -1);
    EXPECT_EQ(RemoveListLine(lines, 5, removed), -1);
    SaveListFile(file, lines);
    EXPECT_EQ(ReadListFile(file), (Lines{"a"}));
    SaveListFile((temp.path() / "no" / "such.dat").string(), lines); // silent
}
