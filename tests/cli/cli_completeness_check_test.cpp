// The data test over a demo office finds exactly the faults the office was written with.
#include "data/demo/demo_office.h"
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <set>

using namespace tev;
using namespace tev::test;

TEST(CliDataTest, MarksExactlyThePlantedFaults) {
    TempDir temp;
    const auto office = temp.path() / "amt";
    const auto made = RunCli(
        TEV_CLI_PATH,
        {"demo-data", office.string(), "--schools", "80", "--seed", "3", "--years", ".16-.16"},
        temp.path());
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const auto run =
        RunCli(TEV_CLI_PATH,
               {"--data", office.string(), "--year", ".16", "--answer", "alle", "--answer", "ja",
                "--answer", "ja", "--answer", "abbruch", "--answer", "abbruch", "menu", "Testen"},
               temp.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;

    std::set<std::string> faulty;
    std::set<std::string> missing;
    for (const auto& fault : ReadDemoFaultFile(office / "demo-fehler.txt")) {
        if (fault.schoolYearCode != 116) continue;
        if (fault.kind == DemoFaultKind::MissingDataSet) {
            missing.insert(fault.schoolNumber);
        } else if (fault.kind != DemoFaultKind::MissingZepList) {
            faulty.insert(fault.schoolNumber);
        }
    }
    std::set<std::string> markedFaulty;
    std::set<std::string> markedMissing;
    bool protocol = false;
    for (const auto& line : run.OutLines()) {
        if (line == "PROTOKOLL:") protocol = true;
        if (protocol || line.size() < 8) continue;
        if (line[0] == '-') markedFaulty.insert(line.substr(2, 6));
        if (line[0] == '\\') markedMissing.insert(line.substr(2, 6));
    }
    EXPECT_TRUE(protocol);
    EXPECT_FALSE(faulty.empty());
    EXPECT_EQ(markedFaulty, faulty);
    EXPECT_EQ(markedMissing, missing);
}
