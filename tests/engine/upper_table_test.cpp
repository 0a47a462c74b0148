#include "output/print_commands.h"
#include "support/print_fixture.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct UpperTableFixture : PrintFixture {
    UpperTableFixture() {
        engine.upperTable.SetColCount(3);
        engine.upperTable.SetRowCount(3);
        engine.upperTable.FillRow(0, "Klassen;5;6");
        engine.upperTable.FillRow(1, "112233;28;27");
        engine.upperTable.FillRow(2, "Summe;28;27");
    }
    bool Noticed(const std::string& text) const {
        for (const auto& message : ui.messages())
            if (message.find(text) != std::string::npos) return true;
        return false;
    }
};

} // namespace

TEST_F(UpperTableFixture, ExportToCsvSavesTheTableAndSwitchesTheRedirectionOffAgain) {
    ui.SetUseDefaults(true);
    ui.AddAnswer("obere");
    ObereTabelleAuswertungcsv1Click(engine);
    EXPECT_FALSE(engine.print.redirectToFile);
    const std::string saved = File("obere.csv");
    EXPECT_NE(saved.find("112233;28;27"), std::string::npos) << saved;
    EXPECT_EQ(Count(CanvasCall::Kind::Text), 0);
    EXPECT_FALSE(Noticed("leer"));
}

TEST_F(UpperTableFixture, AnEmptyTableIsExportedWithANotice) {
    engine.upperTable.Clear();
    ui.SetUseDefaults(true);
    ui.AddAnswer("obere");
    ObereTabelleAuswertungcsv1Click(engine);
    EXPECT_TRUE(Noticed("leer"));
    EXPECT_FALSE(engine.print.redirectToFile);
}

TEST_F(UpperTableFixture, ADoubleClickPrintsItTitledByItsTopLeftCell) {
    ui.AddAnswer("wirklich drucken");
    SGauswDblClick(engine);
    EXPECT_NE(canvas->FindText("Klassen"), nullptr);
    EXPECT_NE(canvas->FindText("112233"), nullptr);
}
