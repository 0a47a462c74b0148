#include "sheet/sheet_search.h"

#include "evaluation/school_loop.h"
#include "output/text_routines.h"

#include <algorithm>
#include <charconv>

namespace tev {
namespace {

// A whole number and nothing else (blanks around it allowed).
std::optional<int> WholeNumber(std::string_view text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return std::nullopt;
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (*first == '+') ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

// "a..e" with two whole numbers.
std::optional<std::pair<int, int>> NumberRange(std::string_view text) {
    const size_t dots = text.find("..");
    if (dots == std::string_view::npos) return std::nullopt;
    const auto low = WholeNumber(text.substr(0, dots));
    const auto high = WholeNumber(text.substr(dots + 2));
    if (!low || !high) return std::nullopt;
    return std::minmax(*low, *high);
}

bool CellInside(const StringGrid& grid, int col, int row) {
    return col >= 0 && row >= 0 && col < grid.ColCount() && row < grid.RowCount();
}

bool GridHasHit(const StringGrid& grid, const SearchArea& area, const SearchCriterion& criterion) {
    for (int row = area.fromRow; row <= area.toRow; ++row) {
        for (int col = area.fromCol; col <= area.toCol; ++col) {
            if (CellInside(grid, col, row) && CriterionAccepts(criterion, grid.Cells(col, row)))
                return true;
        }
    }
    return false;
}

} // namespace

std::optional<SearchCriterion> ParseSearchCriterion(const std::string& text) {
    if (Trim(text).empty()) return std::nullopt;
    SearchCriterion criterion;
    criterion.text = text;
    const std::string trimmed = Trim(text);
    if (trimmed == "*") return criterion;
    const char lead = trimmed.front();
    if (lead == '>' || lead == '=' || lead == '<') {
        const auto number = WholeNumber(std::string_view(trimmed).substr(1));
        if (!number) return std::nullopt;
        criterion.kind = lead == '>'   ? SearchCriterion::Kind::Greater
                         : lead == '=' ? SearchCriterion::Kind::Equal
                                       : SearchCriterion::Kind::Less;
        criterion.low = criterion.high = *number;
        return criterion;
    }
    const bool outside = lead == '\\';
    if (const auto range = NumberRange(std::string_view(trimmed).substr(outside ? 1 : 0))) {
        criterion.kind = outside ? SearchCriterion::Kind::Outside : SearchCriterion::Kind::Inside;
        criterion.low = range->first;
        criterion.high = range->second;
        return criterion;
    }
    criterion.kind = SearchCriterion::Kind::Text;
    return criterion;
}

bool CriterionAccepts(const SearchCriterion& criterion, const std::string& cellText) {
    using Kind = SearchCriterion::Kind;
    const auto number = [&cellText] { return ParseInt(cellText); };
    switch (criterion.kind) {
    case Kind::Greater:
        return number() > criterion.low;
    case Kind::Equal:
        return number() == criterion.low;
    case Kind::Less:
        return number() < criterion.low;
    case Kind::Inside:
        return number() >= criterion.low && number() <= criterion.high;
    case Kind::Outside:
        return number() < criterion.low || number() > criterion.high;
    case Kind::Any:
        return true;
    case Kind::Text:
        return cellText.find(criterion.text) != std::string::npos ||
               cellText.find(ToOemText(criterion.text)) != std::string::npos;
    }
    return false;
}

bool AreaHasHit(const Sheet& sheet, const SearchArea& area, const SearchCriterion& criterion) {
    if (const StringGrid* grid = sheet.grids.Find(area.grid);
        grid && GridHasHit(*grid, area, criterion))
        return true;
    if (area.secondGrid.empty()) return false;
    const StringGrid* second = sheet.grids.Find(area.secondGrid);
    return second && GridHasHit(*second, area, criterion);
}

int SearchNextSchool(Engine& engine, const SearchArea& area, const SearchCriterion& criterion,
                     int startIndex, int lastIndex) {
    const int count = static_cast<int>(engine.schoolList.lines.size());
    const SchoolRange range{std::max(0, startIndex + 1) + 1, std::min(lastIndex, count - 1) + 1};
    if (range.first > range.last) return -1;
    // A school without a data set has nothing that could meet the condition.
    const int found = FindSchool(engine, range, [&](int, bool loaded) {
        return loaded && AreaHasHit(engine.sheet, area, criterion);
    });
    engine.sheet.schoolSpinValue = engine.schoolList.itemIndex + 1;
    engine.outputBox.lines() = engine.sheet.findings;
    return found;
}

} // namespace tev
