// tev-cli import on a demo office: the diskette folders the office names are read, every
// delivery lands in TEV, and an office without deliveries is a failure with its reason.
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev::test;
namespace fs = std::filesystem;

TEST(CliImport, TakesOverTheDemoDeliveriesAndSaysWhichFiles) {
    TempDir temp;
    const auto made = RunCli(
        TEV_CLI_PATH, {"demo-data", "amt", "--schools", "24", "--seed", "5", "--years", ".23-.24"},
        temp.path());
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.out.find("5 deliveries"), std::string::npos) << made.out;

    const std::vector<std::string> run = {"--data",  "amt",        "--year",     ".24",
                                          "--today", "2024-11-20", "--defaults", "import"};
    const auto imported = RunCli(TEV_CLI_PATH, run, temp.path());
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    const auto lines = imported.OutLines();
    ASSERT_EQ(lines.size(), 5u) << imported.out;
    for (const auto& line : lines) {
        EXPECT_EQ(line.rfind("übernommen: ", 0), 0u) << line;
        const size_t name = line.find("/TEV/SL") + 5;
        ASSERT_NE(name, std::string::npos + 5) << line;
        EXPECT_TRUE(fs::exists(temp.path() / "amt" / "TEV" / line.substr(name, 11))) << line;
        EXPECT_TRUE(fs::exists(temp.path() / "amt" / "TEVORIG" / line.substr(name, 11))) << line;
    }
    // One demo school is not in the delivery list; --defaults takes it over all the same.
    EXPECT_NE(imported.err.find("info: nicht in der Liste: "), std::string::npos) << imported.err;
}

TEST(CliImport, AnOfficeWithoutDeliveriesFailsWithTheMessage) {
    TempDir temp;
    WriteFile(temp.path() / "amt" / "schulnam.dat", DosLines({SchoolNameLine{}.Text()}));
    fs::create_directories(temp.path() / "leer");
    const auto run = RunCli(TEV_CLI_PATH, {"--data", "amt", "--year", ".24", "import"}, temp.path(),
                            {"TEV_DRIVE_A=" + (temp.path() / "leer").string()});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("*.dat auf Diskette nicht gefunden"), std::string::npos) << run.err;
}
