#include "output/codepage.h"
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

// A text as it stands in a PDF string.
std::string PdfText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '(' || c == ')') escaped += '\\';
        escaped += c;
    }
    return "(" + escaped + ") Tj";
}

struct CliPrintTest : ::testing::Test {
    TempDir temp;
    std::filesystem::path data = temp.path() / "daten";

    // Schools 100100, 100101, ...; the last number twice, so that loading the directory
    // reports the duplicate in the output box.
    void WriteSchools(int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            SchoolNameLine school;
            school.number = std::to_string(100100 + i);
            school.shortName = "Gym-" + std::to_string(i);
            lines.push_back(school.Text());
        }
        lines.push_back(lines.back());
        WriteFile(data / "schulnam.dat", DosLines(lines));
    }
    CliResult Run(std::vector<std::string> args) {
        std::vector<std::string> all = {"--data", data.string(), "--year",
                                        ".16",    "--today",     "2016-11-20"};
        all.insert(all.end(), args.begin(), args.end());
        return RunCli(TEV_CLI_PATH, all, temp.path());
    }
};

TEST_F(CliPrintTest, TheSchoolOverviewIsPrintedIntoThePdf) {
    WriteSchools(120);
    const auto list = Run({"list"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const auto result =
        Run({"--printer", "liste.pdf", "--answer", "1", "menu", "Drucken/Übersicht(linke Box)"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string pdf = ReadFile(temp.path() / "liste.pdf");
    ASSERT_EQ(pdf.rfind("%PDF-1.4", 0), 0u);
    EXPECT_NE(pdf.find(Win("(Übersicht Schulen) Tj")), std::string::npos);
    EXPECT_NE(pdf.find("(20.11.16) Tj"), std::string::npos);
    EXPECT_NE(pdf.find(Win("(Übersicht Schulen   -2-) Tj")), std::string::npos);
    EXPECT_EQ(pdf.find("-3-) Tj"), std::string::npos);
    for (const auto& line : list.OutLines())
        EXPECT_NE(pdf.find(PdfText(line)), std::string::npos) << line;
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "druck.pdf"));
}

TEST_F(CliPrintTest, TheOutputBoxIsSavedAsTextAndCopyNamesAddABatchLine) {
    WriteSchools(3);
    const auto saved =
        Run({"--answer", "2", "--answer", "bericht", "menu", "Drucken/Ausgabe(rechte Box)"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const std::string text = ReadFile(temp.path() / "bericht.txt");
    EXPECT_EQ(text.rfind("DID doppelt: ", 0), 0u);
    EXPECT_EQ(text, DosLines(saved.OutLines()));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "cop2ausw.bat"));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "druck.pdf"));

    const auto copied =
        Run({"--answer", "2", "--answer", "²bericht2", "menu", "Drucken/Ausgabe(rechte Box)"});
    ASSERT_EQ(copied.exitCode, 0) << copied.err;
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "bericht2.txt"));
    EXPECT_EQ(ReadFile(temp.path() / "cop2ausw.bat"),
              "copy bericht2.txt ..\\auswert\\bericht2.txt /Y\r\n");
}

TEST_F(CliPrintTest, PrintingTheOutputBoxGoesToTheDefaultPdf) {
    WriteSchools(3);
    const auto result =
        Run({"--answer", "wirklich drucken", "menu", "Drucken/Ausgabe(rechte Box)"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string pdf = ReadFile(temp.path() / "druck.pdf");
    EXPECT_NE(pdf.find("(Ausgabe) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("/F1 9.92 Tf"), std::string::npos); // Courier, 3.5 mm
}

} // namespace
