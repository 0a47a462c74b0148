#include "summary/summary_reader.h"

#include "data/data_set_format.h"
#include "output/text_routines.h"
#include "shell/line_reader.h"

#include <algorithm>
#include <cctype>

namespace tev {
namespace {

constexpr int kCollectUpToTable = 11;
constexpr int kLastResidenceRow = 60;

struct Placement {
    int row = -1;     // store row; -1: the line is not added
    size_t first = 1; // first column added
};

bool HasValue(const std::vector<std::string_view>& cells, size_t first) {
    for (size_t col = first; col < cells.size(); ++col)
        if (SummaryValue(cells[col]) != 0) return true;
    return false;
}

bool LineHolds(const std::vector<std::string_view>& cells, std::string_view text) {
    for (std::string_view cell : cells) {
        auto it =
            std::search(cell.begin(), cell.end(), text.begin(), text.end(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            });
        if (it != cell.end()) return true;
    }
    return false;
}

Placement PlaceSequence(SummaryReadPass& pass, const std::vector<std::string_view>& cells) {
    constexpr size_t kFirstValue = 3;
    LanguageSequence sequence;
    for (size_t i = 0; i < sequence.size() && i < cells.size(); ++i)
        sequence[i] = Trim(cells[i]);
    const bool none = sequence[0].empty() && sequence[1].empty() && sequence[2].empty();
    if (none && !HasValue(cells, kFirstValue)) return {};
    return {pass.rows.SequenceRow(sequence, pass.store == nullptr), kFirstValue};
}

Placement PlaceCode(SummaryReadPass& pass, int table, const std::vector<std::string_view>& cells) {
    constexpr size_t kFirstValue = 2;
    if (LineHolds(cells, "insgesamt")) return {SummaryRows::kTotalsRow, kFirstValue};
    if (!HasValue(cells, kFirstValue)) return {};
    return {pass.rows.CodeRow(table, cells[0]), kFirstValue};
}

Placement PlaceResidence(const SheetGrids& grids, int row,
                         const std::vector<std::string_view>& cells) {
    const StringGrid* grid = grids.FindTable(41);
    const int last = grid ? grid->RowCount() - 1 : kLastResidenceRow + 2;
    // The totals are labelled in the DOS code page in files, in the Windows one when typed.
    if (LineHolds(cells, "sch\x81ler insgesamt") || LineHolds(cells, "sch\xfcler insgesamt"))
        return {last - 1, 1};
    if (LineHolds(cells, "klassen insgesamt")) return {last, 1};
    return {std::min(row, kLastResidenceRow), 1};
}

Placement Place(SummaryReadPass& pass, int table, int row,
                const std::vector<std::string_view>& cells) {
    switch (table) {
    case 11:
    case 18:
        if (row >= 1 && row <= SummaryRows::kLastSequenceRow) return PlaceSequence(pass, cells);
        return {row, 1};
    case 23:
    case 31:
        return PlaceCode(pass, table, cells);
    case 41:
        return PlaceResidence(pass.grids, row, cells);
    case 42:
    case 44:
        // Their only data row holds numbers from the first column on.
        return {row, 0};
    case 71:
        return {row, 2};
    default:
        return {row, 1};
    }
}

// Two cells of table 1.2 that hold no pupil numbers.
bool Skipped(int table, int row, size_t col) {
    return table == 12 && col == 8 && (row == 1 || row == 5);
}

} // namespace

double SummaryValue(std::string_view cell) {
    size_t at = 0;
    while (at < cell.size() && cell[at] == ' ')
        ++at;
    if (at == cell.size()) return 0;
    // Most cells are plain digits.
    int64_t value = 0;
    size_t end = at;
    while (end < cell.size() && end - at < 9 && cell[end] >= '0' && cell[end] <= '9')
        value = value * 10 + (cell[end++] - '0');
    if (end > at && cell.find_first_not_of(' ', end) == std::string_view::npos)
        return static_cast<double>(value);
    // Otherwise only what starts like a number is one: a name such as "de Gaulle" is not.
    const char first = cell[at];
    const bool number = (first >= '0' && first <= '9') || first == '-' || first == '+' ||
                        first == '\xBD' || first == '\xAB';
    return number ? ParseTenths(cell.substr(at)) / 10.0 : 0;
}

SummaryReadResult ReadSummaryFile(std::istream& in, SummaryReadPass& pass) {
    SummaryReadResult result;
    const bool collecting = pass.store == nullptr;
    const int lastTable = collecting ? kCollectUpToTable : SummaryStore::kTables - 1;
    LineReader reader(in);
    std::string_view line;
    std::vector<std::string_view> cells;
    int table = -1;
    int headingRows = 1;
    FormConversion conversion = FormConversion::None;
    while (reader.Next(line)) {
        if (IsHeaderLine(line)) {
            const BlockHeader header = ReadHeaderLine(line);
            if (header.table > lastTable) break;
            table = header.table;
            conversion = ConversionFor(header.formYear, table);
            const StringGrid* grid = pass.grids.FindTable(table);
            headingRows = grid ? std::max(1, grid->FixedRows()) : 1;
            continue;
        }
        if (table < 0) continue;
        int row = 0;
        if (!SplitDataLine(line, conversion, row, cells)) continue;
        if (row < 0 || row >= kMaxDataSetRow) {
            ++result.refusedLines;
            continue;
        }
        if (row < headingRows) continue;
        if (collecting && !(table == 11 && row <= SummaryRows::kLastSequenceRow)) continue;
        const Placement place = Place(pass, table, row, cells);
        if (collecting || place.row < 0) continue;
        for (size_t col = place.first; col < cells.size(); ++col) {
            const double value = SummaryValue(cells[col]);
            if (value == 0 || Skipped(table, place.row, col)) continue;
            pass.store->Add(table, place.row, static_cast<int>(col), value);
        }
    }
    return result;
}

} // namespace tev
