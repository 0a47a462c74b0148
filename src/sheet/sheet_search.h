#pragma once
// The sheet's search for the next school whose cells meet a condition, as the search panel
// of the sheet window and the extract run it.
#include "shell/engine.h"

#include <optional>
#include <string>

namespace tev {

struct SearchCriterion {
    enum class Kind {
        Greater, // ">n"
        Equal,   // "=n"
        Less,    // "<n"
        Inside,  // "a..e", both ends included
        Outside, // "\a..e"
        Any,     // "*": every school
        Text,    // any other text: a part of the cell text
    };
    Kind kind = Kind::Any;
    int low = 0;  // the number of ">n", "=n", "<n"; the lower end of a range
    int high = 0; // the upper end of a range
    std::string text;
};

// Nothing for an empty (or blank) text and for ">", "=", "<" without a whole number after
// them. A range whose ends are given the wrong way round is turned round.
std::optional<SearchCriterion> ParseSearchCriterion(const std::string& text);

// Numbers are read as the sheet reads cells: empty or not a number counts 0. A text is found
// as typed and also in the DOS code page of the data set files.
bool CriterionAccepts(const SearchCriterion& criterion, const std::string& cellText);

// The rectangle between the "von" and "bis" cells of the search grid, rows outer, columns
// inner; nothing is tested when "bis" lies above or left of "von". Cells beyond a school's
// grid are not tested. The same cells of the second grid are tested as well when it is named.
struct SearchArea {
    std::string grid;
    int fromCol = 0;
    int fromRow = 0;
    int toCol = 0;
    int toRow = 0;
    std::string secondGrid;
};

// Whether a cell of the area (or of the second grid) in the loaded school meets the criterion.
bool AreaHasHit(const Sheet& sheet, const SearchArea& area, const SearchCriterion& criterion);

// Steps the school list from the school after startIndex up to lastIndex (0-based), loading
// each school as a click does, and returns the index of the first school with a hit, or -1.
// The gauge runs meanwhile; hiding it ("Abbruch") stops the search. The school last loaded
// stays loaded and selected.
int SearchNextSchool(Engine& engine, const SearchArea& area, const SearchCriterion& criterion,
                     int startIndex, int lastIndex);

} // namespace tev
