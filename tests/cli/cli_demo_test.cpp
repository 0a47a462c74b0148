#include "data/demo/demo_office.h"
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

CliResult Cli(const TempDir& temp, const std::vector<std::string>& args) {
    return RunCli(TEV_CLI_PATH, args, temp.path());
}

} // namespace

TEST(CliDemo, WritesAnOfficeWhoseSchoolsTheListShows) {
    TempDir temp;
    const auto made =
        Cli(temp, {"demo-data", "office", "--schools", "12", "--seed", "4", "--years", ".15-.16"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.out.find("12 schools"), std::string::npos) << made.out;
    const auto office = temp.path() / "office";
    ASSERT_TRUE(std::filesystem::exists(office / "schulnam.dat"));

    const auto list = Cli(temp, {"--data", office.string(), "--year", ".16", "list"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const auto lines = list.OutLines();
    ASSERT_EQ(lines.size(), 12u);
    // A school marked "\" is one whose data set the fault list names as missing.
    int missing = 0;
    for (const auto& fault : ReadDemoFaultFile(office / "demo-fehler.txt"))
        if (fault.kind == DemoFaultKind::MissingDataSet && fault.schoolYearCode == 116) ++missing;
    int marked = 0;
    for (const auto& line : lines) {
        EXPECT_TRUE(line[2] == '1' || line[2] == '3') << line;
        if (line[0] == '\\') ++marked;
    }
    EXPECT_GE(missing, 1);
    EXPECT_EQ(marked, missing);
}

TEST(CliDemo, BadArgumentsAreUsageErrorsAndAnExistingOfficeStaysUntouched) {
    TempDir temp;
    EXPECT_EQ(Cli(temp, {"demo-data"}).exitCode, 2);
    EXPECT_EQ(Cli(temp, {"demo-data", "o", "--schools", "0"}).exitCode, 2);
    EXPECT_EQ(Cli(temp, {"demo-data", "o", "--schools", "many"}).exitCode, 2);
    EXPECT_EQ(Cli(temp, {"demo-data", "o", "--years", ".16-.14"}).exitCode, 2);
    EXPECT_EQ(Cli(temp, {"demo-data", "o", "--years", ".05-.06"}).exitCode, 2);
    EXPECT_EQ(Cli(temp, {"demo-data", "o", "--seed"}).exitCode, 2);
    EXPECT_EQ(Cli(temp, {"demo-data", "o", "--colour", "red"}).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "o"));

    WriteFile(temp.path() / "real" / "schulnam.dat", "00112233");
    const auto refused = Cli(temp, {"demo-data", "real", "--schools", "3"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("already holds an office"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFile(temp.path() / "real" / "schulnam.dat"), "00112233");
}
