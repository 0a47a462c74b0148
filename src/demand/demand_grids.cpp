#include "demand/demand_grids.h"

#include "demand/final_year_hours.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/cell_numbers.h"
#include "sheet/row_ids.h"
#include "sheet/subject_tables.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace tev {
namespace {

constexpr int kFirstSubjectCol = 3;
constexpr int kSumRow = 8;             // "Summe 5-11" of SGBEDARF and SGLBR1
constexpr int kDeviationRow = 9;       // SGBEDARF: row 20 of table 9.1
constexpr int kHoursFirstLevelRow = 3; // table 9.1: class 5
constexpr int kHoursSpecialCasesRow = 20;
constexpr int kHoursGridCols = 29; // table 9.2's shape, when the sheet has none
constexpr int kHoursGridRows = 14;
constexpr int kClass11 = 7;
constexpr int kMatrixCols = 55;
constexpr int kMatrixRows = 9;

constexpr int kSummaryRows = 9;
constexpr int kFirstUserRow = 4;
constexpr int kLastUserRow = 7;
constexpr int kSummaryTotalRow = 8;

const char* const kSummaryNames =
    "Lehrerwochenstunden KlSt.5 - 11;KlSt.12;Klst.13;Sonderzuweisung (8jähr.);"
    "Sonderzuweisung bilingual;Sonderzuweisung Ganztagesbetrieb;Sonderzuweisung ...;;Summe";

std::string LevelLabel(int level) {
    return "KlSt " + std::to_string(level + 4);
}

std::string Printf(const char* format, int value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string TrackPair(int nine, int eight) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%3d%3d", nine, eight);
    return buffer;
}

// The grid whose subject headings the hours grids take: table 9.2 when it holds any, else
// table 9.1 (whose columns 9.2 repeats).
const StringGrid* HeadingSource(const Sheet& sheet) {
    const StringGrid* grid92 = sheet.grids.FindTable(92);
    if (grid92 && !Trim(grid92->Cells(kFirstSubjectCol, 0)).empty()) return grid92;
    return sheet.grids.FindTable(91);
}

int LastSubjectCol(const StringGrid& grid) {
    return grid.ColCount() - 3;
}

// The SubjectIndexTable position of a column heading; 0 (the work grids' level totals) for
// the row-sum column and any heading that names no subject.
int ColumnSubject(const StringGrid& grid, int col) {
    return std::max(SubjectIndexOf(Trim(grid.Cells(col, 0))), 0);
}

void ShapeHoursGrid(StringGrid& grid, int rows, const Sheet& sheet) {
    const StringGrid* grid92 = sheet.grids.FindTable(92);
    grid.SetColCount(grid92 ? grid92->ColCount() : kHoursGridCols);
    grid.SetRowCount(rows);
    grid.Clear();
    grid.SetFixedCols(1);
    grid.SetFixedRows(1);
    for (int col = 0; col < grid.ColCount(); ++col)
        grid.SetColWidth(col, (grid92 ? grid92->ColWidth(col) : kDefaultColWidth) * 2 / 3);
    if (const StringGrid* source = HeadingSource(sheet)) {
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCells(col, 0, source->Cells(col, 0));
    }
    grid.SetCells(1, 0, Win("Schü"));
    grid.SetCells(2, 0, "#Kl.");
    for (int level = 1; level <= kDemandLevels; ++level)
        grid.SetCells(0, level, LevelLabel(level));
    grid.SetCells(0, kSumRow, "Summe 5-11");
}

void AddSums(StringGrid& grid) {
    const int sumCol = grid.ColCount() - 2;
    SetRowSums(grid, sumCol, kFirstSubjectCol, LastSubjectCol(grid), 1, kDemandLevels);
    SetColumnSums(grid, kSumRow, 1, kDemandLevels, 1, sumCol);
}

void FillReportedHours(StringGrid& grid, const Sheet& sheet) {
    const StringGrid* grid92 = sheet.grids.FindTable(92);
    ShapeHoursGrid(grid, grid92 ? grid92->RowCount() : kHoursGridRows, sheet);
    const StringGrid* grid91 = sheet.grids.FindTable(91);
    if (grid91 == nullptr) return;
    for (int level = 1; level <= kDemandLevels; ++level)
        for (int col = 1; col <= LastSubjectCol(grid); ++col)
            SetSum(grid, col, level, CellNumber(*grid91, col, level + kHoursFirstLevelRow - 1));
    AddSums(grid);
}

void FillDemandHours(StringGrid& grid, const DemandWorkArea& area, const Sheet& sheet) {
    ShapeHoursGrid(grid, 10, sheet);
    grid.SetCells(0, kDeviationRow, "+-Abw.f.gen.Sond");
    for (int level = 1; level <= kDemandLevels; ++level) {
        SetSum(grid, 1, level, area.pupils[0][level] + area.pupils[1][level]);
        SetSum(grid, 2, level, area.classes[0][level] + area.classes[1][level]);
        for (int col = kFirstSubjectCol; col <= LastSubjectCol(grid); ++col) {
            const int subject = ColumnSubject(grid, col);
            if (subject > 0)
                SetSum(grid, col, level, area.Hours(subject, level, DemandWorkArea::Both));
        }
    }
    AddSums(grid);
    if (const StringGrid* grid91 = sheet.grids.FindTable(91)) {
        for (int col = 1; col <= grid.ColCount() - 2; ++col)
            grid.SetCells(col, kDeviationRow, grid91->Cells(col, kHoursSpecialCasesRow));
    }
}

std::string TermsText(const std::vector<DemandTerm>& terms) {
    std::string text;
    for (const DemandTerm& term : terms)
        text += (text.empty() ? "" : " + ") + TermText(term);
    return text;
}

void FillWorkGrids(DemandWindowState& state, const DemandResult& result) {
    StringGrid* numbers[2] = {&state.matNumbers, &state.matNumbers2};
    StringGrid* texts[2] = {&state.matText, &state.matText2};
    for (int track : {kDemandNineYear, kDemandEightYear}) {
        StringGrid& n = *numbers[track];
        StringGrid& t = *texts[track];
        n.Clear();
        t.Clear();
        const auto part = static_cast<DemandWorkArea::Part>(track);
        for (int subject = 1; subject < kMatrixCols && subject < kRecordSubjects; ++subject) {
            n.SetCells(subject, 0, SubjectIndexTable()[subject]);
            t.SetCells(subject, 0, SubjectIndexTable()[subject]);
            for (int level = 1; level <= kDemandLevels; ++level) {
                SetSum(n, subject, level, result.area.Hours(subject, level, part));
                t.SetCells(subject, level, TermsText(result.terms[track][level][subject]));
            }
        }
        // Column 0 holds each level's total, row 8 each subject's.
        SetRowSums(n, 0, 1, kMatrixCols - 1, 1, kDemandLevels);
        SetColumnSums(n, kSumRow, 1, kDemandLevels, 0, kMatrixCols - 1);
        for (int col = 0; col < kMatrixCols; ++col) {
            t.SetCells(col, kSumRow, n.Cells(col, kSumRow));
            if (col == 0)
                for (int level = 1; level <= kDemandLevels; ++level)
                    t.SetCells(0, level, n.Cells(0, level));
        }
    }
}

// Both tracks together: the sequences are the same rows in tables 1.1 and 1.8.
void FillSequences(StringGrid& grid, const Sheet& sheet) {
    grid.SetRowCount(1);
    grid.Clear();
    grid.FillRow(0, "3;KlSt 5;KlSt 6;KlSt 7;KlSt 8;KlSt 9;KlSt 10;KlSt 11");
    const SchoolRecord& record = sheet.record;
    const StringGrid* grid11 = sheet.grids.FindTable(11);
    for (int rowId = 1; rowId <= LastSequenceRowId(sheet.schoolYearCode); ++rowId) {
        std::array<int, kDemandLevels + 1> pupils{};
        bool any = false;
        for (int level = 1; level <= kDemandLevels; ++level) {
            pupils[level] = std::max<int>(record.pupils11[rowId][level], 0) +
                            std::max<int>(record.pupils18[rowId][level], 0);
            any = any || pupils[level] > 0;
        }
        if (!any) continue;
        std::string label;
        const int gridRow = RowOfRowId(rowId);
        for (int col = 0; col < 3 && grid11; ++col) {
            const std::string cell = Trim(grid11->Cells(col, gridRow));
            if (!cell.empty()) label += (label.empty() ? "" : " ") + cell;
        }
        const int row = grid.RowCount();
        grid.SetRowCount(row + 1);
        grid.SetCells(0, row, label);
        for (int level = 1; level <= kDemandLevels; ++level)
            SetSum(grid, level, row, pupils[level]);
    }
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
}

void FillLanguages(StringGrid& grid, const DemandResult& result) {
    grid.Clear();
    grid.FillRow(0, ";KlSt 5;KlSt 6;KlSt 7;KlSt 8;KlSt 9;KlSt 10;KlSt 11;zus");
    for (int language = 1; language <= kLanguageCount; ++language) {
        grid.SetCells(0, language, std::string(1, kLanguageLetters[language - 1]));
        std::array<int, 6> total{};
        for (int level = 1; level <= kDemandLevels + 1; ++level) {
            std::array<int, 6> values{};
            if (level <= kDemandLevels) {
                for (int track : {kDemandNineYear, kDemandEightYear}) {
                    const LanguageGroupTable& table = result.languages[track][level];
                    for (int position = 1; position <= kLanguagePositions; ++position) {
                        const int slot = std::min(position, 3) - 1;
                        values[slot] += table.groups[position][language];
                        values[slot + 3] += table.pupils[position][language];
                    }
                }
                for (int i = 0; i < 6; ++i)
                    total[i] += values[i];
            } else {
                values = total;
            }
            if (std::all_of(values.begin(), values.end(), [](int v) { return v == 0; })) continue;
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%3d%3d%3d%3d%3d%3d", values[0], values[1],
                          values[2], values[3], values[4], values[5]);
            grid.SetCells(level, language, buffer);
        }
    }
}

void FillProfiles(StringGrid& grid, const DemandResult& result) {
    grid.Clear();
    grid.SetCells(0, 0, "Profid");
    for (int level = 1; level <= kDemandLevels; ++level)
        grid.SetCells(level, 0, Printf("%2d: ", level + 4));
    grid.SetCells(kDemandLevels + 1, 0, "zus");
    const ProfileTimetable& timetable = StandardProfileTimetable();
    const std::string placeScience = timetable.At(ProfileIndex('X'))->shortName;
    const std::string placeLanguage = timetable.At(ProfileIndex('D'))->shortName;
    struct Row {
        std::string name;
        int (*value)(const ProfilePupils&);
    };
    const Row rows[] = {
        {"allg", [](const ProfilePupils& p) { return p.all; }},
        {"notN_profil", [](const ProfilePupils& p) { return p.all - p.naturalScience; }},
        {"N_Profil", [](const ProfilePupils& p) { return p.naturalScience; }},
        {"verstMu", [](const ProfilePupils& p) { return p.music; }},
        {"verstSport", [](const ProfilePupils& p) { return p.sport; }},
        {"verstBK", [](const ProfilePupils& p) { return p.art; }},
        {placeScience, [](const ProfilePupils& p) { return p.placeScience; }},
        {placeLanguage, [](const ProfilePupils& p) { return p.placeLanguage; }},
        {"ABG", [](const ProfilePupils& p) { return p.abg; }},
        {"EvR", [](const ProfilePupils& p) { return p.protestant; }},
        {"KR", [](const ProfilePupils& p) { return p.catholic; }},
        {"Eth", [](const ProfilePupils& p) { return p.ethics; }},
        {"SM", [](const ProfilePupils& p) { return p.boys; }},
        {"SW", [](const ProfilePupils& p) { return p.girls; }},
    };
    int r = 1;
    for (const Row& row : rows) {
        grid.SetCells(0, r, row.name);
        int nineTotal = 0, eightTotal = 0;
        for (int level = 1; level <= kDemandLevels; ++level) {
            const int nine = row.value(result.profiles[kDemandNineYear][level]);
            const int eight = row.value(result.profiles[kDemandEightYear][level]);
            nineTotal += nine;
            eightTotal += eight;
            grid.SetCells(level, r, TrackPair(nine, eight));
        }
        grid.SetCells(kDemandLevels + 1, r, TrackPair(nineTotal, eightTotal));
        ++r;
    }
}

void FillHints(DemandWindowState& state, const DemandResult& result, const Sheet& sheet) {
    state.hints.clear();
    const DemandWorkArea& area = result.area;
    const int pupils11 = area.pupils[0][kClass11] + area.pupils[1][kClass11];
    const StringGrid* grid91 = sheet.grids.FindTable(91);
    const int reported =
        grid91 ? static_cast<int>(CellNumber(*grid91, 2, kClass11 + kHoursFirstLevelRow - 1)) : 0;
    const int computed = ClassCount(pupils11, kClass11);
    if (pupils11 > 0 && computed < reported) {
        char buffer[128];
        std::snprintf(buffer, sizeof buffer, "Kl.%d %d Sch. nur%s Klassen statt%s", kClass11 + 4,
                      pupils11, FormatInt(computed, 3).c_str(), FormatInt(reported, 3).c_str());
        state.hints.push_back(buffer);
    }
    for (const std::string& note : result.notes)
        state.hints.push_back(note);
    // The basic courses of the final years by the hours of one course per subject.
    const SchoolRecord& record = sheet.record;
    for (int year = 0; year < 2; ++year) {
        int courses = 0, hours = 0;
        for (int subject = 1; subject < kRecordSubjects; ++subject) {
            const int count = std::max<int>(record.courses61[subject][1 + 3 * year], 0);
            courses += count;
            hours += count * FinalYearCourseHours(subject, sheet.schoolYearCode);
        }
        if (courses > 0)
            state.hints.push_back(Win("Jgst.") + std::to_string(year + 1) + ": " +
                                  std::to_string(courses) +
                                  " Kurse nach 6.1 = " + std::to_string(hours) + " Kursstunden");
    }
}

void FillLists(DemandWindowState& state, const DemandResult& result) {
    state.computation.clear();
    const DemandWorkArea& area = result.area;
    for (int level = 1; level <= kDemandLevels; ++level) {
        state.computation.push_back(LevelLabel(level) + ": 9j " +
                                    std::to_string(area.pupils[0][level]) + " Sch. " +
                                    std::to_string(area.classes[0][level]) + " Kl., 8j " +
                                    std::to_string(area.pupils[1][level]) + " Sch. " +
                                    std::to_string(area.classes[1][level]) + " Kl.");
    }
    state.computation.push_back("KlSt 12: 9j " + std::to_string(area.finalYear12[0]) +
                                " Sch., 8j " + std::to_string(area.finalYear12[1]) + " Sch.");
    state.computation.push_back("KlSt 13: 9j " + std::to_string(area.finalYear13[0]) +
                                " Sch., 8j " + std::to_string(area.finalYear13[1]) + " Sch.");
    if (!state.timetable.empty()) return;
    const ProfileTimetable& timetable = StandardProfileTimetable();
    for (int index = 1; index <= kProfileCount; ++index) {
        const Profile* profile = timetable.At(index);
        if (!profile) continue;
        std::string line =
            Printf("%2d ", index) + profile->letter + " " + PadRight(profile->shortName, 20) + " ";
        for (int position = 1; position <= 3; ++position) {
            for (int level = 1; level <= kTimetableLevels; ++level)
                line += static_cast<char>('0' + profile->nineYear.language[position][level]);
            line += ' ';
        }
        state.timetable.push_back(line);
    }
}

std::string SummaryHours(int value) {
    return FormatInt(value, 4);
}

} // namespace

void ShapeDemandGrids(DemandWindowState& state) {
    StringGrid& summary = state.sglbr;
    summary.SetColCount(2);
    summary.SetRowCount(kSummaryRows);
    summary.SetFixedRows(4);
    summary.FillCol(0, Win(kSummaryNames));
    summary.SetColWidth(0, 710);
    state.sglbr2.SetRowCount(21);
    state.sglbr2.SetColCount(9);
    state.sglbr2.SetFixedRows(2);
    state.sglbr2.SetFixedCols(1);
    for (int col = 0; col < 9; ++col)
        state.sglbr2.SetColWidth(col, 60);
    state.sglbrspr.SetRowCount(16);
    state.sglbrspr.SetColCount(9);
    state.sglbrspr.SetFixedRows(1);
    state.sglbrspr.SetFixedCols(1);
    state.sglbrf1n.SetColCount(8);
    for (StringGrid* grid : {&state.sglbrspr, &state.sglbrf1n})
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetColWidth(col, 80);
    state.sglbrf1n.FillRow(0, "3;KlSt 5;KlSt 6;KlSt 7;KlSt 8;KlSt 9;KlSt 10;KlSt 11");
    for (StringGrid* grid :
         {&state.matText, &state.matText2, &state.matNumbers, &state.matNumbers2}) {
        grid->SetColCount(kMatrixCols);
        grid->SetRowCount(kMatrixRows);
    }
    state.sglbrausw.FillRow(0, Win("Schule;KlSt.5-11;KlSt.12;Klst.13;8jähr.;Summe"));
}

std::vector<int> ShownHoursSubjects(const Sheet& sheet) {
    std::vector<int> subjects;
    const StringGrid* source = HeadingSource(sheet);
    if (source == nullptr) return subjects;
    for (int col = kFirstSubjectCol; col <= LastSubjectCol(*source); ++col) {
        const int subject = ColumnSubject(*source, col);
        if (subject > 0) subjects.push_back(subject);
    }
    return subjects;
}

void FillDemandWindow(DemandWindowState& state, const DemandResult& result, const Sheet& sheet) {
    FillReportedHours(state.sglbr1, sheet);
    FillDemandHours(state.sgbedarf, result.area, sheet);
    FillWorkGrids(state, result);
    FillSequences(state.sglbrf1n, sheet);
    FillLanguages(state.sglbrspr, result);
    FillProfiles(state.sglbr2, result);
    FillHints(state, result, sheet);
    FillLists(state, result);
    state.remarks.clear();
    for (const std::string& hint : state.hints)
        state.remarks.push_back(sheet.schoolNumber + " " + hint);
    state.label1.clear();
    state.sglbrausw.SetCells(0, 1, sheet.schoolNumber);
    FillDemandSummary(state, result.area);
}

void FillDemandSummary(DemandWindowState& state, const DemandWorkArea& area) {
    StringGrid& summary = state.sglbr;
    const int year = area.yearCode;
    const StringGrid& demand = state.sgbedarf;
    const int lowerLevels = ParseInt(demand.Cells(demand.ColCount() - 2, kSumRow));
    summary.SetCells(1, 0, SummaryHours(lowerLevels));
    const auto finalYear = [&](int row, const char* label, const std::array<int16_t, 2>& groups,
                               int level) {
        summary.SetCells(0, row, Printf(label, groups[0] + groups[1]));
        summary.SetCells(1, row, SummaryHours(FinalYearDemand(groups[0], groups[1], year, level)));
    };
    finalYear(1, "KlSt.12 (%d Sch.)", area.finalYear12, 12);
    finalYear(2, "KlSt.13 (%d Sch.)", area.finalYear13, 13);
    const int classes = SpecialAllocationClasses(area, year);
    summary.SetCells(0, 3, Printf(Win("Sonderzuweisung ( %d Kl. 8jähr.)").c_str(), classes));
    summary.SetCells(1, 3, SummaryHours(2 * classes));
    for (int row = kFirstUserRow; row <= kLastUserRow; ++row)
        summary.SetCells(0, row, FieldAt(Win(kSummaryNames), row + 1));
    summary.SetCells(0, kSummaryTotalRow,
                     Win("Summe der für die Grundversorgung bereitgestellten Wochenstunden"));
    // Allocations may come in halves or tenths ("1,5").
    long long tenths = 0;
    for (int row = 0; row < kSummaryTotalRow; ++row)
        tenths += ParseTenths(summary.Cells(1, row));
    const int total = static_cast<int>(std::clamp<long long>(tenths, INT32_MIN, INT32_MAX));
    summary.SetCells(1, kSummaryTotalRow, FormatTenths(total, 4));
    for (int col = 1; col <= 4; ++col)
        state.sglbrausw.SetCells(col, 1, Trim(summary.Cells(1, col - 1)));
    state.sglbrausw.SetCells(5, 1, Trim(summary.Cells(1, kSummaryTotalRow)));
}

int DemandColumnSubject(const DemandWindowState& state, int col) {
    return ColumnSubject(state.sgbedarf, col);
}

CellColour DemandCellColour(const DemandWindowState& state, int col, int row) {
    const StringGrid& demand = state.sgbedarf;
    if (row < 1 || row > kSumRow || col < kFirstSubjectCol || col > demand.ColCount() - 2)
        return CellColour::Normal;
    const long long d = static_cast<long long>(ParseInt(demand.Cells(col, row))) -
                        ParseInt(state.sglbr1.Cells(col, row));
    if (d >= 1) return CellColour::Red;
    if (d < 0) return CellColour::Green;
    return CellColour::Normal;
}

} // namespace tev
