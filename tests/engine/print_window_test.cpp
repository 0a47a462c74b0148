#include "output/codepage.h"
#include "output/print_window.h"
#include "support/print_fixture.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;
using Kind = CanvasCall::Kind;

namespace {

using PrintWindowTest = PrintFixture;

TextWindowPrint ClickAt(int x) {
    TextWindowPrint request;
    request.clickX = x;
    request.labelWidth = 80;
    request.caption = "Fenster";
    request.currentLine = 3;
    return request;
}

TEST(TextWindowPrintRange, TheQuarterOfTheLabelChoosesTheRange) {
    const TextWindowRange left = TextWindowPrintRange(ClickAt(5), 10);
    EXPECT_EQ(left.name, "bis akt.Zeile");
    EXPECT_EQ(left.from, 0);
    EXPECT_EQ(left.to, 3);
    EXPECT_EQ(TextWindowPrintRange(ClickAt(20), 10).name, "ganze Box");
    EXPECT_EQ(TextWindowPrintRange(ClickAt(59), 10).to, 9);
    const TextWindowRange right = TextWindowPrintRange(ClickAt(60), 10);
    EXPECT_EQ(right.name, "ab akt.Zeile");
    EXPECT_EQ(right.from, 3);
    EXPECT_EQ(right.to, 9);

    TextWindowPrint marked = ClickAt(5);
    marked.multi = true;
    marked.first = 2;
    marked.last = 5;
    const TextWindowRange range = TextWindowPrintRange(marked, 10);
    EXPECT_EQ(range.name, "markierten Text");
    EXPECT_EQ(range.from, 1);
    EXPECT_EQ(range.to, 4);
    marked.last = 2; // a single marked line is no marked text
    EXPECT_EQ(TextWindowPrintRange(marked, 10).name, "bis akt.Zeile");
}

TEST_F(PrintWindowTest, TheRightQuarterPrintsFromTheCurrentLine) {
    ui.AddAnswer("ja");
    EXPECT_TRUE(PrintTextWindow(engine, NumberedLines(6), ClickAt(70)));
    EXPECT_EQ(ui.questions().at(0), "ab akt.Zeile wirklich drucken?");
    const auto texts = canvas->Texts();
    ASSERT_EQ(texts.size(), 1u + 3u);
    EXPECT_EQ(texts[0].text, "Fenster");
    EXPECT_EQ(texts[0].y, 50);
    EXPECT_EQ(texts[1].text, "Zeile 4");
    EXPECT_EQ(texts[1].y, 100);
    // Lines shorter than 100 characters: 3330 / 100 = 33, plus 1 between lines.
    EXPECT_EQ(texts[2].y, 134);
    EXPECT_EQ(texts[3].text, "Zeile 6");
    EXPECT_EQ(Count(Kind::End), 1);
}

TEST_F(PrintWindowTest, OnlyYesPrintsAndABusyPrinterPrintsNothing) {
    ui.AddAnswer("nein");
    EXPECT_FALSE(PrintTextWindow(engine, NumberedLines(3), ClickAt(30)));
    EXPECT_TRUE(canvas->calls().empty());

    canvas->SetBusyTimes(1);
    EXPECT_FALSE(PrintTextWindow(engine, NumberedLines(3), ClickAt(30)));
    EXPECT_EQ(ui.messages().back(), Win("Drucker ist beschäftigt"));
    EXPECT_TRUE(canvas->calls().empty());
}

TEST_F(PrintWindowTest, LongListsUseTheSecondColumnThenNewPages) {
    TextWindowPrint request = ClickAt(30);
    request.listColumns = 2;
    request.printSize = 40; // not the default: the height is the spin value
    ui.AddAnswer("ja");
    PrintTextWindow(engine, NumberedLines(200), request);
    const CanvasCall* secondColumn = nullptr;
    const std::vector<CanvasCall> texts = canvas->Texts(); // secondColumn points into it
    for (const auto& call : texts) {
        if (call.x == 1000 && !secondColumn) secondColumn = &call;
        if (call.font.height != 40 || call.text == "Fenster") continue;
        EXPECT_LE(call.y, 2700 + 41);
    }
    ASSERT_NE(secondColumn, nullptr);
    EXPECT_EQ(secondColumn->y, 100);
    EXPECT_EQ(secondColumn->page, 1);
    // The first further page is numbered from 0 on.
    const CanvasCall* heading = canvas->FindText("Fenster   -1-");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->page, 2);
}

} // namespace
