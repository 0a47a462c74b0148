// Step 12 and the live check of table 3.2: leavers against non-promoted pupils (2.1), the
// final examination (8.3) and their own sub-counts.
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/plausibility_checks.h"
#include "sheet/plausibility_test.h"

#include <initializer_list>
#include <vector>

namespace tev::plausi {
namespace {

// The columns of table 3.2 by school year; -1 where the year's form has no such column.
struct LeaverColumns {
    int class8 = 1;
    int with9 = 2;
    int without9 = 3;
    int fspLearning = -1; // "dar.Abschluss FSP ..." count leavers of "9 ohne HA" again
    int fspMental = -1;
    int with10 = 4;
    int without10 = 5;
    int j1 = 7;
    int j1Vocational = -1; // "dar. mit FH-Reife(schul.Teil)" of J1
    std::vector<int> j2With;
    std::vector<int> j2Without;
    int j2Vocational = -1;
    int total = 10;
};

LeaverColumns LeaverColumnsFor(int year) {
    LeaverColumns cols;
    if (year < 112) {
        cols.j2With = {8};
        cols.j2Without = {9};
    } else if (year == 112) {
        cols.j2With = {8, 9}; // G8, G9
        cols.j2Without = {10, 11};
        cols.total = 12;
    } else if (year < 116) {
        cols.j1Vocational = 8;
        cols.j2With = {9};
        cols.j2Without = {10};
        cols.j2Vocational = 11;
        cols.total = 12;
    } else {
        cols.fspLearning = 4;
        cols.fspMental = 5;
        cols.with10 = 6;
        cols.without10 = 7;
        cols.j1 = 9;
        cols.j1Vocational = 10;
        cols.j2With = {11};
        cols.j2Without = {12};
        cols.j2Vocational = 13;
        cols.total = year < 118 ? 14 : 15;
    }
    return cols;
}

// Columns that count leavers (the "dar." columns count some of them a second time).
std::vector<int> LeavingColumns(const LeaverColumns& cols, int colCount) {
    std::vector<int> leaving;
    for (int col = 1; col < cols.total && col < colCount; ++col) {
        if (col == cols.j1Vocational || col == cols.j2Vocational || col == cols.fspLearning ||
            col == cols.fspMental) {
            continue;
        }
        leaving.push_back(col);
    }
    return leaving;
}

constexpr int kMale = 1;
constexpr int kFemale = 2;
constexpr int kAll = 3;

int SumOf(const Context& c, const std::vector<int>& cols, int row) {
    int sum = 0;
    for (int col : cols)
        sum += c.Num(32, col, row);
    return sum;
}

int ClassTenOfSex(const Context& c, int sexRow) {
    const int all = c.Pupils(rows::kAll, kLevel10);
    const int girls = c.Pupils(rows::kGirls, kLevel10);
    return sexRow == kFemale ? girls : all - girls;
}

// A class 10 of the 8-year track of this size always loses some pupils after class 9 or 10
// (to vocational schools above all); smaller ones, and the 9-year track, may well lose none.
constexpr int kCohortWithLeavers = 150;
// Leaving after class 8 is rare, compulsory schooling is not over yet.
constexpr int kUsualLeaversOfClass8 = 2;

const char* SexText(int row) {
    return row == kMale ? "männlich" : "weiblich";
}

void CheckMiddleCertificates(const Context& c, Report& r, const LeaverColumns& cols) {
    // Girls above the total of class 10 are reported with the pupil tables; the boys derived
    // from them would mean nothing.
    if (c.Pupils(rows::kGirls, kLevel10) > c.Pupils(rows::kAll, kLevel10)) return;
    for (int row : {kMale, kFemale}) {
        const int leavers = c.Num(32, cols.with10, row);
        const int pupils = ClassTenOfSex(c, row);
        if (leavers > pupils) {
            r.Finding(c.Exceeds(Win(std::string("3.2 Abgänge ") + SexText(row) + " 10 mit RS"),
                                leavers, pupils),
                      CellOf(32, cols.with10, row), ColumnOf(11, 3 + kLevel10));
        }
    }
}

void CheckLeaversOfClasses9And10(const Context& c, Report& r, const LeaverColumns& cols) {
    const int leavers = SumOf(c, {cols.with9, cols.without9, cols.with10, cols.without10}, kAll);
    if (leavers == 0 && c.PupilsOfTable(18, rows::kAll, kLevel10) >= kCohortWithLeavers)
        r.Finding(Win("   3.2 Abgänge ") + c.Text(32, 0, kAll) + "  9-10  wirklich 0 ?",
                  RowOf(32, kAll));
}

void CheckPromotionSexes(const Context& c, Report& r) {
    const BeforeSums& before = c.before;
    if (before.promotionColumn < 0) return;
    r.Finding(c.Differs(Win("2.1 Nichtversetzte männlich/weiblich"),
                        before.promotionMale + before.promotionFemale, before.promotionTotal),
              ColumnOf(21, before.promotionColumn));
}

void CheckSubRowsOfFinalYear(const Context& c, Report& r, const LeaverColumns& cols,
                             int migrationRow, int foreignRow) {
    std::vector<int> j2 = cols.j2With;
    j2.insert(j2.end(), cols.j2Without.begin(), cols.j2Without.end());
    const int all = SumOf(c, j2, kAll);
    if (SumOf(c, j2, foreignRow) > all)
        r.Finding(
            c.Exceeds(Win("3.2 Abgänge darunter Ausländer KlSt.13"), SumOf(c, j2, foreignRow), all),
            RowOf(32, foreignRow), RowOf(32, kAll));
    if (migrationRow > 0 && SumOf(c, j2, migrationRow) > all) {
        r.Finding(c.Exceeds(Win("3.2 Abgänge ") + c.Text(32, 0, migrationRow) + " Jgst.2",
                            SumOf(c, j2, migrationRow), all),
                  RowOf(32, migrationRow), RowOf(32, kAll));
    }
}

void CheckExceptionsOfPromotion(const Context& c, Report& r) {
    auto rowSum = [&](int row) {
        int sum = 0;
        for (int col = 1; col <= 7; ++col)
            sum += c.Num(21, col, row);
        return sum;
    };
    const int probation = c.Grid(21).RowCount() > 5 ? rowSum(5) : 0;
    if (rowSum(4) + probation <= rowSum(3)) return;
    r.Finding(
        "2.1 Nichtvers darunter n.P.1(3)+n.P.1(6) > insgesamt:    " + std::to_string(rowSum(4)) +
            "+" + std::to_string(probation) + " > " + std::to_string(rowSum(3)) + " ",
        RowOf(21, 4), RowOf(21, 3));
}

void CheckSubRowsOfTotals(const Context& c, Report& r, const std::vector<int>& leaving,
                          int migrationRow, int foreignRow) {
    auto test = [&](int sub, int parent) {
        const int a = SumOf(c, leaving, sub);
        const int b = SumOf(c, leaving, parent);
        if (a <= b) return;
        r.Finding(Win("3.2 Abgänge ") + c.Text(32, 0, sub) + " > " + c.Text(32, 0, parent) +
                      ":    " + std::to_string(a) + " > " + std::to_string(b) + " ",
                  RowOf(32, sub), RowOf(32, parent));
    };
    if (migrationRow > 0) {
        test(migrationRow, kAll);
        test(foreignRow, migrationRow);
    } else {
        test(foreignRow, kAll);
    }
}

void CheckLeaversOfClass8(const Context& c, Report& r, const LeaverColumns& cols) {
    const int leavers = c.Num(32, cols.class8, kAll);
    if (leavers <= kUsualLeaversOfClass8) return;
    r.Finding("   3.2 Spalte \"" + c.Text(32, cols.class8, 0) + "\" wirklich " +
                  std::to_string(leavers) + Win(" Abgänger, die in den Beruf gehen?"),
              CellOf(32, cols.class8, kAll));
    r.Finding(Win("      Bitte prüfen Sie, ob wirklich alle das allg.bild.Schulwesen verlassen"),
              CellOf(32, cols.class8, kAll));
}

void CheckUniversityEntrance(const Context& c, Report& r, const LeaverColumns& cols) {
    if (HasFinalYearPupils(c)) {
        for (int row : {kMale, kFemale}) {
            bool allEmpty = true;
            for (int col : cols.j2With) {
                if (!c.Empty(32, col, row)) allEmpty = false;
            }
            if (!allEmpty) continue;
            r.Finding(Win(std::string("keine Abgänger ") + SexText(row) +
                          " mit Hochschulreife in 3.2 eingetragen! (ggf. jeweils 0)"),
                      CellOf(32, cols.j2With.empty() ? -1 : cols.j2With.front(), row));
        }
    }
    if (cols.j2With.size() == 2) {
        const char* const tracks[] = {"G8", "G9"};
        for (int i = 0; i < 2; ++i) {
            const int leavers = c.Num(32, cols.j2With[i], kAll);
            const int certificates = c.Num(83, 1 + i, 32);
            if (leavers == certificates) continue;
            r.Finding(
                c.Differs(std::string("Summe Hochschulreife ") + tracks[i] + " in  3.2 <> 8.3",
                          leavers, certificates),
                CellOf(83, 1 + i, 32), CellOf(32, cols.j2With[i], kAll));
        }
    } else {
        const int leavers = SumOf(c, cols.j2With, kAll);
        if (leavers != c.Num(83, 1, 32))
            r.Finding(c.Differs("Summe Hochschulreife in  3.2 <> 8.3", leavers, c.Num(83, 1, 32)),
                      CellOf(83, 1, 32), RowOf(32, kAll));
    }
}

void CheckVocationalSubCounts(const Context& c, Report& r, const LeaverColumns& cols) {
    if (cols.j1Vocational < 0) return;
    auto test = [&](const char* message, int totalCol, int subCol) {
        const int total = c.Num(32, totalCol, kAll);
        const int sub = c.Num(32, subCol, kAll);
        if (total < sub)
            r.Finding(c.FallsShort(Win(message), total, sub), CellOf(32, totalCol, kAll),
                      CellOf(32, subCol, kAll));
    };
    test("Summe Abgänge J1  in  3.2 < 3.2  (mit FH(schul.Teil))", cols.j1, cols.j1Vocational);
    test("Summe Abgänge J2  in  3.2 < 3.2  (mit FH(schul.Teil))", cols.j2Without.front(),
         cols.j2Vocational);
}

// Pupils who leave class 9 without the lower certificate or class 10 without the middle one
// were not promoted.
void CheckLeaversAgainstNonPromoted(const Context& c, Report& r, const LeaverColumns& cols) {
    struct Level {
        const char* text;
        int promotionCol;
        int leaverCol;
    };
    const Level levels[] = {{"KlSt.9 in   2.1 < 3.2", 5, cols.without9},
                            {"KlSt.10 in  2.1 < 3.2", 6, cols.without10}};
    for (const Level& level : levels) {
        for (int row : {kMale, kFemale}) {
            const int notPromoted = c.Num(21, level.promotionCol, row);
            const int leavers = c.Num(32, level.leaverCol, row);
            if (notPromoted >= leavers) continue;
            r.Finding(c.FallsShort(Win(std::string("Abgänge ") + SexText(row) + " " + level.text),
                                   notPromoted, leavers),
                      CellOf(21, level.promotionCol, row), CellOf(32, level.leaverCol, row));
        }
    }
}

} // namespace

void CheckLeavers(const Context& c, Report& r) {
    const LeaverColumns cols = LeaverColumnsFor(c.year);
    const int foreignRow = c.Grid(32).RowCount() - 1;
    const int migrationRow = c.year >= 114 ? 4 : -1;
    CheckMiddleCertificates(c, r, cols);
    CheckLeaversOfClasses9And10(c, r, cols);
    CheckPromotionSexes(c, r);
    CheckSubRowsOfFinalYear(c, r, cols, migrationRow, foreignRow);
    CheckExceptionsOfPromotion(c, r);
    CheckSubRowsOfTotals(c, r, LeavingColumns(cols, c.Grid(32).ColCount()), migrationRow,
                         foreignRow);
    CheckLeaversOfClass8(c, r, cols);
    CheckUniversityEntrance(c, r, cols);
    CheckVocationalSubCounts(c, r, cols);
    CheckLeaversAgainstNonPromoted(c, r, cols);
}

} // namespace tev::plausi

namespace tev {

std::vector<std::string> Check32Live(const Sheet& sheet) {
    std::vector<std::string> lines = {
        Win("Als Abgänge sind Schüler zu melden, die das allgemeinbildende Schulwesen nach "
            "Beendigung der VZ-Schulpflicht verlassen haben."),
        Win("Dazu zählen Abgänge auf Hochschulen, in den Beruf und auf berufliche Schulen "
            "(einschl. berufl. Gymnasien!)."),
        Win("Übergänge auf allgemeinbildende Schulen sind hier nicht auszuweisen.")};
    const StringGrid* grid = sheet.grids.Find("SG32");
    if (grid == nullptr) return lines;
    auto value = [&](int col, int row) { return ParseInt(grid->Cells(col, row)); };
    auto text = [&](int col, int row) { return Trim(grid->Cells(col, row)); };
    // The "darunter" rows count part of the row above them.
    for (int row = 4; row < grid->RowCount(); ++row) {
        for (int col = 1; col < grid->ColCount(); ++col) {
            if (value(col, row) <= value(col, row - 1)) continue;
            lines.push_back("3.2 Spalte " + text(col, 0) + ":     " + text(0, row) + "  >  " +
                            text(0, row - 1) + " :    " + std::to_string(value(col, row)) + " > " +
                            std::to_string(value(col, row - 1)) + " ");
        }
    }
    if (sheet.schoolYearCode <= 115) return lines;
    // A total column and its "dar." column.
    constexpr std::pair<int, int> kPairs[] = {{3, 4}, {3, 5}, {9, 10}, {12, 13}};
    for (int row = 1; row < grid->RowCount(); ++row) {
        if (row == 3) continue;
        for (const auto& [total, part] : kPairs) {
            if (value(total, row) >= value(part, row)) continue;
            lines.push_back("3.2 Zeile " + text(0, row) + ":     " + text(total, 0) + "  <  " +
                            text(part, 0) + " :    " + std::to_string(value(total, row)) + " < " +
                            std::to_string(value(part, row)) + " ");
        }
    }
    return lines;
}

} // namespace tev
