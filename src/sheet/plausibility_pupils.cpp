// Steps 1 to 5: the pupil tables 1.1 and 1.8 against each other and against 1.2, 2.2, 2.3.
#include "output/codepage.h"
#include "sheet/plausibility_checks.h"

#include <initializer_list>

namespace tev::plausi {
namespace {

int LastRow(const Context& c, int table) {
    return c.Grid(table).RowCount() - 1;
}

// The first level at which row `part` of 1.1 + 1.8 exceeds row `whole`, -1 when none does.
int FirstLevelExceeding(const Context& c, int part, int whole) {
    for (int level = 0; level < kLevels; ++level) {
        if (c.Pupils(part, level) > c.Pupils(whole, level)) return level;
    }
    return -1;
}

void CheckSubRow(const Context& c, Report& r, const char* utf8Message, int part, int whole) {
    const int level = FirstLevelExceeding(c, part, whole);
    if (level >= 0)
        r.Finding(c.Exceeds(Win(utf8Message), c.Pupils(part, level), c.Pupils(whole, level)),
                  CellOf(11, 3 + level, part), CellOf(18, 3 + level, part));
}

// Profiles are chosen from class 8 on; the 8-year track has no class 11.
int LastProfileLevel(int table) {
    return table == 18 ? kLevel10 : kLevel11;
}
constexpr int kFirstProfileLevel = 3;

// The profile rows: art, music, languages, the profiles of the school's own (sport among
// them), science and technology ("mit NWT-Prof"; "mit NWT" counts the subject, not the
// profile); before 2016/17 also the pupils without a profile ("ohn.Zuordnung").
std::vector<int> ProfileRows(int year) {
    std::vector<int> profileRows = {41, 42, rows::kLanguageProfile, 44, 45, 48, 54};
    if (year < 116) profileRows.push_back(56);
    return profileRows;
}

bool HasThirdLanguage(const Context& c, int table, int row) {
    const std::string third = c.Text(table, 2, row);
    return !third.empty() && third[0] != '_';
}

void CheckProfileSums(const Context& c, Report& r, int table) {
    const std::string tableText = table == 18 ? "1.8" : "1.1";
    for (int level = kFirstProfileLevel; level <= LastProfileLevel(table); ++level) {
        int profiles = 0;
        for (int row : ProfileRows(c.year))
            profiles += c.PupilsOfTable(table, row, level);
        const int pupils = c.PupilsOfTable(table, rows::kAll, level);
        // The form has no row for some profiles (sport above all), so the rows may hold fewer
        // pupils than the level, never more.
        if (profiles > pupils) {
            r.Finding(c.Differs("Summe Profile " + LevelText(level) + " in " + tableText + " <> " +
                                    Win("Schüler insges"),
                                profiles, pupils),
                      ColumnOf(table, 3 + level));
        }
    }
}

void CheckThirdLanguage(const Context& c, Report& r, int table) {
    int third = 0;
    int profile = 0;
    for (int level = kFirstProfileLevel; level <= LastProfileLevel(table); ++level) {
        for (int row = 1; row <= rows::kLastLanguageRow; ++row) {
            if (HasThirdLanguage(c, table, row)) third += c.PupilsOfTable(table, row, level);
        }
        profile += c.PupilsOfTable(table, rows::kLanguageProfile, level);
    }
    if (third != profile) {
        const std::string tableText = table == 18 ? "1.8" : "1.1";
        r.Finding(c.Differs("in " + tableText + ": Summe 3.FS <> mit Sprachprofil", third, profile),
                  RowOf(table, rows::kLanguageProfile));
    }
}

} // namespace

void CheckPupilTotals(const Context& c, Report& r) {
    const int sumRow22 = LastRow(c, 22);
    for (int level = 0; level < kLevels; ++level) {
        const std::string levelText = LevelText(level);
        const int pupils = c.Pupils(rows::kAll, level);
        const int origin = c.Num(22, 1 + level, sumRow22);
        if (pupils != origin) {
            r.Finding(c.Differs("Summe " + levelText + " in   1.1+1.8 <> 2.2", pupils, origin),
                      CellOf(22, 1 + level, sumRow22), CellOf(11, 3 + level, rows::kAll));
        }
        for (int table : {11, 18}) {
            const int girls = c.PupilsOfTable(table, rows::kGirls, level);
            const int all = c.PupilsOfTable(table, rows::kAll, level);
            if (girls <= all) continue;
            const std::string message = table == 11
                                            ? Win("9j:Mädchen > Summe ") + levelText + " in   1.1 "
                                            : Win("8j:Mädchen > Summe ") + levelText + " in   1.8 ";
            r.Finding(c.Exceeds(message, girls, all), CellOf(table, 3 + level, rows::kGirls));
        }
    }
}

void CheckForeignPupils(const Context& c, Report& r) {
    const int foreign = c.PupilTotal(rows::kForeign);
    const int nationalities = c.Num(23, 2, LastRow(c, 23));
    if (foreign == nationalities) return;
    r.Finding(c.Differs(Win("Summe Ausländer in   1.1+1.8 <> 2.3\r (Ausländer in 1.1+1.8  sind in  "
                            "Listen/Lehrauftragsverteilung/Erg  zu ändern)"),
                        foreign, nationalities),
              CellOf(23, 2, LastRow(c, 23)), RowOf(11, rows::kForeign));
}

// Migration background is asked from 2014/15, female foreigners (row 39) from 2016/17.
void CheckMigration(const Context& c, Report& r) {
    if (c.year < 114) return;
    const bool withForeignGirls = c.year >= 116;
    for (int level = 0; level < kLevels; ++level) {
        const int all = c.Pupils(rows::kAll, level);
        const int girls = c.Pupils(rows::kGirls, level);
        const int migr = c.Pupils(rows::kMigration, level);
        const int migrGirls = c.Pupils(rows::kMigrationGirls, level);
        const int foreign = c.Pupils(rows::kForeign, level);
        const int foreignGirls = c.Pupils(rows::kForeignGirls, level);
        const std::string where = " in 1.1+1.8  " + LevelText(level);
        auto test = [&](bool applies, const char* message, int a, int b) {
            if (applies && a > b)
                r.Finding(c.Exceeds(Win(message) + where, a, b), ColumnOf(11, 3 + level),
                          ColumnOf(18, 3 + level));
        };
        test(true, "mit_Migr > Schüler insges", migr, all);
        test(true, "mit_Migr_weibl > Mädchen", migrGirls, girls);
        test(true, "mit_Migr - mit_Migr_weibl > Schüler_insges - Mädchen", migr - migrGirls,
             all - girls);
        test(true, "Ausländer > mit_Migr", foreign, migr);
        test(withForeignGirls, "Ausländer weibl > Ausländer", foreignGirls, foreign);
        test(withForeignGirls, "Ausländer weibl > mit_Migr weibl", foreignGirls, migrGirls);
        test(withForeignGirls, "Ausländer - Ausländer_weibl > mit_Migr - mit_Migr_weibl",
             foreign - foreignGirls, migr - migrGirls);
        test(true, "mit_Migr weibl > mit_Migr", migrGirls, migr);
    }
}

void CheckPreparatoryClasses(const Context& c, Report& r) {
    if (c.year < 116) return;
    CheckSubRow(c, r, "dv. weibl.Schüler in VKL > Schüler in VKL", rows::kPreparatoryGirls,
                rows::kPreparatory);
    CheckSubRow(c, r, "Zahl Vorbereitungsklassen > Schüler in Vorbereitungsklassen",
                rows::kPreparatoryClasses, rows::kPreparatory);
    const int inPupilTables = c.PupilTotal(rows::kPreparatory);
    const int inClassTable = PreparatoryPupilsOf12(c);
    if (inPupilTables != inClassTable) {
        r.Finding(c.Differs(Win("1.1+1.8 Schüler in VKL <> 1.2 Schüler in gebildeten VKL"),
                            inPupilTables, inClassTable),
                  TableOf(12), RowOf(11, rows::kPreparatory));
    }
    auto sumColumn = [&](int row) {
        return c.Num(11, kPupilSumColumn, row) + c.Num(18, kPupilSumColumn, row);
    };
    if (sumColumn(rows::kForeignGirls) == 0 && sumColumn(rows::kForeign) > 2 &&
        sumColumn(rows::kGirls) > 10) {
        r.Finding(Win("         keine weibl.Ausländer eingetragen? (in  "
                      "Listen/Lehrauftragsverteilung/Erg  zu ändern)"),
                  CellOf(11, kPupilSumColumn, rows::kForeignGirls));
    }
}

void CheckProfiles(const Context& c, Report& r) {
    CheckProfileSums(c, r, 18);
    CheckProfileSums(c, r, 11);
    CheckThirdLanguage(c, r, 11);
    CheckThirdLanguage(c, r, 18);
}

} // namespace tev::plausi
