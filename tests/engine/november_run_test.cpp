#include "evaluation/november_run.h"
#include "output/codepage.h"
#include "support/demo_office_fixture.h"

#include <filesystem>

using namespace tev;
using namespace tev::test;

namespace {

struct NovemberRun : DemoOfficeFixture<5, 118, 3> {
    std::filesystem::path Work() const { return office->engine().workDirectory; }
};

TEST_F(NovemberRun, DeclinedRunsNothing) {
    Answer({"nein"});
    Hinweis1Click(engine());
    EXPECT_FALSE(std::filesystem::exists(Work() / "cop2ausw.bat"));
    EXPECT_FALSE(std::filesystem::exists(Work() / "Kl_Staerke.csv"));
    ASSERT_FALSE(ui().questions().empty());
    const std::string& question = ui().questions().back();
    EXPECT_EQ(question.rfind(Win("am besten  folg. ausführen:"), 0), 0u) << question;
    EXPECT_NE(question.find(Win("Auszug Staatszugehörigkeit")), std::string::npos);
}

TEST_F(NovemberRun, AcceptedRunsEveryEvaluationThenPausesTheCopyBatch) {
    Answer({"ja"});
    ui().SetUseDefaults(true);
    Hinweis1Click(engine());
    ui().SetUseDefaults(false);
    // One file of each kind of evaluation the run makes.
    for (const char* file : {"Kl_Staerke.csv", "Prof_ges.csv", "18_Schz.csv"})
        EXPECT_TRUE(std::filesystem::exists(Work() / file)) << file;
    const std::string batch = ReadFile(Work() / "cop2ausw.bat");
    EXPECT_GE(batch.size(), 5u);
    EXPECT_NE(batch.rfind("pause"), std::string::npos) << batch;
    EXPECT_EQ(ui().messages().back(), "fertig");
}

} // namespace
