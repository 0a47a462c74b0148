#include "output/codepage.h"
#include "output/print_commands.h"
#include "output/print_document.h"
#include "output/print_list.h"
#include "output/text_routines.h"
#include "support/print_fixture.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;
using Kind = CanvasCall::Kind;

namespace {

using PrintListTest = PrintFixture;

TEST_F(PrintListTest, TheDialogShowsTitleAndFirstLinesThenPrintsWithHeader) {
    ui.AddAnswer("1");
    EXPECT_TRUE(PrintList(engine, "Titel", {"eins", "zwei", "drei"}, 0, 35, -1));
    EXPECT_EQ(ui.questions().at(0), "Titel\r\reins\rzwei\r...");

    const auto begin = canvas->Calls(Kind::Begin);
    ASSERT_EQ(begin.size(), 1u);
    EXPECT_EQ(begin[0].orientation, PageOrientation::Portrait);
    const CanvasCall* date = canvas->FindText("20.11.16");
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->x, 1600);
    EXPECT_EQ(date->y, 50);
    const CanvasCall* title = canvas->FindText("Titel");
    EXPECT_EQ(title->x, 100);
    EXPECT_EQ(title->y, 50);
    EXPECT_EQ(title->font.name, "Courier New");

    const auto lines = LineTexts(35);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "eins");
    EXPECT_EQ(lines[0].y, 100);
    EXPECT_EQ(lines[2].y, 170);
    EXPECT_EQ(Count(Kind::End), 1);
    EXPECT_EQ(engine.print.cursor, 50);
    EXPECT_FALSE(engine.print.printing);
    EXPECT_EQ(engine.print.progressText, "Titel ist gedruckt");
}

TEST_F(PrintListTest, CancelPrintsNothingAndViewingAsksAgain) {
    ui.AddAnswer("abbruch");
    EXPECT_FALSE(PrintList(engine, "T", {"a"}, 0, 35, -1));
    EXPECT_TRUE(canvas->calls().empty());

    ui.AddAnswer("anschauen");
    ui.AddAnswer("wirklich drucken");
    EXPECT_TRUE(PrintList(engine, "+T", {"a", "b"}, 0, 35, -1));
    // "+" shows the lines before the dialog, "anschauen" once more.
    EXPECT_EQ(std::count(ui.messages().begin(), ui.messages().end(), "b"), 2);
    EXPECT_EQ(Count(Kind::Begin), 1);
}

TEST_F(PrintListTest, SavingAsTextWritesTheLinesAndPrintsNothing) {
    ui.AddAnswer("2");
    ui.AddAnswer("liste");
    EXPECT_FALSE(PrintList(engine, "T", {"a", "b"}, 0, 35, -1));
    EXPECT_EQ(File("liste.txt"), "a\r\nb\r\n");
    EXPECT_TRUE(canvas->calls().empty());

    ui.AddAnswer("3");
    ui.AddAnswer("beides");
    EXPECT_TRUE(PrintList(engine, "T", {"c"}, 0, 35, -1));
    EXPECT_EQ(File("beides.txt"), "c\r\n");
    EXPECT_EQ(LineTexts(35).size(), 1u);
}

// "speichern+drucken" still prints when the file cannot be written, and says it was not saved.
TEST_F(PrintListTest, SaveAndPrintPrintsWhenTheSaveFails) {
    std::filesystem::create_directories(temp.path() / "ordner.txt");
    ui.AddAnswer("3");
    ui.AddAnswer("ordner");
    EXPECT_TRUE(PrintList(engine, "Liste", {"d"}, 0, 35, -1));
    EXPECT_EQ(LineTexts(35).size(), 1u);
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_EQ(ui.messages().back(), "nicht gespeichert, nur gedruckt: Liste");
}

TEST_F(PrintListTest, SaveCodesWriteFilesFirstAndDashPrintsWithoutDialog) {
    const std::string title = std::string("\0\xFE", 2) + "erst.txt" + std::string(1, '\0') +
                              std::string("\0\xFE", 2) + "zweit" + std::string(1, '\0') + "-Liste";
    EXPECT_TRUE(PrintList(engine, title, {"x"}, 0, 35, -1));
    EXPECT_TRUE(ui.questions().empty());
    EXPECT_EQ(File("erst.txt"), "x\r\n");
    EXPECT_EQ(File("zweit.txt"), "x\r\n");
    EXPECT_NE(canvas->FindText("Liste"), nullptr);
}

TEST_F(PrintListTest, BackslashContinuesTheOpenPageAndGapMinusOneEnds) {
    EXPECT_TRUE(PrintList(engine, "-Erste", {"a", "b"}, 0, 35, 40));
    EXPECT_EQ(engine.print.cursor, 100 + 2 * 35 + 40);
    EXPECT_EQ(Count(Kind::End), 0);

    EXPECT_TRUE(PrintList(engine, "\\Zweite", {"c"}, 0, 35, 0));
    EXPECT_EQ(Count(Kind::Begin), 1);
    EXPECT_EQ(Count(Kind::NewPage), 0);
    EXPECT_EQ(canvas->FindText("Zweite"), nullptr); // no header
    EXPECT_EQ(canvas->Calls(Kind::Text).size(), 2u + 2u + 1u);
    EXPECT_EQ(canvas->FindText("c")->y, 210);

    EXPECT_TRUE(PrintList(engine, "\\", {"d"}, 0, 35, -1));
    EXPECT_EQ(canvas->FindText("d")->y, 245);
    EXPECT_EQ(Count(Kind::End), 1);
    EXPECT_EQ(canvas->documents(), 1);
}

TEST_F(PrintListTest, AnEmptyListEndsOnlyADocumentThatHasPrinted) {
    EXPECT_FALSE(PrintList(engine, "-T", {}, 0, 35, -1));
    EXPECT_TRUE(canvas->calls().empty());
    PrintList(engine, "-T", {"a"}, 0, 35, 0);
    EXPECT_FALSE(PrintList(engine, "\\", {}, 0, 35, -1));
    EXPECT_EQ(Count(Kind::End), 1);
}

TEST_F(PrintListTest, PagesBreakSoThatNoLineReachesBelow2850) {
    const auto lines = NumberedLines(100);
    EXPECT_TRUE(PrintList(engine, "-Liste", lines, 0, 35, -1));
    const auto printed = LineTexts(35);
    ASSERT_EQ(printed.size(), 100u);
    for (const auto& line : printed)
        EXPECT_LE(line.y + 35, 2850) << line.text;
    // Lines 1..75 fill page 1 (the 76th would start beyond 2700 with 25 lines to come).
    EXPECT_EQ(printed[74].page, 1);
    EXPECT_EQ(printed[75].page, 2);
    const CanvasCall* heading = canvas->FindText("Liste   -2-");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->y, 50);
    EXPECT_EQ(printed[75].y, 100);
    EXPECT_EQ(canvas->Calls(Kind::Text).size(), 2u + 100u + 2u); // header, lines, heading
}

TEST_F(PrintListTest, TheLastLinesStayOnThePageWhenTheyFitAbove2850) {
    // Line 76 starts at 2725: with 3 lines to go they end at 2830 and stay.
    PrintList(engine, "-Liste", NumberedLines(78), 0, 35, -1);
    EXPECT_EQ(Count(Kind::NewPage), 0);
    EXPECT_EQ(LineTexts(35).back().y, 2795);

    PrintList(engine, "-Liste", NumberedLines(79), 0, 35, -1);
    const auto printed = LineTexts(35);
    EXPECT_EQ(Count(Kind::NewPage), 1);
    EXPECT_EQ(printed[78 + 75].page, 2);
}

TEST_F(PrintListTest, LandscapeLowersTheLimitsBy870) {
    engine.print.landscape = true;
    PrintList(engine, "-Liste", NumberedLines(60), 0, 35, -1);
    EXPECT_EQ(canvas->Calls(Kind::Begin)[0].orientation, PageOrientation::Landscape);
    for (const auto& line : LineTexts(35))
        EXPECT_LE(line.y + 35, 1980);
    EXPECT_GE(Count(Kind::NewPage), 1);
    EXPECT_FALSE(engine.print.landscape); // portrait again after the document
}

TEST_F(PrintListTest, AFormFeedLineStartsANewPageWithoutHeading) {
    PrintList(engine, "-Liste", {"a", "\fb", "c"}, 0, 35, -1);
    EXPECT_EQ(Count(Kind::NewPage), 1);
    const CanvasCall* b = canvas->FindText("b");
    EXPECT_EQ(b->text, "b");
    EXPECT_EQ(b->page, 2);
    EXPECT_EQ(b->y, 50);
    EXPECT_EQ(canvas->FindText("-2-"), nullptr);
    EXPECT_EQ(canvas->FindText("c")->y, 85);
}

TEST_F(PrintListTest, HeadingLinesRepeatBelowEveryFurtherPageHeading) {
    auto lines = NumberedLines(100);
    PrintList(engine, "-\x02Liste", lines, 0, 35, -1);
    const auto printed = LineTexts(35);
    ASSERT_EQ(printed.size(), 102u);
    EXPECT_EQ(printed[75].text, "Zeile 1");
    EXPECT_EQ(printed[75].page, 2);
    EXPECT_EQ(printed[76].text, "Zeile 2");
    EXPECT_EQ(printed[77].text, "Zeile 76");
    EXPECT_EQ(printed[77].y, 170);
    EXPECT_NE(canvas->FindText("Liste   -2-"), nullptr);
}

TEST_F(PrintListTest, UnderscoreAddsHalfALineAfterEveryFifthLine) {
    PrintList(engine, "_-T", NumberedLines(7), 40, 30, -1);
    const auto printed = LineTexts(30);
    EXPECT_EQ(printed[4].y, 100 + 4 * 30);
    EXPECT_EQ(printed[5].y, 100 + 5 * 30 + 15);
    EXPECT_EQ(printed[0].x, 140);
}

TEST_F(PrintListTest, SmallFontCodesFitTheHeightToTheLongestLine) {
    // The recording canvas makes ten characters 6 * height wide: 100 characters fit at 31.
    PrintList(engine, "-T", {std::string(100, 'x')}, 0, 1, -1);
    EXPECT_EQ(canvas->FindText("xxx")->font.height, 31);
    PrintList(engine, "-T", {std::string(60, 'x')}, 0, 5, -1);
    EXPECT_EQ(canvas->Texts().back().font.height, 40);
    PrintList(engine, "-T", {std::string(400, 'x')}, 0, 257, -1);
    EXPECT_EQ(canvas->Texts().back().font.height, 21);
    EXPECT_EQ(canvas->Texts().back().font.name, "Arial");
}

TEST_F(PrintListTest, TheDosFontGetsItsTitleInTheDosCodePage) {
    PrintList(engine, Win("-Übersicht"), {"a"}, 0, 0, -1);
    const CanvasCall* title = canvas->FindText("bersicht");
    EXPECT_EQ(title->text, ToOemText(Win("Übersicht")));
    EXPECT_EQ(title->font.name, "MS LineDraw");
}

TEST_F(PrintListTest, APrintMarkAddsTimeAndMark) {
    engine.print.mark = "Probe";
    PrintList(engine, "-T", {"a"}, 0, 35, -1);
    const CanvasCall* mark = canvas->FindText("(Probe)");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->x, 1780);
    EXPECT_EQ(mark->y, 71);
    EXPECT_EQ(mark->font.height, 21);
    const auto texts = canvas->Texts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const CanvasCall& call) {
        return call.x == 1800 && call.text.size() == 5 && call.text[2] == ':';
    }));
}

TEST_F(PrintListTest, ABusyPrinterIsAskedAgainUntilTheUserGivesUp) {
    canvas->SetBusyTimes(5);
    ui.AddAnswer("ja");
    ui.AddAnswer("nein");
    EXPECT_FALSE(PrintList(engine, "-T", {"a"}, 0, 35, -1));
    EXPECT_EQ(ui.questions(), std::vector<std::string>(2, Win("Drucker ist beschäftigt")));
    EXPECT_EQ(Count(Kind::Begin), 0);

    canvas->SetBusyTimes(1);
    ui.AddAnswer("ja");
    EXPECT_TRUE(PrintList(engine, "-T", {"a"}, 0, 35, -1));
}

TEST_F(PrintListTest, KeepingTheDocumentOpenPutsListsIntoOneDocument) {
    engine.print.controlFlags |= kPrintKeepDocumentOpen;
    PrintList(engine, "-Eins", {"a"}, 0, 35, -1);
    PrintList(engine, "-Zwei", {"b"}, 0, 35, -1);
    EXPECT_EQ(canvas->documents(), 1);
    EXPECT_EQ(Count(Kind::End), 0);
    EXPECT_EQ(canvas->FindText("Zwei")->page, 2);
    engine.print.controlFlags = 0;
    EndPrintDocument(engine);
    EXPECT_EQ(Count(Kind::End), 1);
}

} // namespace

namespace {

using PrintCommandsTest = PrintFixture;

TEST_F(PrintCommandsTest, MenuEntriesPrintTheListsAndSetTheSwitches) {
    engine.schoolList.lines = {"00112233Schule"};
    engine.outputBox.Add("Ergebnis");
    ui.AddAnswer("1");
    ui.AddAnswer("1");
    bersichtlinkeBox1Click(engine);
    AusgaberechteBox1Click(engine);
    EXPECT_EQ(ui.questions().at(0), Win("Übersicht Schulen\r\r00112233Schule\r\r..."));
    EXPECT_EQ(canvas->FindText("00112233Schule")->font.name, "MS LineDraw");
    EXPECT_EQ(canvas->FindText("Ergebnis")->font.height, 35);
    EXPECT_EQ(canvas->documents(), 2);

    ui.AddAnswer("ja");
    DruckumleiteninDatei1Click(engine);
    EXPECT_EQ(ui.questions().back(), "Druck umleiten in Datei?");
    EXPECT_TRUE(engine.print.redirectToFile);
    ui.AddAnswer("nein");
    DruckumleiteninDatei1Click(engine);
    EXPECT_FALSE(engine.print.redirectToFile);
}

TEST_F(PrintCommandsTest, OffEndsTheDocumentThatOnKeptOpen) {
    ein1Click(engine);
    PrintList(engine, "-T", {"a"}, 0, 35, -1);
    EXPECT_TRUE(canvas->InDocument());
    aus1Click(engine);
    EXPECT_FALSE(canvas->InDocument());
    EXPECT_EQ(engine.print.controlFlags & kPrintKeepDocumentOpen, 0);
    aus1Click(engine); // nothing kept open: nothing to end
    EXPECT_EQ(Count(Kind::End), 1);
}

} // namespace
