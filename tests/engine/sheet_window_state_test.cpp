// What the school sheet window shows, as engine state: pages with their captions, sub-headings
// and notes, the cell texts, colours, column widths and deleting a table.
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/sheet_colours.h"
#include "sheet/sheet_commands.h"
#include "sheet/sheet_options.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_tabs.h"
#include "shell/school_loading.h"
#include "support/engine_start.h"
#include "support/sheet_office.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct SheetPages : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    const SheetWindowState& shown = engine.sheet.window;

    void SetUp() override {
        WriteSheetOffice(temp.path());
        StartEngine(engine, ui, temp.path());
        Open(0);
    }
    void Open(int index) {
        SE1Change(engine, index + 1);
        Bearbeiten1Click(engine);
    }
    void Show(const std::string& caption) {
        const auto tabs = SheetTabs(engine.sheet.schoolYearCode);
        for (size_t i = 0; i < tabs.size(); ++i) {
            if (tabs[i].caption == Win(caption)) return ShowSheetTab(engine, static_cast<int>(i));
        }
        FAIL() << "no tab " << caption;
    }
};

} // namespace

TEST(SheetColours, ShadesArePaler) {
    struct Case {
        int component, shade, expected;
    };
    const Case cases[] = {{0, 1, 0}, {0, 4, 191}, {255, 4, 255}, {100, 2, 177}, {128, 3, 212}};
    for (const Case& c : cases) {
        const SheetColour shaded = ShadeColour({c.component, c.component, c.component}, c.shade);
        EXPECT_EQ(shaded, (SheetColour{c.expected, c.expected, c.expected}))
            << c.component << " shade " << c.shade;
    }
    EXPECT_EQ(ShadeColour(NamedSheetColour("Blue"), 4), (SheetColour{191, 191, 255}));
    EXPECT_EQ(NamedSheetColour("Mauve"), (SheetColour{255, 255, 255}));
}

TEST_F(SheetPages, EachPageHasItsCaptionSubHeadingAndPanels) {
    Show("2.1");
    EXPECT_EQ(shown.shownGrid, "SG21");
    EXPECT_EQ(shown.subHeading, Win("Schüler, die am Ende des Schuljahres das Klassenziel nicht "
                                    "erreicht haben, nach Klassenstufen"));
    // Title, six blanks, number and short name from the list line, two blanks, regional number.
    EXPECT_TRUE(shown.caption.ends_with("      112201Ahorn-Gym         111801")) << shown.caption;
    EXPECT_FALSE(shown.nationalityPanel);

    Show("2.3");
    EXPECT_TRUE(shown.nationalityPanel);
    Show("zu 9");
    EXPECT_EQ(shown.shownGrid, "");
    EXPECT_EQ(shown.listLines, (std::vector<std::string>{
                                   "\"zu 9\"  kann in WnnTEV  hier keine Informationen liefern"}));
    Show(Win("Übersicht"));
    EXPECT_EQ(shown.listLines[1], "1.1 Sch\x81ler");
    EXPECT_TRUE(shown.caption.starts_with("Statistik  2016/17")) << shown.caption;

    // The text forms are cut into the overview grids.
    Show("1");
    EXPECT_EQ(shown.shownGrid, "SG00");
    EXPECT_EQ(engine.sheet.grids.Find("SG00")->Cells(0, 0).rfind("Formular1", 0), 0u);
    Show("9.1+9.2");
    EXPECT_EQ(shown.shownGrid, "SG01");
    EXPECT_EQ(engine.sheet.grids.Find("SG01")->Cells(0, 0).rfind("F9.1", 0), 0u)
        << engine.sheet.grids.Find("SG01")->Cells(0, 0);
}

// The "Z   S" panel: the row of the chosen cell over the schools that meet the condition.
TEST_F(SheetPages, ThePositionPanelMakesTheExtractAndShowsIt) {
    EXPECT_FALSE(PanelZSClick(engine, false, "", ">0")) << "no cell chosen yet";
    Show("2.1");
    SelectSheetCell(engine, 1, 1);
    for (const char* answer : {"nein", "ja", "alle"}) // short report, together, range
        ui.AddAnswer(answer);
    ASSERT_TRUE(PanelZSClick(engine, false, "", ">0"));
    EXPECT_EQ(shown.shownGrid, "SG00");
    const StringGrid& extract = *engine.sheet.grids.Find("SG00");
    EXPECT_EQ(extract.Cells(0, 0).rfind("Auszug  2.1 Zeile  1", 0), 0u) << extract.Cells(0, 0);
    // Class 5 boys are 0, 3, 7, empty and 4: three schools and the sum.
    ASSERT_EQ(extract.RowCount(), 5);
    EXPECT_EQ(Trim(extract.Cells(0, 4)), "zusammen");
    EXPECT_EQ(Trim(extract.Cells(2, 4)), "14");
}

TEST_F(SheetPages, NotesOfTheTablesThatHaveThem) {
    Show("4.3");
    ASSERT_EQ(shown.notes.size(), 4u);
    EXPECT_TRUE(shown.notes[0].starts_with("Wichtiger Hinweis:"));
    Show("4.2"); // regional number 111801: not a city of its own
    EXPECT_TRUE(shown.notes.empty());
    Open(2); // 222000
    EXPECT_EQ(shown.notes.size(), 1u);
    Show("3.2");
    EXPECT_TRUE(shown.notes.front().starts_with(Win("Als Abgänge sind Schüler zu melden")));
    Show("2.1");
    EXPECT_TRUE(shown.notes.empty());
}

TEST_F(SheetPages, SelectingAndEditingACellUpdatesPositionHintAndSums) {
    Show("2.1");
    EXPECT_TRUE(SelectSheetCell(engine, 1, 1));
    EXPECT_EQ(shown.positionText, "Z 1  S 1");
    EXPECT_TRUE(shown.cellHint.ends_with("] = 0")) << shown.cellHint;
    EXPECT_TRUE(shown.cellHint.starts_with(Win("[männlich | 5"))) << shown.cellHint;

    EditSheetCell(engine, "SG21", 1, 1, "12");
    EXPECT_TRUE(shown.cellHint.ends_with("] = 12"));
    EXPECT_EQ(Trim(engine.sheet.grids.FindTable(21)->Cells(1, 3)), "12"); // "insgesamt"
}

TEST_F(SheetPages, ColumnWidthChoicesScaleTheirTables) {
    const StringGrid& grid22 = *engine.sheet.grids.FindTable(22);
    const StringGrid& grid21 = *engine.sheet.grids.FindTable(21);
    const int first22 = ShownColumnWidth(engine.sheet, grid22, 0);
    const int second21 = ShownColumnWidth(engine.sheet, grid21, 1);

    ui.AddAnswer("1.1, 1.8 + 2.2 1.Spalte breiter");
    ASSERT_TRUE(ChooseColumnWidths(engine));
    EXPECT_EQ(ShownColumnWidth(engine.sheet, grid22, 0), (first22 * 4 + 1) / 3);
    ui.AddAnswer("2.1-2.4 Spalten schmaler");
    ASSERT_TRUE(ChooseColumnWidths(engine));
    EXPECT_EQ(ShownColumnWidth(engine.sheet, grid21, 1), (second21 * 8 + 5) / 10);
    EXPECT_EQ(ShownColumnWidth(engine.sheet, grid21, 0), grid21.ColWidth(0));
}

TEST_F(SheetPages, ADeletedTableKeepsOnlyItsHeadings) {
    ui.AddAnswer("2.3");
    ui.AddAnswer("nein");
    EXPECT_FALSE(DeleteTable(engine));
    const StringGrid& nationalities = *engine.sheet.grids.FindTable(23);
    EXPECT_EQ(nationalities.RowCount(), 4);

    ui.AddAnswer("2.3");
    ui.AddAnswer("ja");
    EXPECT_TRUE(DeleteTable(engine));
    EXPECT_EQ(nationalities.RowCount(), 2);
    EXPECT_EQ(nationalities.Cells(0, 0), "Id-Nr");
    EXPECT_EQ(Trim(nationalities.Cells(1, 1)), "Insgesamt");
}

// A change typed into the sheet must not vanish when another school is loaded.
TEST_F(SheetPages, LoadingAnotherSchoolAsksToSaveTypedChanges) {
    const auto file = temp.path() / "TEV" / ("SL" + SheetSchools()[0].number + ".16");
    const std::string before = ReadFile(file);

    EditSheetCell(engine, "SG21", 1, 1, "9");
    ui.AddAnswer("nein");
    Open(1);
    EXPECT_EQ(ui.questions().back(), "Daten abspeichern?");
    EXPECT_EQ(ReadFile(file), before);

    const size_t asked = ui.questions().size();
    Open(0); // nothing typed since: no question
    EXPECT_EQ(ui.questions().size(), asked);

    EditSheetCell(engine, "SG21", 1, 1, "9");
    ui.AddAnswer("ja");
    ui.AddAnswer("ja"); // "... wirklich abspeichern?"
    Open(1);
    EXPECT_NE(ReadFile(file), before);
    Open(0);
    EXPECT_EQ(engine.sheet.grids.Find("SG21")->Cells(1, 1), "9");
}
