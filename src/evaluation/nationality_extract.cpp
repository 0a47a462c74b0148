#include "evaluation/nationality_extract.h"

#include "data/table_blocks.h"
#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "sheet/nationality_list.h"
#include "sheet/pupil_table_rows.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace tev {
namespace {

// "Schulnamek;Disch;": the short name before the school number, as these lists lead.
std::string NameFirst(const DataSetText& text, int header) {
    const std::string prefix = text.RowPrefix(header);
    return FieldAt(prefix, 2) + ";" + FieldAt(prefix, 1) + ";";
}

// The sum column of a row of tables 1.1 and 1.8 together (saturated, as a garbage file may
// hold huge numbers).
int TrackTotal(const DataSetText& text, int row) {
    int64_t total = 0;
    for (const char* digits : {"11", "18"}) {
        const auto rows = text.TableRows(digits);
        if (const std::string* line = DataSetText::NumberedRow(rows, row))
            total += ParseInt(DataSetText::Cell(*line, 12));
    }
    return static_cast<int>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
}

// Pupils, girls, with migration background, their girls, foreigners, their girls.
constexpr std::array<int, 6> kTotalRows = {pupil_rows::kAll,       pupil_rows::kGirls,
                                           pupil_rows::kMigration, pupil_rows::kMigrationGirls,
                                           pupil_rows::kForeign,   pupil_rows::kForeignGirls};
constexpr int kLeadingColumns = 8;

void StartNationalityTable(StringGrid& table, const std::vector<std::string>& nationalities) {
    table.Clear();
    table.SetColCount(
        static_cast<int>(std::min<size_t>(kLeadingColumns + nationalities.size(), kMaxGridCols)));
    table.SetRowCount(2);
    const auto leading = SplitFields("Schule;Disch;SuS;dv.w;Migr;dv.w;Ausl;dv.w");
    for (int col = 0; col < kLeadingColumns; ++col)
        table.SetCells(col, 0, leading[static_cast<size_t>(col)]);
    for (int col = kLeadingColumns; col < table.ColCount(); ++col) {
        const std::string& entry = nationalities[static_cast<size_t>(col - kLeadingColumns)];
        table.SetCells(col, 0, Trim(entry.substr(0, 3)));
        table.SetCells(col, 1, Trim(entry.size() > 4 ? entry.substr(4, 50) : std::string()));
    }
}

} // namespace

std::vector<ExtractList> WorkingGroupLists(Engine& engine, const SchoolRange& range,
                                           const std::string& yearSuffix) {
    const std::string yearText = SchoolYearText(engine.startup.schoolYearCode);
    ExtractList groups{YearFileName(yearSuffix, "_AGs_zus.csv"), {"Schule;Disch;;"}};
    ExtractList ukrainian{
        YearFileName(yearSuffix, "_FSpF_Ukr.csv"),
        {".;SG;;" + yearText + ";Schulnam;; Znr;;;;5;6;7;8;9;10;11;Jgst.1;Jgst.2;Summe"}};
    ForEachSchoolFile(engine, range, yearSuffix, [&](int, const DataSetText& text) {
        const int header = text.FindBlock("31");
        for (const auto& row : text.BlockRows(header)) {
            if (DataSetText::HasDataFrom(row, 2))
                groups.lines.push_back(NameFirst(text, header) + row);
        }
        for (const char* digits : {"11", "18"}) {
            const int block = text.FindBlock(digits);
            const std::string prefix = text.RowPrefix(block);
            const std::string lead = std::string(".;") + digits + ";" + FieldAt(prefix, 1) + ";" +
                                     yearText + ";" + FieldAt(prefix, 2) + ";;";
            for (const auto& row : text.BlockRows(block)) {
                const bool marked =
                    DataSetText::Cell(row, 1) == "U" || DataSetText::Cell(row, 2) == "U";
                if (marked && DataSetText::HasDataFrom(row, 3))
                    ukrainian.lines.push_back(lead + row);
            }
        }
    });
    return {groups, ukrainian};
}

std::vector<ExtractList> NationalityLists(Engine& engine, const SchoolRange& range,
                                          const std::string& yearSuffix) {
    LoadNationalityList(engine);
    const auto& nationalities = engine.sheet.window.nationalities;
    StringGrid& table = engine.upperTable;
    StartNationalityTable(table, nationalities);
    const std::string listHeading = "Schulnamek;Disch;;IDNr;Staat;Anzahl";
    ExtractList all{YearFileName(yearSuffix, "x163.csv"), {listHeading}};
    ExtractList turkey{YearFileName(yearSuffix, "_163Tuerkei"), {listHeading}};
    ForEachSchoolFile(engine, range, yearSuffix, [&](int, const DataSetText& text) {
        if (table.RowCount() >= kMaxGridRows) return;
        const int header = text.FindBlock("23");
        const auto rows = text.BlockRows(header);
        const std::string lead = NameFirst(text, header);
        const int row = table.RowCount();
        table.SetRowCount(row + 1);
        table.SetCells(0, row, FieldAt(lead, 1));
        table.SetCells(1, row, FieldAt(lead, 2));
        for (size_t i = 0; i < kTotalRows.size(); ++i)
            table.SetCells(2 + static_cast<int>(i), row,
                           FormatInt(TrackTotal(text, kTotalRows[i]), 3));
        for (const auto& line : rows) {
            const std::string id = DataSetText::Cell(line, 0);
            if (id.empty()) continue; // the total row
            all.lines.push_back(lead + line);
            if (line.find(";163;") != std::string::npos) turkey.lines.push_back(lead + line);
            for (int col = kLeadingColumns; col < table.ColCount(); ++col) {
                if (table.Cells(col, 0) == id) table.SetCells(col, row, DataSetText::Cell(line, 2));
            }
        }
    });
    engine.window.upperTableVisible = true;
    return {all, turkey};
}

void SG31alle(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, "SG31alle");
    if (!range) return;
    const auto lists = WorkingGroupLists(engine, *range, engine.startup.yearSuffix);
    ReportExtractSaved(engine, lists[0].name + " und " + lists[1].name + " erstellt",
                       SaveExtractLists(engine, lists));
}

void SucheStaatszugehrigkeit1Click(Engine& engine) {
    SG31alle(engine);
    const auto range = ChooseSchoolRange(engine, Win("Staatszugehörigkeit"));
    if (!range) return;
    const std::string& suffix = engine.startup.yearSuffix;
    auto failed = SaveExtractLists(engine, NationalityLists(engine, *range, suffix));
    const std::string tableName = YearFileName(suffix, "_Staatsang.csv");
    if (!SaveGridCsvSimple(engine, tableName, engine.upperTable, "")) failed.push_back(tableName);
    ReportExtractSaved(engine,
                       tableName + ", " + YearFileName(suffix, "x163.csv") + " und " +
                           YearFileName(suffix, "_163Tuerkei") + " erstellt",
                       failed);
}

} // namespace tev
