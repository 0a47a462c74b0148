#include "evaluation/profile_numbers.h"

#include "evaluation/extract_files.h"
#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"

#include <algorithm>
#include <array>

namespace tev {
namespace {

constexpr const char* kGroupHeading =
    ";{}:;;;gesamt;;;;;;;;{}:;;;NWT;;;;;{}:;;;sprachl;;;;;{}:;;;Musik;;;;;{}:;;;BK;;;;;{}:;;;"
    "Sport;;;;;{}:;;;IMP;;;;";
constexpr const char* kLevelHeading =
    "Schulnamek;Disch;;5;6;7;8;9;10;11;J1;J2;Summe;;5;6;7;8;9;10;;;5;6;7;8;9;10;;;5;6;7;8;9;"
    "10;;;5;6;7;8;9;10;;;5;6;7;8;9;10;;;5;6;7;8;9;10;";

// The label piece that names each group's row in tables 1.1 and 1.8, in heading order.
constexpr std::array<const char*, 7> kGroupLabels = {"insges", "NWT-Prof", "Sprach", "Musik",
                                                     "Kunst",  "Sport",    "IMP"};

// The column of a level heading in tables 1.1 and 1.8 (column 3 is class 5), -1 for none.
int LevelColumn(const std::string& heading) {
    static const std::array<const char*, 10> levels = {"5",  "6",  "7",  "8",  "9",
                                                       "10", "11", "J1", "J2", "Summe"};
    for (size_t i = 0; i < levels.size(); ++i) {
        if (heading == levels[i]) return 3 + static_cast<int>(i);
    }
    return -1;
}

const std::string* GroupRow(const std::vector<std::string>& rows, const char* label) {
    for (const auto& row : rows) {
        if (DataSetText::Cell(row, 0).find(label) != std::string::npos) return &row;
    }
    return nullptr;
}

} // namespace

std::vector<std::string> ProfileHeadingLines(const std::string& yearSuffix,
                                             const std::string& track) {
    return {"Profilzahlen;" + YearFilePrefix(yearSuffix) + ReplaceAll(kGroupHeading, "{}", track),
            kLevelHeading};
}

std::string ProfileLine(const DataSetText& text, const std::string& tableDigits) {
    const int header = text.FindBlock(tableDigits);
    const auto rows = text.BlockRows(header);
    const std::string* total = GroupRow(rows, kGroupLabels[0]);
    if (!total || ParseInt(DataSetText::Cell(*total, 12)) <= 0) return {};
    std::string line = text.NameFirstPrefix(header);
    line.pop_back(); // each heading below adds its own ";"
    const auto headings = SplitFields(kLevelHeading);
    int group = -1;
    const std::string* row = nullptr;
    for (size_t i = 2; i < headings.size(); ++i) {
        if (headings[i] == "5" && ++group < static_cast<int>(kGroupLabels.size()))
            row = GroupRow(rows, kGroupLabels[static_cast<size_t>(group)]);
        const int col = LevelColumn(headings[i]);
        line += ";";
        if (row && col >= 0) line += DataSetText::Cell(*row, col);
    }
    return line;
}

std::vector<std::string> ProfileList(Engine& engine, const SchoolRange& range,
                                     const std::string& yearSuffix) {
    std::vector<std::string> eight = ProfileHeadingLines(yearSuffix, "8j");
    std::vector<std::string> nine = ProfileHeadingLines(yearSuffix, "9j");
    ForEachSchoolFile(engine, range, yearSuffix, [&](int, const DataSetText& text) {
        if (auto line = ProfileLine(text, "18"); !line.empty()) eight.push_back(line);
        if (auto line = ProfileLine(text, "11"); !line.empty()) nine.push_back(line);
    });
    eight.insert(eight.end(), nine.begin(), nine.end());
    return eight;
}

void Profilzahlen1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, "Profilzahlen");
    if (!range) return;
    const auto lines = ProfileList(engine, *range, engine.startup.yearSuffix);
    ShowLinesInUpperTable(engine, lines);
    if (!SaveGridCsvSimple(engine, "Prof_ges.csv", engine.upperTable, ""))
        ReportExtractSaved(engine, "", {"Prof_ges.csv"});
}

} // namespace tev
