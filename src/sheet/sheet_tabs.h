#pragma once
// The tabs of the school sheet per school year: caption, what the page shows, and the
// one-line sub-heading above it.
#include <string>
#include <string_view>
#include <vector>

namespace tev {

enum class SheetPage {
    Overview,   // the text "stat2.mm"
    Table,      // a table grid
    Test,       // the plausibility test lines
    Note9,      // the single "zu 9" line
    Form1,      // the text form of tables 1.1/1.8/1.2
    Form56,     // the text form of 6.1/5.1 and 8.1/8.2/7.1
    Comparison, // 9.1 against 9.2
    Extract,    // the last extract
    Nothing,    // the "---" tab
};

struct SheetTab {
    std::string caption; // CP1252
    SheetPage page;
    std::string gridName;   // the grid shown, empty when the page is a text list
    std::string subHeading; // CP1252, year placeholders not yet filled in
    // Pages without a table title: the window title before the school year text.
    std::string titlePrefix;
};

std::vector<SheetTab> SheetTabs(int schoolYearCode);

// The table number of a table tab (a point in position 2: "1.8(8j.)" gives 18), else -1.
int TabTableNumber(std::string_view caption);
// The table numbers of a year's table tabs in tab order; kept per year, since every school
// a data test loads asks for them twice.
const std::vector<int>& TabTables(int schoolYearCode);

} // namespace tev
