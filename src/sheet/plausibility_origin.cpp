// Steps 6, 7, 8 and 13: nationalities (2.3), birth years (2.4) and non-promoted pupils (2.1).
#include "output/codepage.h"
#include "sheet/plausibility_checks.h"
#include "sheet/sheet_repairs.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tev::plausi {
namespace {

constexpr std::array<std::string_view, 8> kDisallowedNationalities = {"199", "299", "399", "499",
                                                                      "599", "133", "138", "276"};
constexpr std::string_view kYugoslavia = "138";

// Rows between the heading and the "Insgesamt" row.
int LastNationalityRow(const Context& c) {
    return c.Grid(23).RowCount() - 2;
}

// "(25/200=12,50%)"; a school without pupils gets the numbers alone, since a share of nothing
// means nothing.
std::string Share(int part, int whole) {
    if (whole == 0) return "(" + std::to_string(part) + "/0)";
    char text[64];
    std::snprintf(text, sizeof text, "(%d/%d=%5.2f%%)", part, whole, part * 100.0 / whole);
    std::string share = text;
    std::replace(share.begin(), share.end(), '.', ',');
    return share;
}

} // namespace

void CheckDisallowedNationalities(const Context& c, Report& r) {
    for (int row = 1; row <= LastNationalityRow(c); ++row) {
        const std::string code = c.Text(23, 0, row);
        if (std::find(kDisallowedNationalities.begin(), kDisallowedNationalities.end(), code) ==
            kDisallowedNationalities.end()) {
            continue;
        }
        r.Finding(Win("in 2.3 ist nicht mehr erlaubt: ") + code + " " + c.Text(23, 1, row),
                  CellOf(23, 0, row));
    }
}

void CheckBirthYears(const Context& c, Report& r) {
    if (Table24WasMoved(c.sheet))
        r.Finding("2.4 wurde korrigiert/verschoben, bitte kontrollieren", TableOf(24));
    const int pupils = c.PupilTotal(rows::kAll);
    const int girls = c.PupilTotal(rows::kGirls);
    const int total = c.Num(24, 14, 3);
    if (total == 0) {
        if (pupils > 0) {
            r.Finding(c.Differs("2.4 ist nicht bearbeitet,  d.h. Summe gesamt  in  1.1+1.8 <> 2.4",
                                pupils, total),
                      CellOf(24, 14, 3), CellOf(11, kPupilSumColumn, rows::kAll));
        }
    } else {
        if (pupils - girls != c.Num(24, 14, 1))
            r.Finding(
                c.Differs("Summe Jungen  in  1.1+1.8 <> 2.4", pupils - girls, c.Num(24, 14, 1)),
                CellOf(24, 14, 1), CellOf(11, kPupilSumColumn, rows::kAll));
        if (girls != c.Num(24, 14, 2))
            r.Finding(c.Differs(Win("Summe Mädchen in  1.1+1.8 <> 2.4"), girls, c.Num(24, 14, 2)),
                      CellOf(24, 14, 2), CellOf(11, kPupilSumColumn, rows::kGirls));
    }
    // Column 5 is headed with the birth year Y + 1887 of the school year Y.
    const std::string heading = c.Text(24, 5, 0);
    const int birthYear = c.Num(24, 5, 0);
    const int expected = c.year + 1887;
    if (birthYear > 0 && birthYear < expected) {
        r.Finding(Win("2.4 ist veraltet,  d.h. :") + heading + "  <>" + std::to_string(expected) +
                      Win(" (Abhilfe: Diverses/eine Tabelle löschen/2.4)"),
                  CellOf(24, 5, 0));
    }
}

void CheckNonPromoted(const Context& c, Report& r) {
    const CellArea total = CellOf(21, c.Grid(21).ColCount() - 1, 3);
    const int notPromoted = c.Num(21, total.col, total.row);
    const int pupils = c.PupilTotal(rows::kAll);
    if (notPromoted > pupils / 10)
        r.Finding("wirklich mehr als 10% Nichtversetzte???" + Share(notPromoted, pupils), total);
    if (notPromoted > 20 && notPromoted > pupils / 5)
        r.Finding("zu viele Nichtversetzte!" + Share(notPromoted, pupils), total);
}

void CheckYugoslavia(const Context& c, Report& r) {
    for (int row = 1; row <= LastNationalityRow(c); ++row) {
        if (c.Text(23, 0, row) != kYugoslavia) continue;
        r.Finding("2.3: statt 138 Jugoslawien  bitte  140 Montenegro  oder  150 Kosovo  oder  170 "
                  "Serbien verwenden!",
                  CellOf(23, 0, row));
        return;
    }
}

} // namespace tev::plausi
