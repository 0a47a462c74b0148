#pragma once
// The sheet's search for the next school whose cells meet a condition.
#include <optional>
#include <string>

namespace tev {

struct Engine;
struct Sheet;

struct SearchCriterion {
    enum class Kind { Greater, Equal, Less, Range, OutsideRange, Any, Text };
    Kind kind = Kind::Any;
    int low = 0;  // the number of ">n", "=n", "<n"; the lower end of a range
    int high = 0; // the upper end of a range
    std::string text;
};

// ">n", "=n", "<n" compare a cell's number; "a..e" accepts a to e inclusive, "\a..e" the
// numbers outside; "*" every school; any other text is looked for in the cell texts. Empty
// text gives nothing.
std::optional<SearchCriterion> ParseSearchCriterion(const std::string& text);
bool CriterionAccepts(const SearchCriterion& criterion, const std::string& cellText);

// The rectangle (fromCol, fromRow)-(toCol, toRow) of a grid, rows outer; nothing is tested
// when toRow is above fromRow. The same cells of secondGrid are tested too when it is set.
struct SearchArea {
    std::string grid;
    int fromCol = 0;
    int fromRow = 0;
    int toCol = 0;
    int toRow = 0;
    std::string secondGrid;
};

// Whether a cell of the area (or of the second grid) of the loaded sheet meets the criterion.
bool SheetAreaHits(const Sheet& sheet, const SearchArea& area, const SearchCriterion& criterion);

// Steps the school list from the school after startIndex up to lastIndex (0-based list
// indexes), loading each school as a click does, and returns the index of the first school
// whose area has a hit, or -1. The progress gauge runs meanwhile; hiding it (the "Abbruch"
// click) ends the search at the school reached.
int SearchNextSchool(Engine& engine, const SearchArea& area, const SearchCriterion& criterion,
                     int startIndex, int lastIndex);

} // namespace tev
