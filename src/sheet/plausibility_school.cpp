// Steps 11, 14, 15, 17 and 18: residence (4.1, 4.2), inclusion (4.3), Islamic religious
// education (4.4), sports (3.3) and working groups (3.1, 5.2).
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/plausibility_checks.h"

#include <cctype>

namespace tev::plausi {
namespace {

// Table 4.1: columns 2 to 10 the levels, the last two rows pupils and classes in total.
int ResidencePupils(const Context& c, int level) {
    return c.Num(41, 2 + level, c.Grid(41).RowCount() - 2);
}
int ResidenceClasses(const Context& c, int level) {
    return c.Num(41, 2 + level, c.Grid(41).RowCount() - 1);
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Table 4.3: the class columns 5 to 13 and the total 14; from 2022/23 column 15 counts the
// pupils whose need was stated for the first time.
constexpr int kFirstInclusionColumn = 5;
constexpr int kInclusionTotalColumn = 14;
constexpr int kFirstTimeColumn = 15;

void CheckGirlsOfCategory(const Context& c, Report& r, int row, int category) {
    for (int col = kFirstInclusionColumn; col <= kInclusionTotalColumn; ++col) {
        const int girls = c.Num(43, col, row);
        const int all = c.Num(43, col, category);
        if (girls <= all) continue;
        r.Finding(c.Exceeds("4.3:   darunter weiblich > " + c.Text(43, 0, category), girls, all),
                  CellOf(43, col, row), CellOf(43, col, category));
        return;
    }
}

// Table 4.4, row 2: pupils of the levels in columns 1 to 9, the yes/no marks of "offer
// cancelled" in 10/11 and of "all pupils supplied" in 12/13, teacher hours 14, groups 15.
struct IslamicEducation {
    int pupils = 0;
    bool levelCellEmpty = false;
    bool cancelledYes = false;
    bool cancelledNo = false;
    bool suppliedYes = false;
    bool suppliedNo = false;
    int hours = 0;
    int groups = 0;
};

IslamicEducation ReadIslamicEducation(const Context& c) {
    IslamicEducation iru;
    for (int col = 1; col <= 9; ++col) {
        iru.pupils += c.Num(44, col, 2);
        if (c.Empty(44, col, 2)) iru.levelCellEmpty = true;
    }
    iru.cancelledYes = !c.Empty(44, 10, 2);
    iru.cancelledNo = !c.Empty(44, 11, 2);
    iru.suppliedYes = !c.Empty(44, 12, 2);
    iru.suppliedNo = !c.Empty(44, 13, 2);
    iru.hours = c.Num(44, 14, 2);
    iru.groups = c.Num(44, 15, 2);
    return iru;
}

bool HasFourDigitNumber(const std::string& text) {
    int run = 0;
    for (char ch : text) {
        run = std::isdigit(static_cast<unsigned char>(ch)) ? run + 1 : 0;
        if (run == 4) return true;
    }
    return false;
}

// Working-group tables: column 0 the number from the definition list, 1 the name, 2 groups,
// 3 pupils, 4 teacher hours, 5 other hours; the last row is the total.
void CheckWorkingGroupRows(const Context& c, Report& r, int table, const std::string& prefix) {
    const int last = c.Grid(table).RowCount() - 2;
    bool anyEntry = false;
    for (int row = 1; row <= last && !anyEntry; ++row) {
        for (int col = 2; col <= 5; ++col) {
            if (!c.Empty(table, col, row)) anyEntry = true;
        }
    }
    if (!anyEntry) {
        r.Finding(prefix +
                      "kein Eintrag gefunden!  Bearbeiten oder zumindest dort eine 0 eintragen "
                      "falls Fehlanzeige!",
                  TableOf(table));
        return;
    }
    for (int row = 1; row <= last; ++row) {
        const int groups = c.Num(table, 2, row);
        const int pupils = c.Num(table, 3, row);
        const int hours = c.Num(table, 4, row) + c.Num(table, 5, row);
        if (groups <= 0 && pupils <= 0 && hours <= 0) continue;
        const std::string id = c.Text(table, 0, row);
        const std::string name = c.Text(table, 1, row);
        std::string where = "Zeile " + std::to_string(row);
        if (!id.empty()) where += " " + id;
        if (!name.empty()) where += " " + name;
        if (groups <= 0) r.Finding(prefix + "Gruppenzahl fehlt: " + where, CellOf(table, 2, row));
        if (pupils <= 0)
            r.Finding(prefix + Win("Schülerzahl fehlt: ") + where, CellOf(table, 3, row));
        if (hours <= 0) r.Finding(prefix + "Stundenzahl fehlt: " + where, CellOf(table, 4, row));
        if (pupils > 0 && groups > pupils)
            r.Finding(prefix + Win("Zeile hat mehr Gruppen als Schüler: ") + where,
                      RowOf(table, row));
        if (name.empty()) {
            r.Finding(id.empty() ? prefix + "Zeile ohne AG-Bezeichnung: " + where
                                 : prefix + "bezeichung fehlt zu  " + std::to_string(row),
                      CellOf(table, 1, row));
        }
        // Numbers 2xx of the definition list need the four-digit key of the group in its text.
        if (ParseInt(id) / 100 == 2 && !HasFourDigitNumber(name)) {
            r.Finding(prefix +
                          " bei StaLA-Zuordnung 2:  im Feld \"Bemerkung\" fehlt passende 4stellige "
                          "Zahl: " +
                          where,
                      CellOf(table, 1, row));
        }
    }
}

} // namespace

void CheckResidence(const Context& c, Report& r) {
    const int pupils = c.PupilTotal(rows::kAll);
    if (pupils == 0) {
        r.Finding(Win("         Schülersumme in 1.1+1.8  =0, keine Daten vorhanden?"),
                  CellOf(11, kPupilSumColumn, rows::kAll));
        return;
    }
    int residents = 0;
    for (int level = 0; level < kLevels; ++level) {
        const int inResidence = ResidencePupils(c, level);
        residents += inResidence;
        if (inResidence != c.Pupils(rows::kAll, level)) {
            r.Finding(c.Differs(Win("Schülersumme ") + LevelText(level) + " in  4.1 <> 1.1+1.8",
                                inResidence, c.Pupils(rows::kAll, level)),
                      CellOf(41, 2 + level, c.Grid(41).RowCount() - 2),
                      CellOf(11, 3 + level, rows::kAll));
        }
    }
    // The final years have no classes in 1.2; the preparatory classes count from 2016/17.
    for (int level = 0; level <= kLevel11; ++level) {
        const int classes = RegularClassesOf12(c, level) + PreparatoryClassesOf12(c, level);
        if (ResidenceClasses(c, level) != classes) {
            r.Finding(c.Differs("Klassenzahl   " + LevelText(level) + " in  4.1 <> 1.1+1.8",
                                ResidenceClasses(c, level), classes),
                      CellOf(41, 2 + level, c.Grid(41).RowCount() - 1), ColumnOf(12, 1 + level));
        }
    }
    // Table 4.2 is collected from 2013/14.
    if (c.year >= 113 && residents != c.Num(42, 9, 2)) {
        r.Finding(c.Differs(Win("Schülersumme gesamt in  4.1 <> 4.2"), residents, c.Num(42, 9, 2)),
                  RowOf(41, c.Grid(41).RowCount() - 2), CellOf(42, 9, 2));
    }
    if (residents != pupils)
        r.Finding(c.Differs(Win("Schülersumme  in  4.1 <> 1.1+1.8"), residents, pupils),
                  RowOf(41, c.Grid(41).RowCount() - 2), CellOf(11, kPupilSumColumn, rows::kAll));
}

void CheckInclusion(const Context& c, Report& r) {
    const int rowCount = c.Grid(43).RowCount();
    int category = -1;
    for (int row = 1; row < rowCount; ++row) {
        const std::string label = c.Text(43, 0, row);
        if (!StartsWith(label, "darunter")) {
            category = row;
        } else if (label == "darunter weiblich" && category > 0) {
            CheckGirlsOfCategory(c, r, row, category);
        }
    }
    if (c.year < 122) return;
    for (int row = 1; row < rowCount; ++row) {
        const int firstTime = c.Num(43, kFirstTimeColumn, row);
        const int all = c.Num(43, kInclusionTotalColumn, row);
        if (firstTime > all)
            r.Finding(c.Exceeds("4.3:" + c.Text(43, 0, row) + "   erstmals Anspruch > zusammen",
                                firstTime, all),
                      CellOf(43, kFirstTimeColumn, row), CellOf(43, kInclusionTotalColumn, row));
    }
}

// A table nobody touched is left to the completeness test; a started one must be complete.
void CheckIslamicEducation(const Context& c, Report& r) {
    if (c.year < 120) return;
    bool anyEntry = false;
    for (int col = 0; col < 16; ++col) {
        if (!c.Empty(44, col, 2)) anyEntry = true;
    }
    if (!anyEntry) return;
    const IslamicEducation iru = ReadIslamicEducation(c);
    if (iru.cancelledYes == iru.cancelledNo)
        r.Finding(Win("4.4  \"Angebot fällt aus ...\" korrigieren!"), CellOf(44, 10, 2));
    if (iru.suppliedYes == iru.suppliedNo)
        r.Finding(Win("4.4  \"Alle SuS können versorgt werden\" korrigieren!"), CellOf(44, 12, 2));
    if (iru.pupils > 0 && iru.hours <= 0) r.Finding("4.4  keine LWS angegeben!", CellOf(44, 14, 2));
    if (iru.pupils > 0 && iru.groups <= 0)
        r.Finding("4.4  \"Anzahl Gruppen\" fehlt!", CellOf(44, 15, 2));
    if (iru.pupils > 0 && iru.levelCellEmpty)
        r.Finding("4.4  bei \"davon aus Kl...\"    0  eingeben", RowOf(44, 2));
    const bool cancelled = iru.cancelledYes && !iru.cancelledNo;
    if (cancelled && (iru.pupils > 0 || iru.hours > 0))
        r.Finding(Win("4.4  bei \"Angebot fällt aus\"  widersprüchlich"), CellOf(44, 10, 2));
    // Pupils left unsupplied by a course that takes place without anybody in it.
    const bool takesPlace = iru.cancelledNo && !iru.cancelledYes;
    if (takesPlace && iru.suppliedNo && !iru.suppliedYes && iru.pupils <= 0)
        r.Finding(Win("4.4  bei \"alle SuS versorgt\"  widersprüchlich"), CellOf(44, 13, 2));
    if (iru.pupils <= 0 && (iru.hours > 0 || iru.groups > 0))
        r.Finding("4.4  LWS / Gruppen angegeben obwohl keine SuS!", RowOf(44, 2));
}

void CheckSports(const Context& c, Report& r) {
    for (int row = 2; row <= 4; ++row) {
        const int participants = c.Num(33, 1, row);
        const int certificates = c.Num(33, 2, row) + c.Num(33, 3, row);
        if (participants >= certificates) continue;
        r.Finding(
            c.FallsShort(c.Text(33, 0, row) + ": Teilnehmer < Siegerurkunden+Ehrenurkunden in 3.3",
                         participants, certificates),
            RowOf(33, row));
    }
}

void CheckWorkingGroups(const Context& c, Report& r) {
    CheckWorkingGroupRows(c, r, 31, "3.1: ");
    CheckWorkingGroupRows(c, r, 52, "5.2: ");
}

} // namespace tev::plausi
