#include "evaluation/language_evaluation.h"

#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "shell/window_commands.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace tev {
namespace {

constexpr int kLastSequenceRow = 33;
constexpr int kPupilsRow = 37;
constexpr int kClass5Col = 12;    // 12..14: first language E, F, L in class 5
constexpr int kClass9Pupils = 72; // "SuS Kl.9"
constexpr int kThirdLanguage = 73;
constexpr int kClass9Letters = 74; // 74..81: "EFLGRISC"
constexpr const char* kSecondLetters = "FLEIS";
constexpr const char* kClass9LetterSet = "EFLGRISC";
constexpr uint16_t kCountFormat = 2 | 0x20;
// District letters of the office's four districts, in district order.
constexpr const char* kDistrictLetters = "SKFT";

// Column of block b (1..5) for level k (5..9) of a track.
int BlockColumn(int block, int level, bool eightYear) {
    return 11 * block + 5 + (eightYear ? 5 : 0) + (level - 5);
}

// The position of c in the letters divided by 2, 0 when absent (the letters come in pairs of
// lower and upper case after a blank).
int PairIndex(const char* letters, char c) {
    const std::string_view set(letters);
    const size_t at = set.find(c);
    return at == std::string_view::npos ? 0 : static_cast<int>(at + 1) / 2;
}

bool IsCountColumn(int col) {
    if (col < kClass5Col) return false;
    if (col >= kClass9Pupils) return true;
    if (col <= 14) return true;
    return col <= 69 && (col - 15) % 11 != 0;
}

// Level (5..9) and track of a count column; level 0 for the class-9 columns.
struct ColumnLevel {
    int level = 0;
    int track = 0;
    bool bothTracks = false;
};
ColumnLevel LevelOfColumn(int col) {
    if (col <= 14) return {5, 0, true};
    if (col >= kClass9Pupils) return {9, 0, true};
    const int inBlock = (col - 16) % 11; // 0..9
    return {5 + inBlock % 5, inBlock >= 5 ? 1 : 0, false};
}

std::string Share(int64_t part, int64_t whole) {
    return FormatRatio(static_cast<double>(part), static_cast<double>(whole) * 0.01, 4, -2);
}

} // namespace

void PrepareLanguageEvaluation(StringGrid& grid) {
    grid.SetColCount(kLanguageEvaluationCols);
    grid.SetRowCount(2);
    grid.Clear();
    grid.ResetSizes();
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.FillRow(0, "Fremdsprachen Kl.5,7,9;Klst.5 9j.;Klst.6 9j.;Klst.7 9j.;Klst.8 9j.;Klst.9 "
                    "9j.;Klst.5 8j.;Klst.6 8j.;Klst.7 8j.;Klst.8 8j.;Klst.9 8j.");
    for (int col = 1; col < kLanguageEvaluationCols; ++col)
        grid.SetColWidth(col, col <= 10 ? 120 : 40);
    grid.SetColWidth(0, 120);
    grid.SetColWidth(11, 2);
    for (int i = 0; i < 3; ++i)
        grid.SetCells(kClass5Col + i, 0, std::string(1, "EFL"[i]) + " Kl.5");
    for (int block = 1; block <= 5; ++block) {
        grid.SetColWidth(11 * block + 4, 2);
        for (int level = 5; level <= 9; ++level) {
            for (const bool eight : {false, true}) {
                grid.SetCells(BlockColumn(block, level, eight), 0,
                              std::string(1, kSecondLetters[block - 1]) + " Kl." +
                                  std::to_string(level) + (eight ? " 8j" : " 9j"));
            }
        }
    }
    grid.SetColWidth(70, 2);
    grid.SetColWidth(71, 2);
    grid.SetCells(kClass9Pupils, 0, "SuS Kl.9");
    grid.SetCells(kThirdLanguage, 0, "dv. 3FS");
    for (int i = 0; i < 8; ++i)
        grid.SetCells(kClass9Letters + i, 0, std::string(1, kClass9LetterSet[i]) + " Kl.9");
}

LevelPupils& LevelPupils::operator+=(const LevelPupils& other) {
    for (size_t level = 0; level < count.size(); ++level) {
        for (size_t track = 0; track < 2; ++track)
            count[level][track] += other.count[level][track];
    }
    return *this;
}

LevelPupils FillLanguageEvaluationRow(StringGrid& grid, int row, const SheetGrids& grids) {
    LevelPupils pupilsOfLevels;
    std::array<int64_t, kLanguageEvaluationCols> counts{};
    const StringGrid* tables[2] = {grids.FindTable(11), grids.FindTable(18)};
    for (int level = 5; level <= 9; ++level) {
        std::array<std::string, 2> texts;
        for (int seqRow = 1; seqRow <= kLastSequenceRow; ++seqRow) {
            for (int t = 0; t < 2; ++t) {
                const StringGrid* table = tables[t];
                if (!table) continue;
                // A garbage cell cannot overflow the counts.
                const int count = ClampInt(0, ParseInt(table->Cells(level - 2, seqRow)), 9'999'999);
                if (count <= 0) continue;
                std::array<char, 3> letters{};
                std::string sequence;
                for (int i = 0; i < 3; ++i) {
                    const std::string& cell = table->Cells(i, seqRow);
                    letters[i] = cell.empty() ? ' ' : cell[0];
                    sequence += letters[i];
                }
                texts[t] += Trim(sequence) +
                            IntText(static_cast<int16_t>(ClampInt(-32768, count, 32767))) + ", ";
                pupilsOfLevels.count[level - 5][t] += count;
                if (const int block = PairIndex(" fFlLeEiIsS", letters[1]))
                    counts[BlockColumn(block, level, t == 1)] += count;
                if (level == 5) {
                    if (const int first = PairIndex(" eEfFlL", letters[0]))
                        counts[kClass5Col + first - 1] += count;
                }
                if (level == 9) {
                    counts[kClass9Pupils] += count;
                    for (int i = 0; i < 3; ++i) {
                        const char upper =
                            static_cast<char>(std::toupper(static_cast<unsigned char>(letters[i])));
                        const char* at =
                            upper == ' ' ? nullptr : std::strchr(kClass9LetterSet, upper);
                        if (at && *at) counts[kClass9Letters + (at - kClass9LetterSet)] += count;
                    }
                    if (letters[2] != ' ') counts[kThirdLanguage] += count;
                }
            }
        }
        for (int t = 0; t < 2; ++t) {
            std::string& text = texts[t];
            if (text.size() >= 2) text.resize(text.size() - 2);
            grid.SetCells(1 + (level - 5) + 5 * t, row, text);
        }
    }
    for (int col = kClass5Col; col < kLanguageEvaluationCols; ++col) {
        if (IsCountColumn(col))
            grid.SetCells(col, row,
                          FormatInt(static_cast<int32_t>(std::min<int64_t>(counts[col], INT32_MAX)),
                                    kCountFormat));
    }
    return pupilsOfLevels;
}

void AddLanguageTotals(StringGrid& grid, int at, const std::vector<int>& rows, char label,
                       const LevelPupils& pupils) {
    if (grid.RowCount() < at + 3) grid.SetRowCount(at + 3);
    if (grid.RowCount() < at + 3) return; // the grid's bound
    char head[32];
    std::snprintf(head, sizeof head, "zus  %c%5d Sch", label, static_cast<int>(rows.size()));
    grid.SetCells(0, at, head);
    grid.SetCells(0, at + 1, "in % pro Jahrgang");
    grid.SetCells(0, at + 2, "   \"  (8j+9j zus)");
    std::array<int64_t, kLanguageEvaluationCols> sums{};
    for (int col = kClass5Col; col < kLanguageEvaluationCols; ++col) {
        if (!IsCountColumn(col)) continue;
        for (int row : rows)
            sums[col] += ParseInt(grid.Cells(col, row));
        grid.SetCells(col, at, sums[col] == 0 ? std::string() : std::to_string(sums[col]));
    }
    for (int col = kClass5Col; col < kLanguageEvaluationCols; ++col) {
        if (!IsCountColumn(col)) continue;
        const ColumnLevel where = LevelOfColumn(col);
        const auto& level = pupils.count[where.level - 5];
        const int64_t both = level[0] + level[1];
        if (where.bothTracks) {
            grid.SetCells(col, at + 1, Share(sums[col], both));
            grid.SetCells(col, at + 2, Share(sums[col], both));
            continue;
        }
        grid.SetCells(col, at + 1, Share(sums[col], level[where.track]));
        // The column of the other track of the same level and block.
        const int partner = col + (where.track == 0 ? 5 : -5);
        grid.SetCells(col, at + 2, Share(sums[col] + sums[partner], both));
    }
}

void AuswertennachFremdsprachenKl5791Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, "Fremdsprachen Kl.5,7,9");
    if (!range) return;
    OptionRequest choice;
    FillItems(choice.options, Win("nur Schulen mit 8jähr.Gym.;Schulen mit 8 oder 9jähr.Gym.;nur "
                                  "Schulen mit 9jähr.Gym."));
    const int tracks = engine.ui().ChooseOption(choice);
    if (tracks < 1 || tracks > 3) return;

    StringGrid& grid = engine.upperTable;
    PrepareLanguageEvaluation(grid);
    ShowUpperTable(engine);
    std::vector<int> rows;
    std::array<std::vector<int>, 4> districtRows;
    std::array<LevelPupils, 4> districtPupils;
    LevelPupils allPupils;
    ForEachSchool(engine, *range, [&](int index, bool loaded) {
        if (!loaded) return;
        const auto& grids = engine.sheet.grids;
        auto pupilsOf = [&grids](int table) {
            const StringGrid* grid = grids.FindTable(table);
            return grid ? ParseInt(grid->Cells(12, kPupilsRow)) : 0;
        };
        const bool takesPart =
            (tracks <= 2 && pupilsOf(18) > 0) || (tracks >= 2 && pupilsOf(11) > 0);
        if (!takesPart) return;
        const int row = static_cast<int>(rows.size()) + 1;
        if (row + 1 >= grid.RowCount()) grid.SetRowCount(row + 2);
        if (row >= grid.RowCount()) return; // the grid's bound
        const std::string& line = engine.schoolList.lines[index];
        grid.SetCells(0, row, DosToWindowsText(line.size() > 8 ? line.substr(8, 16) : ""));
        const LevelPupils pupils = FillLanguageEvaluationRow(grid, row, grids);
        rows.push_back(row);
        allPupils += pupils;
        const int district = line.size() > 77 ? static_cast<unsigned char>(line[77]) % 8 : 0;
        if (district >= 1 && district <= 4) {
            districtRows[district - 1].push_back(row);
            districtPupils[district - 1] += pupils;
        }
    });
    int at = static_cast<int>(rows.size()) + 1;
    grid.SetRowCount(at);
    AddLanguageTotals(grid, at, rows, ' ', allPupils);
    const std::string& group = engine.schoolGroup;
    const char groupChar = group.size() > 3 ? group[3] : ' ';
    if (groupChar == '_') {
        for (int district = 0; district < 4; ++district) {
            at += 3;
            AddLanguageTotals(grid, at, districtRows[district], kDistrictLetters[district],
                              districtPupils[district]);
        }
    }

    const std::string& suffix = engine.startup.yearSuffix;
    const std::string name =
        "20" + (suffix.size() >= 3 ? suffix.substr(1, 2) : "00") + groupChar + "FSpF_Ausw.csv";
    const bool saved =
        SaveGridCsv(engine, name, grid, grid.Cells(0, 0) + ", ab Spalte 16 Auswertung 2.FS");
    engine.services.messages.ShowInfo(
        saved ? name + "   mit  FSpFAusw, ab Spalte 16 Auswertung 2.FS   ist erstellt"
              : name + Win("   konnte nicht geschrieben werden"));
}

} // namespace tev
