// Tables 1.1, 1.8, 1.2 and 2.1 to 2.4 of a demo school year.
#include "data/demo/demo_lists.h"
#include "data/demo/demo_random.h"
#include "data/demo/demo_tables.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/pupil_table_rows.h"
#include "sheet/row_ids.h"

#include <algorithm>

namespace tev::demo {
namespace {

// Rows of tables 1.1 and 1.8 besides the language sequences (1..34) and the final years
// (36); the sums (37, 55, 56 and column 12) are the sheet's.
constexpr int kGirlsRow = pupil_rows::kGirls;
constexpr int kForeignGirlsRow = pupil_rows::kForeignGirls;
constexpr int kForeignRow = pupil_rows::kForeign;
constexpr int kArtRow = pupil_rows::kArtProfile;
constexpr int kMusicRow = pupil_rows::kMusicProfile;
constexpr int kThirdLanguageRow = pupil_rows::kLanguageProfile;
constexpr int kMigrationRow = pupil_rows::kMigration;
constexpr int kMigrationGirlsRow = pupil_rows::kMigrationGirls;
constexpr int kNwtRow = pupil_rows::kNwtProfile;
constexpr int kThirdLanguageOldRow = pupil_rows::kRegular; // "mit Sprachprf" until 2015/16

// Sequences whose third language the school names itself ("_" in the standard label).
bool OwnThirdLanguage(int row) {
    return row == 6 || row == 11 || row == 23 || row == 32;
}

// The language letters of a sequence row from its standard label ("EFL", "LEGr", "EF_").
std::vector<std::string> SequenceLetters(int row, char ownThird) {
    const std::string label = Trim(RowIdLabel(RowIdOfRow(row)).substr(0, 12));
    std::vector<std::string> letters;
    for (char c : label) {
        if (c >= 'a' && c <= 'z' && !letters.empty())
            letters.back() += c;
        else
            letters.push_back(std::string(1, c));
    }
    if (OwnThirdLanguage(row) && letters.size() == 3) letters[2] = std::string(1, ownThird);
    return letters;
}

void FillPupilTable(StringGrid& grid, int track, const DemoYearInput& in) {
    for (int row = 1; row <= 34; ++row) {
        const auto letters = SequenceLetters(row, in.profile.extraThird);
        for (size_t i = 0; i < letters.size() && i < 3; ++i)
            grid.SetCells(static_cast<int>(i), row, letters[i]);
    }
    for (int level = 0; level < kLevels; ++level) {
        const LevelFigures& cell = in.figures.tracks[track][level];
        if (cell.pupils.Total() == 0) continue;
        const int col = level + 3;
        for (int row = 1; row <= 36; ++row)
            grid.SetCells(col, row, Num(cell.rows[row]));
        grid.SetCells(col, kGirlsRow, Num(cell.pupils.girls));
        grid.SetCells(col, kForeignGirlsRow, Num(cell.foreign.girls));
        grid.SetCells(col, kForeignRow, Num(cell.foreign.Total()));
        grid.SetCells(col, kArtRow, Num(cell.artProfile));
        grid.SetCells(col, kMusicRow, Num(cell.musicProfile));
        grid.SetCells(col, kThirdLanguageRow, Num(cell.thirdLanguage));
        grid.SetCells(col, kMigrationRow, Num(cell.migration.Total()));
        grid.SetCells(col, kMigrationGirlsRow, Num(cell.migration.girls));
        grid.SetCells(col, kNwtRow, Num(cell.nwtProfile));
        if (in.figures.year < 116)
            grid.SetCells(col, kThirdLanguageOldRow, Num(cell.thirdLanguage));
    }
}

void FillClassTable(StringGrid& grid, const DemoYearInput& in) {
    const int classRows = grid.RowCount() >= 21 ? 14 : 10;
    for (int level = 0; level <= kClass11; ++level) {
        int row = 1;
        for (int track : {kEightYear, kNineYear})
            for (int pupils : in.figures.tracks[track][level].classes)
                if (row <= classRows) grid.SetCells(level + 1, row++, Num(pupils));
    }
}

void FillPromotionTable(StringGrid& grid, const DemoYearInput& in) {
    const auto& f = in.figures;
    for (int level = 0; level <= kClass11; ++level) {
        grid.SetCells(level + 1, 1, Num(f.notPromoted[level].boys));
        grid.SetCells(level + 1, 2, Num(f.notPromoted[level].girls));
        grid.SetCells(level + 1, 4, Num(f.promotedByException[level]));
        if (grid.RowCount() > 5) grid.SetCells(level + 1, 5, Num(f.onProbation[level]));
    }
}

// The row of table 2.2 for an origin in the layout of the year.
int OriginRow(int origin, int year) {
    if (origin <= kWaldorf) return origin + 1;
    if (year < 116) return 13; // "in einer Förderklasse/Ausland bzw. sonst"
    return origin == kPreparatory ? 13 : 14;
}

void FillOriginTable(StringGrid& grid, const DemoYearInput& in) {
    for (int level = 0; level < kLevels; ++level) {
        std::vector<int> rows(grid.RowCount(), 0);
        for (int origin = 0; origin < kOriginCount; ++origin)
            rows[OriginRow(origin, in.figures.year)] += in.figures.origins[level][origin];
        for (int row = 1; row < grid.RowCount() - 1; ++row)
            grid.SetCells(level + 1, row, Num(rows[row]));
    }
}

void FillNationalityTable(StringGrid& grid, const DemoYearInput& in) {
    int foreign = 0;
    for (const auto& track : in.figures.tracks)
        for (const auto& cell : track)
            foreign += cell.foreign.Total();
    const auto& nationalities = DemoNationalities();
    std::vector<double> weights;
    for (const auto& nationality : nationalities) {
        DemoRandom taste(MixSeed({in.school.seed, 61, static_cast<uint64_t>(nationality.code)}));
        weights.push_back(NationalityWeight(nationality, in.figures.year) *
                          (0.3 + 1.4 * taste.Unit()));
    }
    const std::vector<int> counts = Apportion(foreign, weights);
    std::vector<size_t> present;
    for (size_t i = 0; i < counts.size(); ++i)
        if (counts[i] > 0) present.push_back(i);
    grid.SetRowCount(static_cast<int>(present.size()) + 2);
    for (size_t k = 0; k < present.size(); ++k) {
        const auto& nationality = nationalities[present[k]];
        const int row = static_cast<int>(k) + 1;
        grid.SetCells(0, row, std::to_string(nationality.code));
        grid.SetCells(1, row, DosFromUtf8(nationality.name).substr(0, 24));
        grid.SetCells(2, row, Num(counts[present[k]]));
    }
    const int last = grid.RowCount() - 1;
    grid.SetCells(0, last, "");
    grid.SetCells(1, last, "Insgesamt      ");
}

// The school year a level's pupils are in (5 to 13), which gives their usual birth year.
int SchoolYearsAttended(int track, int level) {
    if (level < kJ1) return level + 5;
    return level + 5 - (track == kEightYear ? 1 : 0);
}

void FillBirthYearTable(StringGrid& grid, const DemoYearInput& in) {
    // Column c is the birth year Y + 1892 - c; a pupil of the s-th school year is mostly
    // born in Y + 1895 - s, some a year earlier, a few later or earlier still.
    std::vector<int> boys(15, 0), girls(15, 0);
    for (int track : {kNineYear, kEightYear}) {
        for (int level = 0; level < kLevels; ++level) {
            const Sexes pupils = in.figures.tracks[track][level].pupils;
            const int usual = SchoolYearsAttended(track, level) - 3;
            const std::vector<double> weights = {0.02, 0.68, 0.27, 0.03};
            const auto b = Apportion(pupils.boys, weights);
            const auto g = Apportion(pupils.girls, weights);
            for (int k = 0; k < 4; ++k) {
                const int col = std::clamp(usual - 1 + k, 1, 13);
                boys[col] += b[k];
                girls[col] += g[k];
            }
        }
    }
    for (int col = 1; col <= 13; ++col) {
        grid.SetCells(col, 1, Num(boys[col]));
        grid.SetCells(col, 2, Num(girls[col]));
    }
}

} // namespace

void FillPupilTables(SheetGrids& grids, const DemoYearInput& input) {
    FillPupilTable(PupilGrid(grids, kNineYear), kNineYear, input);
    FillPupilTable(PupilGrid(grids, kEightYear), kEightYear, input);
    FillClassTable(*grids.Find("SG12"), input);
    FillPromotionTable(*grids.Find("SG21"), input);
    FillOriginTable(*grids.Find("SG22"), input);
    FillNationalityTable(*grids.Find("SG23"), input);
    FillBirthYearTable(*grids.Find("SG24"), input);
}

} // namespace tev::demo
