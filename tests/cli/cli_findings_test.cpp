// The findings of the plausibility test as CSV lines: one school, and the data test of a demo
// office against the faults it was written with.
#include "data/demo/demo_office.h"
#include "output/text_routines.h"
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace tev;
using namespace tev::test;

namespace {

class CliFindings : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        temp_ = new TempDir;
        const auto made = RunCli(TEV_CLI_PATH,
                                 {"demo-data", Office().string(), "--schools", "40", "--seed", "9",
                                  "--years", ".16-.16"},
                                 temp_->path());
        ASSERT_EQ(made.exitCode, 0) << made.err;
        for (const DemoFault& fault : ReadDemoFaultFile(Office() / "demo-fehler.txt")) {
            if (fault.kind != DemoFaultKind::MissingDataSet &&
                fault.kind != DemoFaultKind::MissingZepList)
                faults_->push_back(fault);
        }
    }
    static void TearDownTestSuite() {
        delete temp_;
        temp_ = nullptr;
        faults_->clear();
    }
    static std::filesystem::path Office() { return temp_->path() / "amt"; }

    static TempDir* temp_;
    static std::vector<DemoFault>* faults_;
};

TempDir* CliFindings::temp_ = nullptr;
std::vector<DemoFault>* CliFindings::faults_ = new std::vector<DemoFault>;

} // namespace

TEST_F(CliFindings, PlausiCsvNamesTheTableAndCellOfAPlantedFault) {
    const DemoFault* girls = nullptr;
    for (const DemoFault& fault : *faults_) {
        if (fault.kind == DemoFaultKind::GirlsAboveTotal) girls = &fault;
    }
    ASSERT_NE(girls, nullptr) << "the demo office has no girls above the total";
    const auto run = RunCli(
        TEV_CLI_PATH,
        {"--data", Office().string(), "--year", ".16", "plausi", "--csv", girls->schoolNumber},
        temp_->path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Tables 1.1 and 1.8 hold class k in column k - 2, the girls in row 38.
    const std::vector<std::string> expected = {"Fehler", girls->table,
                                               std::to_string(girls->level - 2), "38"};
    bool named = false;
    for (const std::string& line : run.OutLines()) {
        const auto fields = SplitFields(line);
        ASSERT_GE(fields.size(), 5u) << line;
        EXPECT_TRUE(fields[0] == "Fehler" || fields[0] == "Hinweis") << line;
        named |= std::vector<std::string>(fields.begin(), fields.begin() + 4) == expected;
    }
    EXPECT_TRUE(named) << girls->schoolNumber << " " << girls->table << " class " << girls->level
                       << "\n"
                       << run.out;
}

TEST_F(CliFindings, DataTestWritesEveryPlantedFaultsTableIntoAnErrorLineOfItsSchool) {
    const auto csv = temp_->path() / "befunde.csv";
    const auto run = RunCli(TEV_CLI_PATH,
                            {"--data", Office().string(), "--year", ".16", "--answer", "alle",
                             "--answer", "ja", "--answer", "ja", "--answer", "abbruch", "--answer",
                             "abbruch", "menu", "Testen", "--findings", csv.string()},
                            temp_->path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(std::filesystem::exists(csv));
    const std::string text = ReadFile(csv);
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    std::multimap<std::string, std::vector<std::string>> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto fields = SplitFields(line);
        ASSERT_GE(fields.size(), 6u) << line;
        EXPECT_EQ(fields[0].size(), 6u) << line;
        lines.emplace(fields[0], fields);
    }
    ASSERT_FALSE(faults_->empty());
    for (const DemoFault& fault : *faults_) {
        bool found = false;
        const auto [from, to] = lines.equal_range(fault.schoolNumber);
        for (auto it = from; it != to; ++it)
            found |= it->second[1] == "Fehler" && it->second[2] == fault.table;
        EXPECT_TRUE(found) << fault.schoolNumber << ": no error line in table " << fault.table;
    }
}

TEST_F(CliFindings, FindingsFileBelongsToTheDataTestOnly) {
    const auto run = RunCli(TEV_CLI_PATH,
                            {"--data", Office().string(), "--year", ".16", "menu", "Fehl",
                             "--findings", (temp_->path() / "x.csv").string()},
                            temp_->path());
    EXPECT_EQ(run.exitCode, 2) << run.out;
    EXPECT_FALSE(std::filesystem::exists(temp_->path() / "x.csv"));
}
