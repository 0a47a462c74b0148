// The extracts and the course overview through "tev-cli menu" on a demo office, and the walk
// over the whole menu table.
#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/main_menu.h"
#include "support/cli_runner.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

struct CliExtractsTest : ::testing::Test {
    static void SetUpTestSuite() {
        temp = new TempDir;
        const auto made = RunCli(TEV_CLI_PATH,
                                 {"demo-data", (temp->path() / "daten").string(), "--schools", "6",
                                  "--years", ".24-.24"},
                                 temp->path());
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    static void TearDownTestSuite() {
        delete temp;
        temp = nullptr;
    }
    static CliResult Run(std::vector<std::string> args) {
        std::vector<std::string> all = {"--data", (temp->path() / "daten").string(), "--year",
                                        ".24"};
        all.insert(all.end(), args.begin(), args.end());
        return RunCli(TEV_CLI_PATH, all, temp->path(), {"usw=QVZ"});
    }
    static TempDir* temp;
};

TempDir* CliExtractsTest::temp = nullptr;

TEST_F(CliExtractsTest, TheCourseOverviewTakesSubjectsAndSchoolsFromAnswers) {
    // Schools 1 to 5, subject 1 ("D") clicked, then built together.
    const auto run = Run({"--answer", "1-5", "--answer", "1", "--answer", "zus. erstellen", "menu",
                          "Auswerten/Kursübersichten fachweise"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = run.OutLines();
    const auto block = std::find(lines.begin(), lines.end(), "# SG");
    ASSERT_NE(block, lines.end()) << run.out;
    ASSERT_GE(lines.end() - block, 3);
    EXPECT_EQ(FieldAt(*(block + 1), 12), "Fach");
    EXPECT_EQ(FieldAt(*(block + 2), 12), "D");
    EXPECT_EQ(lines.back().rfind("  5 Schulen", 0), 0u) << lines.back();

    // Clicked twice, the subject is not chosen: the build finds none.
    const auto twice = Run({"--answer", "1-5", "--answer", "1", "--answer", "1", "--answer",
                            "zus. erstellen", "menu", "Auswerten/Kursübersichten fachweise"});
    ASSERT_EQ(twice.exitCode, 0) << twice.err;
    EXPECT_NE(twice.err.find("kein Fach gefunden"), std::string::npos) << twice.err;
    EXPECT_EQ(twice.out.find("# SG"), std::string::npos);
}

TEST_F(CliExtractsTest, TheResidenceExtractWritesItsFilesInTheCurrentFolder) {
    const auto run = Run({"--answer", "alle", "menu",
                          "Auswerten/Auszug Wohnorte (4.1-4.3, 5.2, 1.x, Profilzahlen)"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("info: SG41_ges.csv und SG41oins.csv erstellt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(temp->path() / "2024_SG41_ges.csv"));
}

TEST_F(CliExtractsTest, TheNationalityAndColumnExtractsWriteTheirFiles) {
    const auto nations = Run(
        {"--answer", "alle", "--answer", "alle", "menu", "Auswerten/Auszug Staatszugehörigkeit"});
    ASSERT_EQ(nations.exitCode, 0) << nations.err;
    EXPECT_NE(nations.err.find("info: 2024_AGs_zus.csv und 2024_FSpF_Ukr.csv erstellt"),
              std::string::npos)
        << nations.err;
    EXPECT_NE(
        nations.err.find("info: 2024_Staatsang.csv, 2024_x163.csv und 2024_163Tuerkei erstellt"),
        std::string::npos)
        << nations.err;
    EXPECT_NE(nations.out.find("Schule;Disch;SuS;dv.w;Migr;dv.w;Ausl;dv.w"), std::string::npos);
    for (const char* name : {"2024_AGs_zus.csv", "2024_Staatsang.csv", "2024_163Tuerkei"})
        EXPECT_TRUE(std::filesystem::exists(temp->path() / name)) << name;

    // The last definition, 8.3 over both columns of the Abitur averages.
    const auto columns = Run({"--answer", "9", "--answer", "alle", "menu",
                              "Auswerten/ausgewählte Spalten-Auszüge (7.1,8.1,8.2,8.3)"});
    ASSERT_EQ(columns.exitCode, 0) << columns.err;
    EXPECT_NE(columns.err.find("info: __AbiSchnitte_83.csv erstellt"), std::string::npos)
        << columns.err;
    const std::string text = ReadFile(temp->path() / "__AbiSchnitte_83.csv");
    EXPECT_NE(text.find("\nzusammen;"), std::string::npos) << text;
}

TEST_F(CliExtractsTest, TheDeveloperExtractsWriteTheirFiles) {
    const auto search = Run({"--answer", "alle", "menu", "XXX/Suche  N"});
    ASSERT_EQ(search.exitCode, 0) << search.err;
    EXPECT_EQ(ReadFile(temp->path() / "FS_N.csv").rfind("Schulnamek;Disch;\r\n", 0), 0u);

    // The office has one school year only: last year's columns stay empty.
    const auto migration = Run({"--answer", "alle", "menu", "XXX/vgl Migr Vj Aktj"});
    ASSERT_EQ(migration.exitCode, 0) << migration.err;
    EXPECT_NE(migration.err.find("info: vglMigr.csv und vglMigrx.csv erstellt"), std::string::npos);
    const std::string byYear = ReadFile(temp->path() / "vglMigr.csv");
    EXPECT_EQ(byYear.rfind("Schulnamek;Disch;;5;6;7;8;9;10;11;J1;J2;;\r\n", 0), 0u);
    EXPECT_NE(byYear.find(";zusw: Vorj;;;;;;;;;\r\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(temp->path() / "vglMigrx.csv"));
}

TEST_F(CliExtractsTest, TheCentralTestListNeedsTheSchoolMasterFile) {
    const auto run =
        Run({"--answer", "alle", "--answer", "schulen_.txt", "--answer", "ZKSch.txt", "--answer",
             "ZKSchul0.txt", "--answer", "ZKSchul.csv", "--answer", "ZKSch_07.csv", "menu",
             "Kurzbericht/Zentrale Klassenarbeit: Schülerzahlen -> ZKSch.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = SplitFields(ReadFile(temp->path() / "ZKSch.txt"), '\n');
    ASSERT_EQ(lines.size(), 8u) << "heading, six schools and the end"; // the last is empty
    EXPECT_EQ(lines.front(),
              Win("\"Schulschlüssel\";\"D\";\"E\";\"F\";\"L\";\"M\";\"Bem\";\"DM\"\r"));
    EXPECT_NE(run.err.find("ZKSch_07.csv erstellt"), std::string::npos);

    const auto office = temp->path() / "daten";
    std::filesystem::rename(office / "schulen.txt", office / "schulen.bak");
    const auto missing = Run({"--answer", "alle", "menu",
                              "Kurzbericht/Zentrale Klassenarbeit: Schülerzahlen -> ZKSch.txt"});
    std::filesystem::rename(office / "schulen.bak", office / "schulen.txt");
    ASSERT_EQ(missing.exitCode, 0) << missing.err;
    EXPECT_NE(missing.err.find("Die Schuldatei fehlt oder ist leer"), std::string::npos);
}

// Enabled after the merge: every entry of the main window's menu is built then.
TEST_F(CliExtractsTest, DISABLED_NoMenuEntryAnswersNotAvailableYet) {
    for (const auto& entry : MainMenu()) {
        if (entry.handler.empty()) continue; // a caption without action of its own
        const std::string path = Utf8FromWin(entry.path);
        const auto run = Run({"menu", path});
        EXPECT_EQ(run.err.find("not available yet"), std::string::npos) << path;
        EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 3) << path << ": " << run.err;
    }
}

} // namespace
