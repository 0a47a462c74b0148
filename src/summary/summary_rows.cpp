#include "summary/summary_rows.h"

#include "output/text_routines.h"
#include "sheet/string_grid.h"

#include <algorithm>

namespace tev {
namespace {

// Rows of a code table: the heading row, the codes, the totals row.
constexpr int kMaxCodes = kMaxGridRows - 2;

std::vector<std::string> CodesOf(const std::vector<std::string>& lines, size_t width) {
    std::vector<std::string> codes;
    for (const auto& line : lines)
        codes.push_back(Trim(line.substr(0, std::min(width, line.size()))));
    return codes;
}

} // namespace

void SummaryRows::SetCodeLists(std::vector<std::string> nationalities,
                               std::vector<std::string> groups) {
    if (nationalities.size() > static_cast<size_t>(kMaxCodes)) nationalities.resize(kMaxCodes);
    if (groups.size() > static_cast<size_t>(kMaxCodes)) groups.resize(kMaxCodes);
    nationalities_.codes = CodesOf(nationalities, 3);
    nationalities_.lines = std::move(nationalities);
    nationalities_.listed = static_cast<int>(nationalities_.lines.size());
    groups_.codes = CodesOf(groups, 4);
    groups_.lines = std::move(groups);
    groups_.listed = static_cast<int>(groups_.lines.size());
}

int SummaryRows::SequenceRow(const LanguageSequence& sequence, bool collecting) {
    const auto found = std::find(sequences_.begin(), sequences_.end(), sequence);
    if (found != sequences_.end())
        return kSequenceRowBase + 1 + static_cast<int>(found - sequences_.begin());
    if (static_cast<int>(sequences_.size()) >= kMaxSequences) return -1;
    auto at = sequences_.end();
    if (collecting) at = std::upper_bound(sequences_.begin(), sequences_.end(), sequence);
    at = sequences_.insert(at, sequence);
    return kSequenceRowBase + 1 + static_cast<int>(at - sequences_.begin());
}

int SummaryRows::CodeRow(int table, std::string_view code) {
    CodeList& list = ListOf(table);
    const std::string wanted = Trim(code);
    const auto found = std::find(list.codes.begin(), list.codes.end(), wanted);
    if (found != list.codes.end()) return 1 + static_cast<int>(found - list.codes.begin());
    if (static_cast<int>(list.codes.size()) >= kMaxCodes) return -1;
    list.codes.push_back(wanted);
    list.lines.push_back(wanted);
    return static_cast<int>(list.codes.size());
}

const std::vector<std::string>& SummaryRows::CodeLines(int table) const {
    return ListOf(table).lines;
}

int SummaryRows::ListedCodes(int table) const {
    return ListOf(table).listed;
}

} // namespace tev
