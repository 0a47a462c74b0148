// Entries of the main window's menu that the window and tev-cli share: the info box, the
// printer options, the school search, and where printouts go.
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct CliMainMenuTest : ::testing::Test {
    TempDir temp;
    std::filesystem::path data = temp.path() / "daten";

    void SetUp() override {
        std::vector<std::string> lines;
        for (auto [number, name] : {std::pair{"112233", "Schiller-Gym"},
                                    {"112240", "M\x94rike-Gym"}}) { // DOS code page, as filed
            SchoolNameLine school;
            school.number = number;
            school.shortName = name;
            lines.push_back(school.Text());
        }
        WriteFile(data / "schulnam.dat", DosLines(lines));
    }
    CliResult Run(std::vector<std::string> args, std::vector<std::string> environment = {}) {
        std::vector<std::string> all = {"--data", data.string(), "--year", ".16"};
        all.insert(all.end(), args.begin(), args.end());
        return RunCli(TEV_CLI_PATH, all, temp.path(), environment);
    }
};

TEST_F(CliMainMenuTest, InfoShowsTheVersionAndPrinterOptionsTheNextPdf) {
    const auto info = Run({"menu", "Info"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.err.find("info: WnnTEV10.24"), std::string::npos) << info.err;

    WriteFile(temp.path() / "druck.pdf", "vom letzten Lauf");
    const auto options = Run({"menu", "Drucken/Drucker-Optionen"});
    ASSERT_EQ(options.exitCode, 0) << options.err;
    EXPECT_NE(options.err.find("PDF-Dateien, als nächstes in druck-2.pdf"), std::string::npos)
        << options.err;
}

TEST_F(CliMainMenuTest, PrintoutsOfANewRunKeepThoseOfTheLastUnlessAFileIsNamed) {
    WriteFile(temp.path() / "druck.pdf", "vom letzten Lauf");
    const auto printed = Run({"--answer", "1", "menu", "Drucken/Übersicht(linke Box)"});
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(ReadFile(temp.path() / "druck.pdf"), "vom letzten Lauf");
    EXPECT_EQ(ReadFile(temp.path() / "druck-2.pdf").rfind("%PDF-1.4", 0), 0u);

    // A file the user names is the run's printout, whatever it held.
    WriteFile(temp.path() / "liste.pdf", "alt");
    const auto named =
        Run({"--printer", "liste.pdf", "--answer", "1", "menu", "Drucken/Übersicht(linke Box)"});
    ASSERT_EQ(named.exitCode, 0) << named.err;
    EXPECT_EQ(ReadFile(temp.path() / "liste.pdf").rfind("%PDF-1.4", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "liste-2.pdf"));
}

TEST_F(CliMainMenuTest, TheSchoolSearchFindsAnUmlautTypedAsShown) {
    const auto found = Run({"--answer", "Mörike", "menu", "XXX/Suche Schule"}, {"usw=QVZ"});
    ASSERT_EQ(found.exitCode, 0) << found.err;
    // Loaded: the output box holds the school's test lines, no list of old names was shown.
    EXPECT_EQ(found.err.find("info: gefunden"), std::string::npos) << found.err;
    EXPECT_EQ(found.OutLines(), std::vector<std::string>{"keine Daten vorhanden"});
}

} // namespace
