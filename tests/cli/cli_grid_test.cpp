// tev-cli grid: the grid tool's operations on a CSV file, written back or printed.
#include "output/codepage.h"
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

using Lines = std::vector<std::string>;

const Lines kClasses = {"Schule;Schüler;Klassen", "Nord;84;3", "Süd;  56;2", "West;81;3", "Ost;;"};

struct CliGridTest : ::testing::Test {
    TempDir temp;
    std::filesystem::path file = temp.path() / "klassen.csv";

    CliGridTest() { WriteFile(file, Win(Utf8Text(kClasses))); }
    static std::string Utf8Text(const Lines& lines) {
        std::string text;
        for (const auto& line : lines)
            text += line + "\r\n";
        return text;
    }
    CliResult Grid(std::vector<std::string> args) {
        args.insert(args.begin(), "grid");
        return RunCli(TEV_CLI_PATH, args, temp.path());
    }
};

TEST_F(CliGridTest, OperationsApplyInOrderAndTheResultReplacesTheFile) {
    const auto result =
        Grid({"klassen.csv", "div-col:2,3>new", "sort:4", "delete-row:2", "sum-rows:2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadFile(file),
              Win(Utf8Text({"Schule;Schüler;Klassen;Schüler/Klassen", "West;81;3;27",
                            "Nord;84;3;28", "Süd;  56;2;28", "zus;221;8;83"})));
}

TEST_F(CliGridTest, EveryKindOfOperationPrintedToStdout) {
    struct Case {
        Lines operations;
        Lines out;
    };
    const Case cases[] = {
        {{"mul-const:3,1,5>3"},
         {"Schule;Schüler;Klassen*1,5", "Nord;84;4,5", "Süd;  56;3", "West;81;4,5", "Ost;;"}},
        {{"swap-col:2,3", "copy-row:2>5"},
         {"Schule;Klassen;Schüler", "Nord;3;84", "Süd;2;  56", "West;3;81", "Nord;3;84"}},
        {{"insert-col:2", "join-col:1,3>2,_", "clear-col:3"},
         {"Schule;Schule+Schüler;;Klassen", "Nord;Nord_84;;3", "Süd;Süd_56;;2", "West;West_81;;3",
          "Ost;Ost_;;"}},
        {{"quotient-row:2", "round:2>new"},
         {"Schule;Schüler;Klassen;round(Schüler)", "Nord;84;3;84", "Süd;  56;2;56", "West;81;3;81",
          "Ost;;;", "quot;55,25;2;55"}},
        {{"sum-rows:2", "share-rows:2,2,6"},
         {"Schule;Schüler;Klassen", "Nord;84;3", "Süd;  56;2", "West;81;3", "Ost;;", "zus;221;8",
          "Nord %;38;37,5", "Süd %;25,3;25", "West %;36,7;37,5", "Ost %;;", "zus %;100;100"}},
        {{"copy-cell:2,2>2,5", "clear-cells:3,2,3,3", "delete-blank-rows"},
         {"Schule;Schüler;Klassen", "West;81;3"}},
        {{"sub-col:3,3>new", "zeros-to-empty:4,2", "trunc:2"},
         {"Schule;trunc(Schüler);Klassen;Klassen-Klassen", "Nord;84;3;", "Süd;56;2;", "West;81;3;",
          "Ost;;;"}},
        {{"sort-text:1", "swap-row:2,3"},
         {"Schule;Schüler;Klassen", "Ost;;", "Nord;84;3", "Süd;  56;2", "West;81;3"}},
        {{"delete-col:2-3", "append-col", "insert-row:2"},
         {"Schule;", ";", "Nord;", "Süd;", "West;", "Ost;"}},
    };
    for (const Case& c : cases) {
        Lines args = {"klassen.csv", "--out", "-"};
        args.insert(args.end(), c.operations.begin(), c.operations.end());
        const auto result = Grid(args);
        ASSERT_EQ(result.exitCode, 0) << c.operations.front() << ": " << result.err;
        EXPECT_EQ(result.OutLines(), c.out) << c.operations.front();
    }
    EXPECT_EQ(ReadFile(file), Win(Utf8Text(kClasses)));
}

TEST_F(CliGridTest, AWrongOperationWritesNothing) {
    const auto result = Grid({"klassen.csv", "save:vorher", "sort:2", "sort:9"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("operation 3 \"sort:9\": column 9 is outside the table (3 "
                              "columns); nothing written"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(ReadFile(file), Win(Utf8Text(kClasses)));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "vorher.csv"));

    EXPECT_EQ(Grid({"klassen.csv"}).exitCode, 2);
    const auto missing = Grid({"fehlt.csv", "sort:2"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("cannot read fehlt.csv"), std::string::npos) << missing.err;
    WriteFile(temp.path() / "breit.csv", std::string(300, ';'));
    EXPECT_EQ(Grid({"breit.csv", "sort:1"}).exitCode, 1);
}

TEST_F(CliGridTest, SnapshotsAnotherTargetAndUtf8Files) {
    const auto result = Grid({"klassen.csv", "save:vorher", "sort:2", "--out", "sortiert.csv"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadFile(temp.path() / "vorher.csv"), Win(Utf8Text(kClasses)));
    EXPECT_EQ(ReadFile(file), Win(Utf8Text(kClasses)));
    EXPECT_EQ(
        ReadFile(temp.path() / "sortiert.csv"),
        Win(Utf8Text({"Schule;Schüler;Klassen", "Ost;;", "Süd;  56;2", "West;81;3", "Nord;84;3"})));

    WriteFile(file, "\xEF\xBB\xBF" + Utf8Text(kClasses));
    ASSERT_EQ(Grid({"klassen.csv", "delete-row:3-5"}).exitCode, 0);
    EXPECT_EQ(ReadFile(file), "\xEF\xBB\xBFSchule;Schüler;Klassen\r\nNord;84;3\r\n");
}

TEST_F(CliGridTest, HelpNamesEveryOperation) {
    const auto help = Grid({"--help"});
    ASSERT_EQ(help.exitCode, 0);
    for (const char* text :
         {"sum-rows:C[,N]", "add-const:A,K>T", "delete-row:A[-B]", "save:NAME", "--out", "UTF-8"})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
}

} // namespace
