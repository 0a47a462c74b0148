// The general evaluation through tev-cli on a demo office: every table of the summary as a
// grid block in the chosen display kind, and the export files with the group code.
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tev::test;

namespace {

const char* const kMenu = "Auswerten/Auswerten allgemein (ohne Testkennz.berücks.)";

struct CliSummary : ::testing::Test {
    TempDir temp;
    std::filesystem::path office = temp.path() / "amt";

    void SetUp() override {
        const auto made = RunCli(
            TEV_CLI_PATH,
            {"demo-data", office.string(), "--schools", "30", "--seed", "5", "--years", ".16-.16"},
            temp.path());
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    CliResult Run(const std::vector<std::string>& options) {
        std::vector<std::string> args = {"--data", office.string(), "--year",
                                         ".16",    "--answer",      "alle"};
        args.insert(args.end(), options.begin(), options.end());
        args.insert(args.end(), {"menu", kMenu});
        return RunCli(TEV_CLI_PATH, args, temp.path());
    }
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t semi = line.find(';'); semi != std::string::npos; semi = line.find(';', start)) {
        fields.push_back(line.substr(start, semi - start));
        start = semi + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \r") - first + 1);
}

// Cell (col, row) of table 9.1 summed over the office's data set files, read by hand.
long HandSum91(const std::filesystem::path& office, int col, int row) {
    long sum = 0;
    for (const auto& entry : std::filesystem::directory_iterator(office / "TEV")) {
        if (entry.path().extension() != ".16") continue;
        bool inTable = false;
        std::istringstream in(ReadFile(entry.path()));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line[0] == '.') {
                inTable = line.compare(2, 2, "91") == 0;
                continue;
            }
            const auto fields = Fields(line);
            if (!inTable || fields.size() <= static_cast<size_t>(col + 1)) continue;
            if (std::atoi(fields[0].c_str()) == row) sum += std::atol(fields[col + 1].c_str());
        }
    }
    return sum;
}

} // namespace

TEST_F(CliSummary, PrintsEveryTableInTheChosenKind) {
    const auto sums = Run({"--answer", "nein", "--kind", "14"});
    ASSERT_EQ(sums.exitCode, 0) << sums.err;
    const auto lines = sums.OutLines();
    for (const char* name :
         {"SG11", "SG18", "SG12", "SG21", "SG41", "SG51", "SG61", "SG81", "SG91", "SG92"})
        EXPECT_FALSE(GridBlock(lines, name).empty()) << name;
    EXPECT_TRUE(GridBlock(lines, "SG72").empty()); // no table 7.2 from 2013/14 on

    const auto hours = GridBlock(lines, "SG91");
    // Row 3: the pupils of class level 5 in column 1.
    ASSERT_GT(hours.size(), 3u);
    const auto cells = Fields(hours[3]);
    ASSERT_GT(cells.size(), 1u);
    EXPECT_EQ(Trimmed(cells[1]), std::to_string(HandSum91(office, 1, 3)));

    const auto means = Run({"--answer", "nein", "--kind", "3"});
    ASSERT_EQ(means.exitCode, 0) << means.err;
    const auto meanCells = Fields(GridBlock(means.OutLines(), "SG91")[3]);
    EXPECT_NE(meanCells[1].find(','), std::string::npos) << meanCells[1];

    const auto refused = Run({"--answer", "nein", "--kind", "15"});
    EXPECT_EQ(refused.exitCode, 2);
}

TEST_F(CliSummary, AnswerYesWritesTheExportWithTheGroupCode) {
    const auto run = Run({"--answer", "ja"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(temp.path())) {
        const std::string name = entry.path().filename().string();
        if (name.find("ö_p_Zusf") != std::string::npos) ++files;
    }
    // Every table in three forms and the three views.
    EXPECT_GE(files, 3 * 22 + 3);
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "2016ö_p_Zusf_k_Tab91.csv"));
    EXPECT_NE(run.err.find("sind erstellt"), std::string::npos);
}
