#include "evaluation/language_n_search.h"

#include "evaluation/extract_files.h"
#include "evaluation/school_loop.h"
#include "output/text_routines.h"
#include "sheet/pupil_table_rows.h"

namespace tev {
namespace {

// Columns 0 to 2 of a sequence row hold its languages, 3 on its pupils by level.
bool HasPupils(const std::string& row) {
    for (int col = 3; col <= 12; ++col) {
        if (!DataSetText::Cell(row, col).empty()) return true;
    }
    return false;
}

} // namespace

std::vector<std::string> LanguageNLines(const DataSetText& text) {
    std::vector<std::string> lines;
    for (const char* table : {"11", "18"}) {
        const int header = text.FindBlock(table);
        const std::string lead = text.NameFirstPrefix(header) + table[0] + "." + table[1] + ";";
        for (const auto& row : text.BlockRows(header)) {
            // Only the sequence rows: a label row like "Schüler insges:" never names languages.
            if (ParseInt(Trim(FieldAt(row, 1))) > pupil_rows::kLastLanguageRow) continue;
            if (row.find(";N;") == std::string::npos || !HasPupils(row)) continue;
            lines.push_back(lead + row);
        }
    }
    return lines;
}

void SucheN1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, "Profilzahlen");
    if (!range) return;
    ExtractList list{"FS_N.csv", {"Schulnamek;Disch;"}};
    ForEachSchoolFile(engine, *range, engine.startup.yearSuffix,
                      [&list](int, const DataSetText& text) {
                          for (auto& line : LanguageNLines(text))
                              list.lines.push_back(std::move(line));
                      });
    ShowLinesInUpperTable(engine, list.lines);
    const auto failed = SaveExtractLists(engine, {list});
    ReportExtractSaved(engine, "FS_N.csv erstellt", failed);
}

} // namespace tev
