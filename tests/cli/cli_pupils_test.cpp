// The pupil numbers report and the foreign-language evaluations through tev-cli menu on a
// small demo office: the output box, the upper table block and the files in the current
// folder.
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev::test;

namespace {

struct CliPupils : ::testing::Test {
    static TempDir* temp;
    static void SetUpTestSuite() {
        temp = new TempDir;
        const auto made = RunCli(TEV_CLI_PATH,
                                 {"demo-data", (temp->path() / "amt").string(), "--schools", "10",
                                  "--seed", "4", "--years", ".18-.18"},
                                 temp->path());
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    static void TearDownTestSuite() {
        delete temp;
        temp = nullptr;
    }
    std::filesystem::path work = temp->path() / ("run" + std::to_string(++runs));
    static int runs;

    CliResult Menu(const std::string& path, const std::vector<std::string>& answers,
                   const std::vector<std::string>& environment = {}) {
        std::filesystem::create_directories(work);
        std::vector<std::string> args = {"--data", (temp->path() / "amt").string(), "--year",
                                         ".18"};
        for (const auto& answer : answers)
            args.insert(args.end(), {"--answer", answer});
        args.insert(args.end(), {"menu", path});
        return RunCli(TEV_CLI_PATH, args, work, environment);
    }
    static std::vector<std::string> Block(const CliResult& result, const std::string& name) {
        return GridBlock(result.OutLines(), name);
    }
};
TempDir* CliPupils::temp = nullptr;
int CliPupils::runs = 0;

} // namespace

TEST_F(CliPupils, OctoberStatisticsWritesThreeFilesAndLeavesTheCompactTable) {
    const auto result = Menu("Auswerten/Schülerzahlen ( Oktoberstatistik )",
                             {"1", "alle", "abbruch", "abbruch", "abbruch"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.OutLines().front(), "Hinweis:");
    const auto table = Block(result, "UpperTable");
    ASSERT_EQ(table.size(), 12u) << "heading, ten schools, sum";
    EXPECT_EQ(table.front().rfind("Schülerzahlen auswerten  (*.18 ", 0), 0u) << table.front();
    EXPECT_EQ(table.back().rfind("Summe;", 0), 0u);
    for (const char* name : {"18_Schz.csv", "18_Schzx.csv", "18_Schzkomp.csv"})
        EXPECT_TRUE(std::filesystem::exists(work / name)) << name;
    EXPECT_NE(result.err.find("wurden  erstellt"), std::string::npos) << result.err;
}

TEST_F(CliPupils, ShortReportSwitchesToTheKSuffix) {
    const auto result = Menu("Kurzbericht/Schülerzahlen ( Kurzberichtauswertung!!! )",
                             {"1", "alle", "abbruch", "abbruch", "abbruch"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto table = Block(result, "UpperTable");
    ASSERT_FALSE(table.empty());
    EXPECT_NE(table.front().find("(*.18K "), std::string::npos) << table.front();
}

TEST_F(CliPupils, ACancelledLayoutChoiceEndsWithoutATable) {
    const auto result = Menu("Auswerten/Schülerzahlen ( Oktoberstatistik )", {"abbruch"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Block(result, "UpperTable").empty());
    EXPECT_FALSE(std::filesystem::exists(work / "18_Schz.csv"));
}

TEST_F(CliPupils, OneLanguageSearchPrintsItsLinesAndTable) {
    const auto result =
        Menu("Auswerten/Auswerten nach einer Fremdsprache", {"alle", "1", "1", "3"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.OutLines().front(), "E  als 1.FSp  bei 8 und 9jähr.Gym.");
    const auto table = Block(result, "UpperTable");
    ASSERT_GT(table.size(), 2u);
    EXPECT_EQ(table.front().rfind("E  als 1.FSp", 0), 0u);
}

TEST_F(CliPupils, SecondLanguageEvaluationWritesItsFile) {
    const auto result =
        Menu("Auswerten/Auswerten nach Fremdsprachen Kl.5 - 9 sowie 2.FS", {"alle", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::exists(work / "2018_FSpF_Ausw.csv"));
    EXPECT_NE(result.err.find("ist erstellt"), std::string::npos) << result.err;
    const auto table = Block(result, "UpperTable");
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.front().rfind("Fremdsprachen Kl.5,7,9;Klst.5 9j.;", 0), 0u);
}

TEST_F(CliPupils, SequenceExtractForDevelopersWritesBothTracks) {
    const auto refused = Menu("XXX/FS-Folgen 8j -> csv", {});
    EXPECT_EQ(refused.exitCode, 2);
    const auto result =
        Menu("XXX/FS-Folgen 8j -> csv", {"alle", "abbruch", "alle", "abbruch"}, {"usw=QVZ"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string eight = ReadFile(work / "FSpF_Anfrage_8j.csv");
    EXPECT_EQ(eight.rfind("Disch;Schulnamek;Nr;FS1;FS2;FS3;5;6;7;8;9;10;11;12;13;zus\r\n", 0), 0u);
    EXPECT_NE(eight.find("\r\n04"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(work / "FSpF_Anfrage_9j.csv"));
    EXPECT_NE(result.err.find(" 10 Schulen"), std::string::npos) << result.err;
}
