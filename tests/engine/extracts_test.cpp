// The extracts to CSV and the course overview on a small demo office: the files with their
// names and header lines, and rows checked against the data set files they came from.
#include "evaluation/central_test_list.h"
#include "evaluation/column_extracts.h"
#include "evaluation/course_overview.h"
#include "evaluation/language_n_search.h"
#include "evaluation/migration_comparison.h"
#include "evaluation/nationality_extract.h"
#include "evaluation/profile_numbers.h"
#include "evaluation/residence_extract.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "support/demo_sheets.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace tev;
using namespace tev::test;

namespace {

std::vector<std::string> FileLines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(file));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class ExtractsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sheets = new DemoSheets(6, 124); }
    static void TearDownTestSuite() {
        delete sheets;
        sheets = nullptr;
    }
    void SetUp() override {
        sheets->ui().ClearAnswers();
        sheets->engine().outputBox.Clear();
    }

    static Engine& engine() { return sheets->engine(); }
    static std::filesystem::path Out(const std::string& name) {
        return engine().workDirectory / name;
    }
    // The data set file of the school at list index `index`, read without the engine.
    static std::vector<std::string> DataSetLines(int index) {
        return FileLines(sheets->office() / "TEV" / ("SL" + sheets->SchoolNumber(index) + ".24"));
    }
    // The data line of a row of a table block, as the file holds it.
    static std::string BlockLine(const std::vector<std::string>& lines, const std::string& table,
                                 const std::string& rowNumber) {
        bool inBlock = false;
        for (const auto& line : lines) {
            if (line.rfind(".;", 0) == 0)
                inBlock = line.rfind(".;" + table + ";", 0) == 0;
            else if (inBlock && line.rfind(rowNumber + ";", 0) == 0)
                return line;
        }
        return {};
    }
    // "04", the school number and the short name of the school's header lines.
    static std::string Prefix(const std::vector<std::string>& lines) {
        const std::string& header = lines.at(0);
        return "04" + header.substr(5, 6) + ";" + TrimRight(header.substr(20)) + ";";
    }

    static DemoSheets* sheets;
};

DemoSheets* ExtractsTest::sheets = nullptr;

TEST_F(ExtractsTest, ResidenceExtractWritesEveryFileWithItsHeaderAndCopiesRowsVerbatim) {
    sheets->ui().AddAnswer("alle");
    AuszugWohnorte1Click(engine());

    const std::vector<std::pair<std::string, std::string>> files = {
        {"2024_SG41_ges.csv", Win("Disch;Schulnamek;Zeile;Wohnort der Schüler;Kreise;KS 5;KS 6;"
                                  "KS 7;KS 8;KS 9;KS 10;KS 11;Jgst.1;Jgst.2;zusammen")},
        {"2024_SG41oins.csv", "SG41 ges ohne insg, insg am Ende"},
        {"2024_SG42_ges.csv", "Disch;Schulnamek;Zeile;"},
        {"2024_SG43_ges.csv", "Disch;Schulnamek;Zeile;"},
        {"2024_SG44_alle.csv", "Disch;Schulnamek;Zeile;"},
        {"2024_SG44_ges.csv", "Disch;Schulnamek;Zeile;"},
        {"2024_SG12_ges.csv", " Tab. 1.2"},
        {"2024_SG52_ges.csv", "Disch;Schulnamek;Zeile;"},
        {"2024_SG11_18_ges.csv", "Statistik 2024/25 (links 1.1 9j, rechts 1.8 8j)"},
        {"2024_SG11_18_FSpF.csv", "Disch;Schulnamek;Zeile;"},
        {"2024_SG11_18_G.csv", "Disch;Schulnamek;Zeile;"},
        {"2024_Prof_ges.csv", "Profilzahlen;2024;8j:;;;gesamt;"},
    };
    for (const auto& [name, header] : files) {
        ASSERT_TRUE(std::filesystem::exists(Out(name))) << name;
        EXPECT_EQ(FileLines(Out(name)).at(0).rfind(header, 0), 0u) << name;
    }

    // Row 1 of table 4.1 (the school's home town) with the leading columns, in the program's
    // code page; the pupils' total row ends the file without totals.
    const auto lines = DataSetLines(0);
    const auto residence = FileLines(Out("2024_SG41_ges.csv"));
    EXPECT_TRUE(
        Contains(residence, DosToWindowsText(Prefix(lines) + BlockLine(lines, "41", " 1"))));
    const auto withoutTotals = FileLines(Out("2024_SG41oins.csv"));
    const std::string total = DosToWindowsText(Prefix(lines) + BlockLine(lines, "41", "61"));
    ASSERT_TRUE(Contains(residence, total));
    const auto at = std::find(withoutTotals.begin(), withoutTotals.end(), total);
    ASSERT_NE(at, withoutTotals.end());
    for (auto it = at; it != withoutTotals.end(); ++it)
        EXPECT_NE(it->find("insgesamt"), std::string::npos) << *it;

    // Tables 1.1 and 1.8 side by side in the row of pupils in regular classes.
    const std::string regular =
        Prefix(lines) + BlockLine(lines, "11", "55") + ";|;" + BlockLine(lines, "18", "55");
    EXPECT_TRUE(Contains(FileLines(Out("2024_SG11_18_ges.csv")), DosToWindowsText(regular)));
    EXPECT_NE(sheets->ui().messages().back().find("SG41_ges.csv und SG41oins.csv erstellt"),
              std::string::npos);
}

TEST_F(ExtractsTest, ProfileNumbersPutEachProfileRowUnderItsLevels) {
    sheets->ui().AddAnswer("alle");
    Profilzahlen1Click(engine());
    const auto lines = DataSetLines(0);
    // Columns 3..12 of the 8-year total row (class 5 to Summe) after short name and number.
    const auto total = SplitFields(BlockLine(lines, "18", "37"));
    const std::string shortName = TrimRight(lines.at(0).substr(20));
    std::string expected = DosToWindowsText(shortName) + ";04" + sheets->SchoolNumber(0) + ";";
    for (size_t field = 4; field <= 13; ++field)
        expected += ";" + total.at(field);
    const auto written = FileLines(Out("Prof_ges.csv"));
    const auto row = std::find_if(written.begin(), written.end(), [&](const std::string& line) {
        return line.rfind(expected, 0) == 0;
    });
    EXPECT_NE(row, written.end()) << expected;
    EXPECT_TRUE(engine().window.upperTableVisible);
    EXPECT_EQ(engine().upperTable.Cells(0, 0), "Profilzahlen");
}

TEST_F(ExtractsTest, TheYearsBackTo2002SkipYearsWithoutFilesWithALine) {
    sheets->ui().AddAnswer("alle");
    AuszugWohnorteJahre1Click(engine());
    const auto& box = engine().outputBox.lines();
    ASSERT_EQ(box.size(), 23u); // 2024/25 back to 2002/03
    EXPECT_EQ(box.front(), "2024/25: " + std::to_string(sheets->SchoolCount()) + " Schulen");
    EXPECT_EQ(box.at(1), Win("2023/24: keine Datensätze, übersprungen"));
    EXPECT_EQ(box.back(), Win("2002/03: keine Datensätze, übersprungen"));
    EXPECT_FALSE(std::filesystem::exists(Out("2023_SG41_ges.csv")));
}

TEST_F(ExtractsTest, AFailedSaveIsReportedNotClaimedDone) {
    // A folder in the place of a file cannot be replaced.
    std::filesystem::remove(Out("Prof_ges.csv"));
    std::filesystem::create_directory(Out("Prof_ges.csv"));
    sheets->ui().AddAnswer("alle");
    Profilzahlen1Click(engine());
    EXPECT_EQ(sheets->ui().messages().back(), Win("nicht gespeichert:\rProf_ges.csv"));
    std::filesystem::remove_all(Out("Prof_ges.csv"));
}

TEST_F(ExtractsTest, NationalityExtractCopiesTable23AndTotalsBothTracks) {
    sheets->ui().AddAnswer("alle"); // the working groups
    sheets->ui().AddAnswer("alle");
    SucheStaatszugehrigkeit1Click(engine());

    const std::vector<std::pair<std::string, std::string>> files = {
        {"2024_AGs_zus.csv", "Schule;Disch;;"},
        {"2024_FSpF_Ukr.csv",
         ".;SG;;2024/25;Schulnam;; Znr;;;;5;6;7;8;9;10;11;Jgst.1;Jgst.2;Summe"},
        {"2024_x163.csv", "Schulnamek;Disch;;IDNr;Staat;Anzahl"},
        {"2024_163Tuerkei", "Schulnamek;Disch;;IDNr;Staat;Anzahl"},
        {"2024_Staatsang.csv", "Schule;Disch;SuS;dv.w;Migr;dv.w;Ausl;dv.w;"},
    };
    for (const auto& [name, header] : files) {
        ASSERT_TRUE(std::filesystem::exists(Out(name))) << name;
        EXPECT_EQ(FileLines(Out(name)).at(0).rfind(header, 0), 0u) << name;
    }

    const auto lines = DataSetLines(0);
    const std::string header = lines.at(0);
    const std::string lead =
        DosToWindowsText(TrimRight(header.substr(20))) + ";04" + sheets->SchoolNumber(0) + ";";
    // Row 1 of 2.3 verbatim behind the school; the Turkish rows alone in their own file.
    const std::string first = BlockLine(lines, "23", " 1");
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(Contains(FileLines(Out("2024_x163.csv")), lead + DosToWindowsText(first)));
    const auto turkish = FileLines(Out("2024_163Tuerkei"));
    for (size_t i = 1; i < turkish.size(); ++i)
        EXPECT_EQ(FieldAt(turkish[i], 4), "163") << turkish[i];
    // A working group with participants, behind the school.
    std::string group;
    for (int row = 1; row < 40 && group.empty(); ++row) {
        const std::string line =
            BlockLine(lines, "31", (row < 10 ? " " : "") + std::to_string(row));
        if (!FieldAt(line, 4).empty()) group = line;
    }
    ASSERT_FALSE(group.empty());
    EXPECT_TRUE(Contains(FileLines(Out("2024_AGs_zus.csv")), lead + DosToWindowsText(group)));

    // The school's row: totals of row 37 (pupils) and 40 (foreigners) over 1.1 and 1.8, in
    // width 3, and the count of the first nationality under its id.
    const StringGrid& table = engine().upperTable;
    int row = 2;
    while (row < table.RowCount() && table.Cells(1, row) != "04" + sheets->SchoolNumber(0))
        ++row;
    ASSERT_LT(row, table.RowCount());
    auto bothTracks = [&](const std::string& number) {
        return ParseInt(FieldAt(BlockLine(lines, "11", number), 14)) +
               ParseInt(FieldAt(BlockLine(lines, "18", number), 14));
    };
    char expected[8];
    std::snprintf(expected, sizeof expected, "%3d", bothTracks("37"));
    EXPECT_EQ(table.Cells(2, row), expected);
    std::snprintf(expected, sizeof expected, "%3d", bothTracks("40"));
    EXPECT_EQ(table.Cells(6, row), expected);
    int idCol = 8;
    while (idCol < table.ColCount() && table.Cells(idCol, 0) != FieldAt(first, 2))
        ++idCol;
    ASSERT_LT(idCol, table.ColCount()) << FieldAt(first, 2);
    EXPECT_EQ(table.Cells(idCol, row), FieldAt(first, 4));
}

TEST_F(ExtractsTest, ColumnExtractTakesTheDefinedColumnOfEachSchool) {
    sheets->ui().AddAnswer("2"); // 7.1, column 2: the number of courses
    sheets->ui().AddAnswer("alle");
    SpaltenAuszge1Click(engine());
    const auto written = FileLines(Out("__Kursgroessen_71.csv"));
    ASSERT_GE(written.size(), 3u);
    EXPECT_EQ(sheets->ui().messages().back(), "__Kursgroessen_71.csv erstellt");

    // Column 2 of every row of the school's table 7.1, in row order.
    const auto lines = DataSetLines(0);
    std::string expected =
        DosToWindowsText(TrimRight(lines.at(0).substr(20))) + ";" + sheets->SchoolNumber(0);
    bool inBlock = false;
    int rows = 0;
    for (const auto& line : lines) {
        if (line.rfind(".;", 0) == 0) {
            inBlock = line.rfind(".;71;", 0) == 0;
            rows = 0;
        } else if (inBlock && rows++ > 0) {
            expected += ";" + FieldAt(line, 4);
        }
    }
    EXPECT_TRUE(Contains(written, expected)) << expected;
    EXPECT_EQ(written.back().rfind("zusammen;", 0), 0u);
    EXPECT_EQ(written.size(), static_cast<size_t>(sheets->SchoolCount()) + 2);
}

TEST_F(ExtractsTest, ColumnExtractDefinitionsReadTableLabelAndRange) {
    const auto texts = ColumnExtractTexts();
    ASSERT_EQ(texts.size(), 9u);
    const auto abitur = ParseColumnExtract(texts.back());
    ASSERT_TRUE(abitur);
    EXPECT_EQ(abitur->grid, "SG83");
    EXPECT_EQ(abitur->label, "AbiSchnitte");
    EXPECT_EQ(abitur->col, 1);
    EXPECT_EQ(abitur->row, 1);
    EXPECT_TRUE(abitur->nextColumnToo);
    const auto year13 = ParseColumnExtract(texts.at(5));
    ASSERT_TRUE(year13);
    EXPECT_EQ(year13->grid, "SG82");
    EXPECT_EQ(year13->col, 3);
    EXPECT_FALSE(year13->nextColumnToo);
    // 8.1 and 8.2 share the label but not the file.
    EXPECT_EQ(ColumnExtractFileName(*ParseColumnExtract(texts.at(2))), "__Jgst12_81.csv");
    EXPECT_EQ(ColumnExtractFileName(*ParseColumnExtract(texts.at(4))), "__Jgst12_82.csv");
    EXPECT_FALSE(ParseColumnExtract("7.1 kurz"));
}

// The course overview over the demo schools: subject "D" of the loaded school, all schools.
class CourseOverviewTest : public ExtractsTest {
protected:
    static int SubjectIndex(const CourseOverviewState& state, const std::string& name) {
        for (size_t i = 0; i < state.subjects.size(); ++i)
            if (state.subjects[i].name == name) return static_cast<int>(i);
        return -1;
    }
    static CourseOverviewState Opened() {
        sheets->Load(0);
        CourseOverviewState state;
        FillCourseOverview(engine(), state);
        state.schoolSelected.assign(state.schools.size(), false);
        return state;
    }
};

TEST_F(CourseOverviewTest, EachSchoolsRowsOfBothTablesStandSideBySide) {
    CourseOverviewState state = Opened();
    ASSERT_GE(state.schools.size(), 5u);
    for (int i = 0; i < 5; ++i)
        state.schoolSelected[static_cast<size_t>(i)] = true;
    ToggleSubject(state, SubjectIndex(state, "D"));
    ASSERT_TRUE(BuildCourseTable(engine(), state));

    const StringGrid& table = state.table;
    EXPECT_EQ(table.Cells(kCourseSubjectCol, 0), "Fach");
    EXPECT_EQ(table.Cells(2, 0), "J1Sz.");
    int row = 1;
    for (int school = 0; school < 5; ++school) {
        const auto lines = DataSetLines(school);
        const auto advanced = SplitFields(BlockLine(lines, "51", " 1"));
        const auto basic = SplitFields(BlockLine(lines, "61", " 1"));
        ASSERT_EQ(advanced.at(1), "D");
        EXPECT_EQ(table.Cells(0, row),
                  TrimRight(engine().schoolList.lines[static_cast<size_t>(school)].substr(8, 16)));
        EXPECT_EQ(table.Cells(kCourseSubjectCol, row), "D");
        for (int col = 1; col <= 10; ++col) {
            EXPECT_EQ(table.Cells(col, row), advanced.at(static_cast<size_t>(col) + 1)) << col;
            EXPECT_EQ(table.Cells(kCourseSubjectCol + col, row),
                      basic.at(static_cast<size_t>(col) + 1))
                << col;
        }
        ++row;
    }
    EXPECT_EQ(table.Cells(0, row), "  5 Schulen     ");
    EXPECT_EQ(table.RowCount(), row + 1);
}

TEST_F(CourseOverviewTest, ASubjectWithoutAdvancedRowLeavesTheLeftColumnsEmpty) {
    // A subject with 2-hour courses at school 2 loses its 5.1 row in the school's file.
    const auto file = sheets->office() / "TEV" / ("SL" + sheets->SchoolNumber(2) + ".24");
    const std::string original = ReadFile(file);
    const auto lines = FileLines(file);
    std::string subject;
    std::string rowNumber;
    for (int row = 1; row < 40 && subject.empty(); ++row) {
        const std::string number = (row < 10 ? " " : "") + std::to_string(row);
        const auto basic = SplitFields(BlockLine(lines, "61", number));
        if (basic.size() > 2 && !basic[2].empty()) {
            subject = basic[1];
            rowNumber = number;
        }
    }
    ASSERT_FALSE(subject.empty());
    bool inAdvanced = false;
    std::string text;
    for (const auto& line : lines) {
        if (line.rfind(".;", 0) == 0) inAdvanced = line.rfind(".;51;", 0) == 0;
        if (inAdvanced && FieldAt(line, 2) == subject) continue;
        text += line + "\r\n";
    }
    WriteFile(file, text);

    CourseOverviewState state = Opened();
    state.schoolSelected[2] = true;
    ToggleSubject(state, SubjectIndex(state, subject));
    const bool built = BuildCourseTable(engine(), state);
    WriteFile(file, original);
    ASSERT_TRUE(built);
    const auto basic = SplitFields(BlockLine(lines, "61", rowNumber));
    for (int col = 1; col <= 10; ++col) {
        EXPECT_EQ(state.table.Cells(col, 1), "") << col;
        EXPECT_EQ(state.table.Cells(kCourseSubjectCol + col, 1),
                  basic.at(static_cast<size_t>(col) + 1));
    }
}

TEST_F(CourseOverviewTest, BuildsWithoutSchoolOrSubjectEndWithTheirMessages) {
    CourseOverviewState state = Opened();
    ToggleSubject(state, SubjectIndex(state, "D"));
    EXPECT_FALSE(BuildCourseTable(engine(), state));
    EXPECT_EQ(sheets->ui().messages().back(), Win("rechts wurden keine Schulen angewählt!!!"));

    ToggleSubject(state, SubjectIndex(state, "D"));
    state.schoolSelected[0] = true;
    EXPECT_FALSE(BuildCourseTable(engine(), state));
    EXPECT_EQ(sheets->ui().messages().back(),
              Win("kein Fach gefunden oder links wurde kein Fach angewählt!!!"));
    EXPECT_EQ(state.table.RowCount(), 1);

    // With "auch Leerzeile" a school without the subject still gets its row.
    ToggleSubject(state, SubjectIndex(state, "D"));
    state.schoolSelected[1] = true;
    state.emptyRowToo = true;
    ASSERT_TRUE(BuildCourseTable(engine(), state));
    EXPECT_EQ(state.table.Cells(0, state.table.RowCount() - 1), "  2 Schulen     ");
}

TEST_F(CourseOverviewTest, OneTablePerSubjectIsSavedAndTheMarksComeBack) {
    CourseOverviewState state = Opened();
    state.schoolSelected[0] = true;
    ToggleSubject(state, SubjectIndex(state, "D"));
    ToggleSubject(state, SubjectIndex(state, "M"));
    SaveEachSubject(engine(), state);
    EXPECT_EQ(state.done, (std::vector<std::string>{"D", "M"}));
    for (const char* name : {"24_KD.txt", "24_KM.txt"}) {
        const auto lines = FileLines(Out(name));
        ASSERT_GE(lines.size(), 3u) << name;
        EXPECT_EQ(lines.at(0).rfind("_OSKurse_", 0), 0u);
    }
    EXPECT_TRUE(state.subjects[static_cast<size_t>(SubjectIndex(state, "D"))].chosen);
    EXPECT_TRUE(state.subjects[static_cast<size_t>(SubjectIndex(state, "M"))].chosen);
}

// The data set file of a school with one row of a table replaced; the original comes back
// when the test ends, so the other tests see the office as made.
class PlantedRows {
public:
    PlantedRows(const std::filesystem::path& file, std::filesystem::path target = {})
        : file_(std::move(file)), target_(target.empty() ? file_ : std::move(target)),
          original_(ReadFile(file_)) {}
    ~PlantedRows() {
        if (target_ == file_)
            WriteFile(file_, original_);
        else
            std::filesystem::remove(target_);
    }
    // Replaces the row `number` of the table's block, writes the result to the target.
    void Replace(const std::vector<std::pair<std::string, std::string>>& rows) {
        std::istringstream in(original_);
        std::string text;
        std::string table;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind(".;", 0) == 0) table = line.substr(2, 2);
            for (const auto& [where, row] : rows) {
                if (where.substr(0, 2) == table && Trim(FieldAt(line, 1)) == where.substr(3))
                    line = row;
            }
            text += line + "\r\n";
        }
        WriteFile(target_, text);
    }

private:
    std::filesystem::path file_;
    std::filesystem::path target_;
    std::string original_;
};

TEST_F(ExtractsTest, SearchNListsTheSequenceRowsWithNThatHavePupils) {
    const auto file = sheets->office() / "TEV" / ("SL" + sheets->SchoolNumber(1) + ".24");
    PlantedRows planted(file);
    // Class 8: 2, class 9: 3, sum 5 in the 9-year track; an N row without pupils in 1.8.
    const std::string withPupils = " 5;E;F;N;;;;2;3;;;;;5";
    planted.Replace({{"11 5", withPupils}, {"18 5", " 5;E;F;N;;;;;;;;;;"}});

    sheets->ui().AddAnswer("alle");
    SucheN1Click(engine());

    const auto lines = DataSetLines(1);
    const std::string shortName = DosToWindowsText(TrimRight(lines.at(0).substr(20)));
    const std::vector<std::string> expected = {
        "Schulnamek;Disch;", shortName + ";04" + sheets->SchoolNumber(1) + ";1.1;" + withPupils};
    EXPECT_EQ(FileLines(Out("FS_N.csv")), expected);
    EXPECT_EQ(engine().upperTable.Cells(2, 1), "1.1");
    EXPECT_EQ(engine().upperTable.Cells(11, 1), "3"); // class 9
    EXPECT_EQ(sheets->ui().messages().back(), "FS_N.csv erstellt");
}

TEST_F(ExtractsTest, MigrationComparisonSetsThisYearAgainstLastYearsFile) {
    const auto tev = sheets->office() / "TEV";
    const std::string number = sheets->SchoolNumber(0);
    // Last year's file of school 0: the same, but five migrant pupils in every 9-year level
    // and three girls among them. The other schools have no file of last year.
    PlantedRows lastYear(tev / ("SL" + number + ".24"), tev / ("SL" + number + ".23"));
    lastYear.Replace({{"11 51", "51;i;;;5;5;5;5;5;5;5;5;5;45"},
                      {"11 52", "52;dar. weibl.Mig;;;3;3;3;3;3;3;3;3;3;27"}});

    sheets->ui().AddAnswer("alle");
    vglMigrVjAktj1Click(engine());

    const auto lines = DataSetLines(0);
    const auto levels = [&](const std::string& table, const std::string& row) {
        const auto fields = SplitFields(BlockLine(lines, table, row));
        std::vector<int> counts;
        for (size_t field = 4; field <= 12; ++field) // class 5 to J2
            counts.push_back(fields.at(field).empty() ? 0 : std::stoi(fields.at(field)));
        return counts;
    };
    const auto migrants = levels("11", "51");
    const auto girls = levels("11", "52");
    const auto migrants8 = levels("18", "51");
    const std::string lead = DosToWindowsText(TrimRight(lines.at(0).substr(20))) + ";04" + number;
    std::string now = lead + ";9j: Aktj";
    std::string before = lead + ";9j: Vorj";
    std::string diff = lead + ";9j: Diff";
    std::string girlsDiff = lead + ";9jw: Diff";
    std::string both = lead + ";zus: Aktj";
    for (size_t i = 0; i < 9; ++i) {
        now += ";" + std::to_string(migrants[i]);
        before += ";5";
        diff += ";" + std::to_string(migrants[i] - 5);
        girlsDiff += ";" + std::to_string(girls[i] - 3);
        both += ";" + std::to_string(migrants[i] + migrants8[i]);
    }
    const auto written = FileLines(Out("vglMigr.csv"));
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.front(), "Schulnamek;Disch;;5;6;7;8;9;10;11;J1;J2;;");
    for (const auto& line : {now, before, diff, girlsDiff, both})
        EXPECT_TRUE(Contains(written, line)) << line;
    // Without last year's file only this year's figures are there.
    const std::string other = ";04" + sheets->SchoolNumber(1) + ";8j: Vorj;;;;;;;;;";
    EXPECT_TRUE(std::any_of(written.begin(), written.end(), [&](const std::string& line) {
        return line.size() > other.size() && line.substr(line.size() - other.size()) == other;
    }));

    const auto side = FileLines(Out("vglMigrx.csv"));
    ASSERT_FALSE(side.empty());
    EXPECT_EQ(side.front(), "Schulnamek;Disch;;Aktj;5;6;7;8;9;10;11;J1;J2;;Vorj;5;6;7;8;9;10;11;"
                            "J1;J2;;Diff;5;6;7;8;9;10;11;J1;J2;;");
    EXPECT_TRUE(Contains(side, lead + ";9j: ;" + now.substr(lead.size() + 9) + ";;" +
                                   before.substr(lead.size() + 9) + ";;" +
                                   diff.substr(lead.size() + 9)));
    EXPECT_EQ(sheets->ui().messages().back(), "vglMigr.csv und vglMigrx.csv erstellt");
}

TEST_F(ExtractsTest, CentralTestListCountsClassNinePupilsPerSubjectUnderTheMasterKey) {
    // The range, then each name: all as offered but the short list, saved under another.
    for (const char* answer :
         {"alle", "schulen_.txt", "ZK9.txt", "ZKSchul0.txt", "ZKSchul.csv", "ZKSch_07.csv"})
        sheets->ui().AddAnswer(answer);
    std::filesystem::remove(Out("ZKSch.txt"));
    ZentraleKlassenarbeit1Click(engine());
    EXPECT_FALSE(std::filesystem::exists(Out("ZKSch.txt")));

    // Class 9 is field 9 of a row (after the row number, three language columns and classes
    // 5 to 8); the sequence rows 1 to 34 name their languages in fields 2 to 4.
    const auto lines = DataSetLines(0);
    int all = 0, english = 0, french = 0, latin = 0, pupils = 0;
    const auto number = [](const std::string& field) {
        return field.empty() ? 0 : std::stoi(field);
    };
    for (const std::string table : {"11", "18"}) {
        const auto total = SplitFields(BlockLine(lines, table, "37"));
        all += number(total.at(8));
        pupils += number(total.at(13));
        for (int row = 1; row <= 34; ++row) {
            const std::string rowNumber = (row < 10 ? " " : "") + std::to_string(row);
            const auto fields = SplitFields(BlockLine(lines, table, rowNumber));
            if (fields.size() < 9) continue;
            const int count = number(fields.at(8));
            const auto learns = [&](const char* language) {
                return fields.at(1) == language || fields.at(2) == language ||
                       fields.at(3) == language;
            };
            english += learns("E") ? count : 0;
            french += learns("F") ? count : 0;
            latin += learns("L") ? count : 0;
        }
    }
    ASSERT_GT(all, 0);
    const std::string school = sheets->SchoolNumber(0);
    const auto shortList = FileLines(Out("ZK9.txt"));
    ASSERT_FALSE(shortList.empty());
    EXPECT_EQ(shortList.front(),
              Win("\"Schulschlüssel\";\"D\";\"E\";\"F\";\"L\";\"M\";\"Bem\";\"DM\""));
    const std::string counts = std::to_string(all) + ";" + std::to_string(english) + ";" +
                               std::to_string(french) + ";" + std::to_string(latin) + ";" +
                               std::to_string(all);
    EXPECT_TRUE(
        Contains(shortList, "\"04" + school + "\";" + counts + ";\"\";" + std::to_string(all)));
    const auto addresses = FileLines(Out("ZKSchul.csv"));
    ASSERT_FALSE(addresses.empty());
    EXPECT_EQ(addresses.front(), Win("Schulschlüssel;Schulname;Straße;PLZ;Ort;Deutsch;Englisch;"
                                     "Französisch;Latein;Mathematik"));
    EXPECT_EQ(FileLines(Out("ZKSchul0.txt")), addresses);
    EXPECT_EQ(FileLines(Out("ZKSch_07.csv")), addresses);
    EXPECT_TRUE(std::any_of(addresses.begin(), addresses.end(), [&](const std::string& line) {
        return line.rfind("04" + school + ";", 0) == 0 && line.find(";" + counts) != line.npos;
    }));

    // The master file comes back with the school's pupils in column 5, the rest as it was.
    const auto master = FileLines(sheets->office() / "schulen.txt");
    const auto rewritten = FileLines(Out("schulen_.txt"));
    ASSERT_EQ(rewritten.size(), master.size());
    EXPECT_EQ(rewritten.front(), master.front());
    int checked = 0;
    for (size_t i = 1; i < master.size(); ++i) {
        if (FieldAt(master[i], 1) != school) continue;
        ++checked;
        auto fields = SplitFields(master[i]);
        fields.at(4) = std::to_string(pupils);
        std::string expected = fields.front();
        for (size_t f = 1; f < fields.size(); ++f)
            expected += ";" + fields[f];
        EXPECT_EQ(rewritten[i], expected);
    }
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(engine().outputBox.lines().empty()); // every demo school is in the master file
}

TEST_F(ExtractsTest, CentralTestListWithoutMasterFileSaysSoAndWritesNothing) {
    const auto masterFile = sheets->office() / "schulen.txt";
    const auto aside = sheets->office() / "schulen.txt.aside";
    std::filesystem::rename(masterFile, aside);
    std::filesystem::remove(Out("ZKSch.txt"));
    sheets->ui().AddAnswer("alle");
    ZentraleKlassenarbeit1Click(engine());
    std::filesystem::rename(aside, masterFile);

    ASSERT_FALSE(sheets->ui().messages().empty());
    EXPECT_NE(sheets->ui().messages().back().find("schulen.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Out("ZKSch.txt")));
}

TEST_F(ExtractsTest, CentralTestListNamesASchoolTheMasterFileLacks) {
    const auto masterFile = sheets->office() / "schulen.txt";
    const std::string original = ReadFile(masterFile);
    const std::string number = sheets->SchoolNumber(0);
    std::string without;
    for (const auto& line : FileLines(masterFile)) {
        if (line.rfind(number + ";", 0) != 0) without += line + "\r\n";
    }
    WriteFile(masterFile, without);
    for (const char* answer :
         {"alle", "schulen_.txt", "ZKSch.txt", "ZKSchul0.txt", "ZKSchul.csv", "ZKSch_07.csv"})
        sheets->ui().AddAnswer(answer);
    ZentraleKlassenarbeit1Click(engine());
    WriteFile(masterFile, original);

    EXPECT_EQ(engine().outputBox.lines(),
              std::vector<std::string>{number + " fehlt in schulen.txt"});
    const std::string zk = ReadFile(Out("ZKSch.txt"));
    EXPECT_EQ(zk.find("\"04" + number + "\""), std::string::npos);
    EXPECT_NE(zk.find("\"04" + sheets->SchoolNumber(1) + "\""), std::string::npos);
}

} // namespace
