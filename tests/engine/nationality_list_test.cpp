#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/nationality_list.h"
#include "shell/school_loading.h"
#include "support/engine_start.h"
#include "support/sheet_office.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct NationalityOffice : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    const StringGrid* grid = nullptr;

    // The first school: 121 Albanien (2 pupils) and 170 Serbien (1).
    void SetUp() override {
        WriteSheetOffice(temp.path());
        StartEngine(engine, ui, temp.path());
        LoadNationalityList(engine);
        engine.schoolList.itemIndex = 0;
        LBClick(engine);
        grid = engine.sheet.grids.FindTable(23);
    }
    std::vector<std::string> Codes() const {
        std::vector<std::string> codes;
        for (int row = 1; row < grid->RowCount(); ++row)
            codes.push_back(grid->Cells(0, row));
        return codes;
    }
};

} // namespace

TEST(NationalityRefusal, CodesNoLongerAllowedFromTheirYearOn) {
    const std::string montenegro =
        "bitte  140 Montenegro  oder  150 Kosovo  oder  170 Serbien verwenden!";
    const std::string sudan = Win("bitte  277 Sudan  oder  278 Südsudan  verwenden!");
    struct Case {
        int code;
        int year;
        std::string refusal;
    };
    const Case cases[] = {
        {138, 100, montenegro},
        {276, 112, ""},
        {276, 113, sudan},
        {199, 113, ""},
        {199, 114, "199 Europa ab 2014/15 nicht mehr verwenden!"},
        {525, 114, "525 Europa ab 2014/15 nicht mehr verwenden!"},
        {999, 120, ""},
        {170, 120, ""},
        {277, 120, ""},
    };
    for (const Case& c : cases) {
        const std::string line = std::to_string(c.code) + " Europa";
        EXPECT_EQ(NationalityRefusal(c.code, line, c.year), c.refusal)
            << c.code << " in " << c.year;
    }
}

TEST_F(NationalityOffice, AddingKeepsTheCodeOrderAndRefusesWhatIsNotAllowed) {
    EXPECT_TRUE(AddNationality(engine, "140 Montenegro"));
    EXPECT_TRUE(AddNationality(engine, "230 Algerien"));
    EXPECT_TRUE(AddNationality(engine, "101 Anfang"));
    EXPECT_EQ(Codes(), (std::vector<std::string>{"101", "121", "140", "170", "230", ""}));
    EXPECT_EQ(grid->Cells(1, 3), "Montenegro");
    EXPECT_EQ(Trim(grid->Cells(2, 6)), "3"); // the total under "Insgesamt" still counts

    // 133 is taken as 170 Serbien, which the school has already; 170 itself changes nothing.
    EXPECT_FALSE(AddNationality(engine, "133 Serbien und Montenegro"));
    EXPECT_FALSE(AddNationality(engine, "170 Serbien"));
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_TRUE(ui.messages().empty());

    EXPECT_FALSE(AddNationality(engine, "199 Europa sonstige"));
    EXPECT_FALSE(AddNationality(engine, "138 Jugoslawien"));
    EXPECT_EQ(ui.messages(),
              (std::vector<std::string>{
                  "199 Europa sonstige ab 2014/15 nicht mehr verwenden!",
                  "bitte  140 Montenegro  oder  150 Kosovo  oder  170 Serbien verwenden!"}));
    EXPECT_EQ(grid->RowCount(), 7);
}

TEST_F(NationalityOffice, ARowGoesBackOnlyWithoutPupils) {
    AddNationality(engine, "140 Montenegro");
    // Row 1 (Albanien) has 2 pupils: refused with its name when pressed on code or name.
    const DragBackCheck refused = CheckNationalityDragBack(engine.sheet, 1, 1);
    EXPECT_FALSE(refused.allowed);
    EXPECT_EQ(refused.refusal,
              Win("Albanien  kann nur zurückgezogen werden, wenn entspr. Anzahl der Schüler < 1"));
    EXPECT_EQ(CheckNationalityDragBack(engine.sheet, 2, 1).refusal, "");
    EXPECT_FALSE(CheckNationalityDragBack(engine.sheet, 0, 4).allowed); // "Insgesamt"
    EXPECT_FALSE(RemoveNationality(engine.sheet, 1));

    EXPECT_TRUE(CheckNationalityDragBack(engine.sheet, 0, 2).allowed);
    EXPECT_TRUE(RemoveNationality(engine.sheet, 2));
    EXPECT_EQ(Codes(), (std::vector<std::string>{"121", "170", ""}));
    EXPECT_EQ(Trim(grid->Cells(1, 3)), "Insgesamt");
}

TEST(NationalityPanel, RegionTabsAndWidth) {
    const std::vector<std::string> lines = NationalityLines();
    EXPECT_EQ(NationalityTabItem(lines, 0), 0);
    EXPECT_EQ(NationalityTabItem(lines, 1), 7); // 230 Algerien
    EXPECT_EQ(NationalityTabItem(lines, 4), 10);
    EXPECT_EQ(NationalityTabItem(lines, 3), 10); // no 4xx: the next region
    EXPECT_EQ(NationalityTabItem({"121 A"}, 2), -1);
    EXPECT_EQ(NationalityPanelColumns(1024, 400), 3);
    EXPECT_EQ(NationalityPanelColumns(1600, 300), 4);
    EXPECT_EQ(NationalityPanelColumns(500, 400), 0);
}
