// tev-cli demand on the schools of a small demo office: the summary follows the table of
// final-year hours, the 8-year allocation and its own sum; the grids come as blocks.
#include "data/demo/demo_office.h"
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace tev;
using namespace tev::test;

namespace {

using Blocks = std::map<std::string, std::vector<std::string>>;

Blocks ReadBlocks(const std::string& out) {
    Blocks blocks;
    std::istringstream in(out);
    std::string line, name;
    while (std::getline(in, line)) {
        if (line.rfind("# ", 0) == 0)
            name = line.substr(2), blocks[name];
        else
            blocks[name].push_back(line);
    }
    return blocks;
}

std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(row);
    while (std::getline(in, cell, ';'))
        cells.push_back(cell);
    if (!row.empty() && row.back() == ';') cells.emplace_back();
    return cells;
}

int Number(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos ? 0 : std::stoi(text);
}

// The final-year hours of the year codes 117 to 129 for levels 12 and 13 (year code minus
// level 107 to 116): 1.45 n + 37.499, 1.35 n + 43.499, 1.7 n + 5.499, rounded, worked in
// thousandths.
int TableHours(int n) {
    if (n < 1 || n > 999) return 0;
    long long milli = n <= 59    ? 1450LL * n + 37499
                      : n <= 109 ? 1350LL * n + 43499
                                 : 1700LL * n + 5499;
    return static_cast<int>((milli + 500) / 1000);
}

struct CliDemandTest : ::testing::Test {
    TempDir temp;
    std::filesystem::path office = temp.path() / "office";

    void SetUp() override {
        DemoOptions options;
        options.schools = 8;
        options.seed = 11;
        options.firstYear = 122;
        options.lastYear = 124;
        WriteDemoOffice(office, options);
    }
    CliResult Run(std::vector<std::string> args) {
        std::vector<std::string> all = {"--data", office.string(), "--year", ".23"};
        all.insert(all.end(), args.begin(), args.end());
        return RunCli(TEV_CLI_PATH, all, temp.path());
    }
    std::vector<std::string> Schools() {
        std::vector<std::string> numbers;
        for (const std::string& line : Run({"list"}).OutLines())
            numbers.push_back(line.substr(2, 6));
        return numbers;
    }
};

} // namespace

TEST_F(CliDemandTest, TheSummaryFollowsTheFinalYearTableForEverySchool) {
    const auto schools = Schools();
    ASSERT_EQ(schools.size(), 8u);
    for (const std::string& school : schools) {
        for (const bool next : {false, true}) {
            std::vector<std::string> args = {"demand", school};
            if (next) args.push_back("--next");
            const CliResult result = Run(args);
            ASSERT_EQ(result.exitCode, 0) << result.err;
            const Blocks blocks = ReadBlocks(result.out);
            for (const char* name :
                 {"SGLBR", "SGBEDARF", "SGLBR1", "SGLBR2", "SGLBRspr", "SGLBRF1n", "LBhinw"})
                EXPECT_TRUE(blocks.count(name)) << name;
            const auto& summary = blocks.at("SGLBR");
            ASSERT_EQ(summary.size(), 9u) << result.out;
            int n12 = -1, n13 = -1, k = -1;
            std::sscanf(summary[1].c_str(), "KlSt.12 (%d Sch.)", &n12);
            std::sscanf(summary[2].c_str(), "KlSt.13 (%d Sch.)", &n13);
            std::sscanf(summary[3].c_str(), "Sonderzuweisung ( %d Kl. 8jähr.)", &k);
            ASSERT_GE(n12, 0) << summary[1];
            ASSERT_GE(n13, 0) << summary[2];
            ASSERT_GE(k, 0) << summary[3];
            // .23 is year code 123, "Berechnen" computes 124: both read the same table rows.
            EXPECT_EQ(Number(Cells(summary[1])[1]), TableHours(n12)) << school << summary[1];
            EXPECT_EQ(Number(Cells(summary[2])[1]), TableHours(n13)) << school << summary[2];
            EXPECT_EQ(Number(Cells(summary[3])[1]), 2 * k) << summary[3];
            // Row 0 is the total of the demand grid.
            const auto& demand = blocks.at("SGBEDARF");
            ASSERT_GE(demand.size(), 9u);
            const auto totals = Cells(demand[8]);
            EXPECT_EQ(Number(Cells(summary[0])[1]), Number(totals[totals.size() - 2]));
            int sum = 0;
            for (int row = 0; row < 8; ++row)
                sum += Number(Cells(summary[row])[1]);
            EXPECT_EQ(Number(Cells(summary[8])[1]), sum) << result.out;
        }
    }
}

TEST_F(CliDemandTest, GridsComeAsBlocksAndTheNextYearIsRepeatable) {
    const std::string school = Schools().front();
    const CliResult now = Run({"demand", school});
    const CliResult next = Run({"demand", school, "--next"});
    ASSERT_EQ(next.exitCode, 0) << next.err;
    EXPECT_EQ(Run({"demand", school, "--next"}).out, next.out);
    const Blocks blocks = ReadBlocks(now.out);
    EXPECT_EQ(blocks.at("SGLBRF1n").front(),
              "3;KlSt 5;KlSt 6;KlSt 7;KlSt 8;KlSt 9;KlSt 10;KlSt 11");
    EXPECT_EQ(Cells(blocks.at("SGBEDARF")[8])[0], "Summe 5-11");
    EXPECT_EQ(Cells(blocks.at("SGBEDARF")[9])[0], "+-Abw.f.gen.Sond");
    EXPECT_EQ(Cells(blocks.at("SGLBRspr")[1])[0], "E");
    EXPECT_EQ(Cells(blocks.at("SGLBR2")[1])[0], "allg");
    // The order of the blocks is the one the command promises.
    EXPECT_LT(now.out.find("# SGLBR\n"), now.out.find("# SGBEDARF\n"));
    EXPECT_LT(now.out.find("# SGLBRF1n\n"), now.out.find("# LBhinw\n"));
}

TEST_F(CliDemandTest, AnUnknownSchoolFails) {
    const CliResult result = Run({"demand", "999999"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("999999"), std::string::npos) << result.err;
    EXPECT_EQ(Run({"demand"}).exitCode, 2);
}
