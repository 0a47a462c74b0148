#include "output/text_routines.h"
#include "support/cli_runner.h"
#include "support/demo_sheets.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

// A demo office of 2020/21 in which table 3.4 (one cell) is empty but for schools 1 and 3,
// and school 2 has no pupils with special needs (table 4.3 without numbers).
class CliSheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sheets = new DemoSheets(4, 120);
        sheets->Plant(1, {{"SG34", 1, 1, "3"}});
        sheets->Plant(3, {{"SG34", 1, 1, "7"}, {"SG43", 7, 1, "2"}});
        sheets->Load(2);
        const StringGrid& sg43 = *sheets->engine().sheet.grids.Find("SG43");
        std::vector<CellText> empty;
        for (int row = sg43.FixedRows(); row < sg43.RowCount(); ++row) {
            for (int col = sg43.FixedCols(); col < sg43.ColCount(); ++col)
                empty.push_back({"SG43", col, row, ""});
        }
        sheets->Plant(2, empty);
    }
    static void TearDownTestSuite() {
        delete sheets;
        sheets = nullptr;
    }

    CliResult Run(const std::vector<std::string>& args) {
        std::vector<std::string> all = {
            "--data", sheets->office().string(), "--year", ".20", "--today", "2020-11-20"};
        all.insert(all.end(), args.begin(), args.end());
        return RunCli(TEV_CLI_PATH, all, temp.path());
    }

    // The text of a PDF the run wrote, as pdftotext reads it, every run of blanks made one.
    std::string PdfText(const std::string& name) {
        const auto pdf = temp.path() / name;
        const auto text = temp.path() / (name + ".txt");
        const std::string command =
            "pdftotext -layout '" + pdf.string() + "' '" + text.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::string squeezed;
        for (char c : ReadFile(text)) {
            if (c != ' ' || squeezed.empty() || squeezed.back() != ' ') squeezed += c;
        }
        return squeezed;
    }

    static std::string School(int index) { return sheets->SchoolNumber(index); }

    TempDir temp;
    static DemoSheets* sheets;
};

DemoSheets* CliSheetTest::sheets = nullptr;

TEST_F(CliSheetTest, SearchPrintsTheNextSchoolThatMeetsTheCondition) {
    const auto first = Run({"search", School(0), "3.4", "1", "1", ">0"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    ASSERT_EQ(first.OutLines().size(), 1u);
    EXPECT_EQ(first.OutLines()[0].substr(2, 6), School(1));

    // The label beside the cell, which every school has.
    const auto rectangle = Run({"search", School(1), "3.4", "0", "1", "1", "1", "Heim"});
    ASSERT_EQ(rectangle.exitCode, 0) << rectangle.err;
    EXPECT_EQ(rectangle.OutLines().at(0).substr(2, 6), School(2));

    const auto outside = Run({"search", School(0), "3.4", "1", "1", "\\0..5"});
    ASSERT_EQ(outside.exitCode, 0) << outside.err;
    EXPECT_EQ(outside.OutLines().at(0).substr(2, 6), School(3));

    const auto none = Run({"search", School(3), "3.4", "1", "1", "*"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.empty());
    EXPECT_NE(none.err.find("no school after " + School(3)), std::string::npos) << none.err;
}

TEST_F(CliSheetTest, SearchAndExtractRefuseBadArguments) {
    const std::vector<std::vector<std::string>> bad = {
        {"search", School(0), "3.4", "1", "1", ">x"},
        {"search", School(0), "3.4", "1", "1", "2", ">0"},
        {"search", School(0), "3.x", "1", "1", ">0"},
        {"search", School(0), "3.4", "1", "99", ">0"},
        {"extract", School(0), "3.4", "1", "1", "diagonal", ">0"},
        {"extract", School(0), "3.4", "one", "1", "row", ">0"},
    };
    for (const auto& args : bad) {
        const auto result = Run(args);
        EXPECT_EQ(result.exitCode, 2) << args[0] << " " << args.back() << ": " << result.err;
    }
    EXPECT_EQ(Run({"search", "999999", "3.4", "1", "1", ">0"}).exitCode, 1);
}

TEST_F(CliSheetTest, ExtractPrintsTheGridBlock) {
    // No short report, with the sum, all schools.
    const auto result = Run({"--answer", "nein", "--answer", "ja", "--answer", "alle", "extract",
                             School(0), "3.4", "1", "1", "row", ">0"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto lines = result.OutLines();
    ASSERT_EQ(lines.size(), 5u) << result.out;
    EXPECT_EQ(lines[0], "# SG00");
    EXPECT_EQ(lines[1].rfind("Auszug  3.4 Zeile  1", 0), 0u) << lines[1];
    const auto school1 = SplitFields(lines[2], ';');
    const auto school3 = SplitFields(lines[3], ';');
    const auto total = SplitFields(lines[4], ';');
    ASSERT_GE(school3.size(), 3u);
    EXPECT_EQ(Trim(school1[1]), School(1));
    EXPECT_EQ(Trim(school1[2]), "3");
    EXPECT_EQ(Trim(school3[1]), School(3));
    EXPECT_EQ(Trim(school3[2]), "7");
    EXPECT_EQ(Trim(total[0]), "zusammen");
    EXPECT_EQ(Trim(total[2]), "10");

    const auto unanswered = Run({"extract", School(0), "3.4", "1", "1", "row", ">0"});
    EXPECT_EQ(unanswered.exitCode, 3);
}

TEST_F(CliSheetTest, PrintSheetPrintsTheChosenGroupsIntoThePdf) {
    const auto result =
        Run({"--printer", "bogen.pdf", "--answer", "2-3", "print-sheet", School(1)});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string text = PdfText("bogen.pdf");
    EXPECT_NE(text.find("Statistik 2020/21"), std::string::npos) << text.substr(0, 400);
    for (const char* heading : {"2.1 ", "2.4 ", "3.1 ", "3.4 "})
        EXPECT_NE(text.find(heading), std::string::npos) << heading;
    EXPECT_EQ(text.find("4.1 "), std::string::npos);

    EXPECT_EQ(Run({"print-sheet", School(1)}).exitCode, 3) << "the choice needs an answer";
}

TEST_F(CliSheetTest, TablesForSeveralSchoolsGoIntoOnePdf) {
    // Schools 2 to 4 of the list, group 4 for each.
    const auto result = Run({"--printer", "schulen.pdf", "--answer", "2-4", "--answer", "4", "menu",
                             "Drucken/Tabellen für mehrere Schulen"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto lines = result.OutLines();
    ASSERT_EQ(lines.size(), 3u) << result.out;
    for (const auto& line : lines)
        EXPECT_EQ(line.substr(line.size() - 12), ":   gedruckt") << line;
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "schulen-2.pdf"));
    const std::string text = PdfText("schulen.pdf");
    size_t titles = 0;
    for (size_t at = text.find("Statistik 2020/21"); at != std::string::npos;
         at = text.find("Statistik 2020/21", at + 1))
        ++titles;
    EXPECT_GE(titles, 3u);
    const std::string note = "4.3 Inklusiv beschulte Schüler..... hat keine Zahlen > 0";
    const size_t first = text.find(note);
    EXPECT_NE(first, std::string::npos) << "school 2 has no numbers in 4.3";
    EXPECT_EQ(text.find(note, first + 1), std::string::npos) << "schools 1 and 3 have some";
}

} // namespace
