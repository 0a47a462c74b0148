// Putting each kind of deliberate fault into a filled school year.
#include "data/demo/demo_faults.h"
#include "data/demo/demo_random.h"
#include "output/codepage.h"
#include "output/text_routines.h"

#include <algorithm>

namespace tev::demo {
namespace {

std::string LevelText(int level) {
    return level == kJ1 ? "J1" : level == kJ2 ? "J2" : std::to_string(LevelNumber(level));
}

std::vector<int> LevelsWithPupils(const DemoYearInput& in, int lastLevel = kLevels - 1) {
    std::vector<int> levels;
    for (int level = 0; level <= lastLevel; ++level)
        if (in.figures.LevelPupils(level).Total() > 0) levels.push_back(level);
    return levels;
}

template <typename T> const T& Choose(const std::vector<T>& items, DemoRandom& random) {
    return items[random.Below(static_cast<int>(items.size()))];
}

struct FaultContext {
    SheetGrids& grids;
    const DemoYearInput& in;
    DemoRandom& random;
    DemoFault& fault;
    StringGrid& Grid(const char* name) { return *grids.Find(name); }
    void Sum(int table) { SumDemoTable(grids, table, in.figures.year, in.school.regional); }
    void At(const char* table, int level) {
        fault.table = table;
        fault.level = level < 0 ? 0 : LevelNumber(level);
    }
};

bool OriginTotal(FaultContext& c) {
    const auto levels = LevelsWithPupils(c.in);
    if (levels.empty()) return false;
    const int level = Choose(levels, c.random);
    const int row = level == 0 ? 3 : 1; // class 5 comes from primary school
    AddToCell(c.Grid("SG22"), level + 1, row, 1);
    c.Sum(22);
    c.At("2.2", level);
    c.fault.detail = "Klst " + LevelText(level) + ": Zeile " + std::to_string(row) +
                     " um 1 erhoeht, Summe 2.2 <> 1.1+1.8";
    return true;
}

bool BirthYearsMissing(FaultContext& c) {
    StringGrid& grid = c.Grid("SG24");
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col < grid.ColCount(); ++col)
            grid.SetCells(col, row, "");
    c.At("2.4", -1);
    c.fault.detail = "Tabelle 2.4 nicht ausgefuellt";
    return true;
}

bool GirlsAboveTotal(FaultContext& c) {
    std::vector<std::pair<int, int>> candidates; // track, level on one track only
    for (int track : {kNineYear, kEightYear})
        for (int level = 0; level < kLevels; ++level)
            if (c.in.figures.tracks[track][level].pupils.Total() > 0 &&
                c.in.figures.tracks[1 - track][level].pupils.Total() == 0)
                candidates.emplace_back(track, level);
    if (candidates.empty()) return false;
    const auto [track, level] = Choose(candidates, c.random);
    StringGrid& grid = PupilGrid(c.grids, track);
    const int pupils = CellValue(grid, level + 3, 37);
    const int girls = pupils + 1 + c.random.Below(2);
    // Table 2.4 follows the wrong figure, so that only 1.1/1.8 themselves disagree.
    StringGrid& births = c.Grid("SG24");
    int moving = girls - CellValue(grid, level + 3, 38);
    if (CellValue(births, 14, 1) < moving) return false;
    for (int col = 1; col <= 13 && moving > 0; ++col) {
        const int move = std::min(moving, CellValue(births, col, 1));
        AddToCell(births, col, 1, -move);
        AddToCell(births, col, 2, move);
        moving -= move;
    }
    grid.SetCells(level + 3, 38, Num(girls));
    c.Sum(track == kNineYear ? 11 : 18);
    c.Sum(24);
    c.At(track == kNineYear ? "1.1" : "1.8", level);
    c.fault.detail = "Klst " + LevelText(level) + ": " + std::to_string(girls) + " Maedchen bei " +
                     std::to_string(pupils) + " Schuelern";
    return true;
}

bool TooManyNotPromoted(FaultContext& c) {
    const int pupils = c.in.figures.TotalPupils();
    if (pupils < 50) return false;
    StringGrid& grid = c.Grid("SG21");
    const int before = CellValue(grid, 8, 3);
    int target = pupils / 10 + 1 + c.random.Below(3);
    if (target > 20 && target > pupils / 5) target = pupils / 5;
    for (int extra = target - before; extra > 0; --extra)
        AddToCell(grid, 2 + c.random.Below(5), 1 + c.random.Below(2), 1); // classes 6 to 10
    c.Sum(21);
    c.At("2.1", -1);
    c.fault.detail = "Nichtversetzte " + std::to_string(CellValue(grid, 8, 3)) + " von " +
                     std::to_string(pupils) + " Schuelern (mehr als 10 %)";
    return true;
}

bool ForeignersMismatch(FaultContext& c) {
    StringGrid& grid = c.Grid("SG23");
    const int nationalities = grid.RowCount() - 2;
    if (nationalities < 1) return false;
    const int row = 1 + c.random.Below(nationalities);
    const int extra = 1 + c.random.Below(3);
    AddToCell(grid, 2, row, extra);
    c.Sum(23);
    c.At("2.3", -1);
    c.fault.detail = "Code " + grid.Cells(0, row) + " um " + std::to_string(extra) +
                     " erhoeht, 2.3 <> Auslaender in 1.1+1.8";
    return true;
}

bool ForbiddenNationality(FaultContext& c) {
    StringGrid& grid = c.Grid("SG23");
    const int last = grid.RowCount() - 1;
    int row = 0;
    for (int r = 1; r < last && row == 0; ++r)
        if (grid.Cells(0, r) == "170" || grid.Cells(0, r) == "150") row = r;
    std::string code = "133", name = "Serbien und Montenegro";
    if (row == 0) {
        static const char* const others[] = {"",
                                             "übriges Europa",
                                             "übriges Afrika",
                                             "übriges Amerika",
                                             "übriges Asien",
                                             "übriges Ozeanien"};
        for (int r = 1; r < last && row == 0; ++r) {
            const int continent = ParseInt(grid.Cells(0, r)) / 100;
            if (continent < 1 || continent > 5) continue;
            row = r;
            code = std::to_string(continent) + "99";
            name = others[continent];
        }
    }
    if (row == 0) return false;
    const std::string old = grid.Cells(0, row);
    grid.SetCells(0, row, code);
    grid.SetCells(1, row, DosFromUtf8(name));
    // The rows stay in the order of their codes.
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < last; ++r)
        rows.push_back(grid.Row(r));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return ParseInt(a[0]) < ParseInt(b[0]); });
    for (int r = 1; r < last; ++r)
        for (int col = 0; col < 3; ++col)
            grid.SetCells(col, r, rows[r - 1][col]);
    c.At("2.3", -1);
    c.fault.detail = "Code " + old + " durch nicht mehr erlaubten Code " + code + " ersetzt";
    return true;
}

bool ClassTableMismatch(FaultContext& c) {
    StringGrid& grid = c.Grid("SG12");
    const int classRows = grid.RowCount() >= 21 ? 14 : 10;
    std::vector<std::pair<int, int>> classes;
    for (int col = 1; col <= 7; ++col)
        for (int row = 1; row <= classRows; ++row)
            if (const int size = CellValue(grid, col, row); size > 0 && size < 33)
                classes.emplace_back(col, row); // no class beyond the divisor
    if (classes.empty()) return false;
    const auto [col, row] = Choose(classes, c.random);
    AddToCell(grid, col, row, 1);
    c.Sum(12);
    c.At("1.2", col - 1);
    c.fault.detail = "Klst " + LevelText(col - 1) + ", Klasse " + grid.Cells(0, row) +
                     ": ein Schueler mehr als in 1.1+1.8";
    return true;
}

bool ResidenceMismatch(FaultContext& c) {
    const auto levels = LevelsWithPupils(c.in);
    if (levels.empty() || c.in.figures.year < 113) return false;
    const int level = Choose(levels, c.random);
    AddToCell(c.Grid("SG41"), level + 2, 1, 1);
    AddToCell(c.Grid("SG42"), 0, 2, 1);
    c.Sum(41);
    c.Sum(42);
    c.At("4.1", level);
    c.fault.detail = "Klst " + LevelText(level) + ": Schulort um 1 erhoeht (4.1 und 4.2)";
    return true;
}

bool AbiturMismatch(FaultContext& c) {
    StringGrid& grid = c.Grid("SG83");
    std::vector<int> rows;
    for (int row = 1; row <= 31; ++row)
        if (CellValue(grid, 1, row) > 0) rows.push_back(row);
    if (rows.empty()) return false;
    const int row = Choose(rows, c.random);
    AddToCell(grid, 1, row, 1);
    c.Sum(83);
    c.At("8.3", -1);
    c.fault.detail =
        "Note " + grid.Cells(0, row) + ": ein Zeugnis mehr als Abgaenge mit Hochschulreife in 3.2";
    return true;
}

bool HoursPupilMismatch(FaultContext& c) {
    const auto levels = LevelsWithPupils(c.in);
    if (levels.empty()) return false;
    const int level = Choose(levels, c.random);
    AddToCell(c.Grid("SG91"), 1, level + 3, 1);
    c.Sum(91);
    c.At("9.1", level);
    c.fault.detail = "Klst " + LevelText(level) + ": Schuelerzahl in 9.1 um 1 erhoeht";
    return true;
}

bool SportsCertificates(FaultContext& c) {
    StringGrid& grid = c.Grid("SG33");
    std::vector<int> rows;
    for (int row = 2; row < grid.RowCount(); ++row)
        if (CellValue(grid, 1, row) >= 3) rows.push_back(row);
    if (rows.empty()) return false;
    const int row = Choose(rows, c.random);
    const int taking = CellValue(grid, 1, row), honours = CellValue(grid, 3, row);
    grid.SetCells(2, row, Num(taking - honours + 1 + c.random.Below(2)));
    c.Sum(33);
    c.At("3.3", -1);
    static const char* const events[] = {"", "", "Leichtathletik", "Geraeteturnen", "Schwimmen"};
    c.fault.detail = std::string(events[row]) + ": " + std::to_string(taking) + " Teilnehmer, " +
                     grid.Cells(2, row) + "+" + grid.Cells(3, row) + " Urkunden";
    return true;
}

bool Apply(DemoFaultKind kind, FaultContext& c) {
    switch (kind) {
    case DemoFaultKind::OriginTotal:
        return OriginTotal(c);
    case DemoFaultKind::BirthYearsMissing:
        return BirthYearsMissing(c);
    case DemoFaultKind::GirlsAboveTotal:
        return GirlsAboveTotal(c);
    case DemoFaultKind::TooManyNotPromoted:
        return TooManyNotPromoted(c);
    case DemoFaultKind::ForeignersMismatch:
        return ForeignersMismatch(c);
    case DemoFaultKind::ForbiddenNationality:
        return ForbiddenNationality(c);
    case DemoFaultKind::ClassTableMismatch:
        return ClassTableMismatch(c);
    case DemoFaultKind::ResidenceMismatch:
        return ResidenceMismatch(c);
    case DemoFaultKind::AbiturMismatch:
        return AbiturMismatch(c);
    case DemoFaultKind::HoursPupilMismatch:
        return HoursPupilMismatch(c);
    case DemoFaultKind::SportsCertificates:
        return SportsCertificates(c);
    case DemoFaultKind::MissingDataSet:
    case DemoFaultKind::MissingZepList:
        break;
    }
    return false;
}

} // namespace

std::optional<DemoFault> ApplyFault(SheetGrids& grids, DemoFaultKind kind,
                                    const DemoYearInput& input) {
    DemoRandom random(
        MixSeed({input.school.seed, static_cast<uint64_t>(input.figures.year), 0xFB}));
    DemoFault fault;
    fault.schoolNumber = input.school.number;
    fault.schoolYearCode = input.figures.year;
    const auto& kinds = DataFaultKinds();
    const size_t first = std::find(kinds.begin(), kinds.end(), kind) - kinds.begin();
    for (size_t k = 0; k < kinds.size(); ++k) {
        fault.kind = kinds[(first + k) % kinds.size()];
        FaultContext context{grids, input, random, fault};
        if (Apply(fault.kind, context)) return fault;
    }
    return std::nullopt;
}

} // namespace tev::demo
