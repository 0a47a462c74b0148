#include "evaluation/migration_comparison.h"

#include "evaluation/extract_files.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/pupil_table_rows.h"

namespace tev {
namespace {

constexpr int kFirstMigrationYear = 114; // the rows are asked from 2014/15 on
constexpr const char* kLevels = "5;6;7;8;9;10;11;J1;J2;;";
constexpr std::array<const char*, 6> kGroupLabels = {
    "9j: ", "8j: ", "9jw: ", "8jw: ", "zus: ", "zusw: "};

LevelCounts RowCounts(const DataSetText& text, const char* table, int rowNumber) {
    LevelCounts counts{};
    const std::string row = text.NumberedRow(table, rowNumber);
    for (size_t i = 0; i < counts.size(); ++i)
        counts[i] = ParseInt(DataSetText::Cell(row, 3 + static_cast<int>(i)));
    return counts;
}

LevelCounts Sum(const LevelCounts& a, const LevelCounts& b) {
    LevelCounts sum{};
    for (size_t i = 0; i < sum.size(); ++i)
        sum[i] = a[i] + b[i];
    return sum;
}

std::string CountCells(const std::optional<LevelCounts>& counts) {
    std::string cells;
    for (size_t i = 0; i < LevelCounts().size(); ++i)
        cells += ";" + (counts ? std::to_string((*counts)[i]) : std::string());
    return cells;
}

} // namespace

std::array<LevelCounts, 6> MigrationGroups(const DataSetText& text) {
    const LevelCounts nine = RowCounts(text, "11", pupil_rows::kMigration);
    const LevelCounts eight = RowCounts(text, "18", pupil_rows::kMigration);
    const LevelCounts nineGirls = RowCounts(text, "11", pupil_rows::kMigrationGirls);
    const LevelCounts eightGirls = RowCounts(text, "18", pupil_rows::kMigrationGirls);
    return {nine, eight, nineGirls, eightGirls, Sum(nine, eight), Sum(nineGirls, eightGirls)};
}

MigrationLists MigrationHeadings() {
    const std::string levels = kLevels;
    return {{"Schulnamek;Disch;;" + levels},
            {"Schulnamek;Disch;;Aktj;" + levels + "Vorj;" + levels + "Diff;" + levels}};
}

void AddMigrationSchool(MigrationLists& lists, const DataSetText& current,
                        const std::optional<DataSetText>& previous) {
    const std::string lead = current.NameFirstPrefix(current.FindBlock("11"));
    const auto now = MigrationGroups(current);
    std::optional<std::array<LevelCounts, 6>> before;
    if (previous) before = MigrationGroups(*previous);
    for (size_t g = 0; g < now.size(); ++g) {
        std::optional<LevelCounts> last;
        std::optional<LevelCounts> diff;
        if (before) {
            last = (*before)[g];
            diff = LevelCounts{};
            for (size_t i = 0; i < diff->size(); ++i)
                (*diff)[i] = now[g][i] - (*last)[i];
        }
        const std::string group = lead + kGroupLabels[g];
        lists.byYear.push_back(group + "Aktj" + CountCells(now[g]));
        lists.byYear.push_back(group + "Vorj" + CountCells(last));
        lists.byYear.push_back(group + "Diff" + CountCells(diff));
        lists.sideBySide.push_back(group + ";" + CountCells(now[g]) + ";;" + CountCells(last) +
                                   ";;" + CountCells(diff));
    }
}

void vglMigrVjAktj1Click(Engine& engine) {
    const int year = engine.startup.schoolYearCode;
    if (year < kFirstMigrationYear) {
        engine.services.messages.ShowInfo(
            Win("Migrationshintergrund wird erst ab 2014/15 erhoben"));
        return;
    }
    const auto range = ChooseSchoolRange(engine, "vglMigrVjAktj");
    if (!range) return;
    const std::string& suffix = engine.startup.yearSuffix;
    const bool shortReport = !suffix.empty() && suffix.back() == 'K';
    const std::string previousSuffix = YearSuffixOf(year - 1) + (shortReport ? "K" : "");
    MigrationLists lists = MigrationHeadings();
    ForEachSchoolFile(engine, *range, suffix, [&](int, const DataSetText& text) {
        const std::string number = text.SchoolNumber();
        std::optional<DataSetText> previous;
        DataSetText last;
        if (year - 1 >= kFirstMigrationYear &&
            last.Read(engine.services.files, engine.work.tevDir + "SL" + number + previousSuffix))
            previous = std::move(last);
        AddMigrationSchool(lists, text, previous);
    });
    ShowLinesInUpperTable(engine, lists.byYear);
    const auto failed = SaveExtractLists(
        engine, {{"vglMigr.csv", lists.byYear}, {"vglMigrx.csv", lists.sideBySide}});
    ReportExtractSaved(engine, "vglMigr.csv und vglMigrx.csv erstellt", failed);
}

} // namespace tev
