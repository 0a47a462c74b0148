// The class reports through `tev-cli menu` on a demo office: the upper table, the files each
// entry writes, the sheet entries, and --charts writing the class-size chart as SVG and PNG.
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev::test;

namespace {

struct CliClassReports : ::testing::Test {
    TempDir temp;
    std::filesystem::path office = temp.path() / "amt";

    void SetUp() override {
        const auto made = RunCli(
            TEV_CLI_PATH,
            {"demo-data", office.string(), "--schools", "8", "--seed", "4", "--years", ".18-.18"},
            temp.path());
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    CliResult Menu(const std::string& entry, const std::vector<std::string>& options = {}) {
        std::vector<std::string> args = {"--data", office.string(), "--year", ".18"};
        args.insert(args.end(), options.begin(), options.end());
        args.insert(args.end(), {"menu", "Auswerten/" + entry});
        return RunCli(TEV_CLI_PATH, args, temp.path());
    }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(temp.path() / name);
    }
};

std::vector<std::string> Block(const CliResult& result, const std::string& name) {
    return GridBlock(result.OutLines(), name);
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

TEST_F(CliClassReports, ClassSizesFillTheUpperTableAndWriteBothFiles) {
    const auto result = Menu("Klassenstärken (1.2) auswerten", {"--answer", "alle"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto table = Block(result, "UpperTable");
    ASSERT_GE(table.size(), 10u); // heading, 8 schools, the total
    EXPECT_TRUE(StartsWith(table[0], "Klassenstärken 2018;Sch 5;Kl 5;Dur 5;Sch 6")) << table[0];
    EXPECT_TRUE(StartsWith(table.back(), "zus. Sch/Kl;")) << table.back();
    EXPECT_TRUE(Exists("Kl_Staerke.csv"));
    EXPECT_TRUE(Exists("Kl_Staerkex.csv"));
    const std::string list = ReadFile(temp.path() / "Kl_Staerkex.csv");
    EXPECT_NE(list.find("1..16;17..20;21..24;25..28;29..;zus"), std::string::npos);
    EXPECT_NE(list.find("\r\n"), std::string::npos);
    // No --charts: no image files.
    EXPECT_FALSE(Exists("KlStGr.svg"));
}

TEST_F(CliClassReports, ClassCountsEndWithTheSumRow) {
    const auto result = Menu("Klassenzahlen (9.1 9.2) auswerten", {"--answer", "alle"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto table = Block(result, "UpperTable");
    ASSERT_EQ(table.size(), 10u);
    EXPECT_NE(table[0].find(";Sch 5;Kl ;9.2 ;hart;Sch 6;"), std::string::npos);
    EXPECT_TRUE(StartsWith(table.back(), "Summe;")) << table.back();
}

TEST_F(CliClassReports, TargetHoursWriteThreeLinesPerSchool) {
    const auto result = Menu("Sollzahlen (9.1, 9.2, 9.1-9.2)", {"--answer", "1-2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto lines = result.OutLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "jeweils: Sollzahlen9.1, Sollzahlen9.2, Sollzahlen9.1-9.2 ");
    EXPECT_EQ(Block(result, "UpperTable").size(), 1u + 2 * 3);
}

TEST_F(CliClassReports, TheMigrationExtractIsSavedAndShown) {
    const auto result = Menu("Sonderauswertungen", {"--answer", "alle"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(StartsWith(result.OutLines().at(0), "Schulname;Disch;Regnr;"));
    const auto table = Block(result, "UpperTable");
    EXPECT_EQ(table.size(), 9u);
    EXPECT_TRUE(StartsWith(table[0], "Migration, Ausl  2018;Disch;Regnr;"));
    EXPECT_TRUE(Exists("Migrxxx.csv"));
}

TEST_F(CliClassReports, TheExtractEntriesOpenTheSheet) {
    const auto hint = Menu("Zeilen-/Spalten/Soll_Ist-Auszüge");
    ASSERT_EQ(hint.exitCode, 0) << hint.err;
    EXPECT_NE(hint.err.find("info: in \"Bearbeiten\" unten im blauen Bereich"), std::string::npos)
        << hint.err;

    const auto sums = Menu("Sollsummen 9.2-Ist 9.1", {"--defaults"});
    ASSERT_EQ(sums.exitCode, 0) << sums.err;
    EXPECT_GE(Block(sums, "SG00").size(), 2u) << sums.out;
}

#ifdef TEV_CHARTS
TEST_F(CliClassReports, ChartsAreWrittenAsSvgAndPng) {
    const auto result = Menu("Klassenstärken (1.2) auswerten", {"--charts", "--answer", "alle"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string svg = ReadFile(temp.path() / "KlStGr.svg");
    EXPECT_TRUE(StartsWith(svg, "<?xml") || StartsWith(svg, "<svg")) << svg.substr(0, 40);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_NE(svg.find("rken 2018"), std::string::npos); // the title
    EXPECT_NE(svg.find("29.."), std::string::npos);      // a category
    const std::string png = ReadFile(temp.path() / "KlStGr.png");
    EXPECT_TRUE(StartsWith(png, "\x89PNG\r\n\x1a\n"));
    EXPECT_NE(png.find("Title"), std::string::npos);
    EXPECT_NE(png.find("rken 2018"), std::string::npos);
}

#else
TEST_F(CliClassReports, WithoutQtChartsAreRefused) {
    const auto result = Menu("Klassenstärken (1.2) auswerten", {"--charts", "--answer", "alle"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("--charts"), std::string::npos) << result.err;
    EXPECT_FALSE(Exists("Kl_Staerke.csv"));
}
#endif

} // namespace
