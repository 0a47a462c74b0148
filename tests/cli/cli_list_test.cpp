#include "output/codepage.h"
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct CliFixture : ::testing::Test {
    TempDir temp;
    std::filesystem::path data = temp.path() / "daten";

    void SetUp() override {
        auto line = [](const std::string& number, const std::string& shortName,
                       const std::string& regional) {
            SchoolNameLine school;
            school.number = number;
            school.shortName = shortName;
            school.regional = regional;
            return school.Text();
        };
        WriteFile(
            data / "schulnam.dat",
            DosLines({line("112240", DosFromUtf8("Ölberg-Gym"), "211111"),
                      line("112233", "Schiller-Gym", "111118"),
                      line("312250", "Anna-Gym", "411126"), line("112233", "Doppelt", "111118")}));
        WriteFile(data / "TEV" / "SL112233.16", "");
    }
    CliResult Run(std::vector<std::string> args) { return RunCli(TEV_CLI_PATH, args, temp.path()); }
};

} // namespace

TEST_F(CliFixture, ListPrintsTheSchoolListAsTheWindowShowsIt) {
    const auto result = Run({"--data", data.string(), "--year", ".16", "--group", "  ", "list"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto lines = result.OutLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 20), "00112233Schiller-Gym");
    EXPECT_EQ(lines[2].substr(0, 8), "\\0112240");
    EXPECT_EQ(lines[2].substr(8, 12), "Ölberg-Gym ");
    EXPECT_NE(lines[0].find(" 111118 "), std::string::npos);

    const auto byName = Run({"--data", data.string(), "--year", ".16", "--sort", "3", "list"});
    ASSERT_EQ(byName.exitCode, 0);
    EXPECT_EQ(byName.OutLines()[0].substr(8, 8), "Anna-Gym");
    EXPECT_EQ(byName.OutLines()[2].substr(8, 7), "Ölberg");

    const auto district = Run({"--data", data.string(), "--year", ".16", "--group", "31", "list"});
    EXPECT_EQ(district.exitCode, 0);
    EXPECT_TRUE(district.OutLines().empty());
}

TEST_F(CliFixture, LoadingTheDirectoryPrintsTheDuplicateReport) {
    const auto result = Run({"--data", data.string(), "--year", ".16", "menu", "Datei/Laden"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto lines = result.OutLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("DID doppelt: 00112233Doppelt", 0), 0u);
    EXPECT_EQ(lines[1].rfind("             00112233Schiller-Gym", 0), 0u);
}

TEST_F(CliFixture, ExitCodesForUsageMissingAnswersAndUnbuiltEntries) {
    EXPECT_EQ(Run({"--sort", "13", "list"}).exitCode, 2);
    EXPECT_EQ(Run({"--data", data.string(), "frobnicate"}).exitCode, 2);
    EXPECT_EQ(Run({"--data", data.string(), "--group", "xy", "list"}).exitCode, 2);
    const auto unbuilt = Run({"--data", data.string(), "menu", "Auswerten/(teste 5.1+6.1)"});
    EXPECT_EQ(unbuilt.exitCode, 2);
    EXPECT_NE(unbuilt.err.find("not available yet"), std::string::npos);
    const auto developer = Run({"--data", data.string(), "menu", "XXX/Suche Schule"});
    EXPECT_EQ(developer.exitCode, 2);
}

// A script must be able to tell that nothing was listed because nothing could be read.
TEST_F(CliFixture, AnUnusableDataDirectoryFailsWithItsReason) {
    const auto missing = Run({"--data", (temp.path() / "fehlt").string(), "list"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos);

    const auto folder = temp.path() / "ordner";
    std::filesystem::create_directories(folder / "schulnam.dat");
    const auto notAFile = Run({"--data", folder.string(), "list"});
    EXPECT_EQ(notAFile.exitCode, 1);
    EXPECT_NE(notAFile.err.find("schulnam.dat cannot be read"), std::string::npos);

    const auto empty = temp.path() / "leer";
    std::filesystem::create_directories(empty);
    EXPECT_EQ(Run({"--data", empty.string(), "list"}).exitCode, 1);
}

TEST_F(CliFixture, HelpDescribesEveryCommandAndItsOptions) {
    const auto help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"list", "menu", "sheet", "edit", "plausi", "demo-data"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    const auto edit = Run({"edit", "--help"});
    EXPECT_EQ(edit.exitCode, 0);
    EXPECT_NE(edit.out.find("--save"), std::string::npos);
    EXPECT_NE(edit.out.find("SCHOOL"), std::string::npos);
}

TEST_F(CliFixture, OptionsMayFollowTheCommand) {
    const auto result = Run({"list", "--data", data.string(), "--year", ".16"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_FALSE(result.out.empty());
}

TEST_F(CliFixture, TheSchoolSearchAsksAndEndsWithoutAnswer) {
    const auto noAnswer =
        RunCli(TEV_CLI_PATH, {"--data", data.string(), "menu", "XXX/Suche Schule"}, temp.path(),
               {"usw=QVZ"});
    EXPECT_EQ(noAnswer.exitCode, 3);
    EXPECT_NE(noAnswer.err.find("Schule suchen"), std::string::npos);
}

// A developer's window starts on the key "---" (the directory's order); so does the CLI, unless
// --sort names a key.
TEST_F(CliFixture, DevelopersStartOnTheWindowsSortKey) {
    const std::vector<std::string> args = {"--data", data.string(), "--year", ".16", "list"};
    const auto developer = RunCli(TEV_CLI_PATH, args, temp.path(), {"usw=QVZ"});
    ASSERT_EQ(developer.exitCode, 0) << developer.err;
    ASSERT_EQ(developer.OutLines().size(), 4u);
    EXPECT_EQ(developer.OutLines()[0].substr(8, 7), "Ölberg");

    auto sorted = args;
    sorted.insert(sorted.begin(), {"--sort", "2"});
    const auto chosen = RunCli(TEV_CLI_PATH, sorted, temp.path(), {"usw=QVZ"});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
    EXPECT_EQ(chosen.OutLines()[0].substr(0, 20), "00112233Schiller-Gym");
}
