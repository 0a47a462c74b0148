#include "plausibility_school.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/plausibility_test.h"
#include "sheet/record_mapping.h"

namespace tev::test {
namespace {

constexpr int kPupils[9] = {56, 56, 56, 56, 56, 56, 0, 50, 48};
constexpr int kLanguageRow = 2; // "EF"
constexpr int kFinalYearsRow = 36;

} // namespace

PlausibilitySchool::PlausibilitySchool(int schoolYearCode, EmptyTag) {
    ShapeSheetForYear(engine.sheet, schoolYearCode);
    engine.sheet.regionalNumber = "111801";
}

PlausibilitySchool PlausibilitySchool::Empty(int schoolYearCode) {
    return PlausibilitySchool(schoolYearCode, EmptyTag{});
}

PlausibilitySchool::PlausibilitySchool(int schoolYearCode)
    : PlausibilitySchool(schoolYearCode, EmptyTag{}) {
    FillConsistentSchool();
}

StringGrid& PlausibilitySchool::Grid(int table) {
    return *engine.sheet.grids.FindTable(table);
}

void PlausibilitySchool::Put(int table, int col, int row, int value) {
    Grid(table).SetCells(col, row, std::to_string(value));
}

void PlausibilitySchool::Put(int table, int col, int row, std::string_view text) {
    Grid(table).SetCells(col, row, Win(text));
}

int PlausibilitySchool::Column(int table, std::string_view heading) {
    const StringGrid& grid = Grid(table);
    for (int col = 0; col < grid.ColCount(); ++col) {
        if (Trim(grid.Cells(col, 0)) == Win(heading)) return col;
    }
    return -1;
}

int PlausibilitySchool::Row(int table, std::string_view label) {
    const StringGrid& grid = Grid(table);
    for (int row = 0; row < grid.RowCount(); ++row) {
        if (Trim(grid.Cells(0, row)) == Win(label)) return row;
    }
    return -1;
}

void PlausibilitySchool::SetPupils(int level, int pupils) {
    const int col = 3 + level;
    const int before = ParseInt(Grid(18).Cells(col, 37));
    const int row = level < 7 ? kLanguageRow : kFinalYearsRow;
    Put(18, col, row, pupils);
    Put(18, col, 37, pupils);
    Put(18, col, 38, pupils / 2);
    for (int r : {row, 37})
        Put(18, 12, r, ParseInt(Grid(18).Cells(12, r)) - before + pupils);
}

void PlausibilitySchool::SetNotPromoted(int male, int female) {
    for (int col : {1, 8}) {
        Put(21, col, 1, male);
        Put(21, col, 2, female);
        Put(21, col, 3, male + female);
    }
}

void PlausibilitySchool::FillConsistentSchool() {
    const int year = engine.sheet.schoolYearCode;
    int total = 0;
    int girls = 0;
    int foreign = 0;
    // Tables 1.1/1.8 share the language letters of their sequences.
    for (int table : {11, 18}) {
        Put(table, 0, kLanguageRow, "E");
        Put(table, 1, kLanguageRow, "F");
    }
    for (int level = 0; level < 9; ++level) {
        const int pupils = kPupils[level];
        if (pupils == 0) continue;
        const int col = 3 + level;
        Put(18, col, level < 7 ? kLanguageRow : kFinalYearsRow, pupils);
        Put(18, col, 37, pupils);
        Put(18, col, 38, pupils / 2);
        Put(18, col, 51, 10); // migration background
        Put(18, col, 52, 5);
        Put(18, col, 40, 4); // foreigners
        Put(18, col, 39, 2);
        total += pupils;
        girls += pupils / 2;
        foreign += 4;
        // Table 2.2: all came from the level below, class 5 from primary school.
        Put(22, 1 + level, level == 0 ? 3 : 1, pupils);
        Put(22, 1 + level, Grid(22).RowCount() - 1, pupils);
        // Table 4.1: all live in one place.
        Put(41, 2 + level, 1, pupils);
        Put(41, 2 + level, Grid(41).RowCount() - 2, pupils);
        // Table 9.1: pupils and classes.
        Put(91, 1, 3 + level, pupils);
        if (level < 6) {
            Put(12, 1 + level, 1, 28);
            Put(12, 1 + level, 2, 28);
            Put(12, 1 + level, Grid(12).RowCount() - 1, pupils);
            if (Grid(12).RowCount() == 21) Put(12, 1 + level, 15, pupils);
            Put(91, 2, 3 + level, 2);
            Put(41, 2 + level, Grid(41).RowCount() - 1, 2);
        }
    }
    Put(18, 12, kLanguageRow, 56 * 6);
    Put(18, 12, kFinalYearsRow, 98);
    Put(18, 12, 37, total);
    Put(18, 12, 38, girls);
    Put(18, 12, 51, 80);
    Put(18, 12, 52, 40);
    Put(18, 12, 40, foreign);
    Put(18, 12, 39, foreign / 2);
    Put(91, 1, 12, total);
    Put(91, 2, 12, 12);
    Put(41, 0, 1, "Musterstadt");
    Put(41, 11, 1, total);
    Put(41, 11, Grid(41).RowCount() - 2, total);
    Put(41, 11, Grid(41).RowCount() - 1, 12);
    Put(42, 0, 2, total);
    Put(42, 9, 2, total);

    SetNotPromoted(1, 1);

    StringGrid& nationalities = Grid(23);
    nationalities.SetRowCount(4);
    Put(23, 0, 1, "163");
    Put(23, 1, 1, "Türkei");
    Put(23, 2, 1, 20);
    Put(23, 0, 2, "170");
    Put(23, 1, 2, "Serbien");
    Put(23, 2, 2, foreign - 20);
    Put(23, 1, 3, "Insgesamt      ");
    Put(23, 2, 3, foreign);

    for (int col : {5, 14}) {
        Put(24, col, 1, total - girls);
        Put(24, col, 2, girls);
        Put(24, col, 3, total);
    }

    Grid(31).SetRowCount(3);
    Put(31, 0, 1, "0101");
    Put(31, 1, 1, "Chor");
    Put(31, 1, 2, "Insgesamt");
    for (int row : {1, 2}) {
        Put(31, 2, row, 1);
        Put(31, 3, row, 20);
        Put(31, 4, row, 2);
    }
    const int last52 = Grid(52).RowCount() - 1;
    Put(52, 1, 1, "Theater");
    for (int row : {1, last52}) {
        Put(52, 2, row, 1);
        Put(52, 3, row, 12);
        Put(52, 4, row, 2);
    }

    // Leavers: the Abitur of the year before, one boy after class 10.
    const int withUniversity = year == 112  ? Column(32, "J2 G8 mit Hochschulreife")
                               : year < 112 ? Column(32, "Jgst.2 mit Hochschulreife")
                                            : Column(32, "J2 mit Hochschulreife");
    const int withMiddle =
        Column(32, year < 112 ? "10 mit Realschulabschluß" : "10 mit Realschulabschluss");
    const int sum32 = Grid(32).ColCount() - 1;
    const int migration32 = year >= 114 ? 4 : -1;
    const int foreign32 = Grid(32).RowCount() - 1;
    Put(32, withUniversity, 1, 20);
    Put(32, withUniversity, 2, 25);
    Put(32, withUniversity, 3, 45);
    Put(32, withMiddle, 1, 1);
    Put(32, withMiddle, 3, 1);
    for (int row : {1, 2, 3})
        Put(32, sum32, row, row == 1 ? 21 : row == 2 ? 25 : 46);
    if (migration32 > 0) {
        Put(32, withUniversity, migration32, 5);
        Put(32, sum32, migration32, 5);
    }
    Put(32, withUniversity, foreign32, 2);
    Put(32, sum32, foreign32, 2);
    Put(83, 1, 16, 45);
    Put(83, 1, 32, 45);
    Put(83, 1, 33, 0);

    Put(33, 1, 0, "ja");
    Put(33, 1, 2, 40);
    Put(33, 2, 2, 10);
    Put(33, 3, 2, 5);

    // Courses: German and mathematics four-hour for everybody, history, religion and sport
    // two-hour.
    auto course = [&](int table, const char* code, int j, int courses, int pupils) {
        const int row = Row(table, code);
        Put(table, 1 + 3 * j, row, courses);
        Put(table, 2 + 3 * j, row, pupils);
        Put(table, 3 + 3 * j, row, courses * (table == 51 ? 4 : 2));
    };
    for (int j = 0; j < 2; ++j) {
        const int pupils = kPupils[7 + j];
        course(51, "D", j, 2, pupils);
        course(51, "M", j, 2, pupils);
        course(61, "G", j, 2, pupils);
        course(61, "EvR", j, 1, 30 - 2 * j);
        course(61, "KR", j, 1, 20);
        course(61, "S", j, 2, pupils);
        const int zus51 = Grid(51).RowCount() - 1;
        Put(51, 1 + 3 * j, zus51, 4);
        Put(51, 2 + 3 * j, zus51, 2 * pupils);
        Put(51, 3 + 3 * j, zus51, 16);
        const int zus61 = Grid(61).RowCount() - 1;
        Put(61, 1 + 3 * j, zus61, 6);
        Put(61, 2 + 3 * j, zus61, pupils + 30 - 2 * j + 20 + pupils);
        Put(61, 3 + 3 * j, zus61, 12);
    }
    // Table 7.1: the 8 four-hour courses have 24 to 27 pupils, the 12 two-hour courses too.
    Put(71, 2, 17, 8);
    Put(71, 2, 19, 8);
    Put(71, 2, 25, 12);
    Put(71, 2, 27, 12);
}

const std::vector<std::string>& PlausibilitySchool::Test() {
    PlausibilityTest(engine);
    return engine.sheet.findings;
}

bool PlausibilitySchool::Has(std::string_view utf8Text) const {
    const std::string text = Win(utf8Text);
    for (const auto& line : engine.sheet.findings) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

std::string PlausibilitySchool::Findings() const {
    std::string text;
    for (const auto& line : engine.sheet.findings)
        text += Utf8FromWin(line) + "\n";
    return text;
}

} // namespace tev::test
