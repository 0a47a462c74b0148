// The course check through "tev-cli menu": a school year of the first course regime, made
// from demo files whose basic course rows are written by hand, and a later year, which the
// check refuses with one line.
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev::test;

namespace {

const char* kEntry = "Auswerten/(teste 5.1+6.1)";

// The file with the data rows of its 6.1 block replaced by `rows`.
std::string WithBasicCourses(const std::string& file, const std::vector<std::string>& rows) {
    const size_t header = file.find("\n.;61;");
    const size_t headingRow = file.find('\n', header + 1);
    const size_t firstRow = file.find('\n', headingRow + 1) + 1;
    const size_t nextBlock = file.find("\n.;", firstRow);
    std::string out = file.substr(0, firstRow);
    for (const auto& row : rows)
        out += row + "\r\n";
    return out + file.substr(nextBlock + 1);
}

struct CliCourseCheckTest : ::testing::Test {
    static void SetUpTestSuite() {
        temp = new TempDir;
        const auto made = RunCli(
            TEV_CLI_PATH, {"demo-data", Data().string(), "--schools", "2", "--years", ".13-.13"},
            temp->path());
        ASSERT_EQ(made.exitCode, 0) << made.err;
        // 2001/02 is older than any demo year: its files are the demo's with new suffixes.
        bool first = true;
        for (const auto& entry : std::filesystem::directory_iterator(Data() / "TEV")) {
            if (entry.path().extension() != ".13") continue;
            auto old = entry.path();
            old.replace_extension(".01");
            // D: 3 hours per course; the first school gives one hour too many in J1.
            const std::string hoursD = first ? "7" : "6";
            first = false;
            WriteFile(old, WithBasicCourses(ReadFile(entry.path()),
                                            {"1;D;2;40;" + hoursD + ";2;38;6;;;;",
                                             "8;Mu;1;15;2;1;12;2;;;;", "38;Sem;1;10;5;;;;;;;"}));
        }
    }
    static void TearDownTestSuite() {
        delete temp;
        temp = nullptr;
    }
    static std::filesystem::path Data() { return temp->path() / "daten"; }
    static CliResult Run(const std::string& year, std::vector<std::string> args) {
        std::vector<std::string> all = {"--data", Data().string(), "--year", year};
        all.insert(all.end(), args.begin(), args.end());
        return RunCli(TEV_CLI_PATH, all, temp->path());
    }
    static TempDir* temp;
};

TempDir* CliCourseCheckTest::temp = nullptr;

TEST_F(CliCourseCheckTest, ListsTheOneDeviatingRowOfAllSchools) {
    const auto run =
        Run(".01", {"--answer", "alle", "--answer", "3", "--answer", "abbruch", "menu", kEntry});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Schul-ID Schulname          Fach  #Kurs Sch Std  Std-Diff\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("GK J1 D  :   2  40  7       1  \n"
                           "     zu viele Grp/Std: (Soll:  2  40  6)  1\n"),
              std::string::npos)
        << run.out;
    // One school deviates, once; Mu fits and Sem is checked apart.
    EXPECT_EQ(run.out.find("Grp/Std"), run.out.rfind("Grp/Std")) << run.out;
}

TEST_F(CliCourseCheckTest, ALaterYearIsRefusedWithOneLineAndNoQuestion) {
    const auto run = Run(".13", {"menu", kEntry});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("2013/14: teste 5.1 + 6.1 nicht möglich"), std::string::npos) << run.out;
}

} // namespace
