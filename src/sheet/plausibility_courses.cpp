// Steps 9, 16 and 19: the courses of the final years (5.1, 6.1, 7.1, 7.2, 8.1, 8.2) and the
// final examination (8.3).
#include "output/codepage.h"
#include "sheet/plausibility_checks.h"
#include "sheet/subject_tables.h"
#include "sheet/table_headings.h"

#include <cstdio>
#include <initializer_list>

namespace tev::plausi {
namespace {

// Columns of 5.1 and 6.1 for final year j (0 = J1, 1 = J2): courses, pupils, and the pupils of
// the courses that span both years.
int CoursesColumn(int j) {
    return 1 + 3 * j;
}
int PupilsColumn(int j) {
    return 2 + 3 * j;
}
int SpanningPupilsColumn(int j) {
    return 8 + j;
}
constexpr int kSpanningCoursesColumn = 7;

// Tables 8.1 and 8.2: rows 1-12 four-hour (or advanced) courses with their total in row 13,
// rows 14-25 two-hour courses with their total in row 26; column 2 + j the pupils.
constexpr int kAdvancedTotalRow = 13;
constexpr int kBasicTotalRow = 26;

const char* YearText(int j) {
    return j == 0 ? "12/J1" : "13/J2";
}

int CourseRowOf(const Context& c, int table, std::string_view code) {
    const int last = c.Grid(table).RowCount() - 2;
    for (int row = 1; row <= last; ++row) {
        if (c.TextView(table, 0, row) == code) return row;
    }
    return -1;
}

int CoursePupils(const Context& c, int table, std::initializer_list<const char*> codes, int j) {
    int sum = 0;
    for (const char* code : codes) {
        const int row = CourseRowOf(c, table, code);
        if (row < 0) continue;
        sum += c.Num(table, PupilsColumn(j), row) + c.Num(table, SpanningPupilsColumn(j), row);
    }
    return sum;
}

// Pupils of table 8.1 or 8.2 in the courses of the given subjects.
int ExchangePupils(const Context& c, int table, std::initializer_list<const char*> codes, int j,
                   bool advancedOnly) {
    int sum = 0;
    for (int row = 1; row < kBasicTotalRow; ++row) {
        if (row == kAdvancedTotalRow) {
            if (advancedOnly) break;
            continue;
        }
        const std::string_view subject = c.TextView(table, 1, row);
        for (const char* code : codes) {
            if (subject == code) sum += c.Num(table, 2 + j, row);
        }
    }
    return sum;
}

std::string Details(int pupils, int factor, int fromOwn, int fromOthers, int courses51,
                    int courses61) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "         (Zahlen genauer: %6d*%1d -%4d +%4d <>%5d +%3d     s.auch Reiter "
                  "\"5+6\")",
                  pupils, factor, fromOwn, fromOthers, courses51, courses61);
    return text;
}

int ExpectedCourseRows(const Context& c, int table) {
    if (c.regime == 1)
        return static_cast<int>(RegimeOneCourseSubjects(table).size()) + (table == 51 ? 5 : 4);
    return kSubjectCodeCount + 2;
}

void CheckCourseTableShapes(const Context& c, Report& r) {
    for (int table : {51, 61}) {
        const int rowCount = c.Grid(table).RowCount();
        const int expected = ExpectedCourseRows(c, table);
        if (rowCount != expected)
            r.Finding(c.Differs(table == 51 ? "5.1 Zeilen" : "6.1 Zeilen", rowCount, expected),
                      TableOf(table));
    }
    // Table 7.2 is collected until 2012/13.
    if (c.year >= 113) return;
    const StringGrid& grid72 = c.Grid(72);
    if (grid72.ColCount() != 17)
        r.Finding(c.Differs("7.2 Spalten", grid72.ColCount(), 17), TableOf(72));
    if (grid72.RowCount() != 22)
        r.Finding(c.Differs("7.2 Zeilen", grid72.RowCount(), 22), TableOf(72));
    const int pupils = c.Pupils(rows::kAll, kJ1);
    const int combinations = c.Num(72, grid72.ColCount() - 1, grid72.RowCount() - 1);
    if (pupils != combinations) {
        r.Finding(c.Differs(Win("Summe KlSt.12/J1 in  1.1+1.8 <> 7.2\r (KlSt.12/J1 in 1.1+1.8  ist "
                                "in  Listen/Lehrauftragsverteilung/Klassenkopf  zu ändern)"),
                            pupils, combinations),
                  CellOf(72, grid72.ColCount() - 1, grid72.RowCount() - 1),
                  CellOf(11, 3 + kJ1, rows::kAll));
    }
}

// From 2003/04 to 2018/19 German and mathematics are four-hour courses for every pupil of the
// final years; pupils who take them at another school are counted there.
void CheckCoreSubjectsInFourHourCourses(const Context& c, Report& r) {
    if (c.regime != 3) return;
    for (const char* code : {"D", "M"}) {
        for (int j = 0; j < 2; ++j) {
            const int pupils = c.Pupils(rows::kAll, kJ1 + j);
            const int courses = CoursePupils(c, 51, {code}, j) +
                                ExchangePupils(c, 81, {code}, j, true) -
                                ExchangePupils(c, 82, {code}, j, true);
            if (pupils == courses) continue;
            r.Finding(
                c.Differs(std::string("Summe ") + code + " " + YearText(j) + " in  1.1+1.8 <> 5.1",
                          pupils, courses),
                RowOf(51, CourseRowOf(c, 51, code)), CellOf(11, 3 + kJ1 + j, rows::kAll));
        }
    }
}

// Every pupil takes two advanced courses; only where they are truly advanced courses (course
// regime 1) is a mismatch an error, the four-hour courses of later regimes are no pairs.
void CheckAdvancedCourseCount(const Context& c, Report& r) {
    for (int j = 0; j < 2; ++j) {
        const int pupils = c.Pupils(rows::kAll, kJ1 + j);
        const int zus = c.Grid(51).RowCount() - 1;
        const int courses51 =
            c.Num(51, PupilsColumn(j), zus) + c.Num(51, SpanningPupilsColumn(j), zus);
        const int fromOwn = c.Num(81, 2 + j, kAdvancedTotalRow);
        const int fromOthers = c.Num(82, 2 + j, kAdvancedTotalRow);
        if (pupils * 2 - fromOwn + fromOthers == courses51) continue;
        const std::string line =
            std::string("Summe LK-Schüler") + YearText(j) + ":   1.1+1.8*2 -8.1 +8.2 <> 5.1";
        const std::string details = Details(pupils, 2, fromOwn, fromOthers, courses51, 0);
        const CellArea place = CellOf(51, PupilsColumn(j), zus);
        const CellArea compared = CellOf(11, 3 + kJ1 + j, rows::kAll);
        if (c.regime == 1) {
            r.Finding(Win(line), place, compared);
            r.Finding(details, place, compared);
        } else {
            r.Remark(Win(line + " (Sonderfall: LK-Test zählt nicht als Fehler)"), place, compared);
            r.Remark(details, place, compared);
        }
    }
}

struct SubjectGroup {
    const char* name;
    std::initializer_list<const char*> codes;
    bool mustEqual; // else the pupils may only not be fewer than the participants
    bool core;      // German or mathematics
};

void CheckSubjectGroups(const Context& c, Report& r) {
    // German and mathematics were tested against 5.1 alone in the four-hour regime.
    const bool coreTested = c.regime == 3;
    const SubjectGroup groups[] = {{"Summe D", {"D"}, true, true},
                                   {"Summe M", {"M"}, true, true},
                                   {"Summe G", {"G"}, true, false},
                                   {"Summe EvR+KR+Eth", {"EvR", "KR", "Eth"}, false, false},
                                   {"Summe SM+SW+S", {"SM", "SW", "S"}, false, false}};
    for (int j = 0; j < 2; ++j) {
        const int pupils = c.Pupils(rows::kAll, kJ1 + j);
        for (const SubjectGroup& group : groups) {
            if (coreTested && group.core) continue;
            const int c51 = CoursePupils(c, 51, group.codes, j);
            const int c61 = CoursePupils(c, 61, group.codes, j);
            const int fromOwn = ExchangePupils(c, 81, group.codes, j, false);
            const int fromOthers = ExchangePupils(c, 82, group.codes, j, false);
            const int participants = c51 + c61 + fromOwn - fromOthers;
            const bool wrong = group.mustEqual ? pupils != participants : pupils < participants;
            if (!wrong) continue;
            const CellArea place = ColumnOf(51, PupilsColumn(j));
            const CellArea compared = CellOf(11, 3 + kJ1 + j, rows::kAll);
            r.Finding(std::string(group.name) + " " + YearText(j) + " in  1.1+1.8 " +
                          (group.mustEqual ? "<>" : "<") + " 5.1+6.1+8.1-8.2",
                      place, compared);
            r.Finding(Details(pupils, 1, fromOwn, fromOthers, c51, c61), place, compared);
        }
    }
}

int CourseCount(const Context& c, int table) {
    const int zus = c.Grid(table).RowCount() - 1;
    return c.Num(table, CoursesColumn(0), zus) + c.Num(table, CoursesColumn(1), zus) +
           c.Num(table, kSpanningCoursesColumn, zus);
}

} // namespace

void CheckCourses(const Context& c, Report& r) {
    CheckCourseTableShapes(c, r);
    CheckCoreSubjectsInFourHourCourses(c, r);
    CheckAdvancedCourseCount(c, r);
    CheckSubjectGroups(c, r);
}

void CheckCourseSizes(const Context& c, Report& r) {
    // The size classes of regime 1 end in rows 5 and 11, those of later regimes in 19 and 27.
    const int advancedRow = c.regime == 1 ? 5 : 19;
    const int basicRow = c.regime == 1 ? 11 : 27;
    const int advanced = CourseCount(c, 51);
    if (advanced != c.Num(71, 2, advancedRow))
        r.Finding(
            c.Differs("Insgesamt 4std/LK in  5.1 <> 7.1", advanced, c.Num(71, 2, advancedRow)),
            CellOf(71, 2, advancedRow), RowOf(51, c.Grid(51).RowCount() - 1));
    const int basic = CourseCount(c, 61);
    if (basic != c.Num(71, 2, basicRow))
        r.Finding(c.Differs("Insgesamt 2std/GK in  6.1 <> 7.1", basic, c.Num(71, 2, basicRow)),
                  CellOf(71, 2, basicRow), RowOf(61, c.Grid(61).RowCount() - 1));
}

void CheckGrades(const Context& c, Report& r) {
    constexpr int kTotalRow = 32;
    constexpr int kFailedRow = 33;
    const StringGrid& grid = c.Grid(83);
    bool empty = true;
    for (int row = 1; row <= kFailedRow && empty; ++row) {
        for (int col = 1; col < grid.ColCount(); ++col) {
            if (!c.Empty(83, col, row)) empty = false;
        }
    }
    // A school without final years has no examination to report.
    if (empty) {
        if (HasFinalYearPupils(c)) r.Finding("  8.3 Abiturergebnisse ist leer!", TableOf(83));
        return;
    }
    if (c.Empty(83, 1, kFailedRow))
        r.Finding(Win("8.3 Abiturprüfung nicht bestanden: kein Eintrag (ggf. 0)"),
                  CellOf(83, 1, kFailedRow));
    // In 2012/13 the two tracks have a column each; before, column 2 is a sub-count.
    const bool twoTracks = c.year == 112;
    const int failed = c.Num(83, 1, kFailedRow) + (twoTracks ? c.Num(83, 2, kFailedRow) : 0);
    const int certificates = c.Num(83, 1, kTotalRow) + (twoTracks ? c.Num(83, 2, kTotalRow) : 0);
    char line[96];
    if (failed > certificates / 6 + 4) {
        std::snprintf(line, sizeof line, "8.3 zu viele %d(%d) Abitur nicht bestanden!", failed,
                      certificates);
        r.Finding(line, CellOf(83, 1, kFailedRow));
    } else if (failed > certificates / 14 + 2) {
        std::snprintf(line, sizeof line, "  8.3 soooo viele %d(%d) Abitur nicht bestanden!", failed,
                      certificates);
        r.Remark(line, CellOf(83, 1, kFailedRow));
    }
    if (c.Text(83, 2, 0) != "davon 8j.") return;
    for (int row = 1; row < kTotalRow; ++row) {
        if (c.Num(83, 2, row) <= c.Num(83, 1, row)) continue;
        r.Finding("8.3 in Zeile \"" + c.Text(83, 0, row) + " | " +
                      std::to_string(c.Num(83, 1, row)) + Win("\" ist \"davon 8j.\" zu groß"),
                  CellOf(83, 2, row));
    }
}

} // namespace tev::plausi
