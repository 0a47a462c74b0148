#include "output/codepage.h"
#include "output/grid_print_layout.h"
#include "output/print_grid.h"
#include "support/print_fixture.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;
using Kind = CanvasCall::Kind;

namespace {

// A grid with a heading row, labels "Zeile r" in column 0 and "c/r" in the other cells.
StringGrid MakeGrid(int cols, int rows) {
    StringGrid grid("SGtest", cols, rows);
    grid.SetFixedRows(1);
    grid.SetColWidth(0, 120);
    for (int col = 0; col < cols; ++col)
        grid.SetCells(col, 0, "K" + std::to_string(col));
    for (int row = 1; row < rows; ++row) {
        grid.SetCells(0, row, "Zeile " + std::to_string(row));
        for (int col = 1; col < cols; ++col)
            grid.SetCells(col, row, std::to_string(col) + "/" + std::to_string(row));
    }
    return grid;
}

int CountTexts(const RecordingCanvas& canvas, const std::string& text) {
    int count = 0;
    for (const auto& call : canvas.Texts())
        count += call.text == text;
    return count;
}

using PrintGridTest = PrintFixture;

TEST(GridPrintLayout, TitleCodesAreReadInOrder) {
    using namespace std::string_literals;
    const std::string title = "\0\xFE\0\x05"s + "\0\xFE\x01\x28"s + "\0\xFE"s + "vorher.csv\0"s +
                              "\0\xFE\xFF"s + "\xFD"s + "\0\x03"s + "\\_-\x04\x0C\x15\x07"s +
                              "Titel;Notiz";
    const GridPrintTitle parsed = ParseGridPrintTitle(title);
    EXPECT_EQ(parsed.firstRow, 5);
    EXPECT_EQ(parsed.rowHeight, 40);
    EXPECT_EQ(parsed.saveNames, std::vector<std::string>{"vorher.csv"});
    EXPECT_TRUE(parsed.dropEmptyTail);
    EXPECT_EQ(parsed.factor, 8);
    EXPECT_EQ(parsed.stripPreset, 3);
    EXPECT_TRUE(parsed.continueDocument && parsed.withSelectionChoice && parsed.noDialog);
    EXPECT_EQ(parsed.headingRows, 4);
    EXPECT_EQ(parsed.leftMarginMm, 12);
    EXPECT_EQ(parsed.cellInset, 7);
    EXPECT_EQ(parsed.text, "Titel;Notiz");
    EXPECT_EQ(ParseGridPrintTitle("\0\xFF\x02T"s).layoutPreset, 2);
    EXPECT_EQ(ParseGridPrintTitle("\xFC\x07T").factor, 7);
    // Truncated codes end the title instead of reading past it.
    EXPECT_EQ(ParseGridPrintTitle("\0\xFE"s).text, "");
    EXPECT_EQ(ParseGridPrintTitle("\0\xFE"
                                  "datei"s)
                  .saveNames.at(0),
              "datei");
}

TEST(GridPrintLayout, StripAnswersAndTheQuestion) {
    const StripAnswer answer = ParseStripAnswer(" 6q 30");
    EXPECT_EQ(answer.strips, 6);
    EXPECT_TRUE(answer.landscape && answer.orientationGiven);
    EXPECT_EQ(answer.rowHeightPercent, 30);
    EXPECT_FALSE(ParseStripAnswer("2").orientationGiven);
    EXPECT_EQ(ParseStripAnswer("1h 50").rowHeightPercent, 50);
    EXPECT_TRUE(ParseStripAnswer("99").saveAsText);
    EXPECT_EQ(ParseStripAnswer("x").strips, 1);
    EXPECT_EQ(StripQuestion("Tab", 20),
              Win("Tab hat 20 Spalten,   wie drucken: \r(anz_Bahnen h/q ggf_Feldhöhenabw_in_%)"
                  "\r 1h   (oder 1) 1-bahnig hoch\r 1h 50         1-bahnig hoch, Feldhöhe 1,5fach"
                  "\r 1q   1-bahnig quer\r 2h   (oder 2) 2-bahnig hoch\r 2q   2-bahnig quer"
                  "\r ...\r 99=speichern als *.txt"
                  "\r zB:  6q 30   -->  6-bahnig  quer  Feldhöhe um 30% größer"));
}

TEST(GridPrintLayout, StripsTakeTheColumnsInOrderAtAboutEqualWidths) {
    const std::vector<int> widths = {50, 10, 10, 10, 10, 10, 10};
    const auto strips = DivideIntoStrips(widths, 3);
    ASSERT_EQ(strips.size(), 3u);
    EXPECT_EQ(strips[0], std::make_pair(1, 2));
    EXPECT_EQ(strips[1], std::make_pair(3, 4));
    EXPECT_EQ(strips[2], std::make_pair(5, 6));
    EXPECT_EQ(DivideIntoStrips(widths, 50).size(), 6u);
    EXPECT_EQ(DivideIntoStrips({40}, 2).size(), 1u);
}

TEST_F(PrintGridTest, AWideGridAsksForStripsAndPrintsInThatMany) {
    const StringGrid grid = MakeGrid(20, 60); // W = (120 + 19 * 64) * 6 / 5 = 1603
    EXPECT_GT(GridPrintWidth(grid, 6), 900);
    ui.AddAnswer("1");  // wirklich drucken
    ui.AddAnswer("3h"); // three strips
    EXPECT_TRUE(PrintGrid(engine, "Breit;Notiz", grid, -1));
    EXPECT_EQ(ui.questions().at(0), "Breit");
    EXPECT_EQ(ui.questions().at(1),
              Win("Breit;Format: anz_Bahnen h/q ggf_Feldhöhenveränderung in %"));
    EXPECT_EQ(Count(Kind::NewPage), 2); // too long to share a page: each strip on its own
    // Column 0 and the heading row in every strip, every other column once.
    EXPECT_EQ(CountTexts(*canvas, "Zeile 4"), 3);
    EXPECT_EQ(CountTexts(*canvas, "K0"), 3);
    EXPECT_EQ(CountTexts(*canvas, "K19"), 1);
    EXPECT_EQ(CountTexts(*canvas, "19/4"), 1);
    EXPECT_EQ(canvas->FindText("19/4")->page, 3);
    EXPECT_EQ(canvas->FindText("1/4")->page, 1);
    EXPECT_NE(canvas->FindText("Breit   -2-"), nullptr);
    for (const auto& call : canvas->Texts())
        EXPECT_LE(call.x, 2000) << call.text;
    EXPECT_EQ(Count(Kind::End), 1);
}

TEST_F(PrintGridTest, TheProposedStripCountIsWidthBy900AndLandscapeComesFromTheAnswer) {
    ui.AddAnswer("1");
    ui.SetUseDefaults(true);
    PrintGrid(engine, "T", MakeGrid(20, 30), -1);
    EXPECT_EQ(Count(Kind::NewPage), 0); // 1520 / 900 = 1 strip

    ui.AddAnswer("1");
    ui.AddAnswer("1q 50");
    PrintGrid(engine, "T", MakeGrid(20, 30), -1);
    const auto begins = canvas->Calls(Kind::Begin);
    EXPECT_EQ(begins.back().orientation, PageOrientation::Landscape);
    const CanvasCall* first = canvas->FindText("Zeile 1");
    const CanvasCall* second = canvas->FindText("Zeile 2");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->y - first->y, 29); // the first print, default row height
    const auto texts = canvas->Texts();
    int y1 = 0, y2 = 0;
    for (const auto& call : texts) {
        if (call.text == "Zeile 1") y1 = call.y;
        if (call.text == "Zeile 2") y2 = call.y;
    }
    EXPECT_EQ(y2 - y1, 43); // 29 * 1.5 in the second print
    EXPECT_FALSE(engine.print.landscape);
}

TEST_F(PrintGridTest, NinetyNineSavesTheGridAsText) {
    ui.AddAnswer("1");
    ui.AddAnswer("99");
    ui.AddAnswer("tabelle");
    EXPECT_FALSE(PrintGrid(engine, "T", MakeGrid(16, 3), -1));
    EXPECT_EQ(File("tabelle.txt").substr(0, 12), "K0;K1;K2;K3;");
    EXPECT_EQ(Count(Kind::Begin), 0);
}

TEST_F(PrintGridTest, RowsFromTheChoice) {
    StringGrid grid = MakeGrid(3, 60);
    for (int row = 40; row < 60; ++row)
        grid.SetCells(0, row, "");
    for (int row = 40; row < 60; ++row)
        grid.SetCells(1, row, "");
    for (int row = 40; row < 60; ++row)
        grid.SetCells(2, row, "");
    GridPrintContext context;
    context.currentRow = 10;
    context.selectionTop = 3;
    context.selectionBottom = 4;

    ui.AddAnswer("ab akt.Zeile drucken");
    PrintGrid(engine, "Auswahl", grid, -1, context);
    EXPECT_EQ(canvas->FindText("Zeile 9"), nullptr);
    EXPECT_NE(canvas->FindText("Zeile 39"), nullptr);

    ui.AddAnswer(Win("gewähl.Zeilen drucken"));
    PrintGrid(engine, "T", grid, -1, context);
    EXPECT_EQ(CountTexts(*canvas, "Zeile 3"), 1);
    EXPECT_EQ(CountTexts(*canvas, "Zeile 5"), 0);
}

TEST_F(PrintGridTest, SmallGridsShareThePageAndTheNextGridEnds) {
    ui.AddAnswer("1");
    EXPECT_TRUE(PrintGrid(engine, "Klein", MakeGrid(3, 5), -1));
    EXPECT_EQ(Count(Kind::End), 0);
    EXPECT_TRUE(canvas->InDocument());

    ui.AddAnswer("1");
    EXPECT_TRUE(PrintGrid(engine, "Gross", MakeGrid(3, 40), -1));
    EXPECT_EQ(canvas->documents(), 1);
    EXPECT_EQ(Count(Kind::NewPage), 0);
    EXPECT_GT(canvas->FindText("Gross")->y, canvas->FindText("Zeile 4")->y);
    EXPECT_EQ(Count(Kind::End), 1);
}

TEST_F(PrintGridTest, HeadingRowsRepeatOnEveryPage) {
    ui.AddAnswer("1");
    PrintGrid(engine, "Lang", MakeGrid(3, 150), -1);
    EXPECT_GE(Count(Kind::NewPage), 1);
    const int pages = Count(Kind::NewPage) + 1;
    EXPECT_EQ(CountTexts(*canvas, "K1"), pages);
    for (const auto& call : canvas->Texts())
        EXPECT_LE(call.y, 2850) << call.text;
    EXPECT_FALSE(canvas->Calls(Kind::Line).empty());
}

TEST_F(PrintGridTest, RedirectionSavesInsteadOfPrinting) {
    engine.print.redirectToFile = true;
    ui.AddAnswer("umgeleitet");
    ui.AddAnswer("Trenner=Semikolon");
    EXPECT_TRUE(PrintGrid(engine, "Titel", MakeGrid(2, 2), -1));
    EXPECT_EQ(File("umgeleitet.csv"), "Titel\r\nK0;K1\r\nZeile 1;1/1\r\n");
    EXPECT_TRUE(canvas->calls().empty());
}

TEST_F(PrintGridTest, WithoutChoiceDialogsNothingIsAsked) {
    engine.print.controlFlags |= kPrintNoChoiceDialogs;
    EXPECT_TRUE(PrintGrid(engine, "T", MakeGrid(20, 3), -1));
    EXPECT_TRUE(ui.questions().empty());
    EXPECT_NE(canvas->FindText("19/2"), nullptr);
}

// The recording canvas writes 24 units a character at height 40; the grid's text is 23 high.
int GridTextWidth(const std::string& text) {
    return static_cast<int>(text.size()) * 24 * 23 / 40;
}

TEST_F(PrintGridTest, LabelsStayWholeAndNumbersLineUpAtTheRight) {
    StringGrid grid("SGzahlen", 3, 4);
    grid.SetFixedRows(1);
    grid.SetColWidth(0, 40); // far narrower than its labels
    const std::string label = "fachfremd erteilte Unterrichtsstunden";
    const std::vector<std::vector<std::string>> cells = {
        {"", "K1", "K2"}, {label, "7", "5a"}, {"Summe", "12", "Text"}, {"Hälfte", Win("1½"), ""}};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col)
            grid.SetCells(col, row, cells[row][col]);
    }
    engine.print.controlFlags |= kPrintNoChoiceDialogs;
    ASSERT_TRUE(PrintGrid(engine, "Zahlen", grid, -1));

    const CanvasCall* whole = canvas->FindText(label);
    ASSERT_NE(whole, nullptr) << "the label is cut";
    const CanvasCall* heading = canvas->FindText("K1");
    ASSERT_NE(heading, nullptr);
    EXPECT_GE(heading->x, whole->x + GridTextWidth(label)) << "the label runs into column 1";

    auto rightEdge = [&](const std::string& text) {
        const CanvasCall* call = canvas->FindText(text);
        return call ? call->x + GridTextWidth(text) : -1;
    };
    EXPECT_EQ(rightEdge("7"), rightEdge("12"));
    EXPECT_EQ(rightEdge("7"), rightEdge(Win("1½")));
    EXPECT_GT(canvas->FindText("7")->x, heading->x) << "a typed number stands left";
    EXPECT_EQ(canvas->FindText("5a")->x, canvas->FindText("K2")->x) << "texts stay left";
    EXPECT_EQ(canvas->FindText("Text")->x, canvas->FindText("K2")->x);
}

// One strip asked for, but the texts need more than a line: nothing is cut, the rest goes on
// a further strip. Columns that print nothing get no strip of their own.
TEST_F(PrintGridTest, TooWideStripsSplitAndBlankStripsAreLeftOut) {
    using namespace std::string_literals;
    engine.print.controlFlags |= kPrintNoChoiceDialogs;
    const std::string wide(20, 'x');
    StringGrid grid = MakeGrid(9, 4);
    for (int row = 1; row < 4; ++row) {
        for (int col = 1; col < 9; ++col)
            grid.SetCells(col, row, wide);
    }
    ASSERT_TRUE(PrintGrid(engine, "\0\x01"s + "Breit", grid, -1));
    EXPECT_EQ(CountTexts(*canvas, wide), 24) << "every cell whole";
    // Label 288 and eight columns of 276 + 20 in a portrait line of 1900: five, then three,
    // the second strip below the first on the same page.
    EXPECT_EQ(CountTexts(*canvas, "Zeile 1"), 2);
    EXPECT_EQ(Count(Kind::NewPage), 0);
    std::vector<int> rows;
    for (const auto& call : canvas->Texts()) {
        if (call.text == "Zeile 1") rows.push_back(call.y);
    }
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_GE(rows[1] - rows[0], 4 * 29) << "the strips overlap";

    StringGrid blank = MakeGrid(3, 4);
    for (int row = 0; row < 4; ++row)
        blank.SetCells(2, row, "");
    ASSERT_TRUE(PrintGrid(engine, "\0\x02"s + "Halb", blank, -1));
    EXPECT_EQ(CountTexts(*canvas, "Zeile 1"), 3) << "the strip of the blank column is left out";
    EXPECT_EQ(CountTexts(*canvas, "1/3"), 1);
}

TEST_F(PrintGridTest, SaveAndPrintPrintsWhenTheSaveIsCancelled) {
    ui.AddAnswer("speichern+drucken");
    ui.AddAnswer("abbruch"); // the file name
    EXPECT_TRUE(PrintGrid(engine, "Tabelle;Notiz", MakeGrid(3, 4), -1));
    EXPECT_NE(canvas->FindText("Zeile 3"), nullptr);
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_EQ(ui.messages().back(), "nicht gespeichert, nur gedruckt: Tabelle");
}

} // namespace
