#include "sheet/sheet_search.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "evaluation/school_loop.h"
#include "shell/engine.h"

#include <algorithm>
#include <charconv>

namespace tev {
namespace {

std::optional<int> WholeNumber(std::string_view text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return std::nullopt;
    int value = 0;
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (*first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) return std::nullopt;
    return value;
}

// "a..e" as two numbers.
std::optional<std::pair<int, int>> NumberRange(std::string_view text) {
    const size_t dots = text.find("..");
    if (dots == std::string_view::npos) return std::nullopt;
    const auto low = WholeNumber(text.substr(0, dots));
    const auto high = WholeNumber(text.substr(dots + 2));
    if (!low || !high) return std::nullopt;
    return std::pair{*low, *high};
}

} // namespace

std::optional<SearchCriterion> ParseSearchCriterion(const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return std::nullopt;
    SearchCriterion criterion;
    if (trimmed == "*") return criterion;
    using Kind = SearchCriterion::Kind;
    const char first = trimmed[0];
    if (first == '>' || first == '=' || first == '<') {
        if (const auto number = WholeNumber(std::string_view(trimmed).substr(1))) {
            criterion.kind = first == '>' ? Kind::Greater : first == '=' ? Kind::Equal : Kind::Less;
            criterion.low = *number;
            return criterion;
        }
    }
    const bool outside = first == '\\';
    if (const auto range = NumberRange(std::string_view(trimmed).substr(outside ? 1 : 0))) {
        criterion.kind = outside ? Kind::OutsideRange : Kind::Range;
        criterion.low = range->first;
        criterion.high = range->second;
        return criterion;
    }
    criterion.kind = Kind::Text;
    criterion.text = trimmed;
    return criterion;
}

bool CriterionAccepts(const SearchCriterion& criterion, const std::string& cellText) {
    using Kind = SearchCriterion::Kind;
    const int value = ParseInt(cellText);
    switch (criterion.kind) {
    case Kind::Greater:
        return value > criterion.low;
    case Kind::Equal:
        return value == criterion.low;
    case Kind::Less:
        return value < criterion.low;
    case Kind::Range:
        return value >= criterion.low && value <= criterion.high;
    case Kind::OutsideRange:
        return value < criterion.low || value > criterion.high;
    case Kind::Any:
        return true;
    case Kind::Text:
        // Cells read from files are in the DOS code page, typed texts in the program's.
        return DisplayText(cellText).find(DisplayText(criterion.text)) != std::string::npos;
    }
    return false;
}

bool SheetAreaHits(const Sheet& sheet, const SearchArea& area, const SearchCriterion& criterion) {
    for (const std::string* name : {&area.grid, &area.secondGrid}) {
        if (name->empty()) continue;
        const StringGrid* grid = sheet.grids.Find(*name);
        if (grid == nullptr) continue;
        const int lastRow = std::min(area.toRow, grid->RowCount() - 1);
        const int lastCol = std::min(area.toCol, grid->ColCount() - 1);
        for (int row = std::max(area.fromRow, 0); row <= lastRow; ++row) {
            for (int col = std::max(area.fromCol, 0); col <= lastCol; ++col) {
                if (CriterionAccepts(criterion, grid->Cells(col, row))) return true;
            }
        }
    }
    return false;
}

int SearchNextSchool(Engine& engine, const SearchArea& area, const SearchCriterion& criterion,
                     int startIndex, int lastIndex) {
    int found = -1;
    // Hiding the gauge passes over the schools after the hit, as the "Abbruch" click does.
    ForEachSchool(engine, {std::max(startIndex, -1) + 2, lastIndex + 1}, [&](int index, bool) {
        if (found >= 0 || !SheetAreaHits(engine.sheet, area, criterion)) return;
        found = index;
        engine.ui().ProgressEnd();
    });
    // The school the search stopped at is shown as after a click on it.
    engine.outputBox.lines() = engine.sheet.findings;
    engine.sheet.schoolSpinValue = engine.schoolList.itemIndex + 1;
    return found;
}

} // namespace tev
